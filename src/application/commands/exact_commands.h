#pragma once
// The commands that answer with the exact solution counter on a grid's givens: Assist Solve >
// Check Puzzle and Show Mistakes, Solve > Exact Solve, and the note Lock Grid adds. The tool
// and the windows run the same functions; the windows colour the cells these return.

#include <vector>

#include "application/grid/board.h"

namespace quorvel {

inline constexpr const char* kUniqueSolutionText = "Unique solution.";
inline constexpr const char* kCheckGivensText = "No solution: check the givens.";
inline constexpr const char* kSeveralSolutionsText = "More than one solution.";
inline constexpr const char* kNoExactSolutionText = "No solution";
inline constexpr const char* kNoUniqueSolutionText = "More than one solution";
inline constexpr const char* kMistakesUntoldText =
    "More than one solution: entries cannot be checked.";

// The givens, one value per cell (index 0 is cell 1, 0 = not a given): the locked cells that
// show a value; when no cell is locked (a puzzle being typed in), every cell that shows one.
std::vector<int> givenValues(const Board& board);

// Check Puzzle: counts the solutions of the givens up to two and says so on the message line.
// Returns the cells where two solutions differ (where a given is missing), empty otherwise.
std::vector<int> checkPuzzleCommand(Board& board);

// Show Mistakes: when the givens have exactly one solution, the entries that differ from it, and
// the message line counts them; otherwise the message line says why it cannot tell.
std::vector<int> showMistakesCommand(Board& board);

// Exact Solve: fills the grid with the solution when the givens have exactly one; otherwise
// says "No solution" or "More than one solution" and changes nothing. True when it filled.
bool exactSolveCommand(Board& board);

// Lock Grid's note: says on the message line when the givens do not have exactly one solution.
void noteWhenNotUnique(Board& board);

}  // namespace quorvel
