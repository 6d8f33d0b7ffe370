#include <gtest/gtest.h>

#include "application/commands/solve_commands.h"
#include "support/solve_fixtures.h"

namespace quorvel {
namespace {

using namespace testing;

// Value 1 fits only cell 9 of row 1 (block 3 and columns 7 and 8 hold a 1 elsewhere).
const std::string kRowSingle = gridWith(kNineGrid, {{10, 1}, {22, 1}, {34, 1}, {62, 1}});
// Value 1 fits only cell 73 of column 1; every row keeps two places for it.
const std::string kColumnSingle =
    gridWith(kNineGrid, {{20, 1}, {28, 2}, {37, 3}, {46, 4}, {59, 1}, {71, 1}});
// Value 1 fits only cell 20 of block 1.
const std::string kBlockSingle =
    gridWith(kNineGrid, {{1, 2}, {2, 3}, {3, 4}, {10, 5}, {11, 6}, {19, 7}, {48, 1}});
// kRowSingle plus a single candidate 9 at cell 40.
const std::string kCandidateAt40 = gridWith(kNineGrid, {{10, 1},
                                                        {22, 1},
                                                        {34, 1},
                                                        {62, 1},
                                                        {4, 8},
                                                        {37, 2},
                                                        {38, 3},
                                                        {39, 4},
                                                        {42, 5},
                                                        {43, 6},
                                                        {45, 7}});

struct NextCase {
    const char* name;
    std::string line;
    int cell;
    int value;
    const char* reason;
};

TEST(Singles, GetNextShowsTheFirstSingleAndItsReason) {
    const NextCase cases[] = {
        {"row", kRowSingle, 9, 1, "Reason : Single possibility in row"},
        {"column", kColumnSingle, 73, 1, "Reason : Single possibility in column"},
        {"block", kBlockSingle, 20, 1, "Reason : Single possibility in block"},
        {"candidate before possibility", kCandidateAt40, 40, 9,
         "Reason : Single candidate in cell"},
    };
    for (const NextCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestGrid grid(c.line);
        const std::vector<int> before = grid.shown();
        const GetNextOutcome outcome = getNextCommand(*grid.board, grid.events);
        EXPECT_EQ(outcome.cell, c.cell);
        EXPECT_EQ(outcome.value, c.value);
        EXPECT_EQ(outcome.solve.reason, c.reason);
        EXPECT_EQ(grid.events.messageText(), c.reason);
        EXPECT_EQ(grid.events.messageColour(), colour::kBlue);
        std::vector<int> expected = before;
        expected[c.cell - 1] = c.value;
        EXPECT_EQ(grid.shown(), expected);
        EXPECT_EQ(grid.layer(1), expected);  // layer 1 matches the cells
        EXPECT_EQ(grid.events.focusedCell(), c.cell);
    }
}

TEST(Singles, GetNextFillsOnlyTheLowestSingleCandidate) {
    // The solution with cells 7 and 50 emptied: both are single candidates.
    std::vector<int> solution = solutionOf(kEasy);
    solution[6] = 0;
    solution[49] = 0;
    TestGrid grid(formatPuzzleLine(kNineGrid, solution));
    const GetNextOutcome outcome = getNextCommand(*grid.board, grid.events);
    EXPECT_EQ(outcome.cell, 7);
    EXPECT_EQ(grid.shown()[49], 0);
    EXPECT_EQ(outcome.solve.reason, "Reason : Single candidate in cell");
    EXPECT_FALSE(outcome.solve.result);
}

struct CheckCase {
    const char* name;
    std::string line;
    int cell;
};

TEST(Singles, CheckForSingleFocusesTheFirstSingleCandidateOnly) {
    const CheckCase cases[] = {
        {"single candidate after a single possibility", kCandidateAt40, 40},
        {"only a single possibility", kRowSingle, 0},
        {"full grid", formatPuzzleLine(kNineGrid, solutionOf(kEasy)), 0},
        {"empty 15x15", std::string(225, '.'), 0},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestGrid grid(c.line);
        const std::vector<int> before = grid.shown();
        EXPECT_EQ(checkForSingleCommand(*grid.board, grid.events), c.cell);
        EXPECT_EQ(grid.shown(), before);  // nothing is filled in
        if (c.cell != 0) {
            EXPECT_EQ(grid.events.focusedCell(), c.cell);
        } else {
            EXPECT_EQ(grid.events.messageText(), "None found");
            EXPECT_EQ(grid.events.messageColour(), colour::kRed);
        }
        EXPECT_FALSE(grid.events.stopItemVisible());
    }
}

TEST(Singles, CheckForSingleAgreesWithNaiveCandidates) {
    for (const std::string& line : {kEasy, kOneGuess, kCrunchFails}) {
        TestGrid grid(line);
        const Puzzle puzzle = TestGrid::parsed(line);
        int expected = 0;
        for (int cell = 1; cell <= 81 && expected == 0; ++cell) {
            if (puzzle.values[cell - 1] != 0) continue;
            int fits = 0;
            for (int v = 1; v <= 9; ++v) {
                std::vector<int> trial = puzzle.values;
                trial[cell - 1] = v;
                bool clash = false;
                for (int other = 1; other <= 81; ++other)
                    if (other != cell && trial[other - 1] == v &&
                        (kNineGrid.rowOf(other) == kNineGrid.rowOf(cell) ||
                         kNineGrid.columnOf(other) == kNineGrid.columnOf(cell) ||
                         kNineGrid.blockOf(other) == kNineGrid.blockOf(cell)))
                        clash = true;
                fits += clash ? 0 : 1;
            }
            if (fits == 1) expected = cell;
        }
        EXPECT_EQ(findSingleCandidate(*grid.board), expected) << line;
    }
}

}  // namespace
}  // namespace quorvel
