#pragma once
// The two grid kinds and the cell-numbering helpers every part of the program shares.
// Cells are numbered 1..N*N row-major; rows, columns and blocks are numbered from 1.

#include <string_view>

namespace quorvel {

struct GridKind {
    int side;                     // N: cells per row, values 1..N
    int blockWidth;               // columns per block
    int blockHeight;              // rows per block
    std::string_view windowName;  // "NineGrid" or "FifteenGrid": tells the two grid windows apart
    int sizeCode;                 // 3 or 5, written into database records

    constexpr int cellCount() const { return side * side; }
    constexpr int blocksAcross() const { return side / blockWidth; }
    constexpr int rowOf(int cell) const { return (cell - 1) / side + 1; }
    constexpr int columnOf(int cell) const { return cell - (rowOf(cell) - 1) * side; }
    constexpr int cellAt(int row, int column) const { return (row - 1) * side + column; }
    constexpr int blockOf(int cell) const {
        const int rowBand = (rowOf(cell) - 1) / blockHeight;
        const int columnBand = (columnOf(cell) - 1) / blockWidth;
        return rowBand * blocksAcross() + columnBand + 1;
    }
    constexpr bool isNine() const { return side == 9; }
    constexpr bool operator==(const GridKind& other) const { return side == other.side; }
};

inline constexpr GridKind kNineGrid{9, 3, 3, "NineGrid", 3};
inline constexpr GridKind kFifteenGrid{15, 3, 5, "FifteenGrid", 5};

// Largest side of any kind: lets fixed-size tables serve both grids.
inline constexpr int kMaxSide = 15;
inline constexpr int kMaxCells = kMaxSide * kMaxSide;

}  // namespace quorvel
