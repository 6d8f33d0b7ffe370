// generatePuzzle: the grid it stores, what it keeps, how it draws and restarts, and Stop.

#include <gtest/gtest.h>

#include <algorithm>

#include "create/generate_puzzle.h"
#include "create/generation_trace.h"
#include "create/givens_pattern.h"
#include "model/puzzle_board.h"
#include "solver/solution_count.h"

namespace quorvel::testing {
namespace {

bool IsCompleteValidGrid(const GridKind& kind, const std::vector<int>& values) {
    if (std::count(values.begin(), values.end(), 0) != 0) return false;
    return countSolutions(kind, values, 2).count == 1;
}

TEST(generatePuzzle, StoresAValidFullGridAndKeepsOnlyTheLockedCells) {
    for (const GridKind* kind : {&kNineGrid, &kFifteenGrid}) {
        for (int level = 1; level <= 4; ++level) {
            for (std::uint64_t seed = 1; seed <= 10; ++seed) {
                TracedGrid grid(*kind, level);
                grid.session.gradeLevel = 4 - level + 1;
                SeededRandom random(seed);
                const std::vector<int> pattern =
                    DrawGivensPattern(*kind, ExposedCountFor(*kind, level), random);
                ApplyGivensPattern(*grid.board, pattern);
                ASSERT_TRUE(generatePuzzle(*grid.window, random));

                const std::vector<int>& stored = grid.window->storedGrid();
                EXPECT_EQ(grid.window->storeCount(), 1);
                ASSERT_TRUE(IsCompleteValidGrid(*kind, stored)) << kind->side << " seed " << seed;
                EXPECT_EQ(grid.session.gradeLevel, level) << "stored with the chosen level";
                const std::vector<int> shown = shownValues(*grid.board);
                for (int cell = 1; cell <= kind->cellCount(); ++cell) {
                    const auto i = static_cast<std::size_t>(cell - 1);
                    const bool given =
                        std::find(pattern.begin(), pattern.end(), cell) != pattern.end();
                    ASSERT_EQ(shown[i], given ? stored[i] : 0) << "cell " << cell;
                    ASSERT_EQ(grid.board->cellValue(cell), shown[i])
                        << "value table, cell " << cell;
                }
            }
        }
    }
}

// Values tried per cell, in order, from the trace of checked placements.
std::vector<std::pair<int, bool>> TriesOf(const std::vector<TraceStep>& trace, int cell) {
    std::vector<std::pair<int, bool>> tries;
    for (const TraceStep& step : trace) {
        if (!step.deadEnd && step.cell == cell) tries.emplace_back(step.value, step.duplicate);
    }
    return tries;
}

TEST(generatePuzzle, DrawsByPositionAndKeepsThePositionAfterADuplicate) {
    TracedGrid grid(kNineGrid);
    // Cell 1: 0.01 draws position 0 and is drawn again; 0.95 gives position 9 (value 9).
    // Cell 2: 0.99 gives position 9, the 9 is a duplicate; the shortened list has no position 9,
    //         so 0.15 draws position 1 (value 1).
    // Cell 3: 0.1 gives position 1, the 1 is a duplicate; the 2 moves into position 1 and is
    //         tried without a new draw.
    ScriptedRandom random({0.01, 0.95, 0.99, 0.15, 0.1});
    ASSERT_TRUE(generatePuzzle(*grid.window, random));
    using Tries = std::vector<std::pair<int, bool>>;
    EXPECT_EQ(TriesOf(grid.trace, 1).front(), std::make_pair(9, false));
    const Tries cell2 = TriesOf(grid.trace, 2);
    ASSERT_GE(cell2.size(), 2u);
    EXPECT_EQ(Tries(cell2.begin(), cell2.begin() + 2), (Tries{{9, true}, {1, false}}));
    const Tries cell3 = TriesOf(grid.trace, 3);
    ASSERT_GE(cell3.size(), 2u);
    EXPECT_EQ(Tries(cell3.begin(), cell3.begin() + 2), (Tries{{1, true}, {2, false}}));
}

TEST(generatePuzzle, ASingleCandidateIsPlacedWhateverWasDrawn) {
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        TracedGrid grid(kNineGrid);
        SeededRandom random(seed);
        ASSERT_TRUE(generatePuzzle(*grid.window, random));
        // The first time cell 9 is tried, cells 1..8 of row 1 leave it one value.
        const auto tries = TriesOf(grid.trace, 9);
        ASSERT_FALSE(tries.empty());
        EXPECT_FALSE(tries.front().second) << "seed " << seed;
    }
}

// Where the fill starts again after a dead end in `row` that was the large restart's turn.
int LargeRestartCell(const GridKind& kind, int row) {
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
            TracedGrid grid(*c.kind);
            SeededRandom random(seed);
            ASSERT_TRUE(generatePuzzle(*grid.window, random));
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
                    expected = LargeRestartCell(*c.kind, row);
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
    const GeneratedPuzzle made = GeneratePuzzle(kFifteenGrid, 1, random);
    ASSERT_TRUE(made.made);
    EXPECT_TRUE(IsCompleteValidGrid(kFifteenGrid, made.solution));
}

TEST(generatePuzzle, StopBlanksTheGridAndStoresNothing) {
    for (const GridKind* kind : {&kNineGrid, &kFifteenGrid}) {
        for (int stopAfter : {1, 40, 400}) {
            TracedGrid grid(*kind);
            SeededRandom random(3);
            ApplyGivensPattern(*grid.board, DrawGivensPattern(*kind, 30, random));
            grid.window->stopAfterChecks = stopAfter;
            EXPECT_FALSE(generatePuzzle(*grid.window, random));
            EXPECT_EQ(grid.window->storeCount(), 0);
            for (int cell = 1; cell <= kind->cellCount(); ++cell) {
                ASSERT_EQ(grid.board->cell(cell).text, "") << cell;
                ASSERT_EQ(grid.board->cellValue(cell), 0) << cell;
                ASSERT_FALSE(grid.board->cell(cell).locked) << cell;
            }
        }
    }
}

}  // namespace
}  // namespace quorvel::testing
