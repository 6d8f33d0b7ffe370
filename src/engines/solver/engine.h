#pragma once
// solveTables, the solve engine of a grid: singles, then first-level guesses in guess order with
// nested guesses below them, in the strength the session's solve mode selects. It computes on a
// grid's working tables (model/solve_tables.h) and returns what it found; the solve commands
// (application/commands/solve_commands.h) show the outcome on the grid window.

#include <functional>
#include <string>

#include "model/program_state.h"
#include "model/solve_tables.h"

namespace quorvel {

// The layers whose contents a run leaves for the commands: the grid reached, the grid as the
// singles left it before the first guess, and (a one-step run) the grid before the run with the
// single placed by the single candidate rule.
inline constexpr int kWorkLayer = 1;
inline constexpr int kPropagatedLayer = 4;
inline constexpr int kStartLayer = 15;

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

// One run on the tables. oneStep is the Get Next form: the run ends at the first single it
// places. Reads session.solveMode and stopRequested; a run stopped between nested guesses clears
// session.solverBusy so that the next command may start while this one is shown. Writes layer 1
// (the grid reached), the notes and the guess table; tables.guessing() stays true after a run
// that guessed until the command has shown the outcome. `result` says whether layer 1 ended
// complete.
SolveOutcome solveTables(SolveTables& tables, ProgramState& session, bool oneStep,
                         const GuessProgress& progress = {});

}  // namespace quorvel
