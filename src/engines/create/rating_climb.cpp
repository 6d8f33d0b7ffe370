#include "engines/create/rating_climb.h"

#include <set>
#include <utility>

#include "engines/create/generate_puzzle.h"
#include "engines/create/givens_pattern.h"
#include "engines/create/known_puzzles.h"
#include "engines/create/level_aim.h"
#include "engines/solver/solution_count.h"

namespace quorvel {

namespace {

std::vector<std::size_t> givenIndices(const std::vector<int>& puzzle) {
    std::vector<std::size_t> indices;
    for (std::size_t index = 0; index < puzzle.size(); ++index)
        if (puzzle[index] != 0) indices.push_back(index);
    return indices;
}

// Higher on the scale, or as high with more work on the way (the score of the rating path).
bool higher(const logic::PuzzleRating& a, const logic::PuzzleRating& b) {
    return a.rating != b.rating ? a.rating > b.rating : a.score > b.score;
}

// The climbs on one search: the current puzzle and its rating, the best of the climb, and the
// puzzles rated on the way (none is rated twice in a climb).
class Climb {
  public:
    Climb(const GridKind& kind, const logic::RatingBand& band, RandomSource& random)
        : kind_(kind), band_(band), random_(random) {}

    // Climbs from `start`; true when it found a new puzzle in the band, which best() then is.
    // Otherwise best() is the highest puzzle the climb rated.
    bool run(const std::vector<int>& start, const logic::PuzzleRating& rating) {
        current_ = best_ = start;
        rating_ = bestRating_ = rating;
        seen_ = {start};
        if (accepted(best_, bestRating_)) return true;
        for (int stale = 0; stale < kStaleLimit; ++stale) {
            std::vector<int> next = neighbour();
            if (!seen_.insert(next).second) continue;
            logic::PuzzleRating nextRating = logic::ratePuzzle(kind_, next);
            if (higher(rating_, nextRating)) continue;
            if (higher(nextRating, rating_)) stale = -1;
            current_ = std::move(next);
            rating_ = std::move(nextRating);
            if (higher(rating_, bestRating_) || accepted(current_, rating_)) {
                best_ = current_;
                bestRating_ = rating_;
            }
            if (accepted(best_, bestRating_)) return true;
        }
        return false;
    }

    const std::vector<int>& best() const { return best_; }
    const logic::PuzzleRating& bestRating() const { return bestRating_; }

  private:
    bool accepted(const std::vector<int>& puzzle, const logic::PuzzleRating& rating) const {
        return logic::bandOffset(rating, band_) == 0 && !isKnownPuzzle(kind_, puzzle);
    }

    // Takes givens away, fills in where two solutions differ until one is left, and thins out
    // to a minimal puzzle.
    std::vector<int> neighbour() {
        std::vector<int> next = current_;
        std::vector<std::size_t> givens = givenIndices(next);
        const std::size_t takeAway = 1 + drawBelow(random_, kMostTakenAway);
        for (std::size_t taken = 0; taken < takeAway && !givens.empty(); ++taken) {
            const std::size_t pick = drawBelow(random_, givens.size());
            next[givens[pick]] = 0;
            givens.erase(givens.begin() + static_cast<std::ptrdiff_t>(pick));
        }
        while (true) {
            const SolutionCount count = countSolutions(kind_, next, 2);
            if (count.count < 2) break;
            const std::vector<int> differ = differingCells(count);
            const auto index =
                static_cast<std::size_t>(differ[drawBelow(random_, differ.size())] - 1);
            next[index] =
                (random_.uniform() < 0.5 ? count.firstSolution : count.secondSolution)[index];
        }
        givens = givenIndices(next);
        shuffle(givens, random_);
        for (const std::size_t index : givens) {
            const int value = next[index];
            next[index] = 0;
            if (countSolutions(kind_, next, 2).count != 1) next[index] = value;
        }
        return next;
    }

    const GridKind& kind_;
    const logic::RatingBand& band_;
    RandomSource& random_;
    std::vector<int> current_;
    logic::PuzzleRating rating_;
    std::vector<int> best_;
    logic::PuzzleRating bestRating_;
    std::set<std::vector<int>> seen_;
};

}  // namespace

ClimbedPuzzle climbToBand(const GridKind& kind, const logic::RatingBand& band, RandomSource& random,
                          int maxGrids) {
    const logic::RatingBand startBand{kClimbStart};
    const ProgramState session;  // never stopped
    const auto always = [](int) { return true; };
    ClimbedPuzzle found;
    Climb climb(kind, band, random);
    // Keeps the climb's best when it is higher than the best so far; true when it is accepted.
    const auto record = [&found, &climb](bool reached) {
        if (reached || found.puzzle.empty() || higher(climb.bestRating(), found.rating)) {
            found.puzzle = climb.best();
            found.rating = climb.bestRating();
        }
        found.reached = reached;
        return reached;
    };
    while (found.grids < maxGrids && !found.reached) {
        ++found.grids;
        const std::optional<std::vector<int>> solution = fillRandomGrid(kind, random, session);
        if (!solution) break;
        std::vector<int> pattern(solution->size(), 0);
        for (const int cell : drawGivensPattern(kind, exposedCountFor(kind, 4), random))
            pattern[static_cast<std::size_t>(cell - 1)] =
                (*solution)[static_cast<std::size_t>(cell - 1)];
        const AimedPuzzle start =
            aimAtBand(kind, pattern, *solution, startBand, random, always, aimRatingBudget(kind));
        if (record(climb.run(start.puzzle, start.rating))) break;
        for (int again = 0; again < kClimbsFromBest; ++again) {
            const std::vector<int> from = found.puzzle;
            const logic::PuzzleRating rating = found.rating;
            if (record(climb.run(from, rating))) break;
        }
    }
    if (!found.puzzle.empty()) found.solution = countSolutions(kind, found.puzzle, 1).firstSolution;
    return found;
}

}  // namespace quorvel
