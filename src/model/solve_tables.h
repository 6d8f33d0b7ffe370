#pragma once
// The solve engine's working tables of one grid: 16 value layers (layer 1 the grid as the engine
// and the grid window's commits leave it), four note slots and the guess table, with the flag that
// says a run is guessing. Plain data the engine reads and writes; the grid window's Board holds
// one beside what the cells show.
//
// Layers hold values 0..N as numbers (0 = empty), index 1..N*N; the text accessors give and take
// the texts the tables are read as ("" or decimal digits).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/grid_kind.h"
#include "model/units.h"

namespace quorvel {

inline constexpr int kLayerCount = 16;
inline constexpr int kNoteSlots = 4;

class SolveTables {
  public:
    explicit SolveTables(const GridKind& kind) : kind_(kind) {}

    const GridKind& kind() const { return kind_; }
    int cellCount() const { return kind_.cellCount(); }
    bool validCell(int cell) const { return cell >= 1 && cell <= kind_.cellCount(); }

    // --- layers 0..15 ---
    int value(int layer, int cell) const { return layers_[layer][cell]; }
    // Values outside 1..N are stored as empty; a layer or cell out of range changes nothing.
    void setValue(int layer, int cell, int value);
    // Text access by (layer, row, column) with rows and columns 1..N.
    std::string text(int layer, int row, int column) const;
    void setText(int layer, int row, int column, std::string_view text);
    void copyLayer(int from, int to) { layers_[to] = layers_[from]; }
    // Raw layer for the engine: index 1..N*N, values 0..N.
    std::uint8_t* layerData(int layer) { return layers_[layer].data(); }
    const std::uint8_t* layerData(int layer) const { return layers_[layer].data(); }
    // True when every cell of the layer holds 1..N and no unit holds a value twice.
    bool layerComplete(int layer) const;

    // --- notes (slots 0..3, rows and columns 0..N) ---
    // Clear sets the whole slot to ""; otherwise a non-empty text is stored and an empty text
    // returns what is stored.
    std::string notes(int slot, int row, int column, const std::string& text = "",
                      bool clear = false);

    // --- guess order (entries 0..N*N, fields 0..2) ---
    // One entry per cell in the solver's guess order: clear empties every entry; otherwise a
    // non-empty text is stored at (entry, field) and an empty text returns what is stored.
    std::string guessEntry(int entry, int field, const std::string& text = "", bool clear = false);

    // True while a solve run is in its guessing phase; stays true after a run that guessed until
    // its outcome has been shown.
    bool guessing() const { return guessing_; }
    void setGuessing(bool guessing) { guessing_ = guessing; }

  private:
    GridKind kind_;
    std::array<std::array<std::uint8_t, kMaxCells + 1>, kLayerCount> layers_{};
    std::array<std::array<std::array<std::string, kMaxSide + 1>, kMaxSide + 1>, kNoteSlots> notes_;
    std::array<std::array<std::string, 3>, kMaxCells + 1> guessOrder_;
    bool guessing_ = false;
};

}  // namespace quorvel
