#pragma once
// The one-line puzzle format used by the tool, the benchmarks and text exchange: N x N characters,
// "." or "0" empty, "1"-"9", "A"-"F" for 10-15 (15 x 15 only). The length gives the kind.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/grid_kind.h"

namespace quorvel {

struct PuzzleLine {
    GridKind kind = kNineGrid;
    std::vector<int> values;  // index 0 is cell 1; 0 = empty
};

struct PuzzleLineResult {
    std::optional<PuzzleLine> puzzle;
    std::string error;  // one line naming the problem when puzzle is empty
};

// Blanks, tabs and carriage returns around the line are ignored.
PuzzleLineResult parsePuzzleLine(std::string_view line);
// Values 0..15 per cell, "." for empty; values outside 1..N also give ".".
std::string formatPuzzleLine(const GridKind& kind, const std::vector<int>& values);

}  // namespace quorvel
