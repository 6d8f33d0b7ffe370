#include "application/grid/puzzle_board.h"

#include <algorithm>

namespace quorvel {

void loadGivens(Board& board, const std::vector<int>& values) {
    const int count = std::min(board.cellCount(), static_cast<int>(values.size()));
    for (int cell = 1; cell <= count; ++cell) {
        const int value = values[cell - 1];
        board.setCellValue(cell, valueText(value));
        board.setCellLocked(cell, value > 0);
        if (value > 0) board.setCellColours(cell, kGivenRed, board.cell(cell).backColour);
    }
    board.events().focusCell(1);
    board.checkConsistency(1);
}

std::vector<int> shownValues(const Board& board) {
    std::vector<int> values(board.cellCount());
    for (int cell = 1; cell <= board.cellCount(); ++cell)
        values[cell - 1] = board.shownValue(cell);
    return values;
}

}  // namespace quorvel
