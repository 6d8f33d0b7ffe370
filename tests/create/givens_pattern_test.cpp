// The pattern of givens: counts by level, point symmetry, the centre cell counted twice, and the
// redraws of the pattern step.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "create/generation_trace.h"
#include "engines/create/givens_pattern.h"

namespace quorvel::testing {
namespace {

TEST(GivensPattern, CountsAreSymmetricPairsOrOneFewerWithTheCentre) {
    struct Case {
        const GridKind* kind;
        int level;
        int exposed;
    };
    const Case cases[] = {
        {&kNineGrid, 1, 32},     {&kNineGrid, 2, 30},     {&kNineGrid, 3, 28},
        {&kNineGrid, 4, 26},     {&kFifteenGrid, 1, 116}, {&kFifteenGrid, 2, 114},
        {&kFifteenGrid, 3, 110}, {&kFifteenGrid, 4, 106},
    };
    for (const Case& c : cases) {
        const int cells = c.kind->cellCount();
        const int centre = (cells + 1) / 2;
        ASSERT_EQ(exposedCountFor(*c.kind, c.level), c.exposed);
        int withCentre = 0;
        for (std::uint64_t seed = 1; seed <= 300; ++seed) {
            SeededRandom random(seed);
            const std::vector<int> pattern = drawGivensPattern(*c.kind, c.exposed, random);
            const std::set<int> marked(pattern.begin(), pattern.end());
            const bool hasCentre = marked.count(centre) != 0;
            withCentre += hasCentre ? 1 : 0;
            ASSERT_EQ(marked.size(), pattern.size()) << "a cell marked twice, seed " << seed;
            ASSERT_EQ(static_cast<int>(pattern.size()), c.exposed - (hasCentre ? 1 : 0))
                << c.kind->side << " level " << c.level << " seed " << seed;
            for (const int cell : pattern) {
                ASSERT_TRUE(cell >= 1 && cell <= cells);
                ASSERT_EQ(marked.count(cells + 1 - cell), 1u) << "mirror of " << cell;
            }
            // The last cell is only ever the mirror of cell 1.
            if (marked.count(cells) != 0) {
                const auto first = std::find(pattern.begin(), pattern.end(), 1);
                ASSERT_NE(first, pattern.end());
                ASSERT_EQ(*(first + 1), cells);
            }
        }
        EXPECT_GT(withCentre, 0) << "no seed drew the centre for " << c.kind->side;
    }
}

// r for which Int(r * cells) is `cell`.
double drawOf(int cell, int cells) {
    return (cell + 0.5) / cells;
}

TEST(GivensPattern, TheCentreCellIsCountedTwice) {
    for (const GridKind* kind : {&kNineGrid, &kFifteenGrid}) {
        const int cells = kind->cellCount();
        const int centre = (cells + 1) / 2;
        ScriptedRandom random({drawOf(centre, cells)});
        const std::vector<int> pattern =
            drawGivensPattern(*kind, exposedCountFor(*kind, 1), random);
        EXPECT_EQ(pattern.front(), centre);
        EXPECT_EQ(static_cast<int>(pattern.size()), exposedCountFor(*kind, 1) - 1);
    }
}

TEST(GivensPattern, ZeroAndMarkedCellsAreDrawnAgain) {
    const int cells = kNineGrid.cellCount();
    ScriptedRandom random(
        {0.001, drawOf(5, cells), drawOf(5, cells), drawOf(77, cells), drawOf(10, cells)});
    const std::vector<int> pattern = drawGivensPattern(kNineGrid, 4, random);
    EXPECT_EQ(pattern, (std::vector<int>{5, 77, 10, 72}));
    EXPECT_EQ(random.draws, 5);
}

}  // namespace
}  // namespace quorvel::testing
