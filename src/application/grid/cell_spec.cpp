#include "application/grid/cell_spec.h"

#include "application/grid/text_number.h"

namespace quorvel {

namespace {

std::string formatPart(const GridKind& kind) {
    return kind.isNine() ? "#1::3#" : "#2::3#";
}

std::string rangePart(const GridKind& kind) {
    return "[1;" + std::to_string(kind.side) + "]";
}

}  // namespace

std::string buildCellSpec(const GridKind& kind, int cell) {
    const int side = kind.side;
    const int last = kind.cellCount();
    const std::string format = formatPart(kind);
    const std::string range = rangePart(kind);
    // The first and the last cell keep the fixed texts (blank runs included) they always had.
    if (cell == 1) {
        const std::string gap = kind.isNine() ? "   " : "    ";
        return std::to_string(last) + ":2:" + std::to_string(last) + ":" +
               std::to_string(side + 1) + ":" + std::to_string(side + 1) + ":1  " + format + gap +
               range;
    }
    if (cell == last) {
        return std::to_string(last - 1) + ":1:" + std::to_string(last - side) + ":1:1  " + format +
               "  " + range;
    }
    // Left and Right walk in reading order; Up and Down walk a column and carry on at the other
    // end of the previous or next column.
    const int left = cell - 1;
    const int right = cell + 1;
    const int up = cell <= side ? cell + last - side - 1 : cell - side;
    const int down = cell > last - side ? cell - (last - side) + 1 : cell + side;
    return std::to_string(left) + ":" + std::to_string(right) + ":" + std::to_string(up) + ":" +
           std::to_string(down) + ":" + std::to_string(down) + ":1  " + format + "   " + range;
}

std::string specNavigationText(std::string_view spec, NavField field) {
    const std::string_view navigation = trimBlanks(spec.substr(0, spec.find('#')));
    if (navigation.empty()) return "0";
    std::size_t start = 0;
    for (int k = 1; k < static_cast<int>(field); ++k) {
        const auto colon = navigation.find(':', start);
        if (colon == std::string_view::npos) return "";
        start = colon + 1;
    }
    const auto end = navigation.find(':', start);
    const auto length = end == std::string_view::npos ? std::string_view::npos : end - start;
    return std::string(trimBlanks(navigation.substr(start, length)));
}

int specNavigationTarget(std::string_view spec, NavField field) {
    const double target = lenientNumber(specNavigationText(spec, field));
    if (target < 1 || target > kMaxCells) return 0;
    return static_cast<int>(target);
}

int specDecimals(std::string_view spec) {
    const auto firstHash = spec.find('#');
    const auto lastHash = spec.rfind('#');
    if (firstHash == std::string_view::npos || lastHash == firstHash) return 0;
    const std::string_view format = spec.substr(firstHash, lastHash - firstHash + 1);
    const auto firstColon = format.find(':');
    const auto lastColon = format.rfind(':');
    if (firstColon == std::string_view::npos || lastColon == firstColon) return 0;
    const double decimals =
        lenientNumber(format.substr(firstColon + 1, lastColon - firstColon - 1));
    return decimals > 0 && decimals < 16 ? static_cast<int>(decimals) : 0;
}

std::optional<SpecRange> specRangeOf(std::string_view spec) {
    const auto open = spec.find('[');
    if (open == std::string_view::npos) return std::nullopt;
    const auto semicolon = spec.find(';', open);
    if (semicolon == std::string_view::npos) return std::nullopt;
    const auto close = spec.find(']', semicolon);
    const auto maxLength = close == std::string_view::npos ? close : close - semicolon - 1;
    return SpecRange{std::string(spec.substr(open + 1, semicolon - open - 1)),
                     std::string(spec.substr(semicolon + 1, maxLength))};
}

}  // namespace quorvel
