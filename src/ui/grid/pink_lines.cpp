#include "ui/grid/pink_lines.h"

#include "model/grid_kind.h"
#include "ui/grid/marking_aids.h"

namespace quorvel {

namespace {

constexpr int kButtonSize = 165;
constexpr int kButtonGap = 90;  // between a button and the cells it serves
// The gap between two cells: blocks are measured with it.
constexpr int kCellGap = 30;

const GridLayout& Nine() {
    return LayoutOf(kNineGrid);
}

bool OnGrid(int index) {
    return index >= 1 && index <= kNineGrid.side;
}

int RowTop(int row) {
    return Nine().cell1Top + (row - 1) * Nine().pitchDown;
}

int ColumnLeft(int column) {
    return Nine().cell1Left + (column - 1) * Nine().pitchAcross;
}

// The frame around the three rows (or columns) of the band holding `index`.
TwipRect BandRect(int index, bool rows) {
    const GridLayout& layout = Nine();
    const int first = (index - 1) / 3 * 3 + 1;
    const int gridLeft = layout.cell1Left - kCellGap;
    const int gridTop = layout.cell1Top - kCellGap;
    const int gridWidth = 9 * layout.pitchAcross + kCellGap;
    const int gridHeight = 9 * layout.pitchDown + kCellGap;
    if (rows)
        return {gridLeft, RowTop(first) - kCellGap, gridWidth, 3 * layout.pitchDown + kCellGap};
    return {ColumnLeft(first) - kCellGap, gridTop, 3 * layout.pitchAcross + kCellGap, gridHeight};
}

void ToggleLine(PinkLine& line, int button) {
    line.created = true;
    if (button == kMouseLeft) line.shown = !line.shown;
}

}  // namespace

void PinkLines::rowButtonUp(int row, int button) {
    if (!OnGrid(row)) return;
    ToggleLine(rows_[Slot(row)], button);
    if (button != kMouseLeft) bandFrame_ = {true, BandRect(row, true)};
}

void PinkLines::columnButtonUp(int column, int button) {
    if (!OnGrid(column)) return;
    ToggleLine(columns_[Slot(column)], button);
    if (button != kMouseLeft) bandFrame_ = {true, BandRect(column, false)};
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
    const GridLayout& layout = Nine();
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

TwipRect RowButtonRect(int row) {
    const int top = RowTop(row) + (Nine().cellHeight - kButtonSize) / 2;
    return {Nine().cell1Left - kButtonGap - kButtonSize, top, kButtonSize, kButtonSize};
}

TwipRect ColumnButtonRect(int column) {
    const int left = ColumnLeft(column) + (Nine().cellWidth - kButtonSize) / 2;
    return {left, Nine().cell1Top - kButtonGap - kButtonSize, kButtonSize, kButtonSize};
}

TwipRect ClearButtonRect() {
    return {Nine().cell1Left - kButtonGap - kButtonSize, Nine().cell1Top - kButtonGap - kButtonSize,
            kButtonSize, kButtonSize};
}

// A row's line runs along the foot of its cells, a column's along their right-hand side, so the
// digits stay readable.
TwipRect RowLineRect(int row) {
    const int top = RowTop(row) + Nine().cellHeight - kPinkLineThickness - kCellGap;
    return {Nine().cell1Left, top, 8 * Nine().pitchAcross + Nine().cellWidth, kPinkLineThickness};
}

TwipRect ColumnLineRect(int column) {
    const int left = ColumnLeft(column) + Nine().cellWidth - kPinkLineThickness - kCellGap;
    return {left, Nine().cell1Top, kPinkLineThickness, 8 * Nine().pitchDown + Nine().cellHeight};
}

}  // namespace quorvel
