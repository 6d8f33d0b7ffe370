// Get Puzzle (and Get Incomplete Puzzle) and Show Solution (Stored).

#include <algorithm>
#include <utility>

#include "application/commands/database_commands.h"
#include "application/commands/database_support.h"
#include "application/commands/grid_setup.h"
#include "application/grid/dialog_exchange.h"
#include "application/grid/grid_events.h"
#include "application/grid/grid_window.h"
#include "application/grid/key_event.h"
#include "application/shell/main_window.h"
#include "model/program_state.h"
#include "storage/number_text.h"
#include "storage/puzzle_commands.h"

namespace quorvel {

namespace {

void tellUnreadable(DialogExchange& dialogs) {
    dialogs.ask(std::string(kInvalidDataTitle), std::string(kUnreadablePuzzleText), "");
}

}  // namespace

void DatabaseCommands::getPuzzle(GridWindow& window) {
    double resumedElapsed = 0;
    NoteMasks resumedNotes;
    Colouring resumedColouring;
    bool load = true;
    if (!session_.incompleteMode) {
        dialogs_.dialogText = "";
        dialogs_.ask(std::string(kGetPuzzleTitle), std::string(kGetPuzzlePrompt), "");
        // An answer that reaches no record (an empty level, a number below 1) loads nothing,
        // rather than the grid's previous puzzle under the answer's number.
        load = !dialogs_.dialogCancelled && dialogs_.dialogPicked;
    }
    if (load) {
        ScopeGuard databaseBusy = mainWindow_.showDatabaseBusy();
        const bool fifteen = window.kind().sizeCode == kFifteenGrid.sizeCode;
        session_.activeSizeCode = window.kind().sizeCode;
        mainWindow_.openGrid(fifteen);
        if (session_.incompleteMode) {
            const std::optional<Database> database = loadWindowDatabase(mainWindow_, window);
            if (!database) return;
            const std::optional<FoundRecord> found = findIncomplete(*database);
            if (!found) {
                // Without a saved record there is nothing to resume; loading the current puzzle
                // instead would show its stored solution as entries.
                databaseBusy.end();
                const bool unreadable = std::any_of(
                    database->lines.begin(), database->lines.end(), [](const std::string& line) {
                        return recordNumber(line) == kIncompletePuzzleNumber;
                    });
                if (unreadable) {
                    tellUnreadable(dialogs_);
                } else {
                    dialogs_.ask(std::string(kQuorvelTitle), std::string(kNothingToDoText), "");
                }
                return;
            }
            // The resumed puzzle becomes the current one, so Delete and Show Solution act on it.
            makeCurrentPuzzle(session_, found->record);
            resumedElapsed = parseDecimal(found->record.elapsed).value_or(0);
            // Notes that cannot be read are named; the puzzle itself still comes back.
            Result<NoteMasks> notes = incompletePuzzleNotes(*database, *found);
            if (notes) {
                resumedNotes = std::move(notes.value());
            } else {
                tellFileError(mainWindow_, notes.error());
            }
            if (Result<Colouring> colouring = incompletePuzzleColouring(*database, *found))
                resumedColouring = colouring.value();
        }
        const std::optional<CellLists> lists = currentPuzzleLists(session_, window);
        if (!lists) {
            databaseBusy.end();
            tellUnreadable(dialogs_);
            return;
        }
        // The program fills the grid itself: the cells skip their lost-focus handling and the
        // state history records nothing until the puzzle is in place; then it starts afresh.
        const bool wasLoadBusy = std::exchange(session_.loadBusy, true);
        const bool wasFillBusy = std::exchange(session_.fillBusy, true);
        blankGrid(window, mainWindow_, true);
        window.setPuzzleNumberLabel(session_.incompleteMode ? std::string(kIncompletePuzzleCaption)
                                                            : "Puzzle No : " + dialogs_.dialogText +
                                                                  " of " + session_.puzzleCount);
        placeEntries(window, lists->givens);
        lockGrid(window, mainWindow_);
        if (session_.incompleteMode) {
            placeEntries(window, lists->values);
            window.setAllNotes(resumedNotes);
            window.setColouring(resumedColouring);
        }
        window.focusCell(1);
        if (!window.board().cell(1).text.empty()) window.cellKeyDown(1, key::kRight);
        window.candidatesOf(1);
        session_.loadBusy = wasLoadBusy;
        session_.fillBusy = wasFillBusy;
        mainWindow_.restartHistory(window);
        mainWindow_.setMenuEnabled(Menu::AssistSolve, true);
        mainWindow_.setCommandEnabled(Command::DeletePuzzle, true);
        mainWindow_.setToolButtonEnabled(Command::GetNext, true);
    }
    window.checkConsistency(1);
    mainWindow_.restartElapsedTime();
    session_.bankedElapsed = resumedElapsed;
}

void DatabaseCommands::showStoredSolution(GridWindow& window) {
    if (!hasStoredPuzzle(session_, window.kind())) {
        mainWindow_.showMessage(std::string(kNoStoredSolutionText), colour::kRed,
                                Alignment::Centre);
        return;
    }
    session_.activeSizeCode = window.kind().sizeCode;
    const std::optional<CellLists> lists = currentPuzzleLists(session_, window);
    if (!lists) {
        tellUnreadable(dialogs_);
        return;
    }
    placeEntries(window, lists->values);
    window.checkConsistency(1);
}

}  // namespace quorvel
