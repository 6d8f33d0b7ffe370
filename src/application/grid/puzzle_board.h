#pragma once
// Moving a puzzle between its line form and a Board.

#include <vector>

#include "application/grid/board.h"

namespace quorvel {

// Puts givens into an empty board as loading a stored puzzle does: each cell through setCellValue,
// filled cells locked as givens (red digits), focus to cell 1, then the consistency check.
void loadGivens(Board& board, const std::vector<int>& values);
// What the cells show, one value per cell (index 0 is cell 1; 0 = empty).
std::vector<int> shownValues(const Board& board);

}  // namespace quorvel
