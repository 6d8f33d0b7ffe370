#pragma once
// solveBoard, the solve engine of a grid window: singles, then first-level guesses in guess order
// with nested guesses below them, in the strength the session's solve mode selects.

#include "model/board.h"

namespace quorvel {

inline constexpr int kMildAttack = 0;
inline constexpr int kBruteForce = 1;
inline constexpr int kNumberCrunch = 2;

struct SolveOutcome {
    bool result = false;    // the grid ended complete
    long guesses = 0;       // nested guess placements of the run
    bool ran = false;       // false when a run was already under way (nothing changed)
    long propagations = 0;  // propagation passes run (for measurements)
};

// One run on the board. oneStep is the Get Next form: Number Crunch strength, but only the first
// new value is shown. Reads and writes board.session() (solveMode, reasonText, lastStep,
// solverBusy, stopRequested).
SolveOutcome solveBoard(Board& board, bool oneStep = false);

}  // namespace quorvel
