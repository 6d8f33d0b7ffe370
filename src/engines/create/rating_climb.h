#pragma once
// Puzzles at the top of the rating scale, which random full grids thinned out almost never give:
// a search that starts from a hard puzzle it made and keeps changing givens while the puzzles
// climb.
//
// Each search starts on a fresh full grid with the level aim (engines/create/level_aim.h) steered
// at kClimbStart and above, which gives a puzzle with a forcing chain or net in a few hundred
// ratings. The puzzles found go into a pool, highest standing first (engines/create/net_standing.h:
// the depth of the nets that solve it, then how few conclusions the deepest of them has). Over and
// over the highest puzzle is taken out of the pool and its neighbours are looked at, in random
// order:
//   - one given taken away and one value added in another cell, where the two leave one solution;
//   - then givens that the puzzle no longer needs taken away, in random order (minimal puzzles
//     are the hard ones).
// A neighbour needing shallower nets than the puzzle it comes from is left out; one standing at
// least as high is rated (the standing costs a fraction of a rating); the others go into the pool
// unrated. After kStaleLimit neighbours without one standing higher than the best of the search,
// the search ends and the next starts on a fresh full grid. The first puzzle rated in the band
// that is new (engines/create/known_puzzles.h) ends the whole. The givens are in no pattern.
//
// Everything is counted, nothing is timed, so one seed always gives the same puzzle.

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
// Neighbours looked at without one standing higher than the best of the search before it ends.
inline constexpr int kStaleLimit = 10000;

struct ClimbedPuzzle {
    bool reached = false;        // a new puzzle rated in the band was found
    std::vector<int> puzzle;     // that puzzle, or the highest rated one found (0 = empty)
    std::vector<int> solution;   // its one solution
    logic::PuzzleRating rating;  // of `puzzle`
    int grids = 0;               // full grids generated (one per search)
};

// Searches on at most `maxGrids` full grids of the 9 x 9 grid towards `band`.
ClimbedPuzzle climbToBand(const GridKind& kind, const logic::RatingBand& band, RandomSource& random,
                          int maxGrids);

}  // namespace quorvel
