// The rating on the shared scale: the chain-length add-on, the rating path (lowest-rated step
// first, the puzzle rated by its hardest step) over bench puzzles, and the level bands.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "engines/logic/puzzle_rating.h"
#include "engines/logic/rating_scale.h"
#include "model/puzzle_line.h"

namespace quorvel::logic {
namespace {

TEST(Rating, LongerChainsRateHigher) {
    const struct {
        int complexity, addOn;
    } cases[] = {{4, 0},  {6, 0},  {7, 1},  {8, 1},  {9, 2},  {10, 2}, {11, 3},  {14, 3},
                 {15, 4}, {19, 5}, {27, 6}, {35, 7}, {51, 8}, {67, 9}, {99, 10}, {131, 11}};
    for (const auto& c : cases)
        EXPECT_EQ(chainLengthAddOn(c.complexity), c.addOn) << c.complexity;
}

// On every grid of the path, the step taken rates as stepRating says and no technique finds a
// lower-rated one (of the chains and nets rated by length, which come simplest first, the first);
// the puzzle rates as its hardest step, a lower bound of 7.0 when logic stops.
TEST(Rating, PathTakesTheLowestStepAndRatesItsHardest) {
    std::ifstream in(std::string(QUORVEL_SOURCE_DIR) + "/bench/puzzles/top1465.txt");
    std::string line;
    for (int number = 0; std::getline(in, line); ++number) {
        if (number % 160 != 0) continue;
        const Puzzle puzzle = *parsePuzzleLine(line).puzzle;
        const auto [path, ratings] = ratingPath(puzzle.kind, puzzle.values);
        ASSERT_EQ(ratings.size(), path.steps.size());
        LogicGrid grid(puzzle.kind, puzzle.values);
        for (std::size_t i = 0; i < path.steps.size(); ++i) {
            EXPECT_EQ(stepRating(grid, path.steps[i]), ratings[i]);
            // Only the taken step's tier and those below can hold a step the path should have
            // taken instead; searching the harder tiers (forcing nets) would only cost time.
            const int takenTier = techniqueInfo(path.steps[i].technique).rating.tier;
            for (const TechniqueInfo& technique : allTechniques()) {
                const TechniqueRating& rated = technique.rating;
                if (rated.tier > takenTier) continue;
                technique.find(grid, [&](Step&& step) {
                    EXPECT_TRUE(rated.tier == takenTier && stepRating(grid, step) >= ratings[i])
                        << line << ": " << step.text << " before " << path.steps[i].text;
                    return rated.rule != RatingRule::Linked && rated.rule != RatingRule::Net;
                });
            }
            grid.apply(path.steps[i]);
        }
        const PuzzleRating rating = ratePuzzle(puzzle.kind, puzzle.values);
        ASSERT_FALSE(ratings.empty()) << line;
        const auto hardest = std::max_element(ratings.begin(), ratings.end());  // the first
        EXPECT_EQ(rating.rating, rating.logicSolved ? *hardest : std::max(*hardest, 70)) << line;
        EXPECT_EQ(rating.hardest,
                  techniqueInfo(path.steps[hardest - ratings.begin()].technique).name);
    }
}

// Under a ceiling the rating stops where the path would take a step above it, and says so
// exactly: solved, and the same as without a ceiling, when the puzzle rates at most the ceiling.
TEST(Rating, ACeilingStopsAboveItAndChangesNothingBelow) {
    std::ifstream in(std::string(QUORVEL_SOURCE_DIR) + "/bench/puzzles/top1465.txt");
    const std::vector<TechniqueInfo> order = ratingOrder();
    std::string line;
    for (int number = 0; std::getline(in, line); ++number) {
        if (number % 160 != 0) continue;
        const Puzzle puzzle = *parsePuzzleLine(line).puzzle;
        const CountedState state = countState(puzzle.kind, puzzle.values);
        const PuzzleRating full = ratePuzzle(state);
        for (const int ceiling : {full.rating - 1, full.rating, 90}) {
            const PuzzleRating capped = ratePuzzleInOrder(state, order, ceiling);
            const bool within = full.logicSolved && full.rating <= ceiling;
            EXPECT_EQ(capped.logicSolved, within) << line << " " << ceiling;
            if (within) {
                EXPECT_EQ(capped.score, full.score) << line;
                EXPECT_EQ(capped.hardest, full.hardest) << line;
            }
        }
    }
}

TEST(Rating, BandsMakeTheLevels) {
    const struct {
        int rating, level;
    } levels[] = {{10, 1}, {25, 1}, {26, 2}, {40, 2}, {41, 3}, {69, 3}, {70, 4}, {119, 4}};
    for (const auto& c : levels) {
        EXPECT_EQ(levelOfRating(c.rating), c.level) << c.rating;
        const RatingBand band = levelBand(c.level);
        EXPECT_TRUE(band.low <= c.rating && c.rating <= band.high) << c.rating;
    }
    const struct {
        int rating;
        bool solved;
        RatingBand band;
        int offset;
    } offsets[] = {{66, true, {60, 70}, 0},  {58, true, {60, 70}, -2}, {73, true, {60, 70}, 3},
                   {70, false, {60, 70}, 1}, {75, false, {70}, 0},     {70, false, {80}, 1}};
    for (const auto& c : offsets) {
        PuzzleRating rating;
        rating.rating = c.rating;
        rating.logicSolved = c.solved;
        EXPECT_EQ(bandOffset(rating, c.band), c.offset) << c.rating << " " << c.solved;
    }
    EXPECT_EQ(formatRating(70), "7.0");
}

}  // namespace
}  // namespace quorvel::logic
