#pragma once
// Aims a generated puzzle at a band of the computed rating (engines/logic/puzzle_rating.h), a
// level's band or any other, while it keeps exactly one solution and a point-symmetric pattern of
// givens.
//
// One try starts from a pattern of givens taken from the full grid: givens are added until the
// puzzle is unique (engines/create/unique_givens.h); while it rates above the level, a random
// symmetric pair of givens is added (more givens rarely make a puzzle harder for the logic
// solver); while it rates below, symmetric pairs of givens are taken away in random order, each
// removal kept only when the puzzle stays unique and rates no higher than the band (fewer givens
// make it harder). The first try uses the pattern it is given, the later ones fresh patterns of
// the size of the level the band starts in, on the same full grid. Tries stop at the first
// puzzle rated in the band, or when the rating budget runs out; the closest puzzle found is
// kept.
//
// Everything is counted, nothing is timed, so one seed always gives the same puzzle.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engines/create/random_source.h"
#include "engines/logic/puzzle_rating.h"
#include "model/grid_kind.h"

namespace quorvel {

// Called before each rating with the number of the try (from 1); returning false stops the aim.
// The program lets pending window events run here, so Stop can be chosen.
using AimPoll = std::function<bool(int attempt)>;

// Puzzles rated at most, over all tries, for each grid kind: enough to reach every level on
// nearly every full grid while the slowest generation stays well under a second (measured in
// docs/performance.md).
int aimRatingBudget(const GridKind& kind);

struct AimedPuzzle {
    std::vector<int> puzzle;     // the givens (0 = empty), index 0 is cell 1
    logic::PuzzleRating rating;  // of `puzzle`
    bool reached = false;        // the goal accepted `puzzle`
    bool stopped = false;        // the poll stopped the aim: the caller drops `puzzle`
};

// `givens` holds the pattern's values (0 = empty) and `solution` the full grid they come from.
AimedPuzzle aimAtBand(const GridKind& kind, const std::vector<int>& givens,
                      const std::vector<int>& solution, const logic::RatingBand& band,
                      RandomSource& random, const AimPoll& poll, int ratingBudget);

// An aim at more than a band: `rate` rates each puzzle tried, the band steers (givens are added
// above it and taken away within and below it), and the aim ends at the first puzzle `accepts`
// takes. aimAtBand is the goal that rates as ratePuzzle does and takes any puzzle in the band.
struct AimGoal {
    logic::RatingBand band;
    std::function<logic::PuzzleRating(const std::vector<int>& puzzle)> rate;
    std::function<bool(const std::vector<int>& puzzle, const logic::PuzzleRating& rating)> accepts;
};
AimedPuzzle aimAtGoal(const GridKind& kind, const std::vector<int>& givens,
                      const std::vector<int>& solution, const AimGoal& goal, RandomSource& random,
                      const AimPoll& poll, int ratingBudget);

// What the message line says while the aim runs ("Aiming at Hard: try 2"), and when it ends
// short of the level ("No Hard puzzle found: kept the closest, rated Medium.").
inline constexpr std::string_view kAimProgressLead = "Aiming at ";
std::string aimProgressText(int target, int attempt);
std::string aimMissedText(int target, const logic::PuzzleRating& closest);

}  // namespace quorvel
