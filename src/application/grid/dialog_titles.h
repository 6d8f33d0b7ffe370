#pragma once
// Titles of the input dialog and the short texts several commands show through it. A title also
// selects the dialog's mode, so every caller and the dialog itself use these same spellings.

#include <string_view>

#include "storage/puzzle_commands.h"  // kInvalidDataTitle

namespace quorvel {

inline constexpr std::string_view kGetPuzzleTitle = "Get a puzzle.";
inline constexpr std::string_view kGradeTitle = "Grade and Save.";
inline constexpr std::string_view kComposeTitle = "My Su Doku.";
inline constexpr std::string_view kOutOfRangeTitle = "Out of Range.";
inline constexpr std::string_view kQuorvelTitle = "Quorvel";
inline constexpr std::string_view kPuzzleChoiceTitle = "Open Puzzle File.";
inline constexpr std::string_view kImportCollectionTitle = "Import Collection.";

inline constexpr std::string_view kGradePrompt = "Grade the puzzle?   ";
inline constexpr std::string_view kIncompleteSolutionText = "Cannot save an incomplete solution.";
inline constexpr std::string_view kNoGivensText = "Cannot save a puzzle without givens.";
inline constexpr std::string_view kCompositionUnsolvableText = "This puzzle has no solution.";
inline constexpr std::string_view kCompositionNotUniqueText =
    "This puzzle has 2 or more solutions.";
inline constexpr std::string_view kNothingToDoText = "Nothing to do!";

}  // namespace quorvel
