#pragma once
// What a screen reader says for a cell of a grid window: its place, what it shows and whether it
// is a given ("row 3, column 4, 7, given"), the notes of an empty cell and those the grid
// contradicts ("row 9, column 9, empty, notes 2 7, note 7 contradicts the grid"), and a
// description of the cell and how to fill it.

#include <string>

#include "application/grid/board.h"
#include "model/grid_kind.h"

namespace quorvel {

std::string cellAccessibleName(const GridKind& kind, int cell, const CellView& shown,
                               ValueMask notes = 0, ValueMask contradicted = 0);
std::string cellAccessibleDescription(const GridKind& kind, int cell);

}  // namespace quorvel
