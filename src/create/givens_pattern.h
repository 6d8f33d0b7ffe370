#pragma once
// The pattern of givens of a computer generated puzzle: cells marked at random in
// point-symmetric pairs, as many as the level asks for. The marked cells are locked, so the
// generator keeps exactly their values.

#include <vector>

#include "create/random_source.h"
#include "model/board.h"
#include "model/grid_kind.h"

namespace quorvel {

// Cells to mark by level: 32, 30, 28, 26 on the 9x9 grid and 116, 114, 110, 106 on the 15x15
// grid for levels 1..4. A level outside 1..4 is taken as the nearest of them.
int ExposedCountFor(const GridKind& kind, int level);

// Draws the pattern: a cell k in 1..N*N-1 at random; a cell already marked starts the draw
// again; otherwise k is marked and counted, and while the count is below `exposedCount` its
// mirror N*N+1-k is marked and counted too. The centre cell is its own mirror and so counts
// twice. Returns the distinct marked cells in the order they were marked.
std::vector<int> DrawGivensPattern(const GridKind& kind, int exposedCount, RandomSource& random);

// Every cell white with blue text; then the pattern's cells get the marked back colour, red text
// and are locked. Each cell keeps its back colour for the create layout too (see CellView).
void ApplyGivensPattern(Board& board, const std::vector<int>& cells);

// One cell of the pattern: marked back colour (kept for the create layout), red text, locked.
void MarkPatternCell(Board& board, int cell);
// Undoes it: white back (kept for the create layout), blue text, unlocked.
void UnmarkPatternCell(Board& board, int cell);

}  // namespace quorvel
