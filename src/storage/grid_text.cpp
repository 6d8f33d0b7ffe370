// Puzzles drawn as a grid over several lines: .sdk files (rows of cells, "#" metadata lines, and
// the sections of SadMan files: givens under [Puzzle], entries under [State], candidates under
// [PencilMarks], any other section ignored), boxed grids (.ss and what other programs copy: rows
// between borders of - = + * | and the forum's . : '), rows of comma-separated cells and
// candidate grids (81 or 225 groups of candidates). Grids follow each other after a blank or
// comment line, and comma-separated grids also without one (as the console sudoku program writes
// several in CSV); a title or comment line before a grid names it. Inside a grid, blank and comment
// lines may stand between its bands. Whatever follows the grids that is not such a grid is
// ignored.

#include <algorithm>
#include <bit>
#include <utility>

#include "storage/puzzle_format_parts.h"

namespace quorvel::formats {

namespace {

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

bool isSide(std::size_t count) {
    return count == static_cast<std::size_t>(kNineGrid.side) ||
           count == static_cast<std::size_t>(kFifteenGrid.side);
}

// A row of comma-separated cells: an empty field is an empty cell, and a comma after the last of
// 9 or 15 cells ends the row.
RowWords fieldsOf(std::string_view line) {
    RowWords row;
    for (std::size_t start = 0; start <= line.size();) {
        const std::size_t end = std::min(line.find(',', start), line.size());
        const std::string_view field = trimmed(line.substr(start, end - start));
        row.add(field.empty() ? kEmptyField : field);
        start = end + 1;
    }
    if (line.back() == ',' && isSide(row.words.size() - 1)) {
        row.words.pop_back();
        --row.characters;
    }
    return row;
}

RowWords wordsOf(std::string_view line) {
    if (line.find(',') != std::string_view::npos) return fieldsOf(line);
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
int sideOf(const RowWords& row) {
    if (isSide(row.words.size()) && row.characters > row.words.size())
        return static_cast<int>(row.words.size());
    return isSide(row.characters) ? static_cast<int>(row.characters) : 0;
}

// The cells of a row whatever size of grid it belongs to: one a word when it has more words than
// a row has blocks, otherwise one a character.
std::size_t cellsOf(const RowWords& row) {
    const auto blocks = static_cast<std::size_t>(kFifteenGrid.blocksAcross());
    return row.words.size() > blocks ? row.words.size() : row.characters;
}

std::string rowCountProblem(std::size_t count, const char* what, int side) {
    return std::to_string(count) + " " + what + ", expected " + std::to_string(side);
}

// What the grid of a SadMan file's section holds; the grids of other texts hold givens.
enum class Section { Givens, State, Marks, Ignored };

Section sectionNamed(std::string_view line) {
    if (line == "[Puzzle]") return Section::Givens;
    if (line == "[State]") return Section::State;
    if (line == "[PencilMarks]") return Section::Marks;
    return Section::Ignored;
}

// Reads the grids line by line; a block after the first that does not start with a grid row ends
// the reading (it is a trailing record). A row of exactly `side` words holds one cell a word (a
// candidate group, or a single character when the cells are spaced out); any other row holds its
// cells as characters. A [State] or [PencilMarks] grid describes the puzzle read just before it.
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
    bool addCell(int number, std::string_view group);
    void refuseAt(int number, std::string problem);
    void keepGrid();
    GridKind kind() const { return side_ == kNineGrid.side ? kNineGrid : kFifteenGrid; }

    PuzzleTextRead& read_;
    Section section_ = Section::Givens;
    // The index in read_.puzzles of the puzzle the last givens grid gave; -1 when it gave none.
    int lastPuzzle_ = -1;
    int side_ = 0;
    int grids_ = 0;
    bool stopped_ = false;
    bool beforeContent_ = true;
    // The block being read: lines up to the next blank line.
    int firstLine_ = 0;
    // Whether the grid's rows are comma-separated cells.
    bool commaRows_ = false;
    std::vector<PuzzleInfo> info_;
    std::size_t rows_ = 0;
    // The cells of every row so far when the first fits no grid kind, 0 otherwise.
    std::size_t unplayedSide_ = 0;
    std::vector<int> rowLines_;
    int firstExtraLine_ = 0;
    // The values written in each cell read so far: one for a value, several for candidates.
    std::vector<ValueMask> cells_;
    std::string problem_;
    int problemLine_ = 0;
};

bool GridReader::take(int number, std::string_view line) {
    line = trimmed(line);
    if (isSection(line)) {
        if (rows_ > 0) endBlock();
        section_ = sectionNamed(line);
    } else if (section_ == Section::Ignored || (section_ != Section::Givens && lastPuzzle_ < 0)) {
        return true;
    } else if (line.empty()) {
        if (!gridOpen()) endBlock();
    } else if (isComment(line)) {
        if (rows_ > 0 && !gridOpen()) endBlock();
        takeComment(line);
    } else if (std::exchange(beforeContent_, false) && isCsvHeader(line)) {
        return true;
    } else if (!isBorder(line)) {
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
        line.size() > 1 && line[0] == '#' && kSdkTags.find(line[1]) != std::string_view::npos;
    const char tag = tagged ? line[1] : 'N';
    const std::string_view text = tagged ? trimmed(line.substr(2)) : commentText(line);
    const bool repeated =
        std::any_of(info_.begin(), info_.end(), [&](const PuzzleInfo& n) { return n.tag == tag; });
    if (!repeated && !text.empty()) info_.push_back({tag, std::string(text)});
}

void GridReader::addRow(int number, std::string_view line) {
    const bool commaRow = line.find(',') != std::string_view::npos;
    // A comma-separated grid whose rows are all there ends where the next one starts.
    if (section_ == Section::Givens && commaRows_ && commaRow && side_ > 0 &&
        rows_ == static_cast<std::size_t>(side_))
        endBlock();
    const RowWords row = wordsOf(line);
    if (rows_ == 0) {
        commaRows_ = commaRow;
        side_ = section_ == Section::Givens
                    ? sideOf(row)
                    : read_.puzzles[static_cast<std::size_t>(lastPuzzle_)].puzzle.kind.side;
        stopped_ = side_ == 0 && grids_ > 0;
        if (stopped_) return;
        unplayedSide_ = side_ == 0 && cellsOf(row) >= kSmallestSide ? cellsOf(row) : 0;
        if (side_ == 0)
            refuseAt(number, cellCountProblem(row.characters, kNineGrid.side, kFifteenGrid.side));
    } else if (cellsOf(row) != unplayedSide_) {
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
    const bool groups = row.words.size() == side;
    if (!groups && row.characters != side) {
        const bool manyWords = row.words.size() > static_cast<std::size_t>(kind().blocksAcross()) &&
                               row.characters > side;
        return refuseAt(
            number, rowCountProblem(manyWords ? row.words.size() : row.characters, "cells", side_));
    }
    for (const std::string_view word : row.words) {
        for (std::size_t start = 0; start < word.size(); start += groups ? word.size() : 1) {
            if (!addCell(number, word.substr(start, groups ? word.size() : 1))) return;
        }
    }
}

// The next cell, written as a candidate group or a single character.
bool GridReader::addCell(int number, std::string_view group) {
    const int cell = static_cast<int>(cells_.size()) + 1;
    ValueMask values = 0;
    for (const char c : group) {
        if (auto problem = cellCharacterProblem(kind(), cell, c)) {
            refuseAt(number, std::move(*problem));
            return false;
        }
        if (const int value = cellCharacterValue(c); value > 0)
            values |= static_cast<ValueMask>(1u << value);
    }
    cells_.push_back(values);
    return true;
}

void GridReader::refuseAt(int number, std::string problem) {
    if (!problem_.empty()) return;
    problem_ = std::move(problem);
    problemLine_ = number;
}

void GridReader::endBlock() {
    if (rows_ > 0 && !stopped_) {
        if (section_ == Section::Givens) {
            ++grids_;
            lastPuzzle_ = -1;
        }
        if (unplayedSide_ > 0 && rows_ % unplayedSide_ == 0) {
            refuse(read_, problemLine_, unplayedGridProblem(static_cast<int>(unplayedSide_)));
        } else if (!problem_.empty()) {
            refuse(read_, problemLine_, problem_);
        } else if (rows_ != static_cast<std::size_t>(side_)) {
            const int line = rows_ > rowLines_.size() ? firstExtraLine_ : rowLines_.back();
            refuse(read_, line, rowCountProblem(rows_, "rows", side_));
        } else {
            keepGrid();
        }
        // A section holds one grid; what follows it is another puzzle.
        section_ = Section::Givens;
    }
    firstLine_ = 0;
    side_ = 0;
    info_.clear();
    rows_ = 0;
    unplayedSide_ = 0;
    rowLines_.clear();
    cells_.clear();
    problem_.clear();
}

// Givens make a puzzle; a [State] grid's values in the puzzle's empty cells are its entries, and
// a [PencilMarks] grid gives its candidate state: a marked cell its marks, a cell holding a given
// or an entry that value, any other cell every value.
void GridReader::keepGrid() {
    if (section_ == Section::Givens) {
        FilePuzzle entry = puzzleOfCandidates(kind(), cells_);
        entry.line = firstLine_;
        entry.info = std::move(info_);
        read_.puzzles.push_back(std::move(entry));
        lastPuzzle_ = static_cast<int>(read_.puzzles.size()) - 1;
        return;
    }
    FilePuzzle& described = read_.puzzles[static_cast<std::size_t>(lastPuzzle_)];
    const std::vector<int>& givens = described.puzzle.values;
    std::vector<int>& entries = described.entries;
    if (section_ == Section::State) {
        entries.assign(cells_.size(), 0);
        for (std::size_t i = 0; i < cells_.size(); ++i) {
            if (std::popcount(cells_[i]) == 1 && givens[i] == 0)
                entries[i] = std::countr_zero(cells_[i]);
        }
        dropIfEmpty(entries);
    } else if (std::any_of(cells_.begin(), cells_.end(), [](ValueMask marks) { return marks; })) {
        described.puzzle.candidates = cells_;
    }
    std::vector<ValueMask>& state = described.puzzle.candidates;
    for (std::size_t i = 0; i < state.size(); ++i) {
        const int value = givens[i] > 0 ? givens[i] : i < entries.size() ? entries[i] : 0;
        if (value > 0) state[i] = static_cast<ValueMask>(1u << value);
        if (state[i] == 0) state[i] = unitTables(kind()).fullMask;
    }
}

}  // namespace

void readGrids(std::string_view text, PuzzleTextRead& read) {
    GridReader reader(read);
    TextLines lines(text);
    while (lines.next() && reader.take(lines.number(), lines.line())) {
    }
    reader.endBlock();
}

}  // namespace quorvel::formats
