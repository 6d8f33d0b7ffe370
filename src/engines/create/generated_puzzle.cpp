#include "engines/create/generated_puzzle.h"

#include <cstdlib>

#include "engines/create/generate_puzzle.h"
#include "engines/create/givens_pattern.h"
#include "engines/create/known_puzzles.h"
#include "engines/create/level_aim.h"
#include "engines/create/rating_climb.h"
#include "engines/solver/solution_count.h"

namespace quorvel {

namespace {

GeneratedPuzzle generate(const GridKind& kind, int level, RandomSource& random,
                         const std::optional<logic::RatingBand>& band) {
    const std::vector<int> pattern = drawGivensPattern(kind, exposedCountFor(kind, level), random);
    const ProgramState session;  // never stopped
    GeneratedPuzzle result;
    std::optional<std::vector<int>> solution = fillRandomGrid(kind, random, session);
    if (!solution) return result;
    result.made = true;
    result.solution = std::move(*solution);
    result.puzzle.assign(result.solution.size(), 0);
    for (const int cell : pattern)
        result.puzzle[cell - 1] = result.solution[cell - 1];
    if (band) {
        AimedPuzzle aimed = aimAtBand(
            kind, result.puzzle, result.solution, *band, random, [](int) { return true; },
            aimRatingBudget(kind));
        result.puzzle = std::move(aimed.puzzle);
        if (aimed.reached) result.rating = std::move(aimed.rating);
    }
    for (const int value : result.puzzle)
        result.givens += value != 0 ? 1 : 0;
    result.unique = countSolutions(kind, result.puzzle, 2).count == 1;
    return result;
}

}  // namespace

GeneratedPuzzle generatePuzzle(const GridKind& kind, int level, RandomSource& random, bool unique) {
    return generate(kind, level, random,
                    unique ? std::optional(logic::levelBand(level)) : std::nullopt);
}

GeneratedPuzzle generatePuzzle(const GridKind& kind, const logic::RatingBand& band,
                               RandomSource& random) {
    return generate(kind, logic::levelOfRating(band.low), random, band);
}

namespace {

BandPuzzle climbInBand(const GridKind& kind, const logic::RatingBand& band, RandomSource& random,
                       int maxGrids) {
    ClimbedPuzzle climbed = climbToBand(kind, band, random, maxGrids);
    BandPuzzle result;
    result.made.made = !climbed.puzzle.empty();
    for (const int value : climbed.puzzle)
        result.made.givens += value != 0 ? 1 : 0;
    result.made.unique = result.made.made;
    result.made.puzzle = std::move(climbed.puzzle);
    result.made.solution = std::move(climbed.solution);
    result.rating = std::move(climbed.rating);
    result.grids = climbed.grids;
    result.reached = climbed.reached;
    return result;
}

}  // namespace

BandPuzzle generateInBand(const GridKind& kind, const logic::RatingBand& band, RandomSource& random,
                          int maxGrids) {
    if (kind.isNine() && band.low >= kClimbFrom) return climbInBand(kind, band, random, maxGrids);
    BandPuzzle best;
    while (best.grids < maxGrids) {
        ++best.grids;
        GeneratedPuzzle made = generatePuzzle(kind, band, random);
        logic::PuzzleRating rating = logic::ratePuzzle(kind, made.puzzle);
        const int offset = std::abs(logic::bandOffset(rating, band));
        const bool reached = offset == 0 && !isKnownPuzzle(kind, made.puzzle);
        if (best.grids == 1 || reached || offset < std::abs(logic::bandOffset(best.rating, band))) {
            best.made = std::move(made);
            best.rating = std::move(rating);
            best.reached = reached;
        }
        if (reached) break;
    }
    return best;
}

}  // namespace quorvel
