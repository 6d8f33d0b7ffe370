#pragma once
// Puzzles at the top of the rating scale, which random full grids thinned out almost never give:
// a local search that starts from a hard puzzle it made and keeps changing givens while the
// rating climbs.
//
// Each climb starts on a fresh full grid with the level aim (engines/create/level_aim.h) steered
// at kClimbStart and above, which gives a puzzle with a forcing chain or net in a few hundred
// ratings. Then, over and over, a neighbour of the current puzzle is made:
//   - one or two of its givens are taken away;
//   - while more than one solution remains, a cell where two of them differ receives the value
//     one of the two gives it (so the puzzle may move to another full grid);
//   - givens that the puzzle no longer needs for one solution are taken away, in random order
//     (minimal puzzles are the hard ones).
// The neighbour replaces the current puzzle when it rates at least as high (of equal ratings the
// higher score, the more work on the rating path, counts as higher; an equal one lets the climb
// walk along a plateau). After kStaleLimit neighbours in a row without a higher one the climb
// ends; kClimbsFromBest more climbs start from the best puzzle of the search so far, and then a
// fresh full grid. The first puzzle rated in the band that is new (engines/create/known_puzzles.h)
// ends the search. The givens are in no pattern.
//
// Everything is counted, nothing is timed, so one seed always gives the same puzzle.

#include <cstddef>
#include <vector>

#include "engines/create/random_source.h"
#include "engines/logic/puzzle_rating.h"
#include "model/grid_kind.h"

namespace quorvel {

// The climb runs for bands that start here (tenths) or higher; the level aim alone reaches the
// lower ones in a few full grids.
inline constexpr int kClimbFrom = 90;
// What the puzzle a climb starts from is aimed at.
inline constexpr int kClimbStart = 80;
// Neighbours in a row without a higher one before a climb ends.
inline constexpr int kStaleLimit = 300;
// Climbs from the best puzzle so far after each climb from a fresh full grid.
inline constexpr int kClimbsFromBest = 3;
// Givens taken away to make a neighbour: one to this many.
inline constexpr std::size_t kMostTakenAway = 2;

struct ClimbedPuzzle {
    bool reached = false;        // a new puzzle rated in the band was found
    std::vector<int> puzzle;     // that puzzle, or the highest rated one found (0 = empty)
    std::vector<int> solution;   // its one solution
    logic::PuzzleRating rating;  // of `puzzle`
    int grids = 0;               // full grids generated (one per climb)
};

// Climbs on at most `maxGrids` full grids of the 9 x 9 grid towards `band`.
ClimbedPuzzle climbToBand(const GridKind& kind, const logic::RatingBand& band, RandomSource& random,
                          int maxGrids);

}  // namespace quorvel
