// Cell field specifications: the exact texts the builder writes and what the readers take from
// them, on both grid sizes.

#include <gtest/gtest.h>

#include "ui/grid/cell_spec.h"

namespace quorvel {
namespace {

TEST(CellSpec, FixedTextsOfFirstLastAndOrdinaryCells) {
    struct Case {
        GridKind kind;
        int cell;
        const char* spec;
    };
    const Case cases[] = {
        {kNineGrid, 1, "81:2:81:10:10:1  #1::3#   [1;9]"},
        {kNineGrid, 81, "80:1:72:1:1  #1::3#  [1;9]"},
        {kNineGrid, 40, "39:41:31:49:49:1  #1::3#   [1;9]"},
        {kNineGrid, 73, "72:74:64:2:2:1  #1::3#   [1;9]"},
        {kFifteenGrid, 1, "225:2:225:16:16:1  #2::3#    [1;15]"},
        {kFifteenGrid, 225, "224:1:210:1:1  #2::3#  [1;15]"},
        {kFifteenGrid, 100, "99:101:85:115:115:1  #2::3#   [1;15]"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BuildCellSpec(c.kind, c.cell), c.spec) << c.kind.side << " cell " << c.cell;
    }
}

TEST(CellSpec, EveryMoveStaysOnTheGridAndEveryCellIsReachedOnce) {
    for (const GridKind& kind : {kNineGrid, kFifteenGrid}) {
        for (NavField field : {NavField::Right, NavField::Down, NavField::Left, NavField::Up}) {
            std::vector<int> seen(static_cast<std::size_t>(kind.cellCount()) + 1, 0);
            int cell = 1;
            for (int step = 0; step < kind.cellCount(); ++step) {
                cell = SpecNavigationTarget(BuildCellSpec(kind, cell), field);
                ASSERT_GE(cell, 1);
                ASSERT_LE(cell, kind.cellCount());
                ++seen[static_cast<std::size_t>(cell)];
            }
            EXPECT_EQ(cell, 1) << "a full walk returns to the start";
            for (int c = 1; c <= kind.cellCount(); ++c)
                EXPECT_EQ(seen[c], 1) << c;
        }
    }
}

TEST(CellSpec, ReadersOnOddTexts) {
    struct Case {
        const char* spec;
        NavField field;
        const char* navigation;
    };
    const Case cases[] = {
        {"::::: #1::3# (1)", NavField::Left, ""},  // design-time text: no move
        {"::::: #1::3# (1)", NavField::Enter, ""},
        {"   #1::3#", NavField::Down, "0"},  // empty navigation part reads "0"
        {"", NavField::Right, "0"},
        {" 7 : 8 :9:10:11:1 #1::3#", NavField::Left, "7"},
        {"7:8:9:10:11:1 #1::3#", NavField::Enter, "11"},
        {"7:8", NavField::Up, ""},  // a field the text does not reach
        {"7:8", NavField::Right, "8"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SpecNavigationText(c.spec, c.field), c.navigation) << c.spec;
    }
    EXPECT_EQ(SpecNavigationTarget("::::: #1::3# (1)", NavField::Right), 0);
    EXPECT_EQ(SpecNavigationTarget("x:-3:999:2", NavField::Left), 0);
    EXPECT_EQ(SpecNavigationTarget("x:-3:999:2", NavField::Right), 0);
    EXPECT_EQ(SpecNavigationTarget("x:-3:999:2", NavField::Up), 0);
    EXPECT_EQ(SpecNavigationTarget("x:-3:999:2", NavField::Down), 2);
}

TEST(CellSpec, DecimalsAndRange) {
    EXPECT_EQ(SpecDecimals("1:2:3:4:4:1  #1::3#   [1;9]"), 0);
    EXPECT_EQ(SpecDecimals("1:2 #5:2:3# [0;1]"), 2);
    EXPECT_EQ(SpecDecimals("1:2 #5:2# [0;1]"), 0);  // one colon: no decimals part
    EXPECT_EQ(SpecDecimals("no format"), 0);

    const auto range = SpecRangeOf(BuildCellSpec(kFifteenGrid, 17));
    ASSERT_TRUE(range.has_value());
    EXPECT_EQ(range->min, "1");
    EXPECT_EQ(range->max, "15");
    EXPECT_FALSE(SpecRangeOf(kDesignCellSpec).has_value());
    EXPECT_FALSE(SpecRangeOf("1:2 #1::3# [5").has_value());
    const auto open = SpecRangeOf("1 #1::3# [2;7");
    ASSERT_TRUE(open.has_value());
    EXPECT_EQ(open->max, "7");
}

}  // namespace
}  // namespace quorvel
