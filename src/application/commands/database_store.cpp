// Store Solution in Database and Save Incomplete Puzzle.

#include "application/commands/database_commands.h"
#include "application/commands/database_support.h"
#include "application/commands/exact_commands.h"
#include "application/commands/rate_puzzle.h"
#include "application/grid/dialog_exchange.h"
#include "application/grid/grid_events.h"
#include "application/grid/grid_window.h"
#include "application/shell/main_window.h"
#include "model/program_state.h"
#include "storage/puzzle_commands.h"

namespace quorvel {

namespace {

bool hasGiven(const GridWindow& window) {
    for (int cell = 1; cell <= window.board().cellCount(); ++cell) {
        if (window.board().cell(cell).locked && !window.board().cell(cell).text.empty())
            return true;
    }
    return false;
}

}  // namespace

void DatabaseCommands::storeSolution(GridWindow& window) {
    const bool incomplete = session_.incompleteMode;
    // A record without givens could never be loaded as a puzzle.
    if (!incomplete && !hasGiven(window)) {
        mainWindow_.showMessage(std::string(kNoGivensText), colour::kRed, Alignment::Centre);
        return;
    }
    if (!incomplete) {
        dialogs_.dialogText = "";
        dialogs_.ask(
            std::string(kGradeTitle),
            gradeQuestion(session_, logic::ratePuzzle(window.kind(), givenValues(window.board()))),
            "");
        if (dialogs_.dialogCancelled) return;
    }
    window.checkConsistency(1);
    const bool complete = window.statusImageVisible(0);
    if (!incomplete && !complete) {
        mainWindow_.showMessage(std::string(kIncompleteSolutionText), colour::kRed,
                                Alignment::Centre);
        return;
    }
    if (incomplete && complete) {
        dialogs_.ask(std::string(kQuorvelTitle), std::string(kAlreadyCompleteText), "");
        return;
    }
    session_.activeSizeCode = window.kind().sizeCode;
    const std::string cellText = cellTextOf(window);
    const ScopeGuard databaseBusy = mainWindow_.showDatabaseBusy();
    std::optional<Database> database = loadWindowDatabase(mainWindow_, window);
    if (database) {
        const FileStatus failure =
            incomplete ? storeIncompletePuzzle(session_, *database, cellText, session_.elapsedShown,
                                               window.allNotes(), window.colouring())
                       : quorvel::storeSolution(session_, *database, cellText);
        if (failure) {
            tellFileError(mainWindow_, *failure);
        } else {
            if (incomplete) {
                tellWritten(mainWindow_, "Stored: incomplete puzzle, " +
                                             std::string(levelName(session_.gradeLevel)));
            } else {
                tellWritten(mainWindow_, "Stored", session_.puzzleLevel, session_.puzzleNumber);
            }
            // After the report, so that a settings file that cannot be written is what shows.
            mainWindow_.writeSettings();
        }
    }
}

}  // namespace quorvel
