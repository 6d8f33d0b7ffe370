// The exact counter decides which shipped puzzles are sound, so its answers are checked on
// puzzles whose solution count is known by construction.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "solver/solution_count.h"

namespace quorvel {
namespace {

const std::string kClassic =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string kClassicSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

CellValues digits(const std::string& line) {
    CellValues cells;
    for (char c : line)
        cells.push_back(c == '.' ? 0 : c - '0');
    return cells;
}

CellValues withBlanks(CellValues cells, std::initializer_list<int> indexes) {
    for (int index : indexes)
        cells[index] = 0;
    return cells;
}

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

TEST(SolutionCount, CountsKnownPuzzles) {
    const CellValues solution = digits(kClassicSolution);
    CellValues clash = digits(kClassic);
    clash[2] = 5;  // a second 5 in row 1
    CellValues outOfRange = digits(kClassic);
    outOfRange[2] = 10;
    struct Case {
        const char* name;
        CellValues cells;
        int limit;
        int expected;
    };
    const Case cases[] = {
        {"unique puzzle", digits(kClassic), 2, 1},
        {"complete grid", solution, 2, 1},
        // An unavoidable rectangle (rows 1 and 4, columns 4 and 5 hold 6,7 / 7,6) blanked.
        {"two solutions", withBlanks(solution, {3, 4, 30, 31}), 5, 2},
        {"capped at limit", withBlanks(solution, {3, 4, 30, 31}), 1, 1},
        {"empty grid capped", CellValues(81, 0), 7, 7},
        {"clashing givens", clash, 2, 0},
        {"value above nine", outOfRange, 2, 0},
        {"wrong size", CellValues(80, 0), 2, 0},
        {"zero limit", digits(kClassic), 0, 0},
    };
    for (const Case& c : cases) {
        const SolutionCount result = countSolutions(kNineGrid, c.cells, c.limit);
        EXPECT_EQ(result.count, c.expected) << c.name;
        EXPECT_EQ(result.firstSolution.empty(), c.expected == 0) << c.name;
    }
}

TEST(SolutionCount, RandomGridsAreCompleteAndFollowTheSeed) {
    for (const GridKind& kind : {kNineGrid, kFifteenGrid}) {
        std::mt19937_64 first(11);
        std::mt19937_64 again(11);
        std::mt19937_64 other(12);
        const CellValues grid = randomCompleteGrid(kind, first);
        EXPECT_TRUE(isCompleteGrid(kind, grid)) << kind.side;
        EXPECT_EQ(grid, randomCompleteGrid(kind, again)) << kind.side;
        EXPECT_NE(grid, randomCompleteGrid(kind, other)) << kind.side;

        // Blanking one whole row keeps exactly one way to fill it back.
        CellValues puzzle = grid;
        for (int column = 0; column < kind.side; ++column)
            puzzle[column] = 0;
        const SolutionCount count = countSolutions(kind, puzzle, 2);
        EXPECT_EQ(count.count, 1) << kind.side;
        EXPECT_EQ(count.firstSolution, grid) << kind.side;
    }
}

}  // namespace
}  // namespace quorvel
