#include "application/commands/grid_setup_generator.h"

#include <bit>
#include <optional>

#include "application/commands/grade_and_save_command.h"
#include "application/commands/grid_setup.h"
#include "application/grid/grid_events.h"
#include "application/grid/grid_window.h"
#include "application/grid/puzzle_board.h"
#include "application/host.h"
#include "application/shell/main_window.h"
#include "engines/create/generate_puzzle.h"
#include "engines/create/givens_pattern.h"
#include "engines/create/level_aim.h"

namespace quorvel {

namespace {

// One cell of the pattern: marked back colour (kept for the create layout), red text, locked.
void markPatternCell(Board& board, int cell) {
    board.setCellColours(cell, kGivenRed, kMarkedBack);
    board.setComposeBack(cell, kMarkedBack);
    board.setCellLocked(cell, true);
}

// Undoes it: white back (kept for the create layout), blue text, unlocked.
void unmarkPatternCell(Board& board, int cell) {
    board.setCellColours(cell, kEntryBlue, kPlainBack);
    board.setComposeBack(cell, kPlainBack);
    board.setCellLocked(cell, false);
}

// Database > Unique Puzzles Only: the complete grid's locked cells, made unique and aimed at the
// current level, become the locked and marked cells. The message line names each try; events
// run before every rating, so Stop stays usable.
void aimLockedCells(GridWindow& window, MainWindow& mainWindow, RandomSource& random) {
    if (!mainWindow.options().uniquePuzzlesOnly) return;
    Board& board = window.board();
    const ProgramState& session = board.session();
    const int target = session.currentLevel;
    const std::vector<int> solution = shownValues(board);
    std::vector<int> givens = solution;
    for (int cell = 1; cell <= board.cellCount(); ++cell) {
        if (!board.cell(cell).locked) givens[cell - 1] = 0;
    }
    int shownAttempt = 0;
    const AimedPuzzle aimed = aimAtBand(
        window.kind(), givens, solution, logic::levelBand(target), random,
        [&](int attempt) {
            if (attempt == shownAttempt) {
                board.events().processEvents();
            } else {
                shownAttempt = attempt;
                mainWindow.showMessage(aimProgressText(target, attempt), colour::kBlue,
                                       Alignment::Centre);
            }
            return !session.stopRequested;
        },
        aimRatingBudget(window.kind()));
    for (int cell = 1; cell <= board.cellCount(); ++cell) {
        const bool given = aimed.puzzle[cell - 1] != 0;
        if (given == (givens[cell - 1] != 0)) continue;
        if (given) {
            markPatternCell(board, cell);
        } else {
            unmarkPatternCell(board, cell);
        }
        window.notifyCellChanged(cell);
    }
    if (!aimed.stopped && aimed.rating.level != target)
        mainWindow.showMessage(aimMissedText(target, aimed.rating), colour::kBlue,
                               Alignment::Centre);
}

// Every cell white with blue text, then `cells` marked, locked and red.
void markCells(GridWindow& window, const std::vector<int>& cells) {
    Board& board = window.board();
    for (int cell = 1; cell <= board.cellCount(); ++cell) {
        board.setCellColours(cell, kEntryBlue, kPlainBack);
        board.setComposeBack(cell, kPlainBack);
    }
    for (const int cell : cells)
        markPatternCell(board, cell);
    for (int cell = 1; cell <= board.cellCount(); ++cell)
        window.notifyCellChanged(cell);
}

// The full grid on the window, its locked cells the givens: stored with Grade and Save at
// `level`, then the other cells emptied and the colours of a puzzle restored.
void keepGeneratedGrid(GridWindow& window, MainWindow& mainWindow, DialogExchange& dialogs,
                       int level) {
    Board& board = window.board();
    const int cells = board.cellCount();
    board.session().gradeLevel = level;
    gradeAndSave(window, mainWindow, dialogs, false);
    for (int cell = 1; cell <= cells; ++cell) {
        if (!board.cell(cell).locked) board.setCellValue(cell, "");
    }
    for (int cell = 1; cell <= cells; ++cell)
        window.restoreCellColour(cell, true);
    window.checkConsistency(1, false);
    mainWindow.setDrawingMode(DrawingMode::Normal);
}

// The full grid's values in every cell; the panel describes the last cell filled, and the
// window's check sees the grid complete.
void showFullGrid(GridWindow& window, const std::vector<int>& grid) {
    Board& board = window.board();
    const int cells = board.cellCount();
    for (int cell = 1; cell <= cells; ++cell)
        board.setCellValue(cell, valueText(grid[cell - 1]));
    board.paintPanelFor(cells);
    window.checkConsistency(cells, true);
}

}  // namespace

std::vector<int> markGivensPattern(GridWindow& window, int level, RandomSource& random) {
    std::vector<int> cells =
        drawGivensPattern(window.kind(), exposedCountFor(window.kind(), level), random);
    markCells(window, cells);
    return cells;
}

bool generatePuzzle(GridWindow& window, MainWindow& mainWindow, DialogExchange& dialogs,
                    RandomSource& random) {
    Board& board = window.board();
    ProgramState& session = board.session();
    const int cells = board.cellCount();
    for (int cell = 1; cell <= cells; ++cell)
        board.setCellValue(cell, "");
    FillHooks hooks;
    hooks.deadEnd = [&board](int, const std::uint8_t*, int highestRow) {
        board.events().messageLine(generatingRowText(highestRow), colour::kBlue, Alignment::Centre);
    };
    const std::optional<std::vector<int>> grid =
        fillRandomGrid(window.kind(), random, session, hooks);
    if (!grid) {
        blankGrid(window, mainWindow, false);
        return false;
    }
    showFullGrid(window, *grid);
    aimLockedCells(window, mainWindow, random);
    if (session.stopRequested) {
        blankGrid(window, mainWindow, false);
        return false;
    }
    keepGeneratedGrid(window, mainWindow, dialogs, session.currentLevel);
    return true;
}

void showGeneratedPuzzle(GridWindow& window, MainWindow& mainWindow, DialogExchange& dialogs,
                         const std::vector<int>& givens, const std::vector<int>& solution,
                         int level) {
    std::vector<int> cells;
    for (std::size_t index = 0; index < givens.size(); ++index) {
        if (givens[index] != 0) cells.push_back(static_cast<int>(index) + 1);
    }
    markCells(window, cells);
    showFullGrid(window, solution);
    keepGeneratedGrid(window, mainWindow, dialogs, level);
}

std::unique_ptr<RandomSource> clockSeededRandom(Host& host) {
    const auto seed =
        std::bit_cast<std::uint64_t>(host.now()) ^ static_cast<std::uint64_t>(host.tickMs());
    return std::make_unique<SeededRandom>(seed);
}

}  // namespace quorvel
