#pragma once
// The pattern of givens of a computer generated puzzle: cells marked at random in
// point-symmetric pairs, as many as the level asks for. The marked cells become the givens, so
// the generator keeps exactly their values.

#include <vector>

#include "engines/create/random_source.h"
#include "model/grid_kind.h"

namespace quorvel {

// Cells to mark by level: 32, 30, 28, 26 on the 9x9 grid and 116, 114, 110, 106 on the 15x15
// grid for levels 1..4. A level outside 1..4 is taken as the nearest of them.
int exposedCountFor(const GridKind& kind, int level);

// Draws the pattern: a cell k in 1..N*N-1 at random; a cell already marked starts the draw
// again; otherwise k is marked and counted, and while the count is below `exposedCount` its
// mirror N*N+1-k is marked and counted too. The centre cell is its own mirror and so counts
// twice. Returns the distinct marked cells in the order they were marked.
std::vector<int> drawGivensPattern(const GridKind& kind, int exposedCount, RandomSource& random);

}  // namespace quorvel
