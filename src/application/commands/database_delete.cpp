// Delete Puzzle from Database.

#include "application/commands/database_commands.h"
#include "application/commands/database_support.h"
#include "application/commands/grid_setup.h"
#include "application/grid/dialog_exchange.h"
#include "application/grid/grid_window.h"
#include "application/shell/main_window.h"
#include "model/program_state.h"
#include "storage/puzzle_commands.h"

namespace quorvel {

bool DatabaseCommands::deletePuzzle(GridWindow& window) {
    // Only the stored puzzle this grid shows can be deleted.
    if (!hasStoredPuzzle(session_, window.kind())) {
        mainWindow_.endCurrentPuzzle();
        dialogs_.ask(std::string(kQuorvelTitle), std::string(kNothingToDoText), "");
        return false;
    }
    if (session_.puzzleRecordKind == kKindPredefined) {
        dialogs_.ask(std::string(kDeleteTitle), std::string(kPredefinedText), "");
        mainWindow_.endCurrentPuzzle();
        return true;
    }
    const int number = session_.puzzleNumber;
    const int level = session_.puzzleLevel;
    ScopeGuard databaseBusy = mainWindow_.showDatabaseBusy();
    session_.puzzleCount = std::to_string(session_.lastPuzzleNumber);
    const std::string prompt =
        std::string(deletePromptLead(session_.currentLevel)) + dialogs_.dialogText;
    if (session_.puzzleNumber > 0) session_.previousPuzzleNumber = session_.puzzleNumber;
    dialogs_.ask(std::string(kDeleteTitle), prompt, "");
    bool acted = false;
    if (!dialogs_.dialogCancelled) {
        std::optional<Database> database = loadWindowDatabase(mainWindow_, window);
        if (!database) return false;
        const Result<bool> removed = removeCurrentPuzzle(session_, *database);
        if (!removed) {
            tellFileError(mainWindow_, removed.error());
            return false;
        }
        acted = removed.value();
        if (acted) {
            blankGrid(window, mainWindow_, false);
            mainWindow_.setMenuEnabled(Menu::AssistSolve, true);
            mainWindow_.setToolButtonEnabled(Command::GetNext, true);
        } else {
            mainWindow_.endCurrentPuzzle();  // its record is no longer in the database
        }
    }
    databaseBusy.end();
    mainWindow_.setCommandEnabled(Command::DeletePuzzle, false);
    window.checkConsistency(1);
    if (acted) {
        mainWindow_.endCurrentPuzzle();
        tellWritten(mainWindow_, "Deleted", level, number);
    } else {
        dialogs_.ask(std::string(kQuorvelTitle), std::string(kNothingToDoText), "");
    }
    return acted;
}

}  // namespace quorvel
