// Colour by number and marked cells on both grid windows: the colours no scripted session
// shows.

#include "ui/aids_fixture.h"
#include "ui/grid/marking_aids.h"

namespace quorvel::testing {
namespace {

using MarkingTest = AidsTest;

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
        aids->cellMouseUp(window, 5, kMouseLeft, kShiftCtrl);  // an empty cell: nothing happens
        EXPECT_EQ(window.board().cell(5).backColour, kPlainBack);
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

        aids->cellMouseUp(window, side + 4, kMouseLeft, kShiftCtrl);
        for (int number : {1, side + 4, 2 * side + 7}) {
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

TEST_F(MarkingTest, ColorNumberColoursTheFocusedCellsNumber) {
    load(kNinePuzzle);
    grid().requestFocus(1);  // holds 5
    main().topMenuClicked(5);
    main().visualAidItemClicked(0);
    EXPECT_EQ(cell(1).backColour, PaletteOf(kNineGrid)[5]);
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

}  // namespace
}  // namespace quorvel::testing
