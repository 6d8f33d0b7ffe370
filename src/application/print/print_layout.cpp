#include "application/print/print_layout.h"

#include "application/grid/grid_window.h"

namespace quorvel {
namespace {

// Page geometry per grid size. The lattice is square: the pitch is the same across and down.
struct PrintGeometry {
    int cellFontPoints;
    int pitch;     // distance between neighbouring cells
    int cellSize;  // width and height of one cell box
    int left;      // left edge of cell 1
    int top;       // top edge of cell 1
};

constexpr PrintGeometry kNineGeometry{20, 720, 690, 1200, 1620};
constexpr PrintGeometry kFifteenGeometry{16, 450, 420, 1200, 1620};

const PrintGeometry& geometryOf(const GridKind& kind) {
    return kind.isNine() ? kNineGeometry : kFifteenGeometry;
}

// The frame lies 30 twips outside the outermost cell boxes on every side.
constexpr int kFrameMargin = 30;
// Block lines stop this far inside the frame's edges.
constexpr int kLineInset = 45;

TwipRect frameOf(const GridKind& kind) {
    const PrintGeometry& g = geometryOf(kind);
    const int extent = (kind.side - 1) * g.pitch + g.cellSize;
    return {g.left - kFrameMargin, g.top - kFrameMargin, extent + 2 * kFrameMargin,
            extent + 2 * kFrameMargin};
}

// Lines that divide the frame into its blocks. On 9x9 they sit at thirds of the frame less 30
// twips, offset 20 twips across and 15 down. On 15x15 they follow the real blocks, 3 cells wide
// and 5 tall: four lines at fifths of the width and two at thirds of the height (lines at thirds
// across and fifths down would cut the printed grid into blocks it does not have).
std::vector<TwipLine> blockLinesOf(const GridKind& kind, const TwipRect& frame) {
    std::vector<TwipLine> lines;
    const int right = frame.left + frame.width;
    const int bottom = frame.top + frame.height;
    auto vertical = [&](int x) {
        lines.push_back({x, frame.top + kLineInset, x, bottom - kLineInset});
    };
    auto horizontal = [&](int y) {
        lines.push_back({frame.left + kLineInset, y, right - kLineInset, y});
    };
    if (kind.isNine()) {
        for (int k = 1; k <= 2; ++k) {
            vertical(frame.left + 20 + k * (frame.width - 30) / 3);
            horizontal(frame.top + 15 + k * (frame.height - 30) / 3);
        }
        return lines;
    }
    const int blocksAcross = kind.blocksAcross();
    const int blocksDown = kind.side / kind.blockHeight;
    for (int k = 1; k < blocksAcross; ++k)
        vertical(frame.left + k * frame.width / blocksAcross);
    for (int k = 1; k < blocksDown; ++k)
        horizontal(frame.top + k * frame.height / blocksDown);
    return lines;
}

}  // namespace

bool printBlockShaded(const GridKind& kind, int cell) {
    const int blockRow = (kind.rowOf(cell) - 1) / kind.blockHeight;
    const int blockColumn = (kind.columnOf(cell) - 1) / kind.blockWidth;
    return (blockRow + blockColumn) % 2 == 0;
}

PrintPage layoutPrintPage(const GridWindow& window) {
    const GridKind& kind = window.kind();
    const PrintGeometry& g = geometryOf(kind);
    PrintPage page;
    page.cellFontPoints = g.cellFontPoints;

    page.cells.reserve(kind.cellCount());
    for (int cell = 1; cell <= kind.cellCount(); ++cell) {
        const CellView& shown = window.board().cell(cell);
        PrintCell printed;
        printed.rect = {g.left + (kind.columnOf(cell) - 1) * g.pitch,
                        g.top + (kind.rowOf(cell) - 1) * g.pitch, g.cellSize, g.cellSize};
        printed.text = shown.text;
        printed.foreColour = shown.foreColour;
        printed.backColour = printBlockShaded(kind, cell) ? kShadedBack : kPlainBack;
        page.cells.push_back(std::move(printed));
    }

    page.frame = frameOf(kind);
    page.frameColour = kPrintFrame;
    page.blockLines = blockLinesOf(kind, page.frame);

    // Headings: letters above the columns (the first is "A"), numbers left of the rows.
    constexpr int kHeadingSize = 300;
    for (int index = 1; index <= kind.side; ++index) {
        const int offset = (index - 1) * g.pitch + (g.cellSize - kHeadingSize) / 2;
        page.letterHeadings.push_back(
            {{g.left + offset, page.frame.top - kHeadingSize - 60, kHeadingSize, kHeadingSize},
             std::string(1, static_cast<char>('A' + index - 1))});
        page.numberHeadings.push_back(
            {{page.frame.left - kHeadingSize - 60, g.top + offset, kHeadingSize, kHeadingSize},
             std::to_string(index)});
    }

    page.title = {{g.left, 600, 3000, 360}, "Puzzle No: "};
    page.titleBackColour = kPrintTitleBack;
    page.widthTwips = page.frame.left + page.frame.width + g.left;
    page.heightTwips = page.frame.top + page.frame.height + 900;
    return page;
}

}  // namespace quorvel
