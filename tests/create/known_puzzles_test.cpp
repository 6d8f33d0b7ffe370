// The puzzles generated ones must not repeat: a benchmark puzzle or a delivered one is known in
// any drawing, a puzzle made here is not.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engines/create/generated_puzzle.h"
#include "engines/create/known_puzzles.h"

namespace quorvel::testing {
namespace {

std::vector<int> fromLine(const std::string& line) {
    std::vector<int> values;
    for (const char c : line)
        values.push_back(c == '.' ? 0 : c - '0');
    return values;
}

// Transposed, and every value v written as 10 - v.
std::vector<int> redrawn(const std::vector<int>& values) {
    std::vector<int> result(values.size());
    for (int cell = 0; cell < 81; ++cell) {
        const int value = values[static_cast<std::size_t>(cell)];
        result[static_cast<std::size_t>(cell % 9 * 9 + cell / 9)] = value == 0 ? 0 : 10 - value;
    }
    return result;
}

TEST(knownPuzzles, KnowsTheCollectionsInAnyDrawingAndNothingMadeHere) {
    const std::vector<std::string> known{
        // hardest1106, top1465, clue17_first2000 and the first delivered 9 x 9 puzzle
        "........8..3...4...9..2..6.....79.......612...6.5.2.7...8...5...1.....2.4.5.....3",
        "4...3.......6..8..........1....5..9..8....6...7.2........1.27..5.3....4.9........",
        ".................1.....2.3......3.2...1.4......5....6..3......4.7..8...962...7...",
        "..9...63......3.597...4.2...9...6..5..12.89..6..4...2...8.9...245.1......62...5..",
    };
    for (const std::string& line : known) {
        EXPECT_TRUE(isKnownPuzzle(kNineGrid, fromLine(line))) << line;
        EXPECT_TRUE(isKnownPuzzle(kNineGrid, redrawn(fromLine(line)))) << line;
    }
    SeededRandom random(3);
    const GeneratedPuzzle made = generatePuzzle(kNineGrid, 4, random, true);
    EXPECT_FALSE(isKnownPuzzle(kNineGrid, made.puzzle));
    EXPECT_FALSE(isKnownPuzzle(kFifteenGrid, std::vector<int>(225, 0)));
}

}  // namespace
}  // namespace quorvel::testing
