// Cell field specifications: the builder's texts lead every move around both grids, and the
// readers cope with odd texts.

#include <gtest/gtest.h>

#include "application/grid/cell_spec.h"

namespace quorvel {
namespace {

TEST(CellSpec, EveryMoveStaysOnTheGridAndEveryCellIsReachedOnce) {
    for (const GridKind& kind : {kNineGrid, kFifteenGrid}) {
        for (NavField field : {NavField::Right, NavField::Down, NavField::Left, NavField::Up}) {
            std::vector<int> seen(static_cast<std::size_t>(kind.cellCount()) + 1, 0);
            int cell = 1;
            for (int step = 0; step < kind.cellCount(); ++step) {
                cell = specNavigationTarget(buildCellSpec(kind, cell), field);
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
        int target;
    };
    const Case cases[] = {
        {kDesignCellSpec.data(), NavField::Left, "", 0},  // a cell never focused: no move
        {kDesignCellSpec.data(), NavField::Enter, "", 0},
        {"   #1::3#", NavField::Down, "0", 0},  // an empty navigation part reads "0"
        {"", NavField::Right, "0", 0},
        {" 7 : 8 :9:10:11:1 #1::3#", NavField::Left, "7", 7},
        {"7:8:9:10:11:1 #1::3#", NavField::Enter, "11", 11},
        {"7:8", NavField::Up, "", 0},  // a field the text does not reach
        {"x:-3:999:2", NavField::Left, "x", 0},
        {"x:-3:999:2", NavField::Right, "-3", 0},
        {"x:-3:999:2", NavField::Up, "999", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(specNavigationText(c.spec, c.field), c.navigation) << c.spec;
        EXPECT_EQ(specNavigationTarget(c.spec, c.field), c.target) << c.spec;
    }
    EXPECT_EQ(specDecimals(kDesignCellSpec), 0);
    EXPECT_EQ(specDecimals("1:2 #5:2:3# [0;1]"), 2);
    EXPECT_EQ(specDecimals("1:2 #5:2# [0;1]"), 0);  // one colon: no decimals part
    EXPECT_EQ(specDecimals("no format"), 0);
    EXPECT_EQ(specRangeOf(buildCellSpec(kFifteenGrid, 17)).value().max, "15");
    EXPECT_FALSE(specRangeOf(kDesignCellSpec).has_value());
    EXPECT_FALSE(specRangeOf("1:2 #1::3# [5").has_value());
    EXPECT_EQ(specRangeOf("1 #1::3# [2;7").value().max, "7");
}

}  // namespace
}  // namespace quorvel
