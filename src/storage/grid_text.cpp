// Puzzles drawn as a grid over several lines: .sdk files (rows of cells, "#" metadata lines, an
// optional "[Puzzle]" line), boxed grids (.ss and what other programs copy: rows between |, -, +
// and * borders) and candidate grids (81 or 225 groups of candidates). Several grids may follow
// each other, separated by blank lines; whatever follows them that is not such a grid is ignored.

#include <algorithm>

#include "storage/puzzle_format_parts.h"

namespace quorvel::formats {

namespace {

constexpr std::string_view kNoteTags = "ADCLSUB";

// The words of a grid row, split at blanks and | borders, and how many characters they hold.
struct RowWords {
    std::vector<std::string_view> words;
    std::size_t characters = 0;
};

RowWords WordsOf(std::string_view line) {
    RowWords row;
    constexpr std::string_view kSeparators = " \t|";
    for (std::size_t start = line.find_first_not_of(kSeparators); start != std::string_view::npos;
         start = line.find_first_not_of(kSeparators, start)) {
        const std::size_t end = std::min(line.find_first_of(kSeparators, start), line.size());
        row.words.push_back(line.substr(start, end - start));
        row.characters += end - start;
        start = end;
    }
    return row;
}

bool IsSide(std::size_t count) {
    return count == static_cast<std::size_t>(kNineGrid.side) ||
           count == static_cast<std::size_t>(kFifteenGrid.side);
}

// The side of the grid a first row starts: 9 or 15 candidate groups, or as many cell characters
// (however spaced); 0 when the row fits neither.
int SideOf(const RowWords& row) {
    if (IsSide(row.words.size()) && row.characters > row.words.size())
        return static_cast<int>(row.words.size());
    return IsSide(row.characters) ? static_cast<int>(row.characters) : 0;
}

std::string RowCountProblem(std::size_t count, const char* what, int side) {
    return std::to_string(count) + " " + what + ", expected " + std::to_string(side);
}

// Reads the grids line by line; a block after the first that does not start with a grid row ends
// the reading (it is a trailing record). A row
// of exactly `side` words holds one cell a word (a candidate group, or a single character when
// the cells are spaced out); any other row holds its cells as characters.
class GridReader {
  public:
    explicit GridReader(PuzzleTextRead& read) : read_(read) {}

    // False once the rest of the text is trailing records.
    bool take(int number, std::string_view line);
    void endBlock();

  private:
    void addRow(int number, std::string_view line);
    void addCells(int number, const RowWords& row);
    void refuseAt(int number, std::string problem);
    GridKind kind() const { return side_ == kNineGrid.side ? kNineGrid : kFifteenGrid; }

