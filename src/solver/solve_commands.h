#pragma once
// The Assist Solve menu commands as the main window runs them on the active grid window:
// guards, Stop item, indicators and the message line around the engine. The tool calls the same
// functions, so both report the same outcome.

#include "model/board.h"
#include "solver/engine.h"
#include "solver/solve_texts.h"

namespace quorvel {

// Check For Single on the cells: focuses the first empty cell with a single candidate and returns
// it, or shows "None found" and returns 0. Fills nothing.
int checkForSingle(Board& board);

// Assist Solve > Check For Single. Returns the focused cell or 0.
int checkForSingleCommand(Board& board);

struct GetNextOutcome {
    SolveOutcome solve;
    int cell = 0;  // the cell that newly shows a value, 0 when none
    int value = 0;
};
// Assist Solve > Get Next.
GetNextOutcome getNextCommand(Board& board);

// Assist Solve > Solve > Mild Attack (0), Brute Force (1) or Number Crunch (2).
SolveOutcome solveCommand(Board& board, int mode);

}  // namespace quorvel
