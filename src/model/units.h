#pragma once
// Unit membership for both grid kinds: precomputed tables for the fast paths, and the comma
// lists the program shows and tests membership with. Also the value and candidate texts.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/grid_kind.h"

namespace quorvel {

// A set of values 1..15 as bits: bit v set means value v is in the set.
using ValueMask = std::uint16_t;
// A set of values for each cell of a grid: element 0 unused, element n for cell n.
using NoteMasks = std::vector<ValueMask>;

enum class UnitType { Row, Column, Block };

struct UnitTables {
    int side = 0;
    int cellCount = 0;
    ValueMask fullMask = 0;  // values 1..side
    // Per cell 1..cellCount: 0-based row, column and block indexes.
    std::array<std::uint8_t, kMaxCells + 1> rowIndex{};
    std::array<std::uint8_t, kMaxCells + 1> columnIndex{};
    std::array<std::uint8_t, kMaxCells + 1> blockIndex{};
    // Units 0..side-1 are rows, side..2*side-1 columns, 2*side..3*side-1 blocks; the cells of
    // each unit in ascending order.
    std::array<std::array<std::uint8_t, kMaxSide>, 3 * kMaxSide> unitCells{};
    // Per cell, the other cells of its row, column and block, each once.
    static constexpr int kMaxPeers = 3 * (kMaxSide - 1);
    std::array<std::array<std::uint8_t, kMaxPeers>, kMaxCells + 1> peers{};
    std::array<std::uint8_t, kMaxCells + 1> peerCount{};
};

const UnitTables& unitTables(const GridKind& kind);

// Delimited (",1,2,3,10,...,") or plain ("1,2,3,10,...") list of the cells of a unit, index 1..N.
std::string unitListText(const GridKind& kind, UnitType type, int index, bool delimited);
// Membership as the lists are searched: comma, number, comma in the delimited form.
bool delimitedListHasCell(std::string_view delimitedList, int cell);

// Lenient numeric reading of a cell text: leading blanks, optional sign, digits; "" and text not
// starting with a number give 0.
int valueOfText(std::string_view text);
// "" for 0, otherwise the decimal digits.
std::string valueText(int value);

// Candidate text of a mask: "" (none), "7" (one value) or ascending values joined by ",".
std::string candidateText(ValueMask mask);
// Inverse of candidateText for well-formed texts; unknown parts are skipped.
ValueMask maskOfCandidateText(std::string_view text);

}  // namespace quorvel
