#include "engines/create/level_aim.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <utility>

#include "engines/create/givens_pattern.h"
#include "engines/create/unique_givens.h"
#include "engines/logic/logic_solver.h"
#include "engines/logic/rating_scale.h"
#include "engines/solver/solution_count.h"

namespace quorvel {

namespace {

// What the tries share: the full grid, the goal, the rating budget and the poll.
class Aim {
  public:
    Aim(const GridKind& kind, const std::vector<int>& solution, const AimGoal& goal,
        RandomSource& random, const AimPoll& poll, int ratings)
        : kind_(kind),
          solution_(solution),
          goal_(goal),
          random_(random),
          poll_(poll),
          ratingsLeft_(ratings) {}

    bool stopped() const { return stopped_; }
    // The goal accepted the puzzle rated last.
    bool reached() const { return reached_; }
    bool budgetLeft() const { return ratingsLeft_ > 0 && !stopped_; }

    // Rates the puzzle; nothing when the poll says stop or the budget is spent.
    std::optional<logic::PuzzleRating> rate(const std::vector<int>& puzzle, int attempt) {
        if (!budgetLeft()) return std::nullopt;
        if (!poll_(attempt)) {
            stopped_ = true;
            return std::nullopt;
        }
        --ratingsLeft_;
        logic::PuzzleRating rating = goal_.rate(puzzle);
        reached_ = goal_.accepts(puzzle, rating);
        return rating;
    }

    // Makes `puzzle` unique and moves it towards the band; its rating, or nothing when the
    // aim was stopped or out of budget before the puzzle could be rated once.
    std::optional<logic::PuzzleRating> aimOnce(std::vector<int>& puzzle, int attempt) {
        addGivensUntilUnique(kind_, puzzle, solution_, random_);
        std::optional<logic::PuzzleRating> rating = rate(puzzle, attempt);
        if (!rating) return std::nullopt;
        if (reached_) return rating;
        while (offset(*rating) > 0) {
            const int added = addPair(puzzle);
            if (added < 0) break;
            std::optional<logic::PuzzleRating> easier = rate(puzzle, attempt);
            if (!easier) {  // the rating stays that of the puzzle without the pair
                puzzle[added] = 0;
                puzzle[mirror(added)] = 0;
                return rating;
            }
            rating = std::move(easier);
            if (reached_) return rating;
        }
        if (offset(*rating) <= 0) thinOut(puzzle, *rating, attempt);
        return rating;
    }

  private:
    int offset(const logic::PuzzleRating& rating) const {
        return logic::bandOffset(rating, goal_.band);
    }
    int mirror(int index) const { return kind_.cellCount() - 1 - index; }

    // Gives a random empty cell and its mirror their values; returns the cell's index, -1 when
    // no cell is empty.
    int addPair(std::vector<int>& puzzle) {
        std::vector<int> empty;
        for (int index = 0; index < kind_.cellCount(); ++index) {
            if (puzzle[index] == 0) empty.push_back(index);
        }
        if (empty.empty()) return -1;
        const int index = empty[drawBelow(random_, empty.size())];
        puzzle[index] = solution_[index];
        puzzle[mirror(index)] = solution_[mirror(index)];
        return index;
    }

    // Takes away symmetric pairs of givens in random order while the puzzle stays unique and
    // rates no higher than the band; stops as soon as the goal accepts it.
    void thinOut(std::vector<int>& puzzle, logic::PuzzleRating& rating, int attempt) {
        std::vector<int> pairs;  // the first cell index of each pair of givens
        for (int index = 0; index <= mirror(index); ++index) {
            if (puzzle[index] != 0) pairs.push_back(index);
        }
        shuffle(pairs, random_);
        for (const int index : pairs) {
            const int other = mirror(index);
            puzzle[index] = 0;
            puzzle[other] = 0;
            std::optional<logic::PuzzleRating> harder;
            if (countSolutions(kind_, puzzle, 2).count == 1) harder = rate(puzzle, attempt);
            if (harder && (reached_ || offset(*harder) <= 0)) {
                rating = std::move(*harder);
                if (reached_) return;
                continue;
            }
            puzzle[index] = solution_[index];
            puzzle[other] = solution_[other];
            if (!budgetLeft()) return;
        }
    }

    const GridKind& kind_;
    const std::vector<int>& solution_;
    const AimGoal& goal_;
    RandomSource& random_;
    const AimPoll& poll_;
    int ratingsLeft_;
    bool stopped_ = false;
    bool reached_ = false;
};

std::vector<int> freshPattern(const GridKind& kind, const std::vector<int>& solution, int givens,
                              RandomSource& random) {
    std::vector<int> puzzle(solution.size(), 0);
    for (const int cell : drawGivensPattern(kind, givens, random))
        puzzle[cell - 1] = solution[cell - 1];
    return puzzle;
}

}  // namespace

int aimRatingBudget(const GridKind& kind) {
    return kind.isNine() ? 1000 : 150;
}

AimedPuzzle aimAtBand(const GridKind& kind, const std::vector<int>& givens,
                      const std::vector<int>& solution, const logic::RatingBand& band,
                      RandomSource& random, const AimPoll& poll, int ratingBudget) {
    // Above the band the aim only needs to know that a puzzle is: its rating stops there.
    const std::vector<logic::TechniqueInfo> order = logic::ratingOrder();
    const AimGoal goal{band,
                       [&kind, &order, &band](const std::vector<int>& puzzle) {
                           return logic::ratePuzzleInOrder(logic::countState(kind, puzzle), order,
                                                           band.high);
                       },
                       [&band](const std::vector<int>&, const logic::PuzzleRating& rating) {
                           return logic::bandOffset(rating, band) == 0;
                       }};
    return aimAtGoal(kind, givens, solution, goal, random, poll, ratingBudget);
}

AimedPuzzle aimAtGoal(const GridKind& kind, const std::vector<int>& givens,
                      const std::vector<int>& solution, const AimGoal& goal, RandomSource& random,
                      const AimPoll& poll, int ratingBudget) {
    AimedPuzzle best;
    best.puzzle = givens;
    if (solution.size() != givens.size()) return best;
    const int patternSize = exposedCountFor(kind, logic::levelOfRating(goal.band.low));
    Aim aim(kind, solution, goal, random, poll, ratingBudget);
    bool found = false;
    for (int attempt = 1; aim.budgetLeft(); ++attempt) {
        std::vector<int> puzzle =
            attempt == 1 ? givens : freshPattern(kind, solution, patternSize, random);
        const std::optional<logic::PuzzleRating> rating = aim.aimOnce(puzzle, attempt);
        if (!rating) break;
        if (aim.reached() || !found ||
            std::abs(logic::bandOffset(*rating, goal.band)) <
                std::abs(logic::bandOffset(best.rating, goal.band))) {
            best.puzzle = std::move(puzzle);
            best.rating = *rating;
            found = true;
        }
        if (aim.reached()) break;
    }
    best.reached = aim.reached();
    best.stopped = aim.stopped();
    return best;
}

std::string aimProgressText(int target, int attempt) {
    return std::string(kAimProgressLead) + logic::levelName(target) + ": try " +
           std::to_string(attempt);
}

std::string aimMissedText(int target, const logic::PuzzleRating& closest) {
    return "No " + logic::levelName(target) + " puzzle found: kept the closest, rated " +
           logic::levelName(closest.level) + ".";
}

}  // namespace quorvel
