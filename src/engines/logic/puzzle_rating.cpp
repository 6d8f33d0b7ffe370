#include "engines/logic/puzzle_rating.h"

#include <algorithm>
#include <optional>

#include "engines/logic/logic_solver.h"
#include "engines/logic/rating_scale.h"

namespace quorvel::logic {

namespace {

struct RatedStep {
    Step step;
    int rating = 0;
};

// The first step any of `techniques` finds.
std::optional<RatedStep> anyStep(const LogicGrid& grid,
                                 const std::vector<const TechniqueInfo*>& techniques) {
    std::optional<RatedStep> found;
    for (const TechniqueInfo* technique : techniques) {
        technique->find(grid, [&](Step&& step) {
            found = RatedStep{std::move(step), 0};
            found->rating = stepRating(grid, found->step);
            return false;
        });
        if (found) break;
    }
    return found;
}

// The lowest-rated step on the grid: techniques are tried tier by tier in rating order, each
// until one of its steps rates its lowest (the chains and nets rated by length only for their
// first, simplest step), and a technique whose lowest cannot beat the best
// step so far ends the tier. Of equal ratings the first found is kept. Techniques whose lowest
// rating lies above `ceiling` are left out: when their tier finds nothing else, any step of
// theirs would be the one taken, rated above the ceiling, so the first one found is returned;
// only when they find none does the next tier come in, as without a ceiling.
std::optional<RatedStep> lowestRatedStep(const LogicGrid& grid,
                                         const std::vector<TechniqueInfo>& order, int ceiling) {
    std::optional<RatedStep> best;
    int tier = 0;
    std::vector<const TechniqueInfo*> leftOut;
    for (const TechniqueInfo& technique : order) {
        const TechniqueRating& rated = technique.rating;
        if (rated.tier != tier) {
            if (best) break;
            if (!leftOut.empty()) {
                if (std::optional<RatedStep> above = anyStep(grid, leftOut)) return above;
                leftOut.clear();
            }
            tier = rated.tier;
        }
        if (rated.low > ceiling) {
            leftOut.push_back(&technique);
            continue;
        }
        if (best && rated.low >= best->rating) continue;
        // Chains and nets whose rating grows with their length come simplest first.
        const bool simplestFirst =
            rated.rule == RatingRule::Linked || rated.rule == RatingRule::Net;
        technique.find(grid, [&](Step&& step) {
            const int rating = stepRating(grid, step);
            if (!best || rating < best->rating) best = RatedStep{std::move(step), rating};
            return rating > rated.low && !simplestFirst;
        });
    }
    if (!best && !leftOut.empty()) return anyStep(grid, leftOut);
    return best;
}

RatedPath ratingPathInOrder(const CountedState& state, const std::vector<TechniqueInfo>& order,
                            int ceiling) {
    RatedPath rated;
    rated.path = choosePath(state, [&rated, &order, ceiling](const LogicGrid& grid) {
        std::optional<RatedStep> lowest = lowestRatedStep(grid, order, ceiling);
        if (!lowest || lowest->rating > ceiling) return std::optional<Step>();
        rated.ratings.push_back(lowest->rating);
        return std::optional<Step>(std::move(lowest->step));
    });
    return rated;
}

}  // namespace

RatedPath ratingPath(const CountedState& state, const OptionalTechniques& turnedOn) {
    return ratingPathInOrder(state, ratingOrder(turnedOn), RatingBand::kNoHigh);
}

RatedPath ratingPath(const GridKind& kind, std::span<const int> values,
                     std::span<const ValueMask> candidates, const OptionalTechniques& turnedOn) {
    return ratingPath(countState(kind, values, candidates), turnedOn);
}

PuzzleRating ratePuzzle(const CountedState& state, const OptionalTechniques& turnedOn) {
    return ratePuzzleInOrder(state, ratingOrder(turnedOn));
}

PuzzleRating ratePuzzleInOrder(const CountedState& state, const std::vector<TechniqueInfo>& order,
                               int ceiling) {
    PuzzleRating rating;
    rating.solutions = state.solutions.count;
    if (rating.solutions == 0) return rating;
    const auto [path, stepRatings] = ratingPathInOrder(state, order, ceiling);
    rating.logicSolved = path.end == PathEnd::Solved;
    for (std::size_t i = 0; i < path.steps.size(); ++i) {
        rating.score += techniqueInfo(path.steps[i].technique).score;
        if (stepRatings[i] > rating.rating) {
            rating.rating = stepRatings[i];
            rating.hardest = std::string(techniqueInfo(path.steps[i].technique).name);
        }
    }
    if (!rating.logicSolved) rating.rating = std::max(rating.rating, kLevelFloors[3]);
    rating.level = levelOfRating(rating.rating);
    return rating;
}

PuzzleRating ratePuzzle(const GridKind& kind, std::span<const int> values,
                        std::span<const ValueMask> candidates, const OptionalTechniques& turnedOn) {
    return ratePuzzle(countState(kind, values, candidates), turnedOn);
}

int levelOfRating(int rating) {
    int level = 1;
    while (level < 4 && rating >= kLevelFloors[level])
        ++level;
    return level;
}

RatingBand levelBand(int level) {
    return {kLevelFloors[level - 1], level < 4 ? kLevelFloors[level] - 1 : RatingBand::kNoHigh};
}

namespace {

// "7", "7.5": a rating with at most one decimal, in tenths.
std::optional<int> parseRating(const std::string& text) {
    const std::size_t point = text.find('.');
    const std::string whole = text.substr(0, point);
    const std::string tenth = point == std::string::npos ? "0" : text.substr(point + 1);
    if (whole.empty() || whole.size() > 2 || tenth.size() != 1 ||
        (whole + tenth).find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stoi(whole) * 10 + std::stoi(tenth);
}

}  // namespace

std::optional<RatingBand> parseRatingBand(const std::string& text) {
    const std::size_t dash = text.find('-');
    const std::optional<int> low = parseRating(text.substr(0, dash));
    if (!low) return std::nullopt;
    if (dash == std::string::npos) return RatingBand{*low};
    const std::optional<int> high = parseRating(text.substr(dash + 1));
    if (!high || *high < *low) return std::nullopt;
    return RatingBand{*low, *high};
}

int bandOffset(const PuzzleRating& rating, const RatingBand& band) {
    if (!rating.logicSolved) {
        if (band.high == RatingBand::kNoHigh && rating.rating >= band.low) return 0;
        return std::max(rating.rating - band.high, 1);
    }
    if (rating.rating < band.low) return rating.rating - band.low;
    return std::max(rating.rating - band.high, 0);
}

std::string ratingText(const PuzzleRating& rating) {
    std::string text = "Rated " + levelName(rating.level) + " (" +
                       (rating.logicSolved ? "" : "at least ") + formatRating(rating.rating) + ")";
    if (!rating.hardest.empty()) text += ": hardest step " + rating.hardest;
    if (!rating.logicSolved)
        text += (rating.hardest.empty() ? ": " : ", ") + std::string("not finished by logic");
    return text;
}

std::string levelName(int level) {
    static const char* const kNames[] = {"Easy", "Medium", "Hard", "Very Hard"};
    return level >= 1 && level <= 4 ? kNames[level - 1] : "";
}

}  // namespace quorvel::logic
