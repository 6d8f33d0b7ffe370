#pragma once
// `generatePuzzle`: fills the grid window with a random valid solution, cell by cell with
// backtracking, lets the window add givens, stores the full grid through the window's Grade and
// Save, then clears every cell that is not locked, so only the givens remain.
//
// The generator reaches its window through `GenerationWindow`: the grid windows implement it
// for the program, `HeadlessGeneration` for the tool, the benchmarks and tests.

#include <string>
#include <string_view>

#include "create/random_source.h"
#include "model/board.h"

namespace quorvel {

class GenerationWindow {
  public:
    virtual ~GenerationWindow() = default;

    // The cells and value tables; the board's events carry the message line.
    virtual Board& board() = 0;
    // The window's consistency check on a cell.
    virtual ConsistencyResult checkConsistency(int cell, bool silent) = 0;
    // Blank Grid without keeping the label: every cell emptied and unlocked.
    virtual void blankGrid() = 0;
    // Grade and Save without asking: stores the complete grid with session.gradeLevel.
    virtual void gradeAndSave() = 0;
    // The cell's back colour as the window shows it at rest (its text colour kept).
    virtual void restoreCellColour(int cell) = 0;
    // Mode 1 suspends repainting, any other mode resumes it.
    virtual void setDrawingMode(int mode) = 0;
    // The grid is complete and the pattern's cells are locked, just before it is stored: the
    // window may change the givens here (see create/level_aim.h). Setting
    // session.stopRequested meanwhile stops the generation.
    virtual void finishGivens(RandomSource& random) = 0;
};

// True when a full grid was made, stored and reduced to its locked cells; false when
// session.stopRequested was found set, while filling or after finishGivens (the grid is then
// blank and nothing is stored). The caller clears the flag before it starts a generation.
[[nodiscard]] bool generatePuzzle(GenerationWindow& window, RandomSource& random);

// "Generating row 7": the progress line of a dead end.
inline constexpr std::string_view kGeneratingRowLead = "Generating row ";
std::string generatingRowText(int row);

}  // namespace quorvel
