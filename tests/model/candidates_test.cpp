#include <gtest/gtest.h>

#include "support/test_grid.h"

namespace quorvel {
namespace {

using testing::TestGrid;

std::string nineLine(const std::string& start) {
    return start + std::string(81 - start.size(), '.');
}

struct CandidateCase {
    std::string line;
    int cell;
    const char* text;
};

TEST(CheckText, CandidateTextsFromRowColumnAndBlock) {
    const CandidateCase cases[] = {
        {nineLine(""), 1, "1,2,3,4,5,6,7,8,9"},
        {nineLine("12345678."), 9, "9"},
        // Peers hold all nine: the ninth sits in the same column and block.
        {nineLine("12345678.........9"), 9, ""},
        // A filled cell counts its own value as taken.
        {nineLine("123456789"), 9, ""},
        {nineLine("1........2........3"), 10, "4,5,6,7,8,9"},
        {nineLine("..........5"), 1, "1,2,3,4,6,7,8,9"},
        {std::string(225, '.'), 113, "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15"},
        {"123456789ABCDE." + std::string(210, '.'), 15, "15"},
    };
    for (const CandidateCase& c : cases) {
        TestGrid grid(c.line);
        EXPECT_EQ(grid.board->CheckText(c.cell, true), c.text) << c.line << " cell " << c.cell;
    }
}

TEST(CheckText, PaintsThePossibilitiesPanel) {
    TestGrid grid(nineLine("12......."));
    EXPECT_EQ(grid.board->CheckText(3, true), "3,4,5,6,7,8,9");
    EXPECT_EQ(grid.board->RT1(1), (PanelMark{128, 32768}));
    EXPECT_EQ(grid.board->RT1(3), (PanelMark{16777215, 32768}));

    // Display mode on a given: its value white with red digits, every other dark red.
    EXPECT_EQ(grid.board->CheckText(2, false), "");
    EXPECT_EQ(grid.board->RT1(2), (PanelMark{16777215, 255}));
    EXPECT_EQ(grid.board->RT1(5), (PanelMark{128, 16777215}));

    // A locked empty cell blanks the panel; an unlocked one shows its possibilities.
    grid.board->setCellLocked(4, true);
    grid.board->CheckText(4, false);
    EXPECT_EQ(grid.board->RT1(9), (PanelMark{0, 0}));
    grid.board->CheckText(5, false, true);
    EXPECT_EQ(grid.board->RT1(1), (PanelMark{128, 32768}));
    EXPECT_EQ(grid.board->RT1(9), (PanelMark{16777215, 32768}));
}

TEST(Tables, SetCellValueAndReadItBack) {
    TestGrid grid(kNineGrid);
    Board& board = *grid.board;
    for (const int bad : {0, -3, 82}) {
        board.PS31(bad, "5");
        EXPECT_EQ(board.CellValue(bad), 0);
    }
    EXPECT_EQ(board.CellValue(40), 0);
    EXPECT_EQ(board.CellLength(40), 0);
    board.PS31(40, "7");
    EXPECT_EQ(board.cell(40).text, "7");
    EXPECT_EQ(board.GridStore(1, 5, 4), "7");
    EXPECT_EQ(board.CellValue(40), 7);
    EXPECT_EQ(board.CellLength(40), 1);
    board.PS31(40, "");
    EXPECT_EQ(board.GridStore(1, 5, 4), "");

    TestGrid big(kFifteenGrid);
    big.board->PS31(225, "12");
    EXPECT_EQ(big.board->GridStore(1, 15, 15), "12");
    EXPECT_EQ(big.board->CellLength(225), 2);
}

TEST(Tables, NotesAndGuessTableAccessors) {
    TestGrid grid(kNineGrid);
    Board& board = *grid.board;
    board.CellNotes(1, 9, 9, "2,5");
    board.CellNotes(1, 0, 0, "x");
    EXPECT_EQ(board.CellNotes(1, 9, 9), "2,5");
    board.CellNotes(2, 1, 1, "4");
    board.CellNotes(1, 0, 0, "", true);
    EXPECT_EQ(board.CellNotes(1, 9, 9), "");
    EXPECT_EQ(board.CellNotes(1, 0, 0), "");
    EXPECT_EQ(board.CellNotes(2, 1, 1), "4");
    EXPECT_EQ(board.CellNotes(1, 10, 1), "");

    board.MH31TM(81, 2, "3,8");
    EXPECT_EQ(board.MH31TM(81, 2), "3,8");
    EXPECT_EQ(board.MH31TM(82, 0), "");
    board.MH31TM(0, 0, "", true);
    EXPECT_EQ(board.MH31TM(81, 2), "");
    TestGrid big(kFifteenGrid);
    big.board->MH51TM(225, 1, "225");
    EXPECT_EQ(big.board->MH51TM(225, 1), "225");
}

}  // namespace
}  // namespace quorvel
