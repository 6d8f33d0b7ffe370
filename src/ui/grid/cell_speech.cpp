#include "ui/grid/cell_speech.h"

namespace quorvel {

std::string CellAccessibleName(const GridKind& kind, int cell, const CellView& shown) {
    const std::size_t first = shown.text.find_first_not_of(' ');
    const std::string value =
        first == std::string::npos
            ? "empty"
            : shown.text.substr(first, shown.text.find_last_not_of(' ') - first + 1);
    return "row " + std::to_string(kind.rowOf(cell)) + ", column " +
           std::to_string(kind.columnOf(cell)) + ", " + value + (shown.locked ? ", given" : "");
}

std::string CellAccessibleDescription(const GridKind& kind, int cell) {
    const std::string side = std::to_string(kind.side);
    return "Block " + std::to_string(kind.blockOf(cell)) + " of the " + side + " x " + side +
           " grid. Type a value from 1 to " + side + "; the arrow keys move between cells.";
}

}  // namespace quorvel
