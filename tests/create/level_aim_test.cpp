// Aiming at a level: from the level's pattern or from no givens at all, on both grids, the
// puzzle ends unique, point-symmetric, drawn from the full grid and rated at the level, with the
// rating it reports; the rating budget and the poll bound the work.

#include <gtest/gtest.h>

#include "engines/create/generated_puzzle.h"
#include "engines/create/level_aim.h"
#include "engines/solver/solution_count.h"
#include "model/puzzle_line.h"

namespace quorvel::testing {
namespace {

TEST(LevelAim, ReachesEachLevelUniqueAndSymmetric) {
    struct Case {
        const GridKind* kind;
        std::uint64_t seeds;
        bool fromNoGivens;  // also start from an empty grid
    };
    for (const Case& c : {Case{&kNineGrid, 3, true}, Case{&kFifteenGrid, 1, false}}) {
        const int last = c.kind->cellCount() - 1;
        for (int target = 1; target <= 4; ++target) {
            for (std::uint64_t seed = 1; seed <= c.seeds; ++seed) {
                for (int starts = c.fromNoGivens ? 2 : 1; starts > 0; --starts) {
                    const bool fromPattern = starts == 1;
                    SCOPED_TRACE(::testing::Message() << c.kind->side << " level " << target
                                                      << " seed " << seed << " " << fromPattern);
                    SeededRandom random(seed);
                    const GeneratedPuzzle plain = generatePuzzle(*c.kind, target, random);
                    const std::vector<int> start =
                        fromPattern ? plain.puzzle : std::vector<int>(plain.puzzle.size(), 0);
                    int polls = 0;
                    const int budget = aimRatingBudget(*c.kind);
                    const AimedPuzzle aimed = aimAtBand(
                        *c.kind, start, plain.solution, logic::levelBand(target), random,
                        [&polls](int) { return ++polls > 0; }, budget);
                    EXPECT_FALSE(aimed.stopped);
                    EXPECT_LE(polls, budget);
                    EXPECT_EQ(aimed.rating.level, target);
                    const logic::PuzzleRating again = logic::ratePuzzle(*c.kind, aimed.puzzle);
                    EXPECT_EQ(again.level, aimed.rating.level);
                    EXPECT_EQ(again.score, aimed.rating.score);
                    EXPECT_EQ(countSolutions(*c.kind, aimed.puzzle, 2).count, 1);
                    for (int index = 0; index <= last; ++index) {
                        const int given = aimed.puzzle[index];
                        ASSERT_TRUE(given == 0 || given == plain.solution[index]) << index;
                        ASSERT_EQ(given != 0, aimed.puzzle[last - index] != 0) << index;
                    }
                }
            }
        }
    }
}

// A puzzle rated above the level gets symmetric pairs from its solution until it rates at the
// level, keeping every given; one already rated at the level is kept as it is.
TEST(LevelAim, APuzzleAboveTheLevelGetsPairsAdded) {
    const PuzzleLineResult line = parsePuzzleLine(
        "4...3.......6..8..........1....5..9..8....6...7.2........1.27..5.3....4.9........");
    ASSERT_TRUE(line.puzzle);
    const std::vector<int>& start = line.puzzle->values;
    const std::vector<int> solution = countSolutions(kNineGrid, start, 2).firstSolution;
    ASSERT_EQ(logic::ratePuzzle(kNineGrid, start).level, 4);
    const int last = kNineGrid.cellCount() - 1;
    for (const int target : {1, 2, 4}) {
        SCOPED_TRACE(target);
        SeededRandom random(1);
        const AimedPuzzle aimed = aimAtBand(
            kNineGrid, start, solution, logic::levelBand(target), random, [](int) { return true; },
            300);
        EXPECT_EQ(aimed.rating.level, target);
        EXPECT_EQ(logic::ratePuzzle(kNineGrid, aimed.puzzle).score, aimed.rating.score);
        if (target == 4) {
            EXPECT_EQ(aimed.puzzle, start);
        }
        for (int index = 0; index <= last; ++index) {
            if (start[index] != 0) {
                ASSERT_EQ(aimed.puzzle[index], start[index]) << index;
            } else if (aimed.puzzle[index] != 0) {
                ASSERT_EQ(aimed.puzzle[index], solution[index]) << index;
                ASSERT_NE(aimed.puzzle[last - index], 0) << index;
            }
        }
    }
}

// The poll runs before every rating: a budget of one rates once and keeps that puzzle, and a
// poll answering no stops the aim at once.
TEST(LevelAim, BudgetAndPollBoundTheWork) {
    struct Case {
        int budget;
        int stopAtPoll;  // 0: never
        int polls;
        bool stopped;
    };
    for (const Case& c : {Case{1, 0, 1, false}, Case{300, 3, 3, true}, Case{300, 1, 1, true}}) {
        SCOPED_TRACE(c.budget * 10 + c.stopAtPoll);
        SeededRandom random(7);
        const GeneratedPuzzle plain = generatePuzzle(kNineGrid, 1, random);
        int polls = 0;
        const AimedPuzzle aimed = aimAtBand(
            kNineGrid, plain.puzzle, plain.solution, logic::levelBand(4), random,
            [&](int) { return ++polls != c.stopAtPoll; }, c.budget);
        EXPECT_EQ(polls, c.polls);
        EXPECT_EQ(aimed.stopped, c.stopped);
        if (!c.stopped) {
            EXPECT_EQ(countSolutions(kNineGrid, aimed.puzzle, 2).count, 1);
            EXPECT_EQ(logic::ratePuzzle(kNineGrid, aimed.puzzle).score, aimed.rating.score);
        }
    }
}

// Generating by band: a few seeds per band on both grids end unique, rated within the band, with
// the rating they report.
TEST(LevelAim, GeneratesInABand) {
    const struct {
        const GridKind* kind;
        logic::RatingBand band;
    } cases[] = {{&kNineGrid, {10, 20}}, {&kNineGrid, {20, 40}},    {&kNineGrid, {40, 60}},
                 {&kNineGrid, {60, 70}}, {&kFifteenGrid, {20, 40}}, {&kFifteenGrid, {40, 60}}};
    for (const auto& c : cases) {
        for (std::uint64_t seed = 1; seed <= 2; ++seed) {
            SCOPED_TRACE(::testing::Message() << c.kind->side << " " << c.band.low << " " << seed);
            SeededRandom random(seed);
            const BandPuzzle found = generateInBand(*c.kind, c.band, random, 20);
            EXPECT_EQ(logic::bandOffset(found.rating, c.band), 0);
            EXPECT_EQ(logic::ratePuzzle(*c.kind, found.made.puzzle).rating, found.rating.rating);
            EXPECT_EQ(countSolutions(*c.kind, found.made.puzzle, 2).count, 1);
        }
    }
}

}  // namespace
}  // namespace quorvel::testing
