#include "model/units.h"

#include <bit>

namespace quorvel {

namespace {

UnitTables buildTables(const GridKind& kind) {
    UnitTables tables;
    const int side = kind.side;
    tables.side = side;
    tables.cellCount = kind.cellCount();
    tables.fullMask = static_cast<ValueMask>(((1u << side) - 1) << 1);
    std::array<int, 3 * kMaxSide> filled{};
    for (int cell = 1; cell <= tables.cellCount; ++cell) {
        const int row = kind.rowOf(cell) - 1;
        const int column = kind.columnOf(cell) - 1;
        const int block = kind.blockOf(cell) - 1;
        tables.rowIndex[cell] = static_cast<std::uint8_t>(row);
        tables.columnIndex[cell] = static_cast<std::uint8_t>(column);
        tables.blockIndex[cell] = static_cast<std::uint8_t>(block);
        for (const int unit : {row, side + column, 2 * side + block})
            tables.unitCells[unit][filled[unit]++] = static_cast<std::uint8_t>(cell);
    }
    for (int cell = 1; cell <= tables.cellCount; ++cell) {
        for (int other = 1; other <= tables.cellCount; ++other) {
            if (other == cell) continue;
            if (tables.rowIndex[other] == tables.rowIndex[cell] ||
                tables.columnIndex[other] == tables.columnIndex[cell] ||
                tables.blockIndex[other] == tables.blockIndex[cell])
                tables.peers[cell][tables.peerCount[cell]++] = static_cast<std::uint8_t>(other);
        }
    }
    return tables;
}

}  // namespace

const UnitTables& unitTables(const GridKind& kind) {
    // Each built on first use only: a process working on one size never pays for the other.
    if (kind.isNine()) {
        static const UnitTables nine = buildTables(kNineGrid);
        return nine;
    }
    static const UnitTables fifteen = buildTables(kFifteenGrid);
    return fifteen;
}

std::string unitListText(const GridKind& kind, UnitType type, int index, bool delimited) {
    const UnitTables& tables = unitTables(kind);
    const int unit = (index - 1) + kind.side * static_cast<int>(type);
    std::string text = delimited ? "," : "";
    for (int i = 0; i < kind.side; ++i) {
        if (i > 0) text += ',';
        text += std::to_string(tables.unitCells[unit][i]);
    }
    if (delimited) text += ',';
    return text;
}

bool delimitedListHasCell(std::string_view delimitedList, int cell) {
    return delimitedList.find("," + std::to_string(cell) + ",") != std::string_view::npos;
}

int valueOfText(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 32767) return 0;  // out of the 16-bit range: not a cell value
    }
    return negative ? -value : value;
}

std::string valueText(int value) {
    return value == 0 ? std::string() : std::to_string(value);
}

std::string candidateText(ValueMask mask) {
    std::string text;
    while (mask != 0) {
        const int value = std::countr_zero(mask);
        mask = static_cast<ValueMask>(mask & (mask - 1));
        if (!text.empty()) text += ',';
        text += std::to_string(value);
    }
    return text;
}

ValueMask maskOfCandidateText(std::string_view text) {
    ValueMask mask = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(',', start);
        if (end == std::string_view::npos) end = text.size();
        const int value = valueOfText(text.substr(start, end - start));
        if (value >= 1 && value <= kMaxSide) mask = static_cast<ValueMask>(mask | (1u << value));
        start = end + 1;
    }
    return mask;
}

}  // namespace quorvel
