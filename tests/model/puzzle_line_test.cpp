#include <gtest/gtest.h>

#include "model/puzzle_line.h"

namespace quorvel {
namespace {

const std::string kNine =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

struct BadLine {
    std::string line;
    const char* error;
    int problemCell;
};

TEST(Puzzle, RejectsMalformedLinesNamingTheProblem) {
    std::string fifteen(225, '.');
    fifteen[19] = 'G';
    const BadLine cases[] = {
        {kNine.substr(1), "80 cells, expected 81", 0},
        {"", "0 cells, expected 81", 0},
        {fifteen.substr(70), "155 cells, expected 225", 0},
        {"?" + kNine.substr(1), "cell r1c1: bad character '?'", 1},
        {kNine.substr(0, 80) + "A", "cell r9c9: 10 is not a value of a 9 x 9 grid", 81},
        {fifteen, "cell r2c5: 16 is not a value of a 15 x 15 grid", 20},
        {kNine.substr(0, 2) + " " + kNine.substr(3), "cell r1c3: bad character ' '", 3},
        {kNine.substr(0, 40) + "\xff" + kNine.substr(41), "cell r5c5: bad character byte 0xff", 41},
    };
    for (const BadLine& c : cases) {
        const PuzzleLineResult result = parsePuzzleLine(c.line);
        EXPECT_FALSE(result.puzzle) << c.line;
        EXPECT_EQ(result.error, c.error);
        EXPECT_EQ(result.problemCell, c.problemCell) << c.error;
    }
}

TEST(Puzzle, ReadsBothSizesAndIgnoresSurroundingBlanks) {
    const PuzzleLineResult nine = parsePuzzleLine(" \t" + kNine + "\r\n");
    ASSERT_TRUE(nine.puzzle);
    EXPECT_EQ(nine.puzzle->kind, kNineGrid);
    EXPECT_EQ(nine.puzzle->values[0], 5);
    EXPECT_EQ(nine.puzzle->values[2], 0);

    std::string fifteen(225, '.');
    fifteen[0] = 'F';
    fifteen[1] = '0';
    fifteen[2] = 'x';
    fifteen[3] = '*';
    fifteen[4] = '_';
    fifteen[5] = '-';
    fifteen[6] = 'b';
    fifteen[224] = 'A';
    const PuzzleLineResult big = parsePuzzleLine(fifteen);
    ASSERT_TRUE(big.puzzle);
    EXPECT_EQ(big.puzzle->kind, kFifteenGrid);
    EXPECT_EQ(big.puzzle->values[0], 15);
    EXPECT_EQ(big.puzzle->values[1], 0);
    EXPECT_EQ(big.puzzle->values[224], 10);
    EXPECT_EQ(formatPuzzleLine(kFifteenGrid, big.puzzle->values), "F.....B" + fifteen.substr(7));
}

TEST(Puzzle, FormatWritesDotsForEmptyAndOutOfRange) {
    EXPECT_EQ(formatPuzzleLine(kNineGrid, {0, 1, 9, 10, -1}), ".19..");
    EXPECT_EQ(formatPuzzleLine(kNineGrid, parsePuzzleLine(kNine).puzzle->values), kNine);
}

}  // namespace
}  // namespace quorvel
