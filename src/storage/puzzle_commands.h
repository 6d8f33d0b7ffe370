#pragma once
// The database routines the Database menu and the grid windows' saves share, over the
// process-wide current-puzzle state. Each takes a Database loaded at the start of the command;
// those that change it write it back and touch the Session only when the write succeeded.

#include <string>
#include <string_view>

#include "model/session.h"
#include "storage/file_error.h"
#include "storage/puzzle_database.h"

namespace quorvel {

// Title of the message shown when a record or a file cannot be used.
inline constexpr std::string_view kInvalidDataTitle = "Invalid Data.";

// Counts the level's records: sets puzzleCount (as text) and lastPuzzleNo; returns the count.
int CountLevel(Session& session, const Database& database, int level);
// "Puzzle Number?   (1 ~ " count ")".
std::string PuzzleNumberPrompt(std::string_view count);

// Makes a record the current puzzle: puzzleNumber, puzzleCells, puzzleKind, puzzleLevel.
void MakeCurrentPuzzle(Session& session, const PuzzleRecord& record);

// The Get Puzzle dialog's OK: the entered ordinal (capped at session.puzzleCount) of the level.
// Makes the record current and returns true; false (state unchanged) when no record is reached.
bool GetPuzzleByOrdinal(Session& session, const Database& database, int level,
                        std::string_view enteredText);

// Store Solution in Database: cellText is givens # values from the grid, the level is
// session.gradeLevel. Replaces the record with the same givens (keeping its number, and Kind 1
// for a pre-defined puzzle; 9 otherwise) or appends a new Kind 9 record numbered one above the
// highest number in the file. The stored record becomes the current puzzle.
FileStatus StoreSolution(Session& session, Database& database, const std::string& cellText);

// Save Incomplete Puzzle: the record numbered 32000 (Kind 8, with the elapsed time) replaces
// the one already there or is appended. The current puzzle becomes the incomplete one.
FileStatus StoreIncompletePuzzle(Session& session, Database& database, const std::string& cellText,
                                 double elapsed);

// Delete Puzzle's removal: the first record numbered session.puzzleNumber. Returns true when a
// record was removed and written back (lastPuzzleNo is then recounted), false when none had it
// or it is pre-defined (Kind 1 records are never deleted).
Result<bool> RemoveCurrentPuzzle(Session& session, Database& database);

}  // namespace quorvel
