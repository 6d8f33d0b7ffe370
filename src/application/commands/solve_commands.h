#pragma once
// The Assist Solve menu commands as the main window runs them on the active grid window: the
// guards, then the engine or the single rule, then what the user sees of the outcome (the cells,
// focus, clicks, flash, message line, gauge and indicators) through the display. The tool and
// the benchmarks run the engine on a puzzle without a window (engines/solver/puzzle_solve.h), which
// reports what these show.

#include <span>

#include "application/commands/solve_display.h"
#include "application/grid/board.h"
#include "engines/solver/engine.h"
#include "engines/solver/solve_texts.h"

namespace quorvel {

// The single candidate rule on the cells: the first empty cell with a single candidate, or 0.
// With the user's notes (element n for cell n) a cell's candidates are those among its notes; a
// cell without notes keeps them all.
int findSingleCandidate(Board& board, std::span<const ValueMask> notes = {});

// Assist Solve > Check For Single: focuses the cell findSingleCandidate names and returns it, or
// shows "None found" and returns 0. Fills nothing.
int checkForSingleCommand(Board& board, SolveDisplay& display,
                          std::span<const ValueMask> notes = {});

struct GetNextOutcome {
    SolveOutcome solve;
    int cell = 0;  // the cell that newly shows a value, 0 when none
    int value = 0;
};
// Assist Solve > Get Next.
GetNextOutcome getNextCommand(Board& board, SolveDisplay& display);

// Assist Solve > Solve > Mild Attack (0), Brute Force (1) or Number Crunch (2).
SolveOutcome solveCommand(Board& board, SolveDisplay& display, SolveMode mode);

}  // namespace quorvel
