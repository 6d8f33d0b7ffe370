// The printed page: shading per block on both sizes, cell texts and colours copied, empty cells,
// headings and the block lines that follow the real blocks.

#include <gtest/gtest.h>

#include "grid_test_fixture.h"
#include "ui/print/print_layout.h"

namespace quorvel::testing {
namespace {

class PrintLayoutTest : public GridWindowTest {};

struct ShadingCase {
    const GridKind* kind;
    std::vector<int> shadedCells;
    std::vector<int> plainCells;
};

TEST_F(PrintLayoutTest, ShadesBlocksWhoseRowPlusColumnIsEven) {
    const std::vector<ShadingCase> cases = {
        // 9x9: blocks 1, 3, 5, 7, 9 shaded; 2, 4, 6, 8 white.
        {&kNineGrid, {1, 7, 31, 61, 81}, {4, 28, 34, 58}},
        // 15x15: blocks 3 wide, 5 tall; a checkerboard from the top-left block.
        {&kFifteenGrid, {1, 7, 13, 79, 85, 151, 157, 225}, {4, 10, 76, 82, 88, 154, 160}},
    };
    for (const ShadingCase& c : cases) {
        open(*c.kind);
        const PrintPage page = layoutPrintPage(*window);
        ASSERT_EQ(page.cells.size(), static_cast<size_t>(c.kind->cellCount()));
        for (int cell : c.shadedCells)
            EXPECT_EQ(page.cells[cell - 1].backColour, kPrintShadedBack)
                << c.kind->side << ":" << cell;
        for (int cell : c.plainCells)
            EXPECT_EQ(page.cells[cell - 1].backColour, kPrintPlainBack)
                << c.kind->side << ":" << cell;
    }
}

TEST_F(PrintLayoutTest, CopiesTextsAndTextColoursAndKeepsEmptyCellsEmpty) {
    open(kNineGrid);
    window->setCellValue(1, "5");
    window->board().setCellColours(1, 255, 0xFFFFFF);
    window->setCellValue(81, "9");
    window->board().setCellColours(81, 0xFF0000, 0xFFFFFF);
    const PrintPage page = layoutPrintPage(*window);
    EXPECT_EQ(page.cells[0].text, "5");
    EXPECT_EQ(page.cells[0].foreColour, 255);
    EXPECT_EQ(page.cells[80].text, "9");
    EXPECT_EQ(page.cells[80].foreColour, 0xFF0000);
    EXPECT_EQ(page.cells[40].text, "");
    EXPECT_EQ(page.cellFontPoints, 20);
    EXPECT_EQ(page.title.text, "Puzzle No: ");
}

TEST_F(PrintLayoutTest, CellsSitOnASquareLatticeInsideTheFrame) {
    for (const GridKind* kind : {&kNineGrid, &kFifteenGrid}) {
        open(*kind);
        const PrintPage page = layoutPrintPage(*window);
        const TwipRect first = page.cells.front().rect;
        const TwipRect right = page.cells[1].rect;
        const TwipRect below = page.cells[kind->side].rect;
        EXPECT_EQ(right.left - first.left, below.top - first.top);
        EXPECT_EQ(first.width, first.height);
        const TwipRect last = page.cells.back().rect;
        EXPECT_GT(first.left, page.frame.left);
        EXPECT_LT(last.left + last.width, page.frame.left + page.frame.width);
        EXPECT_LE(page.frame.top + page.frame.height, page.heightTwips);
    }
}

TEST_F(PrintLayoutTest, BlockLinesAndHeadingsFollowTheGrid) {
    struct Case {
        const GridKind* kind;
        int vertical;
        int horizontal;
        std::string lastLetter;
    };
    for (const Case& c : {Case{&kNineGrid, 2, 2, "I"}, Case{&kFifteenGrid, 4, 2, "O"}}) {
        open(*c.kind);
        const PrintPage page = layoutPrintPage(*window);
        int vertical = 0;
        int horizontal = 0;
        for (const TwipLine& line : page.blockLines) {
            if (line.x1 == line.x2) {
                ++vertical;
                // Every vertical line falls in the gap between two block columns.
                const int column = (line.x1 - page.cells[0].rect.left) /
                                   (page.cells[1].rect.left - page.cells[0].rect.left);
                EXPECT_EQ((column + 1) % c.kind->blockWidth, 0) << c.kind->side;
            } else {
                ++horizontal;
            }
        }
        EXPECT_EQ(vertical, c.vertical);
        EXPECT_EQ(horizontal, c.horizontal);
        ASSERT_EQ(page.letterHeadings.size(), static_cast<size_t>(c.kind->side));
        EXPECT_EQ(page.letterHeadings.front().text, "A");
        EXPECT_EQ(page.letterHeadings.back().text, c.lastLetter);
        EXPECT_EQ(page.numberHeadings.back().text, std::to_string(c.kind->side));
    }
}

}  // namespace
}  // namespace quorvel::testing
