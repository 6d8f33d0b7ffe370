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

TEST(candidatesOf, CandidateTextsFromRowColumnAndBlock) {
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
        EXPECT_EQ(grid.board->candidatesOf(c.cell, true), c.text) << c.line << " cell " << c.cell;
    }
}

TEST(candidatesOf, PaintsThePossibilitiesPanel) {
    TestGrid grid(nineLine("12......."));
    EXPECT_EQ(grid.board->candidatesOf(3, true), "3,4,5,6,7,8,9");
    EXPECT_EQ(grid.board->panelMark(1), (PanelMark{128, 32768}));
    EXPECT_EQ(grid.board->panelMark(3), (PanelMark{16777215, 32768}));

    // Display mode on a given: its value white with red digits, every other dark red.
    EXPECT_EQ(grid.board->candidatesOf(2, false), "");
    EXPECT_EQ(grid.board->panelMark(2), (PanelMark{16777215, 255}));
    EXPECT_EQ(grid.board->panelMark(5), (PanelMark{128, 16777215}));

    // A locked empty cell blanks the panel; an unlocked one shows its possibilities.
    grid.board->setCellLocked(4, true);
    grid.board->candidatesOf(4, false);
    EXPECT_EQ(grid.board->panelMark(9), (PanelMark{0, 0}));
    grid.board->candidatesOf(5, false, true);
    EXPECT_EQ(grid.board->panelMark(1), (PanelMark{128, 32768}));
    EXPECT_EQ(grid.board->panelMark(9), (PanelMark{16777215, 32768}));
}

TEST(Tables, SetCellValueAndReadItBack) {
    TestGrid grid(kNineGrid);
    Board& board = *grid.board;
    for (const int bad : {0, -3, 82}) {
        board.setCellValue(bad, "5");
        EXPECT_EQ(board.cellValue(bad), 0);
    }
    EXPECT_EQ(board.cellValue(40), 0);
    EXPECT_EQ(board.valueTextLength(40), 0);
    board.setCellValue(40, "7");
    EXPECT_EQ(board.cell(40).text, "7");
    EXPECT_EQ(board.storeText(1, 5, 4), "7");
    EXPECT_EQ(board.cellValue(40), 7);
    EXPECT_EQ(board.valueTextLength(40), 1);
    board.setCellValue(40, "");
    EXPECT_EQ(board.storeText(1, 5, 4), "");

    TestGrid big(kFifteenGrid);
    big.board->setCellValue(225, "12");
    EXPECT_EQ(big.board->storeText(1, 15, 15), "12");
    EXPECT_EQ(big.board->valueTextLength(225), 2);
}

TEST(Tables, NotesAndGuessOrderAccessors) {
    TestGrid grid(kNineGrid);
    Board& board = *grid.board;
    board.tables().notes(1, 9, 9, "2,5");
    board.tables().notes(1, 0, 0, "x");
    EXPECT_EQ(board.tables().notes(1, 9, 9), "2,5");
    board.tables().notes(2, 1, 1, "4");
    board.tables().notes(1, 0, 0, "", true);
    EXPECT_EQ(board.tables().notes(1, 9, 9), "");
    EXPECT_EQ(board.tables().notes(1, 0, 0), "");
    EXPECT_EQ(board.tables().notes(2, 1, 1), "4");
    EXPECT_EQ(board.tables().notes(1, 10, 1), "");

    board.tables().guessEntry(81, 2, "3,8");
    EXPECT_EQ(board.tables().guessEntry(81, 2), "3,8");
    EXPECT_EQ(board.tables().guessEntry(82, 0), "");
    board.tables().guessEntry(0, 0, "", true);
    EXPECT_EQ(board.tables().guessEntry(81, 2), "");
    TestGrid big(kFifteenGrid);
    big.board->tables().guessEntry(225, 1, "225");
    EXPECT_EQ(big.board->tables().guessEntry(225, 1), "225");
}

}  // namespace
}  // namespace quorvel
