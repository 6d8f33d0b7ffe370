#pragma once
// The cell field specification: the text each cell carries in its tag, naming the cells the
// navigation keys move to, the value's format and its range. `tagCell` writes it at every focus;
// navigation, range check and formatting read it back with the readers below.

#include <optional>
#include <string>
#include <string_view>

#include "model/grid_kind.h"

namespace quorvel {

// What a cell carries before it was first focused: no key moves, no range.
inline constexpr std::string_view kDesignCellSpec = "::::: #1::3# (1)";

// Navigation fields in the order they are written.
enum class NavField { Left = 1, Right = 2, Up = 3, Down = 4, Enter = 5 };

// The specification `tagCell` writes for `cell` (1..N*N) of a grid of `kind`.
std::string buildCellSpec(const GridKind& kind, int cell);

// The trimmed text of a navigation field; "0" for every field of a specification whose
// navigation part is empty, "" for a field the text does not reach.
std::string specNavigationText(std::string_view spec, NavField field);

// The target cell of a navigation field; 0 means no move (also for "" and for text that is not
// a number).
int specNavigationTarget(std::string_view spec, NavField field);

// The number of decimals of the format part (0 when empty or absent).
int specDecimals(std::string_view spec);

struct SpecRange {
    std::string min;
    std::string max;
};
// The range texts between "[" ";" "]"; nothing when the specification has no "[" (or no ";"
// after it, which no builder writes).
std::optional<SpecRange> specRangeOf(std::string_view spec);

}  // namespace quorvel
