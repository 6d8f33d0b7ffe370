#include "application/commands/compose_pattern.h"

#include <optional>

#include "application/commands/grid_setup.h"
#include "application/grid/grid_window.h"
#include "application/shell/main_window.h"
#include "engines/create/givens_pattern.h"
#include "storage/cell_lists.h"

namespace quorvel {

namespace {

// The cell's colours; the back colour is also the one it keeps for the create layout.
void setCellState(GridWindow& window, int cell, Colour foreColour, Colour backColour) {
    Board& board = window.board();
    if (!board.validCell(cell)) return;
    board.setCellColours(cell, foreColour, backColour);
    board.setComposeBack(cell, backColour);
    window.notifyCellChanged(cell);
}

}  // namespace

void markPlain(GridWindow& window, int cell) {
    setCellState(window, cell, kEntryBlue, kPlainBack);
}

void markExposed(GridWindow& window, int cell) {
    setCellState(window, cell, kGivenRed, kMarkedBack);
}

std::vector<int> composePattern(GridWindow& nine, MainWindow& mainWindow, int exposedCount,
                                RandomSource& random, bool keepLabel) {
    blankGrid(nine, mainWindow, keepLabel);
    for (int cell = 1; cell <= nine.board().cellCount(); ++cell)
        markPlain(nine, cell);
    // The generator's pattern draw follows the same counting rule; only the marking differs
    // (a composed pattern stays editable).
    std::vector<int> exposed = drawGivensPattern(nine.kind(), exposedCount, random);
    for (const int cell : exposed)
        markExposed(nine, cell);
    mainWindow.settings().storedGrids = {};
    return exposed;
}

bool restoreEffort(GridWindow& nine, const std::string& effortText) {
    const std::optional<CellLists> lists = parseCellText(effortText, nine.kind());
    if (!lists) return false;
    Board& board = nine.board();
    for (int cell = 1; cell <= board.cellCount(); ++cell) {
        const auto at = static_cast<std::size_t>(cell - 1);
        nine.setCellValue(cell, lists->values[at]);
        // A restored composition is worked on further, whatever the grid held before.
        board.setCellLocked(cell, false);
        const bool exposed = !lists->pattern.empty() && lists->pattern[at] == "L";
        if (exposed) {
            markExposed(nine, cell);
        } else {
            markPlain(nine, cell);
        }
    }
    nine.checkConsistency(1);
    return true;
}

}  // namespace quorvel
