#pragma once
// The fill gauge of a grid window: how full and how consistent the grid is, from the deficit D
// of the row and column sums (see Board::checkConsistency).

#include <string>

#include "model/grid_kind.h"

namespace quorvel {

// Gauge width in twips for a deficit: (M - |D|) / M of the full width, halves to even.
int gaugeWidthFor(const GridKind& kind, int deficit);
// The gauge's percent label for a gauge width: the rounded percent's digits each after a blank,
// five blanks before and " %" after ("      5 7 %" for 57).
std::string percentTextFor(const GridKind& kind, int gaugeWidth);

}  // namespace quorvel
