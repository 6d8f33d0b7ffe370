#pragma once
// The computed difficulty of a puzzle, from the logic solver's path: the sum of the step scores,
// the hardest technique used and a level by the hardest family needed:
//   1 Easy       singles only
//   2 Medium     adds locked candidates and naked or hidden subsets
//   3 Hard       adds fish, wings, single-value patterns and uniqueness
//   4 Very Hard  needs chains, or cannot be finished by logic
// A puzzle without a solution gets level 0.

#include <span>
#include <string>

#include "model/grid_kind.h"
#include "model/units.h"

namespace quorvel::logic {

struct PuzzleRating {
    int solutions = 0;         // 0, 1 or 2 (two or more), from the exact counter
    int level = 0;             // 1..4, 0 without a solution
    int score = 0;             // the sum of the path's step scores
    std::string hardest;       // the name of the hardest technique used; empty when none
    bool logicSolved = false;  // the path reaches the complete grid
};

// With `candidates`, the rating of that candidate state (see logic_solver.h).
PuzzleRating ratePuzzle(const GridKind& kind, std::span<const int> values,
                        std::span<const ValueMask> candidates = {});

// "Easy", "Medium", "Hard" or "Very Hard" for levels 1..4.
std::string levelName(int level);

// What Rate Puzzle says: "Rated Hard: score 1240, hardest step X-Wing." (without the hardest
// step when the path has none, and "not finished by logic" when logic stops short).
std::string ratingText(const PuzzleRating& rating);

}  // namespace quorvel::logic
