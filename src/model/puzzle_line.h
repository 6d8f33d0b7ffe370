#pragma once
// The one-line puzzle format used by the tool, the benchmarks and text exchange: N x N characters,
// the length giving the kind. Empty cells are ".", "0", "*", "_", "x" or "-"; values are "1"-"9"
// and, on 15 x 15, "A"-"F" (either case) for 10-15. The cell rules here are the one place every
// puzzle text format (lines, grids, candidate groups) reads a cell character.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/grid_kind.h"
#include "model/puzzle.h"
#include "model/units.h"

namespace quorvel {

struct PuzzleLineResult {
    std::optional<Puzzle> puzzle;
    std::string error;    // one line naming the problem when puzzle is empty
    int problemCell = 0;  // the cell the error is about; 0 when it is about the whole line
};

// The value a cell character stands for: 0 for an empty mark, 1-9 for a digit, 10-35 for a letter
// (either case; "x" is an empty mark); -1 for a character that is no cell at all.
int cellCharacterValue(char c);

// Why `c` cannot stand in `cell` of a puzzle of `kind` ("cell r2c5: 16 is not a value of a
// 15 x 15 grid", "cell r1c1: bad character '?'"); nullopt when it can.
std::optional<std::string> cellCharacterProblem(const GridKind& kind, int cell, char c);

// "80 cells, expected 81": the count compared with the nearer of the two puzzle sizes `nine` and
// `fifteen` (81 and 225 for whole puzzles, 9 and 15 for grid rows).
std::string cellCountProblem(std::size_t count, int nine, int fifteen);

// "16 x 16 grid: only 9 x 9 and 15 x 15 grids are played".
std::string unplayedGridProblem(int side);

// The character value 1..15 is written with: "1"-"9", "A"-"F".
char valueCharacter(int value);

// Blanks, tabs and carriage returns around the line are ignored. A line of the cells of a grid
// larger than 15 x 15 is refused with unplayedGridProblem.
PuzzleLineResult parsePuzzleLine(std::string_view line);
// A candidate line: N characters per cell, cell by cell (729 on the 9 x 9 grid, 3,375 on the
// 15 x 15); the i-th character of a cell is value i's cell character where i is a candidate and an
// empty mark where it is not. A cell with one candidate holds that value.
PuzzleLineResult parseCandidateLine(std::string_view line);
// A puzzle line or a candidate line, told apart by length.
PuzzleLineResult parseStateLine(std::string_view line);
// The candidate line of the candidates (index 0 is cell 1).
std::string formatCandidateLine(const GridKind& kind, const std::vector<ValueMask>& candidates);
// Values 0..15 per cell, "." for empty; values outside 1..N also give ".".
std::string formatPuzzleLine(const GridKind& kind, const std::vector<int>& values);

}  // namespace quorvel
