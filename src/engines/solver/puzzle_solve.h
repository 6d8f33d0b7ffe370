#pragma once
// An Assist Solve command on a puzzle just put on a fresh grid, without a window: the engine's
// run and what the grid window would show afterwards (the message line, the values in the cells,
// the cell Get Next fills). The tool and the benchmarks use it; the solve commands
// (application/commands/solve_commands.h) show the same on the grid window.

#include <string>
#include <vector>

#include "engines/solver/engine.h"
#include "model/puzzle.h"

namespace quorvel {

struct PuzzleSolve {
    SolveOutcome outcome;
    std::string message;    // the message line afterwards
    std::vector<int> grid;  // what the cells show afterwards (index 0 is cell 1; 0 = empty)
    int cell = 0;           // Get Next: the cell that newly shows a value, 0 when none
    int value = 0;
};

// Solve > Mild Attack (0), Brute Force (1) or Number Crunch (2) on the puzzle's values.
PuzzleSolve solvePuzzle(const Puzzle& puzzle, SolveMode mode);
// Get Next on the puzzle's values.
PuzzleSolve nextStepOf(const Puzzle& puzzle);

}  // namespace quorvel
