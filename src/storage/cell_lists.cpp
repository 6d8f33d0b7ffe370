#include "storage/cell_lists.h"

namespace quorvel {

namespace {

std::vector<std::string_view> splitAt(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(separator, start)) != std::string_view::npos;) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

// Whether `list` holds exactly cellCount entries, each preceded by ",", all accepted; walks the
// text in place, so checking the records of a whole database allocates nothing.
bool listFits(std::string_view list, int cellCount, auto accepted) {
    if (list.empty() || list.front() != ',') return false;
    int entries = 0;
    for (std::size_t start = 1;;) {
        const std::size_t at = list.find(',', start);
        const std::string_view entry =
            list.substr(start, at == std::string_view::npos ? at : at - start);
        if (++entries > cellCount || !accepted(entry)) return false;
        if (at == std::string_view::npos) return entries == cellCount;
        start = at + 1;
    }
}

}  // namespace

const GridKind* kindForSizeCode(int sizeCode) {
    if (sizeCode == kNineGrid.sizeCode) return &kNineGrid;
    if (sizeCode == kFifteenGrid.sizeCode) return &kFifteenGrid;
    return nullptr;
}

std::optional<std::vector<std::string>> splitCellList(std::string_view list, int cellCount) {
    const std::vector<std::string_view> parts = splitAt(list, ',');
    // Element 0 is whatever precedes the first comma, and must be nothing.
    if (static_cast<int>(parts.size()) != cellCount + 1 || !parts[0].empty()) return std::nullopt;
    return std::vector<std::string>(parts.begin() + 1, parts.end());
}

std::string joinCellList(const std::vector<std::string>& entries) {
    std::string list;
    for (const std::string& entry : entries)
        list += "," + entry;
    return list;
}

bool isCellValue(std::string_view entry, int side) {
    if (entry.empty()) return true;
    if (entry.front() == '0') return false;
    int value = 0;
    for (const char digit : entry) {
        if (digit < '0' || digit > '9') return false;
        value = value * 10 + (digit - '0');
        if (value > side) return false;
    }
    return true;
}

bool cellTextFits(std::string_view cellText, const GridKind& kind) {
    const std::size_t first = cellText.find('#');
    if (first == std::string_view::npos) return false;
    const std::size_t second = cellText.find('#', first + 1);
    if (second != std::string_view::npos &&
        cellText.find('#', second + 1) != std::string_view::npos)
        return false;
    const std::string_view values =
        cellText.substr(first + 1, second == std::string_view::npos ? second : second - first - 1);
    const int cells = kind.cellCount();
    const auto isValue = [&](std::string_view entry) { return isCellValue(entry, kind.side); };
    const auto isMark = [](std::string_view entry) { return entry.empty() || entry == "L"; };
    return listFits(cellText.substr(0, first), cells, isValue) &&
           listFits(values, cells, isValue) &&
           (second == std::string_view::npos ||
            listFits(cellText.substr(second + 1), cells, isMark));
}

std::optional<CellLists> parseCellText(std::string_view cellText, const GridKind& kind) {
    if (!cellTextFits(cellText, kind)) return std::nullopt;
    const std::vector<std::string_view> parts = splitAt(cellText, '#');
    const int cells = kind.cellCount();
    CellLists lists{*splitCellList(parts[0], cells), *splitCellList(parts[1], cells), {}};
    if (parts.size() == 3) lists.pattern = *splitCellList(parts[2], cells);
    return lists;
}

}  // namespace quorvel
