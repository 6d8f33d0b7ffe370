#include "model/puzzle_line.h"

namespace quorvel {

namespace {

std::string_view trimmed(std::string_view line) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!line.empty() && blank(line.front()))
        line.remove_prefix(1);
    while (!line.empty() && blank(line.back()))
        line.remove_suffix(1);
    return line;
}

// -1 for a character that is not a cell at all.
int cellValueOf(char c) {
    if (c == '.' || c == '0') return 0;
    if (c >= '1' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string printable(char c) {
    if (c >= 0x20 && c < 0x7f) return std::string("'") + c + "'";
    static const char* digits = "0123456789abcdef";
    const auto byte = static_cast<unsigned char>(c);
    return std::string("byte 0x") + digits[byte >> 4] + digits[byte & 15];
}

}  // namespace

PuzzleLineResult parsePuzzleLine(std::string_view line) {
    const std::string_view text = trimmed(line);
    PuzzleLineResult result;
    GridKind kind;
    if (text.size() == static_cast<std::size_t>(kNineGrid.cellCount())) {
        kind = kNineGrid;
    } else if (text.size() == static_cast<std::size_t>(kFifteenGrid.cellCount())) {
        kind = kFifteenGrid;
    } else {
        result.error = "puzzle has " + std::to_string(text.size()) +
                       " characters; expected 81 (9x9) or 225 (15x15)";
        return result;
    }
    PuzzleLine puzzle{kind, {}};
    puzzle.values.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int value = cellValueOf(text[i]);
        const std::string where = " at cell " + std::to_string(i + 1);
        if (value < 0) {
            result.error = "bad character " + printable(text[i]) + where;
            return result;
        }
        if (value > kind.side) {
            result.error = "value " + std::to_string(value) + " (" + printable(text[i]) + ")" +
                           where + " is above 9 on a 9x9 puzzle";
            return result;
        }
        puzzle.values.push_back(value);
    }
    result.puzzle = std::move(puzzle);
    return result;
}

std::string formatPuzzleLine(const GridKind& kind, const std::vector<int>& values) {
    std::string line;
    line.reserve(values.size());
    for (const int value : values) {
        if (value < 1 || value > kind.side)
            line += '.';
        else
            line += static_cast<char>(value <= 9 ? '0' + value : 'A' + value - 10);
    }
    return line;
}

}  // namespace quorvel
