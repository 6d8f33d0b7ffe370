#include "ui/commands/compose_pattern.h"

#include <optional>

#include "create/givens_pattern.h"
#include "storage/cell_lists.h"
#include "ui/commands/grid_setup.h"
#include "ui/grid/grid_window.h"
#include "ui/shell/main_window.h"

namespace quorvel {

namespace {

// The cell's colours; the back colour is also the one it keeps for the create layout.
void SetCellState(GridWindow& window, int cell, Colour foreColour, Colour backColour) {
    Board& board = window.board();
    if (!board.validCell(cell)) return;
    board.setCellColours(cell, foreColour, backColour);
    board.setComposeBack(cell, backColour);
    window.notifyCellChanged(cell);
}

}  // namespace

void MarkPlain(GridWindow& window, int cell) {
    SetCellState(window, cell, kEntryBlue, kPlainBack);
}

void MarkExposed(GridWindow& window, int cell) {
    SetCellState(window, cell, kGivenRed, kMarkedBack);
}

std::vector<int> composePattern(GridWindow& nine, MainWindow& mainWindow, int exposedCount,
                                RandomSource& random, bool keepLabel) {
    blankGrid(nine, mainWindow, keepLabel);
    for (int cell = 1; cell <= nine.board().cellCount(); ++cell)
        MarkPlain(nine, cell);
    // The generator's pattern draw follows the same counting rule; only the marking differs
    // (a composed pattern stays editable).
    std::vector<int> exposed = DrawGivensPattern(nine.kind(), exposedCount, random);
    for (const int cell : exposed)
        MarkExposed(nine, cell);
    mainWindow.settings().storedGrids = {};
    return exposed;
}

bool RestoreEffort(GridWindow& nine, const std::string& effortText) {
    const std::optional<CellLists> lists = ParseCellText(effortText, nine.kind());
    if (!lists) return false;
    Board& board = nine.board();
    for (int cell = 1; cell <= board.cellCount(); ++cell) {
        const auto at = static_cast<std::size_t>(cell - 1);
        nine.setCellValue(cell, lists->values[at]);
        // A restored composition is worked on further, whatever the grid held before.
        board.setCellLocked(cell, false);
        const bool exposed = !lists->pattern.empty() && lists->pattern[at] == "L";
        if (exposed) {
            MarkExposed(nine, cell);
        } else {
            MarkPlain(nine, cell);
        }
    }
    nine.checkConsistency(1);
    return true;
}

}  // namespace quorvel
