#pragma once
// The database routines the Database menu and the grid windows' saves share, over the
// process-wide current-puzzle state. Each takes a Database loaded at the start of the command;
// those that change it write it back and touch the ProgramState only when the write succeeded.

#include <optional>
#include <string>
#include <string_view>

#include "model/colouring.h"
#include "model/program_state.h"
#include "model/units.h"
#include "storage/file_error.h"
#include "storage/puzzle_database.h"

namespace quorvel {

// Title of the message shown when a record or a file cannot be used.
inline constexpr std::string_view kInvalidDataTitle = "Invalid Data.";

// Counts the level's fetchable records: sets puzzleCount (as text) and lastPuzzleNumber; returns
// the count.
int countLevel(ProgramState& session, const Database& database, int level);
// "Puzzle Number?   (1 ~ " count ")".
std::string puzzleNumberPrompt(std::string_view count);

// Makes a record the current puzzle: its number, cells, kind, level and grid kind.
void makeCurrentPuzzle(ProgramState& session, const PuzzleRecord& record);
// The grid no longer shows a stored puzzle: number 0, no cells, no kind.
void endCurrentPuzzle(ProgramState& session);
// True when the current puzzle names a stored record of the grid kind.
bool hasStoredPuzzle(const ProgramState& session, const GridKind& kind);

// The Get Puzzle dialog's OK: the ordinal-th record of the level that can be fetched. Makes the
// record found current; the state stays unchanged when none is (an ordinal outside 1..count).
LevelPick getPuzzleByOrdinal(ProgramState& session, const Database& database, int level,
                             int ordinal);

// Writes the record over the stored one with the same givens, taking its number (and its kind
// when keepStoredKind), or appends it under a new number; then writes the database back. A
// database without a free number is reported full and left unwritten.
FileStatus storeByGivens(Database& database, PuzzleRecord& record, bool keepStoredKind);

// Store Solution in Database: cellText is givens # values from the grid, the level is
// session.gradeLevel. Replaces the record with the same givens (keeping its number and its
// kind) or appends a new Kind 9 record under a new number; a database without a free number
// is reported full and left unwritten. The stored record becomes the current puzzle.
FileStatus storeSolution(ProgramState& session, Database& database, const std::string& cellText);

// Save Incomplete Puzzle: the record numbered 32000 (Kind 8, with the elapsed time) replaces
// the one already there or is appended. The current puzzle stays current; its kind becomes 8.
// The notes (by cell) and the user's colouring are kept first, in the file beside the database,
// keyed to the new record; when they cannot be written the database is left as it was.
FileStatus storeIncompletePuzzle(ProgramState& session, Database& database,
                                 const std::string& cellText, double elapsed,
                                 const NoteMasks& notes, const Colouring& colouring = {});
// The notes kept with the incomplete record `found` (no notes when none are kept for it); a notes
// file that cannot be read is a failure.
Result<NoteMasks> incompletePuzzleNotes(const Database& database, const FoundRecord& found);
// The colouring kept with it, the same way.
Result<Colouring> incompletePuzzleColouring(const Database& database, const FoundRecord& found);

// Delete Puzzle's removal: the record the current puzzle names, by number, kind as stored and
// grid kind together. Returns true when it was removed and written back (lastPuzzleNumber is then
// recounted), false when no record matches or it is pre-defined (never deleted).
Result<bool> removeCurrentPuzzle(ProgramState& session, Database& database);

}  // namespace quorvel
