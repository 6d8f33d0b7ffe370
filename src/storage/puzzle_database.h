#pragma once
// The two puzzle databases ("type3.pxz" for the 9x9 grid, "type5.pxz" for the 15x15 grid): a
// header line (fields separated by "@"; field 6 onward is the import registry) followed by one
// puzzle record a line, CR LF between lines. Each command reads a database whole, changes it in
// memory and writes it back whole.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/grid_kind.h"
#include "storage/file_error.h"
#include "storage/puzzle_record.h"

namespace quorvel {

// Header written into a database that receives its first record while missing or empty: seven
// "@" fields (0..5 bookkeeping, 6 the still empty import registry) and no "]".
inline constexpr std::string_view kNewDatabaseHeader = "Quorvel@@@@@@";
inline constexpr int kHeaderRegistryField = 6;

std::string_view databaseFileName(const GridKind& kind);  // "type3.pxz" or "type5.pxz"
// The database of a grid kind in the data folder, its name matched without regard to case.
std::filesystem::path databasePath(const std::filesystem::path& dataFolder, const GridKind& kind);

struct Database {
    std::filesystem::path path;
    GridKind kind = kNineGrid;
    std::vector<std::string> lines;  // lines[0] is the header; empty when the text was empty
};

// Splits a plain database text at CR LF.
Database parseDatabase(std::string_view plainText, const GridKind& kind,
                       std::filesystem::path path = {});
// The plain text: lines joined by CR LF, no break after the last.
std::string databaseText(const Database& database);

// Reads the database of `kind`. A missing file loads as an empty database (which can receive a
// first record); a file that exists but cannot be read is an error, so that nothing overwrites it.
Result<Database> loadDatabase(const std::filesystem::path& dataFolder, const GridKind& kind);
Result<Database> loadDatabaseFile(const std::filesystem::path& file, const GridKind& kind);

// Scrambles the text and replaces the file atomically.
FileStatus writeBack(const Database& database);

// Records that cannot be read (see readRecord) are skipped by every lookup below.
struct FoundRecord {
    std::size_t line = 0;  // index into Database::lines
    PuzzleRecord record;
};
std::vector<FoundRecord> readableRecords(const Database& database);

// The highest puzzle number below 32000 on any line (0 when none). Lines whose cells cannot be read
// still count here, so a new number never repeats one that is in the file.
int highestPuzzleNumber(const Database& database);

// Numbers for `count` new records: upward from one above the highest number in the file, then
// the lowest numbers still free; never 32000 (the incomplete puzzle's) and never above 32767.
// Empty when fewer than `count` numbers are free.
std::vector<int> newPuzzleNumbers(const Database& database, int count);
// The number a record appended after `number` receives when numbers are given in order: one
// above, 32000 skipped; 0 when none is left below 32768.
int numberAfter(int number);
// The failure reported when no number is left for a new record; nothing is written then.
FileError databaseFullError(const Database& database);

// The records Get Puzzle can fetch: every readable record but the incomplete one (number 32000,
// or Kind 8), in file order; those of `level`, or of every level for level 0. Every count the
// user sees (the Get Puzzle prompt, the caption's "of N", a booklet's numbers) comes from here.
std::vector<FoundRecord> fetchableRecords(const Database& database, int level);

struct LevelCount {
    int count = 0;             // fetchable records of the level
    int lastPuzzleNumber = 0;  // as highestPuzzleNumber gives it
};
LevelCount countLevel(const Database& database, int level);

// What choosing the level's ordinal-th puzzle finds, from one reading of the records.
struct LevelPick {
    int count = 0;                     // fetchable records of the level
    int reached = 0;                   // min(ordinal, count): the ordinal of `found`
    std::optional<FoundRecord> found;  // the reached record in file order, if any
};
// The level's ordinal-th (1-based) fetchable record, or the last one for an ordinal beyond them;
// nothing for an ordinal below 1.
LevelPick pickFromLevel(const Database& database, int level, int ordinal);
// The first record whose givens list equals `givensList` exactly. The incomplete record is left
// out, so storing a finished puzzle never overwrites the work in progress.
std::optional<FoundRecord> findByGivens(const Database& database, std::string_view givensList);
std::optional<FoundRecord> findByNumber(const Database& database, int number);
// The first record numbered 32000.
std::optional<FoundRecord> findIncomplete(const Database& database);

// Adds a record as the new last line, after dropping trailing blank lines and blanks. A missing
// or empty database first receives kNewDatabaseHeader.
void appendRecord(Database& database, std::string recordLine);
// Replaces every line equal to oldLine.
void replaceRecord(Database& database, std::string_view oldLine, const std::string& newLine);
// Removes the line at `lineIndex` (1 or above; the header stays).
void removeRecord(Database& database, std::size_t lineIndex);

}  // namespace quorvel
