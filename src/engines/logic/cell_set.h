#pragma once
// Sets of cells as bits (cells 1..225), for finders that intersect "the cells seeing all of
// these" many times a step: four machine words instead of lists, so the tests cost no
// allocation.

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "engines/logic/logic_grid.h"

namespace quorvel::logic {

class CellSet {
  public:
    void insert(int cell) { words_[cell >> 6] |= std::uint64_t{1} << (cell & 63); }
    bool contains(int cell) const { return (words_[cell >> 6] >> (cell & 63)) & 1u; }
    void erase(int cell) { words_[cell >> 6] &= ~(std::uint64_t{1} << (cell & 63)); }
    bool empty() const { return (words_[0] | words_[1] | words_[2] | words_[3]) == 0; }
    // The only cell, 0 when empty, -1 when there are several.
    int single() const {
        int found = 0;
        for (int i = 0; i < kWords; ++i) {
            const std::uint64_t word = words_[i];
            if (word == 0) continue;
            if (found != 0 || (word & (word - 1)) != 0) return -1;
            found = i * 64 + std::countr_zero(word);
        }
        return found;
    }
    int count() const {
        int n = 0;
        for (const std::uint64_t word : words_)
            n += std::popcount(word);
        return n;
    }
    // The lowest cell, or 0 when empty.
    int first() const {
        for (int i = 0; i < kWords; ++i)
            if (words_[i] != 0) return i * 64 + std::countr_zero(words_[i]);
        return 0;
    }
    bool intersects(const CellSet& other) const {
        for (int i = 0; i < kWords; ++i)
            if ((words_[i] & other.words_[i]) != 0) return true;
        return false;
    }
    CellSet& operator&=(const CellSet& other) {
        for (int i = 0; i < kWords; ++i)
            words_[i] &= other.words_[i];
        return *this;
    }
    CellSet& operator|=(const CellSet& other) {
        for (int i = 0; i < kWords; ++i)
            words_[i] |= other.words_[i];
        return *this;
    }
    // Removes the cells of `other`.
    CellSet& operator-=(const CellSet& other) {
        for (int i = 0; i < kWords; ++i)
            words_[i] &= ~other.words_[i];
        return *this;
    }
    friend CellSet operator&(CellSet a, const CellSet& b) { return a &= b; }
    friend CellSet operator|(CellSet a, const CellSet& b) { return a |= b; }
    friend CellSet operator-(CellSet a, const CellSet& b) { return a -= b; }
    auto operator<=>(const CellSet&) const = default;

    // Calls visit(cell) for each cell, ascending.
    template <typename Visit>
    void forEach(const Visit& visit) const {
        for (int i = 0; i < kWords; ++i)
            for (std::uint64_t rest = words_[i]; rest != 0; rest &= rest - 1)
                visit(i * 64 + std::countr_zero(rest));
    }

  private:
    static constexpr int kWords = 4;
    static_assert(kWords * 64 > kMaxCells);
    std::array<std::uint64_t, kWords> words_{};
};

using PeerSets = std::array<CellSet, kMaxCells + 1>;
using UnitSets = std::array<CellSet, 3 * kMaxSide>;
PeerSets buildPeerSets(const GridKind& kind);
UnitSets buildUnitSets(const GridKind& kind);
// Built once before main (no other static's start-up reads them): the nets look them up for every
// candidate they remove, too often for the guard of a function's static.
inline const PeerSets kNinePeerSets = buildPeerSets(kNineGrid);
inline const PeerSets kFifteenPeerSets = buildPeerSets(kFifteenGrid);
inline const UnitSets kNineUnitSets = buildUnitSets(kNineGrid);
inline const UnitSets kFifteenUnitSets = buildUnitSets(kFifteenGrid);

// The peers of a cell, as a set.
inline const CellSet& peerSet(const GridKind& kind, int cell) {
    return kind.isNine() ? kNinePeerSets[cell] : kFifteenPeerSets[cell];
}
// The cells of a unit (numbered as in LogicGrid), as a set.
inline const CellSet& unitSet(const GridKind& kind, int unit) {
    return kind.isNine() ? kNineUnitSets[unit] : kFifteenUnitSets[unit];
}
// The empty cells holding `value` as a candidate.
CellSet candidateCells(const LogicGrid& grid, int value);
// The cells that see every cell of `cells` (none of `cells` itself).
CellSet seeingAll(const GridKind& kind, const CellSet& cells);
// The cells of a set as a list, ascending.
std::vector<int> cellsOf(const CellSet& cells);

}  // namespace quorvel::logic
