// Puzzles drawn as a grid over several lines: .sdk files (rows of cells, "#" metadata lines, an
// optional "[Puzzle]" line), boxed grids (.ss and what other programs copy: rows between |, -, +
// and * borders), rows of comma-separated cells and candidate grids (81 or 225 groups of
// candidates). Grids follow each other after a blank or comment line; a title or comment line
// before a grid names it. Inside a grid, blank and comment lines may stand between its bands.
// Whatever follows the grids that is not such a grid is ignored.

#include <algorithm>
#include <utility>

#include "storage/puzzle_format_parts.h"

namespace quorvel::formats {

namespace {

constexpr std::string_view kNoteTags = "ADCLSUB";
// The cell an empty field of a comma-separated row stands for.
constexpr std::string_view kEmptyField = ".";
// The smallest grid people play, of 2 x 2 blocks: rows and columns of fewer cells are no grid.
constexpr std::size_t kSmallestSide = 4;

// The words of a grid row, split at blanks and | borders (or at commas when it has any), and how
// many characters they hold.
struct RowWords {
    std::vector<std::string_view> words;
    std::size_t characters = 0;
    void add(std::string_view word) {
        words.push_back(word);
        characters += word.size();
    }
};

bool IsSide(std::size_t count) {
    return count == static_cast<std::size_t>(kNineGrid.side) ||
           count == static_cast<std::size_t>(kFifteenGrid.side);
}

// A row of comma-separated cells: an empty field is an empty cell, and a comma after the last of
// 9 or 15 cells ends the row.
RowWords FieldsOf(std::string_view line) {
    RowWords row;
    for (std::size_t start = 0; start <= line.size();) {
        const std::size_t end = std::min(line.find(',', start), line.size());
        const std::string_view field = Trimmed(line.substr(start, end - start));
        row.add(field.empty() ? kEmptyField : field);
        start = end + 1;
    }
    if (line.back() == ',' && IsSide(row.words.size() - 1)) {
        row.words.pop_back();
        --row.characters;
    }
    return row;
}

RowWords WordsOf(std::string_view line) {
    if (line.find(',') != std::string_view::npos) return FieldsOf(line);
    RowWords row;
    constexpr std::string_view kSeparators = " \t|";
    for (std::size_t start = line.find_first_not_of(kSeparators); start != std::string_view::npos;
         start = line.find_first_not_of(kSeparators, start)) {
        const std::size_t end = std::min(line.find_first_of(kSeparators, start), line.size());
        row.add(line.substr(start, end - start));
        start = end;
    }
    return row;
}

// The side of the grid a first row starts: 9 or 15 candidate groups, or as many cell characters
// (however spaced); 0 when the row fits neither.
int SideOf(const RowWords& row) {
    if (IsSide(row.words.size()) && row.characters > row.words.size())
        return static_cast<int>(row.words.size());
    return IsSide(row.characters) ? static_cast<int>(row.characters) : 0;
}

// The cells of a row whatever size of grid it belongs to: one a word when it has more words than
// a row has blocks, otherwise one a character.
std::size_t CellsOf(const RowWords& row) {
    const auto blocks = static_cast<std::size_t>(kFifteenGrid.blocksAcross());
    return row.words.size() > blocks ? row.words.size() : row.characters;
}

std::string RowCountProblem(std::size_t count, const char* what, int side) {
    return std::to_string(count) + " " + what + ", expected " + std::to_string(side);
}

// Reads the grids line by line; a block after the first that does not start with a grid row ends
// the reading (it is a trailing record). A row of exactly `side` words holds one cell a word (a
// candidate group, or a single character when the cells are spaced out); any other row holds its
// cells as characters.
class GridReader {
  public:
    explicit GridReader(PuzzleTextRead& read) : read_(read) {}

    // False once the rest of the text is trailing records.
    bool take(int number, std::string_view line);
    void endBlock();

  private:
    bool gridOpen() const;
    void takeComment(std::string_view line);
    void addRow(int number, std::string_view line);
    void addCells(int number, const RowWords& row);
    void refuseAt(int number, std::string problem);
    GridKind kind() const { return side_ == kNineGrid.side ? kNineGrid : kFifteenGrid; }