    PuzzleTextRead& read_;
    int side_ = 0;
    int grids_ = 0;
    bool stopped_ = false;
    // The block being read: lines up to the next blank line.
    int firstLine_ = 0;
    std::vector<PuzzleNote> notes_;
    std::size_t rows_ = 0;
    std::vector<int> rowLines_;
    int firstExtraLine_ = 0;
    std::string cells_;
    std::string problem_;
    int problemLine_ = 0;
};

bool GridReader::take(int number, std::string_view line) {
    line = Trimmed(line);
    if (line.empty()) {
        endBlock();
    } else if (line.front() == '#') {
        const bool known = line.size() > 1 && kNoteTags.find(line[1]) != std::string_view::npos;
        const bool repeated = std::any_of(notes_.begin(), notes_.end(),
                                          [&](const PuzzleNote& n) { return n.tag == line[1]; });
        if (known && !repeated) notes_.push_back({line[1], std::string(Trimmed(line.substr(2)))});
    } else if (line != "[Puzzle]" && !IsBorder(line)) {
        addRow(number, line);
    }
    if (firstLine_ == 0 && !line.empty()) firstLine_ = number;
    return !stopped_;
}

void GridReader::addRow(int number, std::string_view line) {
    const RowWords row = WordsOf(line);
    if (rows_ == 0) {
        side_ = SideOf(row);
        stopped_ = side_ == 0 && grids_ > 0;
        if (stopped_) return;
        if (side_ == 0)
            refuseAt(number, cellCountProblem(row.characters, kNineGrid.side, kFifteenGrid.side));
    }
    if (++rows_ == static_cast<std::size_t>(side_) + 1) firstExtraLine_ = number;
    if (problem_.empty() && rows_ <= static_cast<std::size_t>(side_)) {
        rowLines_.push_back(number);
        addCells(number, row);
    }
}

void GridReader::addCells(int number, const RowWords& row) {
    const std::size_t side = static_cast<std::size_t>(side_);
    if (row.words.size() != side) {
        if (row.characters == side) {
            for (const std::string_view word : row.words)
                cells_ += word;
            return;
        }
        const bool groups = row.words.size() > static_cast<std::size_t>(kind().blocksAcross()) &&
                            row.characters > side;
        return refuseAt(
            number, RowCountProblem(groups ? row.words.size() : row.characters, "cells", side_));
    }
    for (const std::string_view group : row.words) {
        const int cell = static_cast<int>(cells_.size()) + 1;
        char single = '.';
        int singleValue = 0;
        for (const char c : group) {
            if (auto problem = cellCharacterProblem(kind(), cell, c))
                return refuseAt(number, std::move(*problem));
            const int value = cellCharacterValue(c);
            if (value == 0 || value == singleValue) continue;
            singleValue = singleValue == 0 ? value : -1;
            single = c;
        }
        cells_ += singleValue > 0 ? single : '.';
    }
}

void GridReader::refuseAt(int number, std::string problem) {
    if (!problem_.empty()) return;
    problem_ = std::move(problem);
    problemLine_ = number;
}

void GridReader::endBlock() {
    if (rows_ > 0 && !stopped_) {
        ++grids_;
        if (!problem_.empty()) {
            Refuse(read_, problemLine_, problem_);
        } else if (rows_ != static_cast<std::size_t>(side_)) {
            const int line = rows_ > rowLines_.size() ? firstExtraLine_ : rowLines_.back();
            Refuse(read_, line, RowCountProblem(rows_, "rows", side_));
        } else if (PuzzleLineResult parsed = parsePuzzleLine(cells_); !parsed.puzzle) {
            const int row = kind().rowOf(parsed.problemCell);
            Refuse(read_, rowLines_[row - 1], parsed.error);
        } else {
            read_.puzzles.push_back({std::move(*parsed.puzzle), firstLine_, std::move(notes_)});
        }
    }
    firstLine_ = 0;
    side_ = 0;
    notes_.clear();
    rows_ = 0;
    rowLines_.clear();
    cells_.clear();
    problem_.clear();
}

std::string RowText(const FilePuzzle& entry, int row) {
    const int side = entry.puzzle.kind.side;
    const auto first = entry.puzzle.values.begin() + (row - 1) * side;
    return formatPuzzleLine(entry.puzzle.kind, std::vector<int>(first, first + side));
}

std::string OneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return text;
}

}  // namespace

void ReadGrids(std::string_view text, PuzzleTextRead& read) {
    GridReader reader(read);
    TextLines lines(text);
    while (lines.next() && reader.take(lines.number(), lines.line())) {
    }
    reader.endBlock();
}

std::string WriteSdk(const std::vector<FilePuzzle>& puzzles) {
    std::string text;
    for (const FilePuzzle& entry : puzzles) {
        if (!text.empty()) text += "\n";
        for (const PuzzleNote& note : entry.notes) {
            if (kNoteTags.find(note.tag) != std::string_view::npos)
                text += std::string("#") + note.tag + OneLine(note.text) + "\n";
        }
        for (int row = 1; row <= entry.puzzle.kind.side; ++row)
            text += RowText(entry, row) + "\n";
    }
    return text;
}

std::string WriteBoxed(const std::vector<FilePuzzle>& puzzles) {
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
            const std::string cells = RowText(entry, row);
            for (int band = 0; band < bands; ++band)
                text += "|" + cells.substr(band * kind.blockWidth, kind.blockWidth);
            text += "|\n";
        }
        text += edge;
    }
    return text;
}

}  // namespace quorvel::formats
