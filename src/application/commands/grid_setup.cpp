#include "application/commands/grid_setup.h"

#include <algorithm>
#include <string>

#include "application/commands/exact_commands.h"
#include "application/grid/dialog_titles.h"
#include "application/grid/grid_events.h"
#include "application/grid/grid_window.h"
#include "application/grid/text_number.h"
#include "application/shell/main_window.h"
#include "model/program_state.h"
#include "storage/cell_lists.h"
#include "storage/puzzle_record.h"

namespace quorvel {

namespace {

void setCell(GridWindow& window, int cell, Colour foreColour, bool locked) {
    Board& board = window.board();
    board.setCellColours(cell, foreColour, board.cell(cell).backColour);
    board.setCellLocked(cell, locked);
    window.notifyCellChanged(cell);
}

// Each cell's text when it is a given, else "".
std::vector<std::string> lockedTexts(const GridWindow& window) {
    std::vector<std::string> texts;
    for (int cell = 1; cell <= window.board().cellCount(); ++cell) {
        const CellView& view = window.board().cell(cell);
        texts.push_back(view.locked ? view.text : "");
    }
    return texts;
}

}  // namespace

void blankGrid(GridWindow& window, MainWindow& mainWindow, bool keepLabel) {
    Board& board = window.board();
    window.unloadTips();
    window.clearAllNotes();
    window.setColouring({});
    for (int cell = 1; cell <= board.cellCount(); ++cell) {
        window.restoreCellColour(cell, true);
        window.setCellValue(cell, "");
        setCell(window, cell, kGivenRed, false);
    }
    if (!keepLabel) window.setPuzzleNumberLabel("");
    window.focusCell(1);
    window.checkConsistency(1);
    board.session().composeMode = true;
    board.showSolvedStatus(false);
    window.notifyWindowChanged();
    mainWindow.applyStateChange(StateChange::GridUnlockedOrBlanked);
    mainWindow.clearElapsedDisplay();
    mainWindow.setElapsedTimerRunning(false);
    mainWindow.restartHistory(window);
}

std::optional<int> lockGrid(GridWindow& window, MainWindow& mainWindow) {
    Board& board = window.board();
    for (int cell = 1; cell <= board.cellCount(); ++cell) {
        const std::string& text = board.cell(cell).text;
        if (text.empty() || (isWholeNumberText(text) && lenientNumber(text) >= 1 &&
                             lenientNumber(text) <= board.side()))
            continue;
        board.events().messageDialog(std::string(kInvalidDataTitle),
                                     "Cell " + std::to_string(cell) + " holds \"" + text +
                                         "\", which is not a value from 1 to " +
                                         std::to_string(board.side()) + ". Nothing was locked.");
        return std::nullopt;
    }
    int givens = 0;
    for (int cell = 1; cell <= board.cellCount(); ++cell) {
        const std::string text = board.cell(cell).text;
        window.setCellValue(cell, text);
        const bool given = !text.empty();
        setCell(window, cell, given ? kGivenRed : kEntryBlue, given);
        givens += given ? 1 : 0;
    }
    mainWindow.applyStateChange(givens > 0 ? StateChange::GridLockedWithGivens
                                           : StateChange::GridLockedWithoutGivens);
    mainWindow.restartElapsedTime();
    board.session().composeMode = false;
    mainWindow.restartHistory(window);
    return givens;
}

GridWindow* showPuzzle(MainWindow& mainWindow, const ActiveGridWindow& activeGrid,
                       const GridKind& kind, const std::vector<int>& givens,
                       const std::vector<int>& entries, const NoteMasks& notes,
                       const Colouring& colouring) {
    mainWindow.pressGridButton(!kind.isNine());
    GridWindow* window = activeGrid();
    if (window == nullptr || !(window->kind() == kind)) return nullptr;
    blankGrid(*window, mainWindow, false);
    const auto place = [&](const std::vector<int>& values) {
        const int cells = std::min(kind.cellCount(), static_cast<int>(values.size()));
        for (int cell = 1; cell <= cells; ++cell) {
            const int value = values[static_cast<std::size_t>(cell - 1)];
            if (value > 0) window->setCellValue(cell, std::to_string(value));
        }
    };
    place(givens);
    lockGrid(*window, mainWindow);
    place(entries);
    window->setAllNotes(notes);
    window->setColouring(colouring);
    // The gauge and the status image describe the placed puzzle, as after Get Puzzle.
    window->checkConsistency(1, true);
    mainWindow.restartHistory(*window);
    ProgramState& session = window->board().session();
    session.puzzleNumber = 0;  // not a stored puzzle
    session.activeSizeCode = kind.sizeCode;
    return window;
}

void unlockGrid(GridWindow& window, MainWindow& mainWindow) {
    mainWindow.setCommandEnabled(Command::StoreIncompleteEffort, false);
    mainWindow.setCommandEnabled(Command::QuitCreateOwnPuzzle, false);
    for (int cell = 1; cell <= window.board().cellCount(); ++cell)
        setCell(window, cell, kEntryBlue, false);
    mainWindow.applyStateChange(StateChange::GridUnlockedOrBlanked);
    window.board().session().composeMode = true;
}

void registerGridSetupCommands(MainWindow& mainWindow, const ActiveGridWindow& activeGrid) {
    CommandTable& table = mainWindow.commands();
    table.setAction(Command::BlankGrid, [&mainWindow, activeGrid] {
        if (GridWindow* window = activeGrid()) {
            blankGrid(*window, mainWindow, false);
            mainWindow.endCurrentPuzzle();
        }
    });
    table.setAction(Command::LockGrid, [&mainWindow, activeGrid] {
        // A typed-in puzzle is locked whatever its givens allow; the message line says when
        // they do not allow exactly one solution.
        GridWindow* window = activeGrid();
        if (window == nullptr) return;
        const std::optional<int> givens = lockGrid(*window, mainWindow);
        if (!givens) return;  // refused: nothing changed
        if (*givens > 0) noteWhenNotUnique(window->board());
        // Locked as loaded, the grid still shows the stored puzzle; any other givens make a
        // typed puzzle that no record holds.
        const ProgramState& session = window->board().session();
        if (givensList(session.puzzleCells) != joinCellList(lockedTexts(*window))) {
            mainWindow.endCurrentPuzzle();
        }
    });
    table.setAction(Command::UnlockGrid, [&mainWindow, activeGrid] {
        if (GridWindow* window = activeGrid()) {
            unlockGrid(*window, mainWindow);
            mainWindow.endCurrentPuzzle();
        }
    });
}

}  // namespace quorvel