    PuzzleTextRead& read_;
    int side_ = 0;
    int grids_ = 0;
    bool stopped_ = false;
    bool beforeContent_ = true;
    // The block being read: lines up to the next blank line.
    int firstLine_ = 0;
    std::vector<PuzzleNote> notes_;
    std::size_t rows_ = 0;
    // The cells of every row so far when the first fits no grid kind, 0 otherwise.
    std::size_t unplayedSide_ = 0;
    std::vector<int> rowLines_;
    int firstExtraLine_ = 0;
    std::string cells_;
    // Per cell the values it may hold: its candidate group, its value, or every value for an
    // empty mark. Kept with the puzzle when some group holds more than one value.
    std::vector<ValueMask> candidates_;
    bool groups_ = false;
    std::string problem_;
    int problemLine_ = 0;
};

bool GridReader::take(int number, std::string_view line) {
    line = Trimmed(line);
    if (line.empty()) {
        if (!gridOpen()) endBlock();
    } else if (IsComment(line)) {
        if (rows_ > 0 && !gridOpen()) endBlock();
        takeComment(line);
    } else if (std::exchange(beforeContent_, false) && IsCsvHeader(line)) {
        return true;
    } else if (!IsSection(line) && !IsBorder(line)) {
        addRow(number, line);
    }
    if (firstLine_ == 0 && !line.empty()) firstLine_ = number;
    return !stopped_;
}

// A blank or comment line after whole bands of a grid that has more to come leaves it open.
bool GridReader::gridOpen() const {
    if (rows_ == 0 || stopped_) return false;
    if (side_ == 0) return rows_ < unplayedSide_;
    return rows_ < static_cast<std::size_t>(side_) && rows_ % kind().blockHeight == 0;
}

// "#A Anna" and the other .sdk tags are kept under their tag; the first other comment names the
// grid.
void GridReader::takeComment(std::string_view line) {
    const bool tagged =
        line.size() > 1 && line[0] == '#' && kNoteTags.find(line[1]) != std::string_view::npos;
    const char tag = tagged ? line[1] : 'N';
    const std::string_view text = tagged ? Trimmed(line.substr(2)) : CommentText(line);
    const bool repeated = std::any_of(notes_.begin(), notes_.end(),
                                      [&](const PuzzleNote& n) { return n.tag == tag; });
    if (!repeated && !text.empty()) notes_.push_back({tag, std::string(text)});
}

void GridReader::addRow(int number, std::string_view line) {
    const RowWords row = WordsOf(line);
    if (rows_ == 0) {
        side_ = SideOf(row);
        stopped_ = side_ == 0 && grids_ > 0;
        if (stopped_) return;
        unplayedSide_ = side_ == 0 && CellsOf(row) >= kSmallestSide ? CellsOf(row) : 0;
        if (side_ == 0)
            refuseAt(number, cellCountProblem(row.characters, kNineGrid.side, kFifteenGrid.side));
    } else if (CellsOf(row) != unplayedSide_) {
        unplayedSide_ = 0;
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
            for (const std::string_view word : row.words) {
                for (const char c : word) {
                    const int value = cellCharacterValue(c);
                    candidates_.push_back(value > 0 && value <= side_
                                              ? static_cast<ValueMask>(1u << value)
                                              : unitTables(kind()).fullMask);
                }
                cells_ += word;
            }
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
        ValueMask mask = 0;
        for (const char c : group) {
            if (auto problem = cellCharacterProblem(kind(), cell, c))
                return refuseAt(number, std::move(*problem));
            const int value = cellCharacterValue(c);
            if (value == 0 || value == singleValue) continue;
            mask |= static_cast<ValueMask>(1u << value);
            singleValue = singleValue == 0 ? value : -1;
            single = c;
        }
        groups_ = groups_ || singleValue < 0;
        candidates_.push_back(mask != 0 ? mask : unitTables(kind()).fullMask);
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
        if (rows_ == unplayedSide_) {
            Refuse(read_, problemLine_, unplayedGridProblem(static_cast<int>(rows_)));
        } else if (!problem_.empty()) {
            Refuse(read_, problemLine_, problem_);
        } else if (rows_ != static_cast<std::size_t>(side_)) {
            const int line = rows_ > rowLines_.size() ? firstExtraLine_ : rowLines_.back();
            Refuse(read_, line, RowCountProblem(rows_, "rows", side_));
        } else if (PuzzleLineResult parsed = parsePuzzleLine(cells_); !parsed.puzzle) {
            const int row = kind().rowOf(parsed.problemCell);
            Refuse(read_, rowLines_[row - 1], parsed.error);
        } else {
            if (groups_) parsed.puzzle->candidates = std::move(candidates_);
            read_.puzzles.push_back({std::move(*parsed.puzzle), firstLine_, std::move(notes_)});
        }
    }
    firstLine_ = 0;
    side_ = 0;
    notes_.clear();
    rows_ = 0;
    unplayedSide_ = 0;
    rowLines_.clear();
    cells_.clear();
    candidates_.clear();
    groups_ = false;
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
