#pragma once
// One line of a puzzle database: fields separated by "[]", the line beginning with the separator.
//   []number[]size code[]level[]cell text[]kind[]elapsed
// Records imported from text files stop after the cell text (no kind; they read as kind 9).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/grid_kind.h"

namespace quorvel {

inline constexpr std::string_view kFieldSeparator = "[]";
inline constexpr int kIncompletePuzzleNumber = 32000;  // reserved for the work-in-progress record
inline constexpr int kHighestPuzzleNumber = 32767;     // numbers are read as 16-bit values

// Record kinds.
inline constexpr int kKindPredefined = 1;  // shipped with the database, cannot be deleted
inline constexpr int kKindComposed = 5;    // graded and saved from the grid, or generated
inline constexpr int kKindIncomplete = 8;  // the incomplete puzzle, number 32000
inline constexpr int kKindStored = 9;      // stored with its solution, or imported

struct PuzzleRecord {
    int number = 0;
    int sizeCode = 3;
    int level = 1;
    std::string cellText;  // givens # values [# pattern]
    int kind = kKindStored;
    std::string elapsed;  // Kind 8 only: elapsed time as a decimal fraction of a day
};

// The line split at every "[]"; element 0 is what precedes the first separator.
std::vector<std::string> splitFields(std::string_view line);

// The puzzle number of a line, when it reads as a number (whether or not the rest of the line
// does).
std::optional<int> recordNumber(std::string_view line);

// A record of a database of `kind`, or nullopt when it cannot be read: too few fields, a
// number or level that is not numeric, another size code, or cell lists that do not fit the
// grid (wrong count, a value outside 1..N). A missing, empty or non-numeric Kind reads as 9.
std::optional<PuzzleRecord> readRecord(std::string_view line, const GridKind& kind);

// The same record read in place: its texts are views into `line`, so looking through a whole
// database copies nothing.
struct RecordFields {
    int number = 0;
    int sizeCode = 3;
    int level = 1;
    std::string_view cellText;
    int kind = kKindStored;
    std::string_view elapsed;
};
std::optional<RecordFields> readRecordFields(std::string_view line, const GridKind& kind);

// "[]" number "[]" sizeCode "[]" level "[]" cellText "[]" kind "[]" elapsed.
std::string formatRecord(const PuzzleRecord& record);

// The givens list (the part before the first "#") of a cell text.
std::string_view givensList(std::string_view cellText);

}  // namespace quorvel
