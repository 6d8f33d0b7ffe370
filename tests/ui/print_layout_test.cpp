// The printed page: shading per block on both sizes, cell texts and colours copied, empty cells,
// headings and the block lines that follow the real blocks.

#include <gtest/gtest.h>

#include "application/print/print_layout.h"
#include "grid_test_fixture.h"

namespace quorvel::testing {
namespace {

class PrintLayoutTest : public GridWindowTest {};

TEST_F(PrintLayoutTest, BlocksShadingLatticeLinesAndHeadingsFollowTheGrid) {
    struct Case {
        const GridKind* kind;
        std::vector<int> shadedCells, plainCells;  // blocks whose row plus column is even shade
        int vertical, horizontal;                  // block lines
        std::string lastLetter;
    };
    const Case cases[] = {
        {&kNineGrid, {1, 7, 31, 61, 81}, {4, 28, 34, 58}, 2, 2, "I"},
        {&kFifteenGrid,
         {1, 7, 13, 79, 85, 151, 157, 225},
         {4, 10, 76, 82, 88, 154, 160},
         4,
         2,
         "O"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind->side);
        open(*c.kind);
        const PrintPage page = layoutPrintPage(*window);
        ASSERT_EQ(page.cells.size(), static_cast<size_t>(c.kind->cellCount()));
        for (int cell : c.shadedCells)
            EXPECT_EQ(page.cells[cell - 1].backColour, kShadedBack) << cell;
        for (int cell : c.plainCells)
            EXPECT_EQ(page.cells[cell - 1].backColour, kPlainBack) << cell;

        // Cells sit on a square lattice inside the frame.
        const TwipRect first = page.cells.front().rect;
        const int pitch = page.cells[1].rect.left - first.left;
        EXPECT_EQ(page.cells[c.kind->side].rect.top - first.top, pitch);
        EXPECT_EQ(first.width, first.height);
        const TwipRect last = page.cells.back().rect;
        EXPECT_GT(first.left, page.frame.left);
        EXPECT_LT(last.left + last.width, page.frame.left + page.frame.width);
        EXPECT_LE(page.frame.top + page.frame.height, page.heightTwips);

        int vertical = 0;
        for (const TwipLine& line : page.blockLines) {
            if (line.x1 != line.x2) continue;
            ++vertical;
            // Every vertical line falls in the gap between two block columns.
            EXPECT_EQ(((line.x1 - first.left) / pitch + 1) % c.kind->blockWidth, 0);
        }
        EXPECT_EQ(vertical, c.vertical);
        EXPECT_EQ(static_cast<int>(page.blockLines.size()) - vertical, c.horizontal);
        ASSERT_EQ(page.letterHeadings.size(), static_cast<size_t>(c.kind->side));
        EXPECT_EQ(page.letterHeadings.front().text, "A");
        EXPECT_EQ(page.letterHeadings.back().text, c.lastLetter);
        EXPECT_EQ(page.numberHeadings.back().text, std::to_string(c.kind->side));
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

}  // namespace
}  // namespace quorvel::testing
