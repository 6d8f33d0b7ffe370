// The exact counter decides which puzzles are sound, so its answers are checked on puzzles whose
// solution count is known by construction, on both grid kinds.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engines/solver/solution_count.h"
#include "support/exact_solver.h"

namespace quorvel {
namespace {

// Every row, column and block holds each value once.
bool isCompleteGrid(const GridKind& kind, const CellValues& cells) {
    if (static_cast<int>(cells.size()) != kind.cellCount()) return false;
    std::set<std::pair<int, int>> seen;  // (unit, value)
    for (int cell = 1; cell <= kind.cellCount(); ++cell) {
        const int value = cells[cell - 1];
        if (value < 1 || value > kind.side) return false;
        const int units[] = {kind.rowOf(cell), 100 + kind.columnOf(cell), 200 + kind.blockOf(cell)};
        for (int unit : units) {
            if (!seen.insert({unit, value}).second) return false;
        }
    }
    return true;
}

// Two rows of one block band and two columns of different block stacks whose four values read
// a, b / b, a: blanking them leaves exactly two ways to fill the grid. Returns the four cell
// indexes, or nothing when the grid holds no such rectangle.
std::vector<int> swappableRectangle(const GridKind& kind, const CellValues& grid) {
    const int n = kind.side;
    const auto at = [&](int row, int column) { return grid[row * n + column]; };
    for (int top = 0; top < n; ++top)
        for (int bottom = top + 1; bottom < n; ++bottom)
            for (int left = 0; left < n; ++left)
                for (int right = left + 1; right < n; ++right) {
                    if (top / kind.blockHeight != bottom / kind.blockHeight) continue;
                    if (left / kind.blockWidth == right / kind.blockWidth) continue;
                    if (at(top, left) == at(bottom, right) && at(top, right) == at(bottom, left))
                        return {top * n + left, top * n + right, bottom * n + left,
                                bottom * n + right};
                }
    return {};
}

TEST(SolutionCount, CountsKnownPuzzlesOfBothSizes) {
    for (const GridKind& kind : {kNineGrid, kFifteenGrid}) {
        std::mt19937_64 random(5);
        const CellValues grid = randomCompleteGrid(kind, random);
        ASSERT_TRUE(isCompleteGrid(kind, grid)) << kind.side;
        const std::vector<int> rectangle = swappableRectangle(kind, grid);
        ASSERT_EQ(rectangle.size(), 4u) << kind.side;
        CellValues twoWays = grid;
        for (int index : rectangle)
            twoWays[index] = 0;
        CellValues clash(kind.cellCount(), 0);
        clash[0] = clash[kind.side - 1] = 1;  // twice in row 1
        // Row 1 holds 2..N, so its first cell needs 1, which the block already has below it.
        CellValues deadEnd(kind.cellCount(), 0);
        for (int column = 1; column < kind.side; ++column)
            deadEnd[column] = column + 1;
        deadEnd[kind.side + 1] = 1;
        struct Case {
            const char* name;
            CellValues cells;
            int limit;
            int expected;
        };
        const Case cases[] = {
            {"complete grid", grid, 2, 1},
            {"two solutions", twoWays, 5, 2},
            {"capped at limit", twoWays, 1, 1},
            {"empty grid capped", CellValues(kind.cellCount(), 0), 7, 7},
            {"clashing givens", clash, 2, 0},
            {"cell without a value", deadEnd, 2, 0},
            {"value above the side", CellValues(kind.cellCount(), kind.side + 1), 2, 0},
            {"wrong size", CellValues(kind.cellCount() - 1, 0), 2, 0},
            {"zero limit", grid, 0, 0},
        };
        for (const Case& c : cases) {
            const SolutionCount result = countSolutions(kind, c.cells, c.limit);
            const std::string name = std::to_string(kind.side) + " " + c.name;
            EXPECT_EQ(result.count, c.expected) << name;
            EXPECT_EQ(result.firstSolution.empty(), c.expected == 0) << name;
            EXPECT_EQ(result.secondSolution.empty(), c.expected < 2) << name;
            for (const CellValues& solution : {result.firstSolution, result.secondSolution}) {
                if (solution.empty()) continue;
                EXPECT_TRUE(isCompleteGrid(kind, solution)) << name;
                for (std::size_t index = 0; index < c.cells.size(); ++index) {
                    if (c.cells[index] != 0) {
                        EXPECT_EQ(solution[index], c.cells[index]) << name;
                    }
                }
            }
        }
        const std::vector<int> differ = differingCells(countSolutions(kind, twoWays, 2));
        EXPECT_EQ(differ, (std::vector<int>{rectangle[0] + 1, rectangle[1] + 1, rectangle[2] + 1,
                                            rectangle[3] + 1}))
            << kind.side;
        EXPECT_TRUE(differingCells(countSolutions(kind, grid, 2)).empty()) << kind.side;
    }
}

// Puzzles with many solutions, counted against the plain backtracking solver of the tests.
TEST(SolutionCount, AgreesWithPlainBacktracking) {
    std::mt19937_64 random(3);
    for (int round = 0; round < 40; ++round) {
        CellValues puzzle = randomCompleteGrid(kNineGrid, random);
        for (int blank = 0; blank < 45 + round / 2; ++blank)
            puzzle[random() % puzzle.size()] = 0;
        EXPECT_EQ(countSolutions(kNineGrid, puzzle, 30).count,
                  testing::countSolutions(kNineGrid, puzzle, 30))
            << round;
    }
}

}  // namespace
}  // namespace quorvel
