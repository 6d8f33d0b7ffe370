#pragma once
// The pieces the puzzle format reader and writer are made of, one file per format family. Only
// puzzle_formats.cpp and these pieces include this header.

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "storage/puzzle_formats.h"

namespace quorvel::formats {

// The .sdk metadata tags (PuzzleInfo).
inline constexpr std::string_view kSdkTags = "ADCLSUB";

// Walks a text line by line (lines end in LF or CR LF), numbering them from 1, without copying.
class TextLines {
  public:
    explicit TextLines(std::string_view text) : rest_(text) {}
    // Moves to the next line; false after the last one.
    bool next();
    std::string_view line() const { return line_; }
    int number() const { return number_; }

  private:
    std::string_view rest_;
    std::string_view line_;
    int number_ = 0;
    bool done_ = false;
};

std::string_view trimmed(std::string_view text);
bool isBlank(std::string_view line);
// A line of a drawn grid's borders, such as "*-----------*" or "|---+---+---|".
bool isBorder(std::string_view line);
// A title or comment line (trimmed): one starting with "%", "#", ";" or "//".
bool isComment(std::string_view line);
// The text of a comment line after its mark, trimmed.
std::string_view commentText(std::string_view line);
// A section name line (trimmed), such as "[Puzzle]".
bool isSection(std::string_view line);
// The header row a spreadsheet puts over comma-separated columns, such as "Puzzle,Solution,":
// a line with a comma and a letter no cell is written with. Only a text's first line holding
// anything but comments can be one.
bool isCsvHeader(std::string_view line);

// Records a puzzle of the collection that could not be read.
void refuse(PuzzleTextRead& read, int line, const std::string& problem);

// Empties a list of cells that holds nothing, as FilePuzzle keeps it.
template <typename Value>
void dropIfEmpty(std::vector<Value>& cells) {
    if (std::all_of(cells.begin(), cells.end(), [](Value value) { return value == 0; }))
        cells.clear();
}

// The puzzle a candidate grid gives, from the values written in each cell: a cell with one holds
// it as a given, and when some cell has several the candidate state is kept (a cell with none
// written may hold every value).
FilePuzzle puzzleOfCandidates(const GridKind& kind, const std::vector<ValueMask>& cells);
// Every cell's candidates as the candidate formats write them (see writesCandidates).
std::vector<ValueMask> cellCandidates(const FilePuzzle& entry);
// "1259C": the characters of the values, ascending.
std::string candidateCharacters(ValueMask candidates);

// One puzzle (or candidate line) a line; comment lines and a CSV header are skipped, and anything
// after the cells (following a blank, "#" or ",") is a comment or another column.
void readLineCollection(std::string_view text, PuzzleTextRead& read);
std::string writeLineCollection(const std::vector<FilePuzzle>& puzzles);
std::string writeCandidateLines(const std::vector<FilePuzzle>& puzzles);

// Grids drawn over several lines: .sdk and SadMan files, boxed grids, comma-separated rows and
// candidate grids.
void readGrids(std::string_view text, PuzzleTextRead& read);
std::string writeSdk(const std::vector<FilePuzzle>& puzzles);
std::string writeBoxed(const std::vector<FilePuzzle>& puzzles);
std::string writeCandidateGrids(const std::vector<FilePuzzle>& puzzles);

void readOpenSudoku(std::string_view text, PuzzleTextRead& read);
PuzzleTextWrite writeOpenSudoku(const std::vector<FilePuzzle>& puzzles);

}  // namespace quorvel::formats
