#pragma once
// Puzzles made without a window, as the companion tool, the booklet and the benchmarks make
// them: the givens pattern of a level, a random full grid (engines/create/generate_puzzle.h) and,
// when a unique puzzle is asked for, the pattern's givens made unique and aimed at a band of
// ratings (engines/create/level_aim.h). The random draws follow the order of the Computer Generated
// Puzzle command, so one seed gives the puzzle the window would.

#include <optional>
#include <vector>

#include "engines/create/random_source.h"
#include "engines/logic/puzzle_rating.h"
#include "model/grid_kind.h"

namespace quorvel {

struct GeneratedPuzzle {
    bool made = false;          // false only when stopped
    int givens = 0;             // cells that kept their value
    bool unique = false;        // the givens allow exactly one solution
    std::vector<int> puzzle;    // the givens (0 = empty), index 0 is cell 1
    std::vector<int> solution;  // the full grid they come from
    // The puzzle's rating when the aim reached its band: the aim rated it on its way.
    std::optional<logic::PuzzleRating> rating;
};

// The pattern of `level` and a full grid of `kind`; with `unique`, the puzzle is made unique and
// aimed at `level` by its computed rating (see engines/create/level_aim.h).
GeneratedPuzzle generatePuzzle(const GridKind& kind, int level, RandomSource& random,
                               bool unique = false);
// The same made unique and aimed at a band of ratings, from the pattern of the level the band
// starts in.
GeneratedPuzzle generatePuzzle(const GridKind& kind, const logic::RatingBand& band,
                               RandomSource& random);

// generatePuzzle aimed at the band on fresh full grids, at most `maxGrids`, until one rates in
// the band and is new (engines/create/known_puzzles.h); otherwise the closest (see
// logic::bandOffset). On the 9 x 9 grid a band from kClimbFrom up is climbed to instead
// (engines/create/rating_climb.h), one climb a full grid; its puzzle keeps no pattern and its
// solution is the full grid it ends on.
struct BandPuzzle {
    GeneratedPuzzle made;
    logic::PuzzleRating rating;  // of made.puzzle
    int grids = 0;               // full grids generated
    bool reached = false;        // made.puzzle is new and rates in the band
};
BandPuzzle generateInBand(const GridKind& kind, const logic::RatingBand& band, RandomSource& random,
                          int maxGrids);

}  // namespace quorvel
