#include "application/grid/pink_lines.h"

#include "application/grid/marking_aids.h"
#include "model/grid_kind.h"

namespace quorvel {

namespace {

constexpr int kButtonSize = 165;
constexpr int kButtonGap = 90;  // between a button and the cells it serves
// The gap between two cells: blocks are measured with it.
constexpr int kCellGap = 30;

const GridLayout& nine() {
    return layoutOf(kNineGrid);
}

bool onGrid(int index) {
    return index >= 1 && index <= kNineGrid.side;
}

int rowTop(int row) {
    return nine().cell1Top + (row - 1) * nine().pitchDown;
}

int columnLeft(int column) {
    return nine().cell1Left + (column - 1) * nine().pitchAcross;
}

// The frame around the three rows (or columns) of the band holding `index`.
TwipRect bandRect(int index, bool rows) {
    const GridLayout& layout = nine();
    const int first = (index - 1) / 3 * 3 + 1;
    const int gridLeft = layout.cell1Left - kCellGap;
    const int gridTop = layout.cell1Top - kCellGap;
    const int gridWidth = 9 * layout.pitchAcross + kCellGap;
    const int gridHeight = 9 * layout.pitchDown + kCellGap;
    if (rows)
        return {gridLeft, rowTop(first) - kCellGap, gridWidth, 3 * layout.pitchDown + kCellGap};
    return {columnLeft(first) - kCellGap, gridTop, 3 * layout.pitchAcross + kCellGap, gridHeight};
}

void toggleLine(PinkLine& line, int button) {
    line.created = true;
    if (button == kMouseLeft) line.shown = !line.shown;
}

}  // namespace

void PinkLines::rowButtonUp(int row, int button) {
    if (!onGrid(row)) return;
    toggleLine(rows_[Slot(row)], button);
    if (button != kMouseLeft) bandFrame_ = {true, bandRect(row, true)};
}

void PinkLines::columnButtonUp(int column, int button) {
    if (!onGrid(column)) return;
    toggleLine(columns_[Slot(column)], button);
    if (button != kMouseLeft) bandFrame_ = {true, bandRect(column, false)};
}

void PinkLines::clearButtonUp(int button) {
    if (button != kMouseLeft) return;
    rows_.fill({});
    columns_.fill({});
    bandFrame_.visible = false;
    blockFrame_.visible = false;
}

void PinkLines::cellMouseDown(int cell) {
    if (cell < 1 || cell > kNineGrid.cellCount()) return;
    const GridLayout& layout = nine();
    const int rowBand = (kNineGrid.rowOf(cell) - 1) / 3;
    const int columnBand = (kNineGrid.columnOf(cell) - 1) / 3;
    const int blockWidth = (layout.cellWidth + kCellGap) * 3 + kCellGap;
    const int blockHeight = (layout.cellHeight + kCellGap) * 3 + kCellGap;
    const int left = columnBand * blockWidth;
    const int top = rowBand * blockHeight;
    blockRectangle_ = std::to_string(left) + "," + std::to_string(top) + "," +
                      std::to_string(left + blockWidth) + "," + std::to_string(top + blockHeight);
    // The first block's frame lies a cell gap outside cell 1.
    blockFrame_ = {true,
                   {layout.cell1Left - kCellGap + left, layout.cell1Top - kCellGap + top,
                    blockWidth, blockHeight}};
}

TwipRect rowButtonRect(int row) {
    const int top = rowTop(row) + (nine().cellHeight - kButtonSize) / 2;
    return {nine().cell1Left - kButtonGap - kButtonSize, top, kButtonSize, kButtonSize};
}

TwipRect columnButtonRect(int column) {
    const int left = columnLeft(column) + (nine().cellWidth - kButtonSize) / 2;
    return {left, nine().cell1Top - kButtonGap - kButtonSize, kButtonSize, kButtonSize};
}

TwipRect clearButtonRect() {
    return {nine().cell1Left - kButtonGap - kButtonSize, nine().cell1Top - kButtonGap - kButtonSize,
            kButtonSize, kButtonSize};
}

// A row's line runs along the foot of its cells, a column's along their right-hand side, so the
// digits stay readable.
TwipRect rowLineRect(int row) {
    const int top = rowTop(row) + nine().cellHeight - kPinkLineThickness - kCellGap;
    return {nine().cell1Left, top, 8 * nine().pitchAcross + nine().cellWidth, kPinkLineThickness};
}

TwipRect columnLineRect(int column) {
    const int left = columnLeft(column) + nine().cellWidth - kPinkLineThickness - kCellGap;
    return {left, nine().cell1Top, kPinkLineThickness, 8 * nine().pitchDown + nine().cellHeight};
}

}  // namespace quorvel
