#pragma once
// Puzzles in the text formats other programs exchange, read by content rather than by file name:
//   line        81 or 225 cell characters a line; a file of them is a collection
//   sdk         9 lines of 9 (15 of 15) cells, "#" metadata lines, an optional "[Puzzle]" line
//   boxed (ss)  the grid drawn with | - + * borders; records after a blank line are ignored
//   opensudoku  XML: <opensudoku> with name, author, description, level and <game data="..."/>
//   candidates  81 or 225 groups of candidates; a cell with one candidate becomes a given
// A reading either yields puzzles or refuses, naming the line and the problem.

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
// 'D' description, 'C' comment, 'L' level, 'S' source, 'U' address, 'B' date; 'N' the name an
// opensudoku file gives its collection.
struct PuzzleNote {
    char tag;
    std::string text;
    bool operator==(const PuzzleNote&) const = default;
};

struct FilePuzzle {
    PuzzleLine puzzle;
    int line = 0;  // the line of the text the puzzle starts on
    std::vector<PuzzleNote> notes;
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

PuzzleTextRead ReadPuzzleText(std::string_view text);
// Reads at most kMaxPuzzleTextBytes from the stream (refusing more) and then the text.
PuzzleTextRead ReadPuzzleStream(std::istream& in);
// A regular file over the limit is refused from its size alone, without reading it.
PuzzleTextRead ReadPuzzleFile(const std::filesystem::path& path);

enum class PuzzleFormat { Line, Sdk, Boxed, OpenSudoku };

struct PuzzleFormatName {
    PuzzleFormat format;
    std::string_view name;    // as the tool names it: line, sdk, ss, opensudoku
    std::string_view suffix;  // the file name suffix a saved file gets by default
};
inline constexpr PuzzleFormatName kPuzzleFormats[] = {
    {PuzzleFormat::Line, "line", ".txt"},
    {PuzzleFormat::Sdk, "sdk", ".sdk"},
    {PuzzleFormat::Boxed, "ss", ".ss"},
    {PuzzleFormat::OpenSudoku, "opensudoku", ".opensudoku"},
};
std::optional<PuzzleFormat> PuzzleFormatNamed(std::string_view name);

struct PuzzleTextWrite {
    std::string text;
    std::string error;  // why the format cannot hold the puzzles; text is then empty
};

// The puzzles as one text in `format`, every line ending in "\n": one puzzle a line, or grids
// separated by a blank line. Reading the text back gives the same cells (and the notes the format
// keeps). opensudoku holds 9 x 9 puzzles only.
PuzzleTextWrite WritePuzzleText(PuzzleFormat format, const std::vector<FilePuzzle>& puzzles);

}  // namespace quorvel
