#include "storage/cell_lists.h"

#include "storage/number_text.h"

namespace quorvel {

namespace {

std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(separator, start)) != std::string_view::npos;) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

bool AllEntries(const std::vector<std::string>& entries, auto accepted) {
    for (const std::string& entry : entries) {
        if (!accepted(entry)) return false;
    }
    return true;
}

}  // namespace

const GridKind* KindForSizeCode(int sizeCode) {
    if (sizeCode == kNineGrid.sizeCode) return &kNineGrid;
    if (sizeCode == kFifteenGrid.sizeCode) return &kFifteenGrid;
    return nullptr;
}

std::optional<std::vector<std::string>> SplitCellList(std::string_view list, int cellCount) {
    const std::vector<std::string_view> parts = SplitAt(list, ',');
    // Element 0 is whatever precedes the first comma, and must be nothing.
    if (static_cast<int>(parts.size()) != cellCount + 1 || !parts[0].empty()) return std::nullopt;
    return std::vector<std::string>(parts.begin() + 1, parts.end());
}

std::string JoinCellList(const std::vector<std::string>& entries) {
    std::string list;
    for (const std::string& entry : entries)
        list += "," + entry;
    return list;
}

bool IsCellValue(std::string_view entry, int side) {
    if (entry.empty()) return true;
    if (entry.front() == '0' || entry.front() == '-') return false;
    const std::optional<int> value = ParseInt16(entry);
    return value && *value >= 1 && *value <= side;
}

std::optional<CellLists> ParseCellText(std::string_view cellText, const GridKind& kind) {
    const std::vector<std::string_view> parts = SplitAt(cellText, '#');
    if (parts.size() != 2 && parts.size() != 3) return std::nullopt;
    const int cells = kind.cellCount();
    auto givens = SplitCellList(parts[0], cells);
    auto values = SplitCellList(parts[1], cells);
    if (!givens || !values) return std::nullopt;
    const auto isValue = [&](const std::string& entry) { return IsCellValue(entry, kind.side); };
    if (!AllEntries(*givens, isValue) || !AllEntries(*values, isValue)) return std::nullopt;

    CellLists lists{std::move(*givens), std::move(*values), {}};
    if (parts.size() == 3) {
        auto pattern = SplitCellList(parts[2], cells);
        if (!pattern) return std::nullopt;
        const auto isMark = [](const std::string& entry) { return entry.empty() || entry == "L"; };
        if (!AllEntries(*pattern, isMark)) return std::nullopt;
        lists.pattern = std::move(*pattern);
    }
    return lists;
}

}  // namespace quorvel
