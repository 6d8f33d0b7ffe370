// Writing grids over several lines: .sdk (rows of cells after the "#" metadata lines, as a
// SadMan file with [State] and [PencilMarks] when the puzzle carries entries or marks), boxed
// .ss grids, and candidate grids framed in the forum style.

#include <algorithm>

#include "storage/puzzle_format_parts.h"

namespace quorvel::formats {

namespace {

std::string rowText(const FilePuzzle& entry, int row) {
    const int side = entry.puzzle.kind.side;
    const auto first = entry.puzzle.values.begin() + (row - 1) * side;
    return formatPuzzleLine(entry.puzzle.kind, std::vector<int>(first, first + side));
}

std::string oneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return text;
}

// A SadMan file's [PencilMarks] rows: the marks of each cell without a value, comma-separated;
// a cell that may hold every value has none. Empty when no cell has marks.
std::string pencilMarkRows(const GridKind& kind, const std::vector<ValueMask>& state,
                           const std::vector<int>& values) {
    std::string rows;
    bool marked = false;
    for (int cell = 1; cell <= kind.cellCount(); ++cell) {
        const auto at = static_cast<std::size_t>(cell - 1);
        const ValueMask marks = at < state.size() ? state[at] : 0;
        if (values[at] == 0 && marks != unitTables(kind).fullMask) {
            rows += candidateCharacters(marks);
            marked = marked || marks != 0;
        }
        rows += cell % kind.side == 0 ? "\n" : ",";
    }
    return marked ? rows : "";
}

}  // namespace

std::string writeSdk(const std::vector<FilePuzzle>& puzzles) {
    std::string text;
    for (const FilePuzzle& entry : puzzles) {
        // The grid as far as it is solved: the givens and the entries.
        FilePuzzle reached = entry;
        std::vector<int>& values = reached.puzzle.values;
        for (std::size_t at = 0; at < entry.entries.size() && at < values.size(); ++at) {
            if (values[at] == 0) values[at] = entry.entries[at];
        }
        const bool entered = values != entry.puzzle.values;
        const std::string marks =
            pencilMarkRows(entry.puzzle.kind, entry.puzzle.candidates, values);
        if (!text.empty()) text += "\n";
        if (entered || !marks.empty()) text += "[Puzzle]\n";
        for (const PuzzleInfo& info : entry.info) {
            if (kSdkTags.find(info.tag) != std::string_view::npos)
                text += std::string("#") + info.tag + oneLine(info.text) + "\n";
        }
        for (int row = 1; row <= entry.puzzle.kind.side; ++row)
            text += rowText(entry, row) + "\n";
        if (entered) text += "[State]\n";
        for (int row = 1; entered && row <= entry.puzzle.kind.side; ++row)
            text += rowText(reached, row) + "\n";
        if (!marks.empty()) text += "[PencilMarks]\n" + marks;
    }
    return text;
}

std::string writeBoxed(const std::vector<FilePuzzle>& puzzles) {
    std::string text;
    for (const FilePuzzle& entry : puzzles) {
        const GridKind& kind = entry.puzzle.kind;
        const int bands = kind.blocksAcross();
        const std::string dashes(kind.blockWidth, '-');
        std::string separator = "|";
        for (int band = 0; band < bands; ++band)
            separator += dashes + (band + 1 < bands ? "+" : "|");
        const std::string edge = "*" + std::string(separator.size() - 2, '-') + "*\n";
        if (!text.empty()) text += "\n";
        text += edge;
        for (int row = 1; row <= kind.side; ++row) {
            if (row > 1 && (row - 1) % kind.blockHeight == 0) text += separator + "\n";
            const std::string cells = rowText(entry, row);
            for (int band = 0; band < bands; ++band)
                text += "|" + cells.substr(band * kind.blockWidth, kind.blockWidth);
            text += "|\n";
        }
        text += edge;
    }
    return text;
}

std::string writeCandidateGrids(const std::vector<FilePuzzle>& puzzles) {
    std::string text;
    for (const FilePuzzle& entry : puzzles) {
        const GridKind& kind = entry.puzzle.kind;
        std::vector<std::string> cells;
        std::size_t width = 1;
        for (const ValueMask candidates : cellCandidates(entry)) {
            cells.push_back(candidates == 0 ? "." : candidateCharacters(candidates));
            width = std::max(width, cells.back().size());
        }
        const std::string dashes(static_cast<std::size_t>(kind.blockWidth) * (width + 1) + 1, '-');
        const auto rule = [&](char edge, char between) {
            std::string line(1, edge);
            for (int band = 1; band <= kind.blocksAcross(); ++band)
                line += dashes + (band < kind.blocksAcross() ? between : edge);
            return line + "\n";
        };
        if (!text.empty()) text += "\n";
        text += rule('.', '.');
        for (int row = 1; row <= kind.side; ++row) {
            if (row > 1 && (row - 1) % kind.blockHeight == 0) text += rule(':', '+');
            text += "|";
            for (int column = 1; column <= kind.side; ++column) {
                const std::string& cell =
                    cells[static_cast<std::size_t>(kind.cellAt(row, column) - 1)];
                text += " " + cell + std::string(width - cell.size(), ' ');
                if (column % kind.blockWidth == 0) text += " |";
            }
            text += "\n";
        }
        text += rule('\'', '\'');
    }
    return text;
}

}  // namespace quorvel::formats
