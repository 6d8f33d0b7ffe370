#pragma once
// Puzzles with outcomes established independently of the engine, and helpers to build them.

#include <string>
#include <utility>
#include <vector>

#include "model/grid_kind.h"
#include "support/exact_solver.h"
#include "support/test_grid.h"

namespace quorvel::testing {

// Solvable by singles alone.
inline const std::string kEasy =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
// Needs guessing; its first guess-order cell takes its first candidate in the solution.
inline const std::string kOneGuess =
    "13....6.9...2..54........7..........62..8.7.47.9.461....1.3........15...49.8.....";
// Beyond Number Crunch: guessing ends without a solution.
inline const std::string kCrunchFails =
    "7.8...3.....2.1...5.........4.....263...8.......1...9..9.6....4....7.5...........";
// Get Next finds neither a single nor a solution.
inline const std::string kNextFindsNothing =
    "6..1...8..53.............4....8...6..9....7....24.........7.3.9....2.5..1........";
// Get Next solves it with a first-level guess and no nested guess.
inline const std::string kNextFirstLevelGuess =
    ".2.5.9.4...5.....19.4.6.3.....695.....6..8...4.......2.3.7...1.....3...67.8......";

// An otherwise empty grid with the given (cell, value) pairs.
inline std::string gridWith(const GridKind& kind, std::vector<std::pair<int, int>> values) {
    std::vector<int> cells(kind.cellCount(), 0);
    for (const auto& [cell, value] : values)
        cells[cell - 1] = value;
    return formatPuzzleLine(kind, cells);
}

// A valid full 15x15 grid: rows shift by 3 within a band of five rows and by 1 between bands.
inline std::vector<int> fullFifteen() {
    std::vector<int> values;
    for (int row = 0; row < 15; ++row)
        for (int column = 0; column < 15; ++column)
            values.push_back((column + 3 * (row % 5) + row / 5) % 15 + 1);
    return values;
}

inline std::vector<int> solutionOf(const std::string& line) {
    const Puzzle puzzle = TestGrid::parsed(line);
    return solvePuzzle(puzzle.kind, puzzle.values).value_or(std::vector<int>{});
}

}  // namespace quorvel::testing
