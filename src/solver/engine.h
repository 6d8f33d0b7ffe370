#pragma once
// solveBoard, the solve engine of a grid window: singles, then first-level guesses in guess order
// with nested guesses below them, in the strength the session's solve mode selects. It computes
// on the board's value tables and returns what it found; it shows nothing and leaves the cells
// as they were. The solve commands (solve_commands.h) show the outcome with the functions below.

#include <functional>
#include <string>

#include "model/board.h"

namespace quorvel {

inline constexpr int kMildAttack = 0;
inline constexpr int kBruteForce = 1;
inline constexpr int kNumberCrunch = 2;

struct SolveOutcome {
    bool ran = false;       // false when a run was already under way (nothing changed)
    bool result = false;    // the grid ended complete
    long guesses = 0;       // nested guess placements of the run
    long propagations = 0;  // propagation passes run (for measurements)
    // "Reason : Single candidate in cell", "Reason : Single possibility in row" (column, block),
    // "Reason : 3 Levels of Guessing", or "" when the run found nothing to name.
    std::string reason;
    bool guessed = false;  // the run reached its guessing phase
    // A one-step run: the cell a single filled in layer 1 and its value (the cell does not show
    // it yet), or cell 0.
    int singleCell = 0;
    int singleValue = 0;
    // The first-level guess tried last, or cell 0; when the run ended complete, the guess that
    // solved the grid.
    int guessCell = 0;
    int guessValue = 0;
    // The cell the possibilities panel describes when the run ends, or 0.
    int panelCell = 0;
};

// Called at every nested guess with the count so far; may let pending events run (the Stop
// command sets the session's stopRequested, which ends the run).
using GuessProgress = std::function<void(long guesses)>;

// One run on the board. oneStep is the Get Next form: the run ends at the first single it
// places. Reads board.session() (solveMode, stopRequested); a run stopped between nested guesses
// clears session.solverBusy so that the next command may start while this one is shown. Writes
// layer 1 (the grid reached), the notes and the guess table; board.guessing() stays true after a
// run that guessed until the command has shown the outcome. `result` says whether layer 1 ended
// complete.
SolveOutcome solveBoard(Board& board, bool oneStep, const GuessProgress& progress = {});

// After a full run: the cells show the grid the run reached, or with `beforeGuesses` the grid as
// the singles left it before the first guess (layer 1 then holds it too).
void showReachedGrid(Board& board, bool beforeGuesses);

// After a one-step run that ended complete: the cells and layer 1 go back to the grid before the
// run, with the single it placed and the first-level guess that solved the grid.
void showNextStep(Board& board, const SolveOutcome& outcome);

// After a one-step run that did not end complete: layer 1 says what the cells show, so that the
// tables match the grid (a shown single stays, a failed search's branch goes).
void keepShownGrid(Board& board);

}  // namespace quorvel
