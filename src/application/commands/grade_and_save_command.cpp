#include "application/commands/grade_and_save_command.h"

#include <algorithm>
#include <vector>

#include "application/commands/database_support.h"
#include "application/commands/rate_puzzle.h"
#include "application/grid/dialog_exchange.h"
#include "application/grid/grid_events.h"
#include "application/grid/grid_window.h"
#include "application/shell/main_window.h"
#include "engines/logic/puzzle_rating.h"
#include "model/program_state.h"
#include "model/units.h"
#include "storage/data_file.h"
#include "storage/grade_and_save.h"
#include "storage/puzzle_database.h"

namespace quorvel {

namespace {

std::vector<GradeCell> gradeCellsOf(const GridWindow& window) {
    std::vector<GradeCell> cells;
    const Board& board = window.board();
    for (int cell = 1; cell <= board.cellCount(); ++cell) {
        const CellView& view = board.cell(cell);
        cells.push_back({view.text, view.backColour == kMarkedBack});
    }
    return cells;
}

void tellFailure(MainWindow& mainWindow, const FileError& error) {
    mainWindow.showMessage(error.message(), colour::kRed, Alignment::Centre);
}

// The marked cells become givens (locked, red); every other cell is open.
void lockMarkedCells(GridWindow& window, const std::vector<GradeCell>& cells) {
    Board& board = window.board();
    for (int cell = 1; cell <= board.cellCount(); ++cell) {
        const bool marked = cells[static_cast<std::size_t>(cell - 1)].marked;
        board.setCellLocked(cell, marked);
        if (marked) board.setCellColours(cell, kGivenRed, board.cell(cell).backColour);
        window.notifyCellChanged(cell);
    }
}

bool storeEffort(GridWindow& window, MainWindow& mainWindow) {
    Settings& settings = mainWindow.settings();
    const std::string previous = settings.effortText;
    settings.effortText = buildEffortText(gradeCellsOf(window));
    if (!mainWindow.writeSettings()) {
        settings.effortText = previous;
        return false;
    }
    return true;
}

bool storeGradedPuzzle(GridWindow& window, MainWindow& mainWindow) {
    const std::vector<GradeCell> cells = gradeCellsOf(window);
    const std::string cellText = buildGradedCellText(cells);
    ScopeGuard databaseBusy = mainWindow.showDatabaseBusy();
    Result<Database> database =
        loadDatabase(databaseFolder(mainWindow.programFolder()), window.kind());
    FileStatus error = database
                           ? saveGradedPuzzle(window.board().session(), database.value(), cellText)
                           : FileStatus(database.error());
    databaseBusy.end();
    if (error) {
        tellFailure(mainWindow, *error);
        return false;
    }
    // Only once the record is written, so a failed save leaves the grid as it was.
    lockMarkedCells(window, cells);
    const ProgramState& session = window.board().session();
    tellWritten(mainWindow, "Stored", session.puzzleLevel, session.puzzleNumber);
    return true;
}

}  // namespace

bool gradeAndSave(GridWindow& window, MainWindow& mainWindow, DialogExchange& dialogs, bool ask) {
    if (window.board().session().incompleteMode) return storeEffort(window, mainWindow);
    // The marked cells are the puzzle's givens; a record without any could never be loaded.
    const std::vector<GradeCell> cells = gradeCellsOf(window);
    if (std::none_of(cells.begin(), cells.end(),
                     [](const GradeCell& cell) { return cell.marked && !cell.text.empty(); })) {
        mainWindow.showMessage(std::string(kNoGivensText), colour::kRed, Alignment::Centre);
        return false;
    }
    if (ask) {
        // When the marked givens have exactly one solution, the question says their rating and
        // the level choice starts at its level; the user can still pick another.
        std::vector<int> givens;
        for (const GradeCell& cell : cells)
            givens.push_back(cell.marked ? valueOfText(cell.text) : 0);
        const logic::PuzzleRating rating = logic::ratePuzzle(window.kind(), givens);
        if (rating.solutions != 1) {
            // Not yet a puzzle: the user hears it while the grade dialog can still be cancelled,
            // and a program keeping unique puzzles only refuses it outright.
            mainWindow.showMessage(std::string(rating.solutions == 0 ? kCompositionUnsolvableText
                                                                     : kCompositionNotUniqueText),
                                   colour::kRed, Alignment::Centre);
            if (mainWindow.options().uniquePuzzlesOnly) return false;
        }
        const std::string question = gradeQuestion(window.board().session(), rating);
        dialogs.dialogText = "";
        dialogs.ask(std::string(kGradeTitle), question, "");
        if (dialogs.dialogCancelled) return false;
    }
    window.checkConsistency(1);
    if (!window.statusImageVisible(0)) {
        mainWindow.showMessage(std::string(kIncompleteSolutionText), colour::kRed,
                               Alignment::Centre);
        return false;
    }
    return storeGradedPuzzle(window, mainWindow);
}

}  // namespace quorvel
