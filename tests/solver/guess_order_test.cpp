#include <gtest/gtest.h>

#include "engines/solver/guess_order.h"

namespace quorvel {
namespace {

struct OrderCase {
    int countA, cellA, countB, cellB;
};

TEST(GuessOrder, ItemsSortAsTheirTexts) {
    const OrderCase before[] = {
        {2, 14, 2, 3},    // "2]14]" before "2]3]"
        {1, 1, 1, 14},    // "1]1]" before "1]14]": the separator sorts before digits
        {1, 9, 2, 1},     // fewer candidates first
        {10, 200, 2, 1},  // 15x15: "10]" before "2]"
        {1, 225, 10, 1},  // "1]" before "10]"
        {3, 100, 3, 11},  // "100" before "11"
    };
    for (const OrderCase& c : before) {
        SCOPED_TRACE(std::to_string(c.countA) + "]" + std::to_string(c.cellA));
        EXPECT_TRUE(guessItemBefore(c.countA, c.cellA, c.countB, c.cellB));
        EXPECT_FALSE(guessItemBefore(c.countB, c.cellB, c.countA, c.cellA));
    }
}

TEST(GuessOrder, SortsEntries) {
    auto mask = [](std::initializer_list<int> values) {
        ValueMask m = 0;
        for (const int v : values)
            m = static_cast<ValueMask>(m | (1u << v));
        return m;
    };
    std::vector<GuessEntry> entries = {
        {3, mask({5, 8})}, {14, mask({3, 5})}, {2, mask({1, 2, 3})}, {30, mask({4, 6})}};
    sortGuessEntries(entries);
    std::vector<int> cells;
    for (const GuessEntry& e : entries)
        cells.push_back(e.cell);
    EXPECT_EQ(cells, (std::vector<int>{14, 3, 30, 2}));
}

}  // namespace
}  // namespace quorvel
