// Delete Puzzle from Database.

#include "model/session.h"
#include "storage/puzzle_commands.h"
#include "ui/commands/database_commands.h"
#include "ui/commands/database_support.h"
#include "ui/commands/grid_setup.h"
#include "ui/grid/dialog_exchange.h"
#include "ui/grid/grid_window.h"
#include "ui/shell/mdi1.h"

namespace quorvel {

namespace {

constexpr MenuRef kAssistSolveMenu{MenuArray::Mtop, 3};
constexpr MenuRef kDeleteItem{MenuArray::MenuC, 7};
constexpr int kGetNextButton = 19;

}  // namespace

bool DatabaseCommands::deletePuzzle(GridWindow& window) {
    if (session_.puzzleKind == kKindPredefined) {
        dialogs_.AskUser(std::string(kDeleteTitle), std::string(kPredefinedText), "");
        session_.puzzleNumber = 0;
        return true;
    }
    mainWindow_.ShowDbBusy();
    session_.puzzleCount = std::to_string(session_.lastPuzzleNo);
    const std::string prompt =
        std::string(DeletePromptLead(session_.currentLevel)) + dialogs_.DlgText;
    if (session_.puzzleNumber > 0) session_.previousPuzzleNumber = session_.puzzleNumber;
    dialogs_.AskUser(std::string(kDeleteTitle), prompt, "");
    bool acted = false;
    if (!dialogs_.DlgCancelled) {
        std::optional<Database> database = LoadWindowDatabase(mainWindow_, window);
        if (!database) {
            mainWindow_.ShowDbReady();
            return false;
        }
        const Result<bool> removed = RemoveCurrentPuzzle(session_, *database);
        if (!removed) {
            TellFileError(mainWindow_, removed.error());
            mainWindow_.ShowDbReady();
            return false;
        }
        BlankGrid(window, mainWindow_, false);
        mainWindow_.setMenuEnabled(kAssistSolveMenu, true);
        mainWindow_.setButtonEnabled(kGetNextButton, true);
        acted = true;
    }
    mainWindow_.ShowDbReady();
    mainWindow_.setMenuEnabled(kDeleteItem, false);
    window.DoCalcIfAny(1);
    if (acted) {
        session_.puzzleNumber = 0;
    } else {
        dialogs_.AskUser(std::string(kQuorvelTitle), std::string(kNothingToDoText), "");
    }
    return acted;
}

}  // namespace quorvel
