#include "engines/create/rating_climb.h"

#include <queue>
#include <set>
#include <utility>

#include "engines/create/generate_puzzle.h"
#include "engines/create/givens_pattern.h"
#include "engines/create/known_puzzles.h"
#include "engines/create/level_aim.h"
#include "engines/create/net_standing.h"
#include "engines/solver/solution_count.h"

namespace quorvel {

namespace {

std::vector<std::size_t> givenIndices(const std::vector<int>& puzzle) {
    std::vector<std::size_t> indices;
    for (std::size_t index = 0; index < puzzle.size(); ++index)
        if (puzzle[index] != 0) indices.push_back(index);
    return indices;
}

struct Entry {
    NetStanding standing;
    int order = 0;  // of equal standings the older is taken first
    std::vector<int> puzzle;
    // The pool takes the highest first.
    bool operator<(const Entry& other) const {
        if (standing.higherThan(other.standing)) return false;
        if (other.standing.higherThan(standing)) return true;
        return order > other.order;
    }
};

// The searches from start puzzles: the pool of the present search (the highest taken first),
// every puzzle it has seen (none is looked at twice), and the highest rated puzzle of all
// searches.
class Climb {
  public:
    Climb(const GridKind& kind, const logic::RatingBand& band, RandomSource& random)
        : kind_(kind), band_(band), random_(random) {}

    // Searches from `start`; true when it found a new puzzle in the band, which best() then is.
    bool run(const std::vector<int>& start) {
        pool_ = {};
        seen_ = {start};
        stale_ = 0;
        bestStanding_ = netStanding(kind_, start);
        if (rate(start)) return true;
        pool_.push({bestStanding_, order_++, start});
        while (!pool_.empty() && stale_ < kStaleLimit) {
            const Entry from = pool_.top();
            pool_.pop();
            for (const std::vector<int>& next : vicinity(from.puzzle)) {
                if (stale_ >= kStaleLimit) break;
                if (!seen_.insert(next).second) continue;
                ++stale_;
                const NetStanding standing = netStanding(kind_, next);
                if (standing.depth < from.standing.depth) continue;
                if (!from.standing.higherThan(standing) && rate(next)) return true;
                if (standing.higherThan(bestStanding_)) {
                    bestStanding_ = standing;
                    stale_ = 0;
                }
                pool_.push({standing, order_++, next});
            }
        }
        return false;
    }

    const std::vector<int>& best() const { return best_; }
    const logic::PuzzleRating& bestRating() const { return bestRating_; }

  private:
    // Rates a puzzle, keeping it when it is the highest rated so far; true when it is new and in
    // the band.
    bool rate(const std::vector<int>& puzzle) {
        logic::PuzzleRating rating = logic::ratePuzzle(kind_, puzzle);
        const bool reached = logic::bandOffset(rating, band_) == 0 && !isKnownPuzzle(kind_, puzzle);
        if (reached || best_.empty() || rating.rating > bestRating_.rating) {
            best_ = puzzle;
            bestRating_ = std::move(rating);
        }
        return reached;
    }

    // The puzzles with one solution that taking one given away and adding one elsewhere make,
    // each thinned out to a minimal puzzle; in random order.
    std::vector<std::vector<int>> vicinity(const std::vector<int>& puzzle) {
        std::vector<std::vector<int>> found;
        std::vector<int> next = puzzle;
        for (const std::size_t taken : givenIndices(puzzle)) {
            next[taken] = 0;
            for (std::size_t added = 0; added < next.size(); ++added) {
                if (next[added] != 0 || added == taken) continue;
                for (int value = 1; value <= kind_.side; ++value) {
                    next[added] = value;
                    if (countSolutions(kind_, next, 2).count == 1) found.push_back(next);
                }
                next[added] = 0;
            }
            next[taken] = puzzle[taken];
        }
        shuffle(found, random_);
        for (std::vector<int>& each : found)
            thinOut(each);
        return found;
    }

    // Takes away, in random order, the givens the puzzle does not need for one solution.
    void thinOut(std::vector<int>& puzzle) {
        std::vector<std::size_t> givens = givenIndices(puzzle);
        shuffle(givens, random_);
        for (const std::size_t index : givens) {
            const int value = puzzle[index];
            puzzle[index] = 0;
            if (countSolutions(kind_, puzzle, 2).count != 1) puzzle[index] = value;
        }
    }

    const GridKind& kind_;
    const logic::RatingBand& band_;
    RandomSource& random_;
    std::priority_queue<Entry> pool_;
    std::set<std::vector<int>> seen_;
    NetStanding bestStanding_;
    int stale_ = 0;  // puzzles looked at since the best standing of the search rose
    int order_ = 0;
    std::vector<int> best_;
    logic::PuzzleRating bestRating_;
};

}  // namespace

ClimbedPuzzle climbToBand(const GridKind& kind, const logic::RatingBand& band, RandomSource& random,
                          int maxGrids) {
    const logic::RatingBand startBand{kClimbStart};
    const ProgramState session;  // never stopped
    const auto always = [](int) { return true; };
    ClimbedPuzzle found;
    Climb climb(kind, band, random);
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
        found.reached = climb.run(start.puzzle);
    }
    if (!climb.best().empty()) {
        found.puzzle = climb.best();
        found.rating = climb.bestRating();
        found.solution = countSolutions(kind, found.puzzle, 1).firstSolution;
    }
    return found;
}

}  // namespace quorvel
