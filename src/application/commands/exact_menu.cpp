#include "application/commands/exact_menu.h"

#include <memory>
#include <vector>

#include "application/commands/exact_commands.h"
#include "application/commands/rate_puzzle.h"
#include "application/grid/grid_window.h"
#include "application/shell/main_window.h"

namespace quorvel {

namespace {

// The cells the last command marked, and on which window.
class CellMarks {
  public:
    void mark(GridWindow& window, const std::vector<int>& cells, Colour backColour) {
        Board& board = window.board();
        for (const int cell : cells) {
            board.setCellColours(cell, board.cell(cell).foreColour, backColour);
            window.notifyCellChanged(cell);
        }
        window_ = &window;
        cells_ = cells;
    }
    void clear() {
        if (window_ == nullptr) return;
        for (const int cell : cells_) {
            window_->restoreCellColour(cell, true);
            window_->notifyCellChanged(cell);
        }
        window_ = nullptr;
        cells_.clear();
    }

  private:
    GridWindow* window_ = nullptr;
    std::vector<int> cells_;
};

}  // namespace

void registerExactCommands(MainWindow& mainWindow, const ActiveGridWindow& activeGrid) {
    CommandTable& table = mainWindow.commands();
    const auto marks = std::make_shared<CellMarks>();
    table.setBeforeEach([marks] { marks->clear(); });
    table.setAction(Command::CheckPuzzle, [activeGrid, marks] {
        if (GridWindow* window = activeGrid())
            marks->mark(*window, checkAndRatePuzzleCommand(window->board()), kDifferingCellBack);
    });
    table.setAction(Command::ShowMistakes, [activeGrid, marks] {
        if (GridWindow* window = activeGrid())
            marks->mark(*window, showMistakesCommand(window->board()), kMistakeCellBack);
    });
    table.setAction(Command::ExactSolve, [activeGrid] {
        if (GridWindow* window = activeGrid()) exactSolveCommand(window->board());
    });
    table.setAction(Command::RatePuzzle, [activeGrid, &mainWindow] {
        if (GridWindow* window = activeGrid())
            ratePuzzleCommand(window->board(), mainWindow.optionalTechniques());
    });
}

}  // namespace quorvel
