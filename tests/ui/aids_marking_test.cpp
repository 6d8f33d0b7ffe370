// Colour by number, marked cells and entry by click on both grid windows.

#include "ui/aids_fixture.h"
#include "ui/grid/marking_aids.h"

namespace quorvel::testing {
namespace {

using MarkingTest = AidsTest;

std::vector<int> CellsHolding(GridWindow& window, const std::string& value) {
    std::vector<int> cells;
    for (int number = 1; number <= window.board().cellCount(); ++number) {
        if (window.board().cell(number).text == value) cells.push_back(number);
    }
    return cells;
}

TEST_F(MarkingTest, CtrlClickColoursEveryCellOfTheNumberAndASecondOneRestores) {
    struct Case {
        bool fifteen;
        int value;
        int colour;
    };
    for (const Case& c : {Case{false, 4, 65000}, Case{false, 9, 12633256}, Case{true, 4, 65280},
                          Case{true, 12, 16762024}}) {
        SCOPED_TRACE(c.value);
        if (c.fifteen) openFifteen();
        GridWindow& window = grid();
        // Three copies of the value: a given, an entry and another entry.
        const int side = window.kind().side;
        const std::string text = std::to_string(c.value);
        window.board().setCellLocked(1, true);
        window.setCellValue(1, text);
        window.restoreCellColour(1, false);
        window.setCellValue(side + 4, text);
        window.setCellValue(2 * side + 7, text);
        window.restoreCellColour(side + 4, false);
        window.setCellValue(side * side, "1");
        const std::vector<int> holding = CellsHolding(window, text);
        ASSERT_EQ(holding.size(), 3u);

        aids->cellMouseUp(window, side + 4, kMouseLeft, kShiftCtrl);
        for (int number : holding) {
            EXPECT_EQ(window.board().cell(number).backColour, c.colour) << number;
            EXPECT_EQ(window.board().cell(number).foreColour, 0) << number;
        }
        EXPECT_NE(window.board().cell(side * side).backColour, c.colour);

        aids->cellMouseUp(window, 1, kMouseLeft, kShiftCtrl);
        EXPECT_EQ(window.board().cell(1).foreColour, kGivenRed);
        EXPECT_EQ(window.board().cell(1).backColour, kShadedBack);  // block 1 is shaded
        EXPECT_EQ(window.board().cell(side + 4).foreColour, kEntryBlue);
        EXPECT_EQ(window.board().cell(side + 4).backColour, kPlainBack);  // block 2 is white
    }
}

TEST_F(MarkingTest, CtrlClickOnAnEmptyCellDoesNothing) {
    const int before = cell(5).backColour;
    aids->cellMouseUp(grid(), 5, kMouseLeft, kShiftCtrl);
    EXPECT_EQ(cell(5).backColour, before);
}

TEST_F(MarkingTest, ColorNumberMenuFollowsTheSelectedCell) {
    load(kNinePuzzle);
    grid().requestFocus(1);  // holds 5
    main().topMenuClicked(5);
    const MenuItem& item = main().menus().at({MenuArray::VisualAid, 0});
    EXPECT_TRUE(item.enabled);
    EXPECT_EQ(item.caption, "Color Number (5) CTRL-Left click");
    main().visualAidItemClicked(0);
    EXPECT_EQ(cell(1).backColour, PaletteOf(kNineGrid)[5]);

    grid().requestFocus(3);  // empty
    main().topMenuClicked(5);
    EXPECT_FALSE(main().menus().at({MenuArray::VisualAid, 0}).enabled);
}

TEST_F(MarkingTest, AltClickMarksOnlyWhileComposing) {
    aids->cellMouseUp(grid(), 10, kMouseLeft, kShiftAlt);
    EXPECT_NE(cell(10).backColour, kMarkedBack);

    session().createMode = true;
    aids->cellMouseUp(grid(), 10, kMouseLeft, kShiftAlt);
    EXPECT_EQ(cell(10).backColour, kMarkedBack);
    EXPECT_EQ(cell(10).foreColour, kGivenRed);
    aids->cellMouseUp(grid(), 10, kMouseLeft, kShiftAlt);
    EXPECT_EQ(cell(10).backColour, kPlainBack);
    EXPECT_EQ(cell(10).foreColour, kEntryBlue);
}

TEST_F(MarkingTest, LeftClickEntersOrChoosesTheNumber) {
    load(kNinePuzzle);
    struct Case {
        int chosen;  // toolbar button, 0 for none
        int cell;
        std::string textAfter;
        int chosenAfter;
    };
    const Case cases[] = {
        {7, 3, "7", 7},  // empty cell takes the chosen number
        {0, 4, "", 0},   // nothing chosen: only a selection
        {7, 2, "3", 3},  // a filled cell makes its number the chosen one
        {3, 2, "3", 3},  // the same number: nothing changes
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cell);
        main().toolbarButtonReleased(c.chosen, kMouseLeft, 0);
        grid().requestFocus(c.cell);
        aids->cellMouseUp(grid(), c.cell, kMouseLeft, 0);
        EXPECT_EQ(cell(c.cell).text, c.textAfter);
        EXPECT_EQ(session().selectedNumber, c.chosenAfter);
        EXPECT_EQ(main().toolbar().at(c.chosenAfter).backColour, colour::kWhite);
    }
    // The entry is committed like a typed one when the focus moves on.
    grid().requestFocus(1);
    EXPECT_EQ(grid().board().cellValue(3), 7);
}

TEST_F(MarkingTest, LeftClickNeverWritesANumberTheGridCannotHold) {
    openFifteen();
    main().toolbarButtonReleased(12, kMouseLeft, 0);
    main().puzzleGridItemClicked(0);
    aids->cellMouseUp(grid(), 5, kMouseLeft, 0);
    EXPECT_EQ(cell(5).text, "");
}

}  // namespace
}  // namespace quorvel::testing
