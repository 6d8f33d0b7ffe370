#include "engines/create/technique_practice.h"

#include <algorithm>

#include "engines/create/generate_puzzle.h"
#include "engines/create/givens_pattern.h"
#include "engines/logic/logic_solver.h"
#include "engines/logic/rating_scale.h"
#include "model/program_state.h"

namespace quorvel {

namespace {

using logic::TechniqueInfo;

// Tenths above its base that a chain or net of the technique may rate for its length, where the
// aim steers; a longer one still ends the search when it is the hardest step.
constexpr int kLengthAllowance = 10;

// The rating order with `technique` tried in the first tier, and first among the techniques of
// its lowest rating: where another technique does the same work at the same rating (a Skyscraper
// where Simple Colouring applies), the step taken is the technique's, and the rating the same.
std::vector<TechniqueInfo> practiceOrder(logic::Technique technique) {
    std::vector<TechniqueInfo> order = logic::ratingOrder(practiceTurnedOn(technique));
    for (TechniqueInfo& info : order) {
        if (info.technique == technique) info.rating.tier = 1;
    }
    std::ranges::stable_sort(order, [technique](const TechniqueInfo& a, const TechniqueInfo& b) {
        if (a.rating.tier != b.rating.tier) return a.rating.tier < b.rating.tier;
        if (a.rating.low != b.rating.low) return a.rating.low < b.rating.low;
        return a.technique == technique && b.technique != technique;
    });
    return order;
}

// The ratings a step of the technique has: from its lowest to its base, and above it for the
// length of a chain or net.
logic::RatingBand practiceBand(const TechniqueInfo& info) {
    using logic::RatingRule;
    const RatingRule rule = info.rating.rule;
    const bool grows = rule == RatingRule::ValueChain || rule == RatingRule::PairChain ||
                       rule == RatingRule::Linked || rule == RatingRule::Net;
    return {info.rating.low, info.rating.base + (grows ? kLengthAllowance : 0)};
}

// What a practice puzzle is rated with and when it is taken.
class Practice {
  public:
    Practice(const GridKind& kind, logic::Technique technique)
        : kind_(kind),
          info_(logic::techniqueInfo(technique)),
          turnedOn_(practiceTurnedOn(technique)),
          order_(practiceOrder(technique)) {}

    logic::RatingBand band() const { return practiceBand(info_); }

    logic::PuzzleRating rate(const std::vector<int>& puzzle) const {
        return logic::ratePuzzleInOrder(logic::countState(kind_, puzzle), order_);
    }

    // As rate, but a puzzle that rates above the band is only known to: what the aim steers by.
    logic::PuzzleRating rateUpTo(const std::vector<int>& puzzle) const {
        return logic::ratePuzzleInOrder(logic::countState(kind_, puzzle), order_, band().high);
    }

    bool accepts(const std::vector<int>& puzzle, const logic::PuzzleRating& rating) const {
        if (rating.solutions != 1 || !rating.logicSolved || rating.hardest != info_.name)
            return false;
        const logic::LogicPath path =
            logic::explainPath(kind_, puzzle, {}, {}, turnedOn_, info_.technique);
        return std::ranges::any_of(path.steps, [this](const logic::Step& step) {
            return step.technique == info_.technique;
        });
    }

  private:
    const GridKind& kind_;
    const TechniqueInfo& info_;
    logic::OptionalTechniques turnedOn_;
    std::vector<TechniqueInfo> order_;
};

}  // namespace

logic::OptionalTechniques practiceTurnedOn(logic::Technique technique) {
    if (logic::techniqueInfo(technique).rating.tier == logic::kOptionalTier) return {technique};
    return {};
}

logic::PuzzleRating practiceRating(const GridKind& kind, const std::vector<int>& puzzle,
                                   logic::Technique technique) {
    return Practice(kind, technique).rate(puzzle);
}

bool needsTechnique(const GridKind& kind, const std::vector<int>& puzzle,
                    logic::Technique technique) {
    const Practice practice(kind, technique);
    return practice.accepts(puzzle, practice.rate(puzzle));
}

PracticePuzzle generateNeeding(const GridKind& kind, logic::Technique technique,
                               RandomSource& random, int maxGrids, const AimPoll& poll) {
    const Practice practice(kind, technique);
    const AimGoal goal{
        practice.band(),
        [&practice](const std::vector<int>& puzzle) { return practice.rateUpTo(puzzle); },
        [&practice](const std::vector<int>& puzzle, const logic::PuzzleRating& rating) {
            return practice.accepts(puzzle, rating);
        }};
    const int patternSize = exposedCountFor(kind, logic::levelOfRating(goal.band.low));
    const ProgramState session;  // never stopped: the poll stops the search
    PracticePuzzle result;
    while (result.grids < maxGrids) {
        ++result.grids;
        std::optional<std::vector<int>> solution = fillRandomGrid(kind, random, session);
        if (!solution) break;
        std::vector<int> givens(solution->size(), 0);
        for (const int cell : drawGivensPattern(kind, patternSize, random))
            givens[cell - 1] = (*solution)[cell - 1];
        AimedPuzzle aimed =
            aimAtGoal(kind, givens, *solution, goal, random, poll, aimRatingBudget(kind));
        if (aimed.stopped) {
            result.stopped = true;
            break;
        }
        if (aimed.reached) {
            result.found = true;
            result.puzzle = std::move(aimed.puzzle);
            result.solution = std::move(*solution);
            break;
        }
    }
    return result;
}

std::string practiceMissedText(std::string_view technique, int grids) {
    return "No puzzle needing " + std::string(technique) + " found in " + std::to_string(grids) +
           (grids == 1 ? " full grid" : " full grids");
}

}  // namespace quorvel
