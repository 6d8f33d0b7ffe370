#pragma once
// The computed difficulty of a puzzle on the scale puzzle people share
// (engines/logic/rating_scale.h): the rating path takes, on every grid, the lowest-rated step any
// technique finds, and the puzzle's rating is the highest step rating on that path. The level is
// the band the rating falls in:
//   1 Easy       up to 2.5   singles (and the steps that lead straight to one)
//   2 Medium     2.6 - 4.0   locked candidates, pairs, triples, X-Wing and Swordfish
//   3 Hard       4.1 - 6.9   quads, Jellyfish, wings, uniqueness, finned fish, short chains
//   4 Very Hard  7.0 and up  longer chains, loops and forcing chains
// A puzzle logic cannot finish rates at least 7.0 (and at least its hardest step): the rating
// is then a lower bound. A puzzle without a solution gets rating and level 0.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engines/logic/logic_solver.h"
#include "model/grid_kind.h"
#include "model/units.h"

namespace quorvel::logic {

struct PuzzleRating {
    int solutions = 0;         // 0, 1 or 2 (two or more), from the exact counter
    int level = 0;             // 1..4, 0 without a solution
    int rating = 0;            // tenths; a lower bound when logic does not finish
    int score = 0;             // the sum of the rating path's step scores
    std::string hardest;       // the technique of the highest-rated step; empty when none
    bool logicSolved = false;  // the path reaches the complete grid
};

// With `candidates`, the rating of that candidate state (see logic_solver.h). The state's
// solutions are counted once, for the rating and the path it rests on. `turnedOn`: the optional
// techniques the path tries.
PuzzleRating ratePuzzle(const CountedState& state, const OptionalTechniques& turnedOn = {});
PuzzleRating ratePuzzle(const GridKind& kind, std::span<const int> values,
                        std::span<const ValueMask> candidates = {},
                        const OptionalTechniques& turnedOn = {});

// The rating path: on every grid the lowest-rated step (techniques tried tier by tier in
// ratingOrder(), the first found of equal ratings kept), with each step's rating.
struct RatedPath {
    LogicPath path;
    std::vector<int> ratings;  // one per step, tenths
};
RatedPath ratingPath(const CountedState& state, const OptionalTechniques& turnedOn = {});
RatedPath ratingPath(const GridKind& kind, std::span<const int> values,
                     std::span<const ValueMask> candidates = {},
                     const OptionalTechniques& turnedOn = {});

// The lowest rating of each level's band, levels 1..4, in tenths.
inline constexpr int kLevelFloors[] = {0, 26, 41, 70};
// The level (1..4) whose band holds `rating`.
int levelOfRating(int rating);

// Ratings from `low` to `high` tenths, both included; kNoHigh for no upper end.
struct RatingBand {
    static constexpr int kNoHigh = 1000;
    int low = 0;
    int high = kNoHigh;
};
// The rating of the state with the techniques tried in `order` (tier by tier, as ratingOrder()
// gives them) instead. With a `ceiling` (tenths), the path ends unsolved where the step it would
// take rates above it (without trying the techniques that cannot rate that low): the rating
// then only says that the puzzle rates above the ceiling. A path that ends solved is the one
// without a ceiling, as every step it took rates at most the ceiling.
PuzzleRating ratePuzzleInOrder(const CountedState& state, const std::vector<TechniqueInfo>& order,
                               int ceiling = RatingBand::kNoHigh);
// The band of a level 1..4.
RatingBand levelBand(int level);
// A band as people write it: "MIN" (that and above) or "MIN-MAX", each a rating with at most one
// decimal ("7", "7.5"); nothing when the text is not one or MAX is below MIN.
std::optional<RatingBand> parseRatingBand(const std::string& text);
// Where a rating lies from the band, in tenths: 0 inside, negative below, positive above. A
// puzzle logic cannot finish lies inside a band without an upper end that its lower bound
// reaches, and above any other band.
int bandOffset(const PuzzleRating& rating, const RatingBand& band);

// "Easy", "Medium", "Hard" or "Very Hard" for levels 1..4.
std::string levelName(int level);

// What Rate Puzzle says: "Rated Hard (6.6): hardest step X-Chain" (without the hardest step
// when the path has none; "Rated Very Hard (at least 7.0): hardest step X-Wing, not finished by
// logic" when logic stops short).
std::string ratingText(const PuzzleRating& rating);

}  // namespace quorvel::logic
