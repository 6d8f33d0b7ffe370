#include "application/grid/cell_speech.h"

#include <algorithm>

namespace quorvel {

namespace {

// "2 7" for a mask of 2 and 7.
std::string spoken(ValueMask values) {
    std::string text = candidateText(values);
    std::replace(text.begin(), text.end(), ',', ' ');
    return text;
}

}  // namespace

std::string cellAccessibleName(const GridKind& kind, int cell, const CellView& shown,
                               ValueMask notes, ValueMask contradicted) {
    const std::size_t first = shown.text.find_first_not_of(' ');
    const std::string value =
        first == std::string::npos
            ? "empty"
            : shown.text.substr(first, shown.text.find_last_not_of(' ') - first + 1);
    std::string name = "row " + std::to_string(kind.rowOf(cell)) + ", column " +
                       std::to_string(kind.columnOf(cell)) + ", " + value +
                       (shown.locked ? ", given" : "");
    if (notes != 0) name += ", notes " + spoken(notes);
    if (contradicted != 0) {
        const bool one = (contradicted & (contradicted - 1)) == 0;
        name += (one ? ", note " : ", notes ") + spoken(contradicted) +
                (one ? " contradicts the grid" : " contradict the grid");
    }
    return name;
}

std::string cellAccessibleDescription(const GridKind& kind, int cell) {
    const std::string side = std::to_string(kind.side);
    return "Block " + std::to_string(kind.blockOf(cell)) + " of the " + side + " x " + side +
           " grid. Type a value from 1 to " + side + "; the arrow keys move between cells.";
}

}  // namespace quorvel
