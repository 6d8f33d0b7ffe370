// Unique generation: over many seeds of both grids, the puzzle ends with exactly one solution,
// keeps every given it had, takes added givens from the full grid and adds them in
// point-symmetric pairs.

#include <gtest/gtest.h>

#include "create/headless_generation.h"
#include "create/unique_givens.h"
#include "solver/solution_count.h"

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
            const int level = static_cast<int>(seed % 4) + 1;
            SeededRandom random(seed);
            const GeneratedPuzzle plain = GeneratePuzzle(*c.kind, level, random);
            SeededRandom again(seed);
            const GeneratedPuzzle made = GeneratePuzzle(*c.kind, level, again, true);
            ASSERT_EQ(made.solution, plain.solution) << seed;
            const std::vector<int>& before = plain.puzzle;
            const int givensBefore = plain.givens;
            ASSERT_TRUE(made.unique) << c.kind->side << " seed " << seed;
            EXPECT_EQ(countSolutions(*c.kind, made.puzzle, 2).count, 1) << seed;
            int added = 0;
            for (int index = 0; index <= last; ++index) {
                if (before[index] != 0) {
                    ASSERT_EQ(made.puzzle[index], before[index]) << seed;
                } else if (made.puzzle[index] != 0) {
                    ++added;
                    ASSERT_EQ(made.puzzle[index], made.solution[index]) << seed;
                    ASSERT_NE(made.puzzle[last - index], 0) << "mirror of " << index + 1;
                }
            }
            EXPECT_EQ(made.givens, givensBefore + added) << seed;
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
