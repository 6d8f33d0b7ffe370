#include "application/grid/grid_layout.h"

namespace quorvel {

namespace {

constexpr GridLayout kNineLayout{7500, 8400, 510, 780, 690, 615, 720, 645};
constexpr GridLayout kFifteenLayout{8700, 9300, 420, 600, 495, 495, 525, 525};
constexpr int kFrameMargin = 45;

}  // namespace

const GridLayout& layoutOf(const GridKind& kind) {
    return kind.isNine() ? kNineLayout : kFifteenLayout;
}

TwipRect cellRect(const GridKind& kind, int cell) {
    const GridLayout& layout = layoutOf(kind);
    return {layout.cell1Left + (kind.columnOf(cell) - 1) * layout.pitchAcross,
            layout.cell1Top + (kind.rowOf(cell) - 1) * layout.pitchDown, layout.cellWidth,
            layout.cellHeight};
}

TwipRect focusFrameAround(const GridKind& kind, int cell) {
    const TwipRect rect = cellRect(kind, cell);
    return {rect.left - kFrameMargin, rect.top - kFrameMargin, rect.width + 2 * kFrameMargin,
            rect.height + 2 * kFrameMargin};
}

std::vector<TwipLine> blockLines(const GridKind& kind) {
    const GridLayout& layout = layoutOf(kind);
    const int gapAcross = (layout.pitchAcross - layout.cellWidth) / 2;
    const int gapDown = (layout.pitchDown - layout.cellHeight) / 2;
    const int left = layout.cell1Left - gapAcross;
    const int top = layout.cell1Top - gapDown;
    const int right = left + kind.side * layout.pitchAcross;
    const int bottom = top + kind.side * layout.pitchDown;
    std::vector<TwipLine> lines;
    for (int column = kind.blockWidth; column < kind.side; column += kind.blockWidth) {
        const int x = left + column * layout.pitchAcross;
        lines.push_back({x, top, x, bottom});
    }
    for (int row = kind.blockHeight; row < kind.side; row += kind.blockHeight) {
        const int y = top + row * layout.pitchDown;
        lines.push_back({left, y, right, y});
    }
    return lines;
}

}  // namespace quorvel
