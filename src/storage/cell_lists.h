#pragma once
// The cell lists of a puzzle record: one entry per cell in cell order, each preceded by ",".
// A record's cell text joins givens, values and (for records from text files) a pattern with "#".

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/grid_kind.h"

namespace quorvel {

// The grid kind whose records carry this size code (3 or 5); nullptr for any other code.
const GridKind* kindForSizeCode(int sizeCode);

// The entries of a comma list, or nullopt unless it holds exactly cellCount entries.
std::optional<std::vector<std::string>> splitCellList(std::string_view list, int cellCount);
// "," before every entry.
std::string joinCellList(const std::vector<std::string>& entries);

// "" or a value 1..side written in plain decimal.
bool isCellValue(std::string_view entry, int side);

struct CellLists {
    std::vector<std::string> givens;
    std::vector<std::string> values;
    std::vector<std::string> pattern;  // "L" or ""; empty when the cell text has no pattern
};

// Whether a record's cell text fits a grid kind: two or three lists of the right length, values
// in range, pattern entries "L" or "".
bool cellTextFits(std::string_view cellText, const GridKind& kind);
// Splits and checks a record's cell text for a grid kind: two or three lists of the right
// length, values in range, pattern entries "L" or "". nullopt when any of that fails.
std::optional<CellLists> parseCellText(std::string_view cellText, const GridKind& kind);

}  // namespace quorvel
