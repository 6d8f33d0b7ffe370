#pragma once
// Makes the puzzles shipped with the program: random complete grids thinned out in
// point-symmetric pairs while exactly one solution remains, each graded by what the program's own
// solve engine needs to solve it. Deterministic for a given seed.

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "engines/solver/solution_count.h"
#include "model/grid_kind.h"

namespace quorvel::tool {

enum class EngineStrength { MildAttack, BruteForce, NumberCrunch };

// What one engine run left behind.
struct EngineVerdict {
    bool result = false;  // the engine reported the grid complete
    long guesses = 0;     // nested guess placements it made
    CellValues grid;      // the cells afterwards
};

// Runs the solve engine of the program on a puzzle with the given strength.
using EngineRunner =
    std::function<EngineVerdict(const GridKind&, const CellValues& puzzle, EngineStrength)>;

// Nested guesses Number Crunch may need for a puzzle of level 3; more make it level 4.
inline constexpr long kHardGuessLimit = 5;

// The shipped level of a puzzle with the given solution: 1 when Mild Attack solves it, 2 when
// Brute Force is the weakest strength that does, 3 when Number Crunch does with at most
// kHardGuessLimit nested guesses, 4 when it needs more; 0 when Number Crunch fails. "Solves"
// means the engine reports success and the grid holds exactly the solution.
int classifyLevel(const EngineRunner& engine, const GridKind& kind, const CellValues& puzzle,
                  const CellValues& solution);

struct MadePuzzle {
    int level = 0;
    CellValues givens;
    CellValues solution;
};

struct MakeOptions {
    int countPerLevel = 40;
    std::uint64_t seed = 1;
    int maxCandidates = 5000;  // complete grids tried before giving up on the missing levels
};

struct MakeReport {
    std::vector<MadePuzzle> puzzles;  // ordered by level, then by the order they were made
    std::array<int, 5> perLevel{};    // index 1..4
    int candidates = 0;               // complete grids tried
};

MakeReport makePuzzles(const GridKind& kind, const MakeOptions& options,
                       const EngineRunner& engine);

}  // namespace quorvel::tool
