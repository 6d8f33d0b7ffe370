// The standing that steers the climb: it ranks puzzles of known difficulty in order and does not
// depend on how a puzzle is drawn.

#include <gtest/gtest.h>

#include "engines/create/net_standing.h"
#include "model/puzzle_line.h"

namespace quorvel::testing {
namespace {

std::vector<int> relabelled(std::vector<int> values) {
    for (int& value : values)
        value = value == 0 ? 0 : 10 - value;
    return values;
}

std::vector<int> transposed(const std::vector<int>& values) {
    std::vector<int> turned(values.size());
    for (std::size_t row = 0; row < 9; ++row)
        for (std::size_t column = 0; column < 9; ++column)
            turned[column * 9 + row] = values[row * 9 + column];
    return turned;
}

TEST(netStanding, RanksByDifficultyWhateverTheDrawing) {
    // Rated 3.2 (X-Wing), 9.4 (a net through singles) and 10.8 (nested nets), in that order.
    const char* const puzzles[] = {
        "12...5..93.....12....7...3....6...41...138...96...2....7...3....98.....72..9...65",
        "4.73......3.2....99....1..4..8.9.7...4......23..5.2..65...2..9.....1..2..1....3.8",
        "........8..3...4...9..2..6.....79.......612...6.5.2.7...8...5...1.....2.4.5.....3"};
    const int depths[] = {-1, 0, 2};
    NetStanding lower{-2, 0};
    for (std::size_t i = 0; i < std::size(puzzles); ++i) {
        const std::vector<int> values = parsePuzzleLine(puzzles[i]).puzzle->values;
        const NetStanding standing = netStanding(kNineGrid, values);
        EXPECT_EQ(standing.depth, depths[i]) << puzzles[i];
        EXPECT_TRUE(standing.higherThan(lower)) << puzzles[i];
        for (const std::vector<int>& drawn : {relabelled(values), transposed(values)}) {
            const NetStanding same = netStanding(kNineGrid, drawn);
            EXPECT_EQ(same.depth, standing.depth) << puzzles[i];
            EXPECT_EQ(same.conclusions, standing.conclusions) << puzzles[i];
        }
        lower = standing;
    }
}

}  // namespace
}  // namespace quorvel::testing
