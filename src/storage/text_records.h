#pragma once
// Puzzle text files: Create Text File writes the grid's puzzle as an identification line and one
// record; Import Text File and Import Batch append every record of such a file to the database of
// its grid size with fresh numbers, and register the file's identification line in the header.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/grid_kind.h"
#include "model/program_state.h"
#include "storage/file_error.h"
#include "storage/puzzle_database.h"

namespace quorvel {

inline constexpr int kExportPuzzleNumber = 30000;  // placeholder; imports renumber every record
// Shown, titled "Invalid Data.", when an import is refused.
inline constexpr std::string_view kImportRefusedText =
    "Invalid File or Data in this file already exists.\r\n\r\nNothing to do!";

struct ExportCell {
    std::string text;    // what the cell shows
    bool given = false;  // locked, or has the marked background
};

// The plain text of Create Text File: an empty identification line, CR LF, and
// "[]30000[]" size "[]" level "[]" givens # values # pattern.
std::string buildExportText(const GridKind& kind, int level, const std::vector<ExportCell>& cells);
// Scrambles the export text and writes it to `file`.
FileStatus writeExportFile(const std::filesystem::path& file, const GridKind& kind, int level,
                           const std::vector<ExportCell>& cells);

// A puzzle text file after checking: every record fits the grid of the first one.
struct ImportBatch {
    GridKind kind = kNineGrid;
    std::string identification;        // line 0
    std::vector<std::string> records;  // the non-empty lines after it, as read
};

enum class ImportProblem {
    NothingToImport,  // fewer than two lines or no record: ends quietly
    InvalidData,      // a record that cannot be used, or a file already imported
};

struct ImportCheck {
    std::optional<ImportBatch> batch;
    ImportProblem problem = ImportProblem::NothingToImport;  // when there is no batch
};

// Reads the unscrambled text of a puzzle text file. Every record must have a size code 3 or 5
// (all the same), a level 1..4, and givens and values (and a pattern, when present) with one
// entry per cell and values in range; one bad record refuses the whole file.
ImportCheck checkImportText(std::string_view plainText);
// True when `bytes`, as stored, are a puzzle text file that Import Text File takes.
bool isPuzzleTextFile(std::string_view bytes);

// What the window shows after an import: the first record's values and pattern ("L" marks a
// given). A record without a pattern list marks its non-empty givens.
struct ImportedPuzzle {
    GridKind kind = kNineGrid;
    std::vector<std::string> values;
    std::vector<std::string> pattern;
    int firstNumber = 0;  // number given to the first imported record
    int lastNumber = 0;   // number given to the last
    int count = 0;        // records added
};

// Adds the batch to `database` in memory (the database of batch.kind) and registers its
// identification line in the header as "[]" and the line (field 6 onward). Refused (nullopt)
// when that entry is already registered, or, for an empty identification line, when every
// record's givens already stand in the database, or when too few numbers are free. Records
// receive new numbers (see newPuzzleNumbers) in file order.
std::optional<ImportedPuzzle> mergeImport(const ImportBatch& batch, Database& database);

struct ImportOutcome {
    std::optional<ImportedPuzzle> imported;  // set when records were added and written
    ImportProblem problem = ImportProblem::NothingToImport;
};

// The whole import of the file at `textFile` into the data folder: read, check, merge, write
// back. On success session.activeSizeCode is the batch's size code and session.lastPuzzleNumber the
// last number given. Nothing is written unless the whole file is accepted; a database without
// enough free numbers is reported full.
Result<ImportOutcome> importTextFile(ProgramState& session, const std::filesystem::path& dataFolder,
                                     const std::filesystem::path& textFile);

}  // namespace quorvel
