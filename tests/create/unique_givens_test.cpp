// Unique generation: over many seeds of both grids, the puzzle ends with exactly one solution,
// keeps every given it had, takes added givens from the full grid and adds them in
// point-symmetric pairs.

#include <gtest/gtest.h>

#include <algorithm>

#include "engines/create/generated_puzzle.h"
#include "engines/create/unique_givens.h"
#include "engines/solver/solution_count.h"

namespace quorvel::testing {
namespace {

TEST(UniqueGivens, GeneratedPuzzlesEndUniqueWithSymmetricAdditions) {
    struct Case {
        const GridKind* kind;
        std::uint64_t seeds;
    };
    for (const Case& c : {Case{&kNineGrid, 40}, Case{&kFifteenGrid, 12}}) {
        const int last = c.kind->cellCount() - 1;
        for (std::uint64_t seed = 1; seed <= c.seeds; ++seed) {
            SeededRandom random(seed);
            const GeneratedPuzzle plain =
                generatePuzzle(*c.kind, static_cast<int>(seed % 4) + 1, random);
            EXPECT_EQ(plain.givens, std::count_if(plain.puzzle.begin(), plain.puzzle.end(),
                                                  [](int value) { return value != 0; }));
            std::vector<int> puzzle = plain.puzzle;
            const UniqueGivens result =
                addGivensUntilUnique(*c.kind, puzzle, plain.solution, random);
            ASSERT_TRUE(result.unique) << c.kind->side << " seed " << seed;
            EXPECT_EQ(countSolutions(*c.kind, puzzle, 2).count, 1) << seed;
            int added = 0;
            for (int index = 0; index <= last; ++index) {
                if (plain.puzzle[index] != 0) {
                    ASSERT_EQ(puzzle[index], plain.puzzle[index]) << seed;
                } else if (puzzle[index] != 0) {
                    ++added;
                    ASSERT_EQ(puzzle[index], plain.solution[index]) << seed;
                    ASSERT_NE(puzzle[last - index], 0) << "mirror of " << index + 1;
                }
            }
            EXPECT_EQ(result.cellsAdded, added) << seed;
        }
    }
}

// A grid that does not solve the puzzle ends the search instead of looping: the givens taken
// from it soon leave no solution.
TEST(UniqueGivens, AWrongFullGridEndsWithoutUniqueness) {
    std::vector<int> puzzle(kNineGrid.cellCount(), 0);
    std::vector<int> wrong(kNineGrid.cellCount(), 1);
    SeededRandom random(1);
    const UniqueGivens result = addGivensUntilUnique(kNineGrid, puzzle, wrong, random);
    EXPECT_FALSE(result.unique);
    EXPECT_GT(result.cellsAdded, 0);
    EXPECT_EQ(countSolutions(kNineGrid, puzzle, 2).count, 0);
}

}  // namespace
}  // namespace quorvel::testing
