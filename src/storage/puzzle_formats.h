#pragma once
// Puzzles in the text formats other programs exchange, read by content rather than by file name:
//   line        81 or 225 cell characters a line; a file of them is a collection
//   sdk         9 lines of 9 (15 of 15) cells, "#" metadata lines; SadMan files' sections
//   boxed (ss)  the grid drawn with borders; records after a blank line are ignored
//   opensudoku  XML: <opensudoku> with name, author, description, ... and <game data="..."/>
//   candidates  81 or 225 groups of candidates; a cell with one candidate becomes a given
//   candidate line  the candidates of every cell in one line (model/puzzle_line.h)
// Texts in UTF-16 or with a byte-order mark read too. A reading either yields puzzles or refuses,
// naming the line and the problem.

#include <cstddef>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/puzzle_line.h"

namespace quorvel {

// Larger texts are refused before they are read: no puzzle file comes near this size.
inline constexpr std::size_t kMaxPuzzleTextBytes = 16 * 1024 * 1024;
// A reading lists at most this many refusals (it still counts them all).
inline constexpr std::size_t kMaxListedRefusals = 100;

// What a file says about a puzzle besides its cells, tagged as .sdk files tag it: 'A' author,
// 'D' description, 'C' comment, 'L' level, 'S' source, 'U' address, 'B' date; 'N' its name (an
// opensudoku file's collection name, the title line before a grid).
struct PuzzleInfo {
    char tag;
    std::string text;
    bool operator==(const PuzzleInfo&) const = default;
};

// A puzzle of a text and the state of solving the text may carry beside it. puzzle.values are the
// givens; puzzle.candidates the candidate state of a candidate grid or line, or of a SadMan file's
// [PencilMarks] (the noted values of a marked cell, a value's cell just that value, every value in
// a cell without marks), empty when the text gives none. `entries` are the values a SadMan file's
// [State] adds to the givens (index 0 for cell 1, 0 where none), empty when it adds none.
struct FilePuzzle {
    Puzzle puzzle;
    int line = 0;  // the line of the text the puzzle starts on
    std::vector<PuzzleInfo> info;
    std::vector<int> entries;
};

// A puzzle of a text that could not be read or used: the line it is on and the problem.
struct PuzzleRefusal {
    int line = 0;
    std::string problem;
    // "line 3: 80 cells, expected 81"
    std::string text() const;
};

struct PuzzleTextRead {
    std::vector<FilePuzzle> puzzles;
    // Puzzles of a collection that could not be read, in line order; at most kMaxListedRefusals
    // of them, refusedCount counting all.
    std::vector<PuzzleRefusal> refusals;
    int refusedCount = 0;
    // Set when the text as a whole cannot be read ("no puzzle found", broken XML, too large);
    // puzzles and refusals are then empty.
    std::string failure;

    // Every puzzle of the text was read.
    bool complete() const { return failure.empty() && refusedCount == 0; }
    // The failure or the first refusal; "" for a complete reading.
    std::string firstProblem() const;
};

PuzzleTextRead readPuzzleText(std::string_view text);
// Reads at most kMaxPuzzleTextBytes from the stream (refusing more) and then the text.
PuzzleTextRead readPuzzleStream(std::istream& in);
// A regular file over the limit is refused from its size alone, without reading it.
PuzzleTextRead readPuzzleFile(const std::filesystem::path& path);

enum class PuzzleFormat { Line, Sdk, Boxed, OpenSudoku, Candidates, CandidateLine };

struct PuzzleFormatName {
    PuzzleFormat format;
    std::string_view name;    // as the tool names it: line, sdk, ss, opensudoku, ...
    std::string_view suffix;  // the file name suffix a saved file gets by default, if any
};
inline constexpr PuzzleFormatName kPuzzleFormats[] = {
    {PuzzleFormat::Line, "line", ".txt"},
    {PuzzleFormat::Sdk, "sdk", ".sdk"},
    {PuzzleFormat::Boxed, "ss", ".ss"},
    {PuzzleFormat::OpenSudoku, "opensudoku", ".opensudoku"},
    {PuzzleFormat::Candidates, "candidates", ""},
    {PuzzleFormat::CandidateLine, "candidate-line", ""},
};
// Whether the format writes the state of solving: every cell's candidates, a value (given or
// entry) as its only candidate, and for a cell without noted candidates those its row, column
// and block leave. Read back, a cell with one candidate is a given.
constexpr bool writesCandidates(PuzzleFormat format) {
    return format == PuzzleFormat::Candidates || format == PuzzleFormat::CandidateLine;
}
// Whether the format keeps a candidate state (the notes of a game): the candidate formats, and
// sdk as a SadMan file, whose [State] holds the entries and [PencilMarks] the marked cells.
constexpr bool keepsCandidates(PuzzleFormat format) {
    return writesCandidates(format) || format == PuzzleFormat::Sdk;
}
std::optional<PuzzleFormat> puzzleFormatNamed(std::string_view name);

struct PuzzleTextWrite {
    std::string text;
    std::string error;  // why the format cannot hold the puzzles; text is then empty
};

// The puzzles as one text in `format`, every line ending in "\n": one puzzle a line, or grids
// separated by a blank line. Reading the text back gives the same givens (and the info the format
// keeps), or for the candidate formats the same candidates; sdk writes a puzzle with entries or
// a candidate state as a SadMan file and reads back all three. opensudoku holds 9 x 9 puzzles
// only.
PuzzleTextWrite writePuzzleText(PuzzleFormat format, const std::vector<FilePuzzle>& puzzles);

}  // namespace quorvel
