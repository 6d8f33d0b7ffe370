#pragma once
// How far a puzzle stands from needing deeper forcing nets (engines/logic/net.h), for the climb to
// the top of the rating scale (engines/create/rating_climb.h). At the top a puzzle's rating comes
// from the deepest net its rating path needs (half a point for each depth; the net's length adds
// only tenths), and puzzles of one depth are many. So the climb compares:
//   - the depth: the shallowest at which nets solve the puzzle, each round removing every
//     candidate whose assumption leads such a net to a contradiction and placing every one whose
//     removal does, starting at forcing chains (logic::kChainDepth) and going one depth deeper
//     where the last one stops;
//   - the conclusions: how many candidates that deepest net removes or places in its first round,
//     on the grid where the shallower nets stopped. The fewer there are, the closer the puzzle is
//     to needing a net one deeper (with none, it would need one).
// Nets of a depth conclude at least as much after more removals, so the nets the rating path
// needs are about as deep. Finding the standing costs a fraction of a rating.

#include <vector>

#include "model/grid_kind.h"

namespace quorvel {

// Deeper than this the standing does not look (nets nested twice or more).
inline constexpr int kDeepestStanding = 2;

struct NetStanding {
    int depth = 0;  // logic::kChainDepth .. kDeepestStanding + 1 (nothing that deep solves it)
    int conclusions = 0;  // of the first round at that depth
    // Deeper first, then fewer conclusions.
    bool higherThan(const NetStanding& other) const {
        return depth != other.depth ? depth > other.depth : conclusions < other.conclusions;
    }
};

// The standing of a puzzle with one solution.
NetStanding netStanding(const GridKind& kind, const std::vector<int>& puzzle);

}  // namespace quorvel
