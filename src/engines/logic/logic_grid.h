#pragma once
// The logic solver's state: the grid's values and, per empty cell, the candidates still open,
// as bit masks. Units are numbered as in the unit tables: 0..N-1 rows, N..2N-1 columns,
// 2N..3N-1 blocks.

#include <array>
#include <bitset>
#include <cstdint>
#include <span>
#include <vector>

#include "model/grid_kind.h"
#include "model/units.h"

namespace quorvel::logic {

struct Step;

// Candidates numbered cell * 16 + value (a value fits in four bits), so a table indexed by
// candidate needs no search: kCandidateCount slots cover every cell of the larger grid.
inline constexpr int kCandidateCount = 16 * (kMaxCells + 1);
inline constexpr int candidateIndex(int cell, int value) {
    return cell * 16 + value;
}

class LogicGrid {
  public:
    // An empty grid: every cell open to every value.
    explicit LogicGrid(const GridKind& kind);
    // Values in cell order (index 0 is cell 1), 0 for empty. Each empty cell starts with the
    // values its row, column and block leave; values outside 1..N count as empty. With
    // `candidates` (a mask per cell in the same order, bit v for value v) it keeps only those of
    // them that are among its candidates there: a candidate state. `givens` (same order) tells
    // which values are the puzzle's givens; when empty, every value is.
    LogicGrid(const GridKind& kind, std::span<const int> values,
              std::span<const ValueMask> candidates = {}, const std::vector<bool>& givens = {});

    const GridKind& kind() const { return kind_; }
    int side() const { return kind_.side; }
    int cellCount() const { return kind_.cellCount(); }
    int unitCount() const { return 3 * kind_.side; }
    int emptyCount() const { return emptyCount_; }
    int value(int cell) const { return values_[cell]; }
    ValueMask candidates(int cell) const { return candidates_[cell]; }
    bool hasCandidate(int cell, int value) const { return (candidates_[cell] >> value) & 1u; }
    // The cells of a unit, ascending.
    std::span<const std::uint8_t> unitCells(int unit) const {
        return {tables_->unitCells[unit].data(), static_cast<std::size_t>(kind_.side)};
    }
    // Bit i set when the i-th cell of the unit holds candidate `value`. For a row the bits are
    // its columns, for a column its rows (both from bit 0).
    unsigned positions(int unit, int value) const;
    int rowUnit(int cell) const { return tables_->rowIndex[cell]; }
    int columnUnit(int cell) const { return side() + tables_->columnIndex[cell]; }
    int blockUnit(int cell) const { return 2 * side() + tables_->blockIndex[cell]; }
    // True when two different cells share a row, column or block.
    bool sees(int a, int b) const;
    std::span<const std::uint8_t> peers(int cell) const {
        return {tables_->peers[cell].data(), tables_->peerCount[cell]};
    }
    std::vector<int> values() const;
    // True for a cell holding one of the puzzle's givens; values placed later are not.
    bool given(int cell) const { return givens_[cell]; }
    // Set when the exact counter has shown that the grid's values have exactly one solution:
    // only then may the uniqueness techniques rest on it.
    bool oneSolution() const { return oneSolution_; }
    void setOneSolution(bool one) { oneSolution_ = one; }
    // A solution of the values within the candidates, when the caller found one (in cell order,
    // as the values; empty: none known). No step rests on it: the searches for contradictions
    // only pass over the assumptions it shows to be consistent, which cannot lead to one.
    void setSolution(std::span<const int> solution);
    // The cell's value in that solution; 0 when none is known.
    int solutionValue(int cell) const { return solution_[cell]; }

    // Sets the value and removes it from the candidates of the cell's peers; a given when
    // `given`.
    void place(int cell, int value, bool given = false);
    void removeCandidate(int cell, int value);
    void setCandidates(int cell, ValueMask mask);
    void apply(const Step& step);

  private:
    GridKind kind_;
    const UnitTables* tables_;
    std::array<std::uint8_t, kMaxCells + 1> values_{};
    std::array<ValueMask, kMaxCells + 1> candidates_{};
    std::bitset<kMaxCells + 1> givens_;
    std::array<std::uint8_t, kMaxCells + 1> solution_{};
    int emptyCount_ = 0;
    bool oneSolution_ = false;
};

}  // namespace quorvel::logic
