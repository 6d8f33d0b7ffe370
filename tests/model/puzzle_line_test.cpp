#include <gtest/gtest.h>

#include "model/puzzle_line.h"

namespace quorvel {
namespace {

const std::string kNine =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

struct BadLine {
    std::string line;
    const char* error;
};

TEST(PuzzleLine, RejectsMalformedLinesNamingTheProblem) {
    const BadLine cases[] = {
        {kNine.substr(1), "puzzle has 80 characters; expected 81 (9x9) or 225 (15x15)"},
        {"", "puzzle has 0 characters; expected 81 (9x9) or 225 (15x15)"},
        {"x" + kNine.substr(1), "bad character 'x' at cell 1"},
        {kNine.substr(0, 80) + "A", "value 10 ('A') at cell 81 is above 9 on a 9x9 puzzle"},
        {kNine.substr(0, 40) + "a" + kNine.substr(41), "bad character 'a' at cell 41"},
        {kNine.substr(0, 2) + " " + kNine.substr(3), "bad character ' ' at cell 3"},
    };
    for (const BadLine& c : cases) {
        const PuzzleLineResult result = parsePuzzleLine(c.line);
        EXPECT_FALSE(result.puzzle) << c.line;
        EXPECT_EQ(result.error, c.error);
    }
}

TEST(PuzzleLine, ReadsBothSizesAndIgnoresSurroundingBlanks) {
    const PuzzleLineResult nine = parsePuzzleLine(" \t" + kNine + "\r\n");
    ASSERT_TRUE(nine.puzzle);
    EXPECT_EQ(nine.puzzle->kind, kNineGrid);
    EXPECT_EQ(nine.puzzle->values[0], 5);
    EXPECT_EQ(nine.puzzle->values[2], 0);

    std::string fifteen(225, '.');
    fifteen[0] = 'F';
    fifteen[1] = '0';
    fifteen[224] = 'A';
    const PuzzleLineResult big = parsePuzzleLine(fifteen);
    ASSERT_TRUE(big.puzzle);
    EXPECT_EQ(big.puzzle->kind, kFifteenGrid);
    EXPECT_EQ(big.puzzle->values[0], 15);
    EXPECT_EQ(big.puzzle->values[1], 0);
    EXPECT_EQ(big.puzzle->values[224], 10);
    EXPECT_EQ(formatPuzzleLine(kFifteenGrid, big.puzzle->values), "F." + fifteen.substr(2));
}

TEST(PuzzleLine, FormatWritesDotsForEmptyAndOutOfRange) {
    EXPECT_EQ(formatPuzzleLine(kNineGrid, {0, 1, 9, 10, -1}), ".19..");
    EXPECT_EQ(formatPuzzleLine(kNineGrid, parsePuzzleLine(kNine).puzzle->values), kNine);
}

}  // namespace
}  // namespace quorvel
