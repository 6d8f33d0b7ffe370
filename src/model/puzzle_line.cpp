#include "model/puzzle_line.h"

#include <bit>

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

std::string cellWhere(const GridKind& kind, int cell) {
    return "cell r" + std::to_string(kind.rowOf(cell)) + "c" + std::to_string(kind.columnOf(cell));
}

std::string printable(char c) {
    if (c >= 0x20 && c < 0x7f) return std::string("'") + c + "'";
    static const char* digits = "0123456789abcdef";
    const auto byte = static_cast<unsigned char>(c);
    return std::string("byte 0x") + digits[byte >> 4] + digits[byte & 15];
}

}  // namespace

int cellCharacterValue(char c) {
    switch (c) {
        case '.':
        case '0':
        case '*':
        case '_':
        case 'x':
        case 'X':
        case '-':
            return 0;
        default:
            break;
    }
    if (c >= '1' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    return -1;
}

std::optional<std::string> cellCharacterProblem(const GridKind& kind, int cell, char c) {
    const int value = cellCharacterValue(c);
    if (value >= 0 && value <= kind.side) return std::nullopt;
    const std::string where = cellWhere(kind, cell);
    if (value < 0) return where + ": bad character " + printable(c);
    const std::string side = std::to_string(kind.side);
    return where + ": " + std::to_string(value) + " is not a value of a " + side + " x " + side +
           " grid";
}

std::string cellCountProblem(std::size_t count, int nine, int fifteen) {
    const auto between = static_cast<std::size_t>(nine) + static_cast<std::size_t>(fifteen);
    const int expected = count * 2 <= between ? nine : fifteen;
    return std::to_string(count) + " cells, expected " + std::to_string(expected);
}

std::string unplayedGridProblem(int side) {
    const std::string n = std::to_string(side);
    return n + " x " + n + " grid: only 9 x 9 and 15 x 15 grids are played";
}

namespace {

// The side of a square grid larger than the played ones whose cells `count` is; 0 for none.
int largerGridSide(std::size_t count) {
    for (std::size_t side = kMaxSide + 1; side * side <= count; ++side) {
        if (side * side == count) return static_cast<int>(side);
    }
    return 0;
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
        const int larger = largerGridSide(text.size());
        result.error = larger > 0 ? unplayedGridProblem(larger)
                                  : cellCountProblem(text.size(), kNineGrid.cellCount(),
                                                     kFifteenGrid.cellCount());
        return result;
    }
    Puzzle puzzle{kind, {}, {}, {}};
    puzzle.values.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int cell = static_cast<int>(i) + 1;
        if (auto problem = cellCharacterProblem(kind, cell, text[i])) {
            result.error = std::move(*problem);
            result.problemCell = cell;
            return result;
        }
        puzzle.values.push_back(cellCharacterValue(text[i]));
    }
    result.puzzle = std::move(puzzle);
    return result;
}

PuzzleLineResult parseCandidateLine(std::string_view line) {
    const std::string_view text = trimmed(line);
    PuzzleLineResult result;
    const GridKind kind =
        text.size() == kNineGrid.cellCount() * std::size_t{9} ? kNineGrid : kFifteenGrid;
    const std::size_t side = static_cast<std::size_t>(kind.side);
    if (text.size() != side * static_cast<std::size_t>(kind.cellCount())) {
        const std::size_t nine = std::size_t{81} * 9;
        const std::size_t expected = text.size() * 2 <= nine + 225 * 15 ? nine : 225 * 15;
        result.error = std::to_string(text.size()) + " characters, expected " +
                       std::to_string(expected) + " for a candidate line";
        return result;
    }
    Puzzle puzzle{kind,
                  std::vector<int>(kind.cellCount(), 0),
                  std::vector<ValueMask>(kind.cellCount(), 0),
                  {}};
    for (int cell = 1; cell <= kind.cellCount(); ++cell) {
        ValueMask& mask = puzzle.candidates[cell - 1];
        for (int value = 1; value <= kind.side; ++value) {
            const char c = text[(cell - 1) * side + value - 1];
            const int read = cellCharacterValue(c);
            if (read == value) {
                mask |= static_cast<ValueMask>(1u << value);
            } else if (read != 0) {
                result.error = cellWhere(kind, cell) + ": " + printable(c) + " in place " +
                               std::to_string(value) + ", expected '" + valueCharacter(value) +
                               "' or '.'";
                result.problemCell = cell;
                return result;
            }
        }
        if (std::has_single_bit(mask)) puzzle.values[cell - 1] = std::countr_zero(mask);
    }
    result.puzzle = std::move(puzzle);
    return result;
}

PuzzleLineResult parseStateLine(std::string_view line) {
    // Candidate lines are longer than twice any puzzle line.
    return trimmed(line).size() > 2 * static_cast<std::size_t>(kFifteenGrid.cellCount())
               ? parseCandidateLine(line)
               : parsePuzzleLine(line);
}

char valueCharacter(int value) {
    return static_cast<char>(value <= 9 ? '0' + value : 'A' + value - 10);
}

std::string formatCandidateLine(const GridKind& kind, const std::vector<ValueMask>& candidates) {
    std::string line;
    line.reserve(candidates.size() * static_cast<std::size_t>(kind.side));
    for (const ValueMask mask : candidates) {
        for (int value = 1; value <= kind.side; ++value)
            line += (mask >> value) & 1u ? valueCharacter(value) : '.';
    }
    return line;
}

std::string formatPuzzleLine(const GridKind& kind, const std::vector<int>& values) {
    std::string line;
    line.reserve(values.size());
    for (const int value : values) {
        if (value < 1 || value > kind.side)
            line += '.';
        else
            line += valueCharacter(value);
    }
    return line;
}

}  // namespace quorvel
