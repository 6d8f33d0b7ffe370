#pragma once
// The user's colouring of a grid: each cell and each single candidate (a note) may carry one of
// four colours, in two pairs (1 and 2, 3 and 4), as a player marks the two sides of a chain by
// hand. 0 is no colour. The text form "3:1 12:4 40/7:2" names a coloured cell as "cell:colour"
// and a coloured note as "cell/value:colour", cells ascending, a cell before its notes.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/grid_kind.h"
#include "model/units.h"

namespace quorvel {

inline constexpr int kColouringColours = 4;

struct Colouring {
    std::array<std::uint8_t, kMaxCells + 1> cells{};
    std::array<std::array<std::uint8_t, 16>, kMaxCells + 1> notes{};

    bool empty() const { return *this == Colouring{}; }
    bool operator==(const Colouring&) const = default;
};

std::string formatColouring(const Colouring& colouring);
// The colouring of a grid of `kind`; a part naming no cell of the grid, a value outside 1..N or
// a colour outside 1..4 is skipped.
Colouring parseColouring(std::string_view text, const GridKind& kind);

}  // namespace quorvel
