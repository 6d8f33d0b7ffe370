// The generator: the grid it fills, what a puzzle keeps of it, how it draws and restarts, and
// Stop.

#include <gtest/gtest.h>

#include <algorithm>

#include "create/generation_trace.h"
#include "engines/create/generate_puzzle.h"
#include "engines/create/generated_puzzle.h"
#include "engines/create/givens_pattern.h"
#include "engines/solver/solution_count.h"

namespace quorvel::testing {
namespace {

bool isCompleteValidGrid(const GridKind& kind, const std::vector<int>& values) {
    if (std::count(values.begin(), values.end(), 0) != 0) return false;
    return countSolutions(kind, values, 2).count == 1;
}

TEST(generatePuzzle, FillsAValidFullGridAndKeepsOnlyThePatternCells) {
    for (const GridKind* kind : {&kNineGrid, &kFifteenGrid}) {
        for (int level = 1; level <= 4; ++level) {
            for (std::uint64_t seed = 1; seed <= 10; ++seed) {
                // The pattern is drawn first, from the same source.
                SeededRandom patternRandom(seed);
                const std::vector<int> pattern =
                    drawGivensPattern(*kind, exposedCountFor(*kind, level), patternRandom);
                SeededRandom random(seed);
                const GeneratedPuzzle made = generatePuzzle(*kind, level, random);
                ASSERT_TRUE(made.made);
                ASSERT_TRUE(isCompleteValidGrid(*kind, made.solution))
                    << kind->side << " seed " << seed;
                for (int cell = 1; cell <= kind->cellCount(); ++cell) {
                    const auto i = static_cast<std::size_t>(cell - 1);
                    const bool given =
                        std::find(pattern.begin(), pattern.end(), cell) != pattern.end();
                    ASSERT_EQ(made.puzzle[i], given ? made.solution[i] : 0) << "cell " << cell;
                }
                EXPECT_EQ(made.givens, static_cast<int>(pattern.size()));
            }
        }
    }
}

// Values tried per cell, in order, from the trace of checked placements.
std::vector<std::pair<int, bool>> triesOf(const std::vector<TraceStep>& trace, int cell) {
    std::vector<std::pair<int, bool>> tries;
    for (const TraceStep& step : trace) {
        if (!step.deadEnd && step.cell == cell) tries.emplace_back(step.value, step.duplicate);
    }
    return tries;
}

TEST(generatePuzzle, DrawsByPositionAndKeepsThePositionAfterADuplicate) {
    TracedFill grid(kNineGrid);
    // Cell 1: 0.01 draws position 0 and is drawn again; 0.95 gives position 9 (value 9).
    // Cell 2: 0.99 gives position 9, the 9 is a duplicate; the shortened list has no position 9,
    //         so 0.15 draws position 1 (value 1).
    // Cell 3: 0.1 gives position 1, the 1 is a duplicate; the 2 moves into position 1 and is
    //         tried without a new draw.
    ScriptedRandom random({0.01, 0.95, 0.99, 0.15, 0.1});
    ASSERT_TRUE(grid.run(random));
    using Tries = std::vector<std::pair<int, bool>>;
    EXPECT_EQ(triesOf(grid.trace, 1).front(), std::make_pair(9, false));
    const Tries cell2 = triesOf(grid.trace, 2);
    ASSERT_GE(cell2.size(), 2u);
    EXPECT_EQ(Tries(cell2.begin(), cell2.begin() + 2), (Tries{{9, true}, {1, false}}));
    const Tries cell3 = triesOf(grid.trace, 3);
    ASSERT_GE(cell3.size(), 2u);
    EXPECT_EQ(Tries(cell3.begin(), cell3.begin() + 2), (Tries{{1, true}, {2, false}}));
}

TEST(generatePuzzle, ASingleCandidateIsPlacedWhateverWasDrawn) {
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        TracedFill grid(kNineGrid);
        SeededRandom random(seed);
        ASSERT_TRUE(grid.run(random));
        // The first time cell 9 is tried, cells 1..8 of row 1 leave it one value.
        const auto tries = triesOf(grid.trace, 9);
        ASSERT_FALSE(tries.empty());
        EXPECT_FALSE(tries.front().second) << "seed " << seed;
    }
}

// Where the fill starts again after a dead end in `row` that was the large restart's turn.
int largeRestartCell(const GridKind& kind, int row) {
    if (kind.isNine()) return row > 5 ? (row - 4) * 10 : 1;
    return row > 3 ? (row - 2) * 16 : 1;
}

TEST(generatePuzzle, DeadEndsRestartTheRowAndLargeRestartsFollowTheGridKind) {
    struct Case {
        const GridKind* kind;
        int retriesBeforeLarge;
        int seeds;
    };
    const Case cases[] = {{&kNineGrid, 10, 60}, {&kFifteenGrid, 16, 12}};
    for (const Case& c : cases) {
        int largeRestartsInside = 0;  // large restarts that kept the top of the grid
        for (std::uint64_t seed = 1; seed <= static_cast<std::uint64_t>(c.seeds); ++seed) {
            TracedFill grid(*c.kind);
            SeededRandom random(seed);
            ASSERT_TRUE(grid.run(random));
            int deadEnds = 0;
            int highestRow = 1;
            int lastLargeStart = 0;
            int sameLarge = 0;
            for (std::size_t i = 0; i < grid.trace.size(); ++i) {
                const TraceStep& step = grid.trace[i];
                ASSERT_TRUE(step.filledBefore && step.emptyAfter) << "step " << i;
                if (!step.deadEnd) continue;
                const int row = c.kind->rowOf(step.cell);
                highestRow = std::max(highestRow, row);
                ASSERT_EQ(step.message, generatingRowText(highestRow));
                ASSERT_LT(i + 1, grid.trace.size());
                int expected = c.kind->cellAt(row, 1);
                if (++deadEnds > c.retriesBeforeLarge) {
                    deadEnds = 0;
                    expected = largeRestartCell(*c.kind, row);
                    sameLarge = expected == lastLargeStart ? sameLarge + 1 : 1;
                    lastLargeStart = expected;
                    if (sameLarge > 100) {
                        expected = 1;
                        sameLarge = 0;
                    }
                    if (expected > 1) ++largeRestartsInside;
                }
                ASSERT_EQ(grid.trace[i + 1].cell, expected)
                    << c.kind->side << " seed " << seed << " dead end at " << step.cell;
            }
        }
        EXPECT_GT(largeRestartsInside, 0) << "no large restart below the top rows";
    }
}

TEST(generatePuzzle, ARunStuckBehindItsLargeRestartStillCompletes) {
    // Seed 50 at level 1 fixes a top of the 15x15 grid that no filling of the rest completes;
    // the same large restart then repeats until the whole grid starts again.
    SeededRandom random(50);
    const GeneratedPuzzle made = generatePuzzle(kFifteenGrid, 1, random);
    ASSERT_TRUE(made.made);
    EXPECT_TRUE(isCompleteValidGrid(kFifteenGrid, made.solution));
}

TEST(generatePuzzle, StopEndsTheFillAtTheNextTry) {
    for (const GridKind* kind : {&kNineGrid, &kFifteenGrid}) {
        for (int stopAfter : {1, 40, 400}) {
            TracedFill grid(*kind);
            SeededRandom random(3);
            drawGivensPattern(*kind, 30, random);
            grid.stopAfterChecks = stopAfter;
            EXPECT_FALSE(grid.run(random));
            EXPECT_EQ(grid.checks, stopAfter);
        }
    }
}

}  // namespace
}  // namespace quorvel::testing
