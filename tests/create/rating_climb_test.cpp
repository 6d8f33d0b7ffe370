// The climb to the top of the rating scale: what it ends on is a new puzzle with one solution,
// rated in the band as the rating says.

#include <gtest/gtest.h>

#include "engines/create/known_puzzles.h"
#include "engines/create/rating_climb.h"
#include "engines/solver/solution_count.h"

namespace quorvel::testing {
namespace {

TEST(climbToBand, EndsOnANewPuzzleRatedInTheBand) {
    const logic::RatingBand band{kClimbFrom};
    for (std::uint64_t seed = 1; seed <= 3; ++seed) {
        SeededRandom random(seed);
        const ClimbedPuzzle climbed = climbToBand(kNineGrid, band, random, 1);
        ASSERT_TRUE(climbed.reached) << "seed " << seed;
        EXPECT_EQ(climbed.grids, 1);
        const SolutionCount count = countSolutions(kNineGrid, climbed.puzzle, 2);
        ASSERT_EQ(count.count, 1) << "seed " << seed;
        EXPECT_EQ(climbed.solution, count.firstSolution);
        const logic::PuzzleRating rating = logic::ratePuzzle(kNineGrid, climbed.puzzle);
        EXPECT_EQ(rating.rating, climbed.rating.rating);
        EXPECT_GE(rating.rating, band.low);
        EXPECT_FALSE(isKnownPuzzle(kNineGrid, climbed.puzzle));
    }
}

}  // namespace
}  // namespace quorvel::testing
