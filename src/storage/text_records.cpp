#include "storage/text_records.h"

#include <algorithm>

#include "storage/cell_lists.h"
#include "storage/data_file.h"
#include "storage/number_text.h"

namespace quorvel {

namespace {

const std::string kSeparator(kFieldSeparator);
constexpr std::size_t kCellTextField = 4;

// The record's grid kind when the record can be imported; nullptr otherwise.
const GridKind* importableKind(std::string_view line) {
    const std::vector<std::string> fields = splitFields(line);
    if (fields.size() < 5 || !fields[0].empty()) return nullptr;
    const std::optional<int> level = parseInt16(fields[3]);
    if (!level || *level < 1 || *level > 4) return nullptr;
    const std::optional<int> sizeCode = parseInt16(fields[2]);
    const GridKind* kind = sizeCode ? kindForSizeCode(*sizeCode) : nullptr;
    if (!kind || !parseCellText(fields[4], *kind)) return nullptr;
    return kind;
}

// The header with at least seven "@" fields, so an appended identification line lands in the
// registry (field 6 onward).
std::string headerWithRegistry(const Database& database) {
    std::string header = database.lines.empty() ? "" : database.lines[0];
    if (std::all_of(header.begin(), header.end(), [](char c) { return c == ' '; })) {
        return std::string(kNewDatabaseHeader);
    }
    while (std::count(header.begin(), header.end(), '@') < kHeaderRegistryField)
        header += '@';
    return header;
}

std::string registry(const std::string& header) {
    std::size_t at = 0;
    for (int field = 0; field < kHeaderRegistryField; ++field) {
        at = header.find('@', at);
        if (at == std::string::npos) return "";
        ++at;
    }
    return header.substr(at);
}

// Each registered identification line stands in the registry as "[]" and the line; a match
// must end where the registry or the next entry begins, so "[]Batch" is not taken for
// "[]Batch March".
bool isRegistered(const std::string& registry, const std::string& identification) {
    const std::string entry = kSeparator + identification;
    for (std::size_t at = registry.find(entry); at != std::string::npos;
         at = registry.find(entry, at + 1)) {
        const std::string_view rest = std::string_view(registry).substr(at + entry.size());
        if (rest.empty() || rest.starts_with(kSeparator)) return true;
    }
    return false;
}

bool allGivensPresent(const ImportBatch& batch, const Database& database) {
    return std::all_of(batch.records.begin(), batch.records.end(), [&](const std::string& line) {
        return findByGivens(database, givensList(splitFields(line)[4])).has_value();
    });
}

// The record under its new number, up to its cell text: an imported record is Kind 9 whatever
// the file said, so a database read as a text file brings no second incomplete record (Kind 8)
// and no puzzles that could never be deleted (Kind 1).
std::string renumbered(const std::string& line, int number) {
    std::vector<std::string> fields = splitFields(line);
    fields[1] = std::to_string(number);
    std::string rebuilt;
    for (std::size_t i = 1; i <= kCellTextField; ++i)
        rebuilt += kSeparator + fields[i];
    return rebuilt;
}

ImportedPuzzle firstForDisplay(const ImportBatch& batch) {
    CellLists lists = *parseCellText(splitFields(batch.records.front())[4], batch.kind);
    if (lists.pattern.empty()) {
        for (const std::string& given : lists.givens)
            lists.pattern.emplace_back(given.empty() ? "" : "L");
    }
    return ImportedPuzzle{batch.kind, std::move(lists.values), std::move(lists.pattern), 0, 0};
}

}  // namespace

std::string buildExportText(const GridKind& kind, int level, const std::vector<ExportCell>& cells) {
    std::string givens, values, pattern;
    for (const ExportCell& cell : cells) {
        givens += "," + (cell.given ? cell.text : "");
        values += "," + cell.text;
        pattern += cell.given ? ",L" : ",";
    }
    return "\r\n" + kSeparator + std::to_string(kExportPuzzleNumber) + kSeparator +
           std::to_string(kind.sizeCode) + kSeparator + std::to_string(level) + kSeparator +
           givens + "#" + values + "#" + pattern;
}

FileStatus writeExportFile(const std::filesystem::path& file, const GridKind& kind, int level,
                           const std::vector<ExportCell>& cells) {
    return writeDataFile(file, buildExportText(kind, level, cells));
}

ImportCheck checkImportText(std::string_view plainText) {
    const std::vector<std::string> lines = parseDatabase(plainText, kNineGrid).lines;
    if (lines.size() < 2) return {};
    ImportBatch batch{kNineGrid, lines[0], {}};
    const GridKind* batchKind = nullptr;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        const GridKind* kind = importableKind(lines[i]);
        if (!kind || (batchKind && !(*kind == *batchKind))) {
            return {std::nullopt, ImportProblem::InvalidData};
        }
        batchKind = kind;
        batch.records.push_back(lines[i]);
    }
    if (!batchKind) return {};
    batch.kind = *batchKind;
    return {std::move(batch), ImportProblem::NothingToImport};
}

std::optional<ImportedPuzzle> mergeImport(const ImportBatch& batch, Database& database) {
    if (batch.records.empty()) return std::nullopt;
    std::string header = headerWithRegistry(database);
    if (batch.identification.empty()) {
        // Files from Create Text File all have an empty identification line, so the registry
        // cannot tell them apart: such a file is refused only when it brings nothing new.
        if (allGivensPresent(batch, database)) return std::nullopt;
    } else if (isRegistered(registry(header), batch.identification)) {
        return std::nullopt;
    }

    const std::vector<int> numbers =
        newPuzzleNumbers(database, static_cast<int>(batch.records.size()));
    if (numbers.empty()) return std::nullopt;
    ImportedPuzzle shown = firstForDisplay(batch);
    shown.firstNumber = numbers.front();
    shown.lastNumber = numbers.back();
    shown.count = static_cast<int>(numbers.size());
    if (database.lines.empty()) database.lines.emplace_back();
    if (!batch.identification.empty()) header += kSeparator + batch.identification;
    database.lines[0] = header;
    for (std::size_t i = 0; i < batch.records.size(); ++i)
        appendRecord(database, renumbered(batch.records[i], numbers[i]));
    return shown;
}

bool isPuzzleTextFile(std::string_view bytes) {
    return checkImportText(unscrambleFileBytes(bytes)).batch.has_value();
}

Result<ImportOutcome> importTextFile(ProgramState& session, const std::filesystem::path& dataFolder,
                                     const std::filesystem::path& textFile) {
    std::string bytes;
    if (FileStatus error = transferTextFile(bytes, textFile, TextFileMode::ReadRaw)) return *error;
    const ImportCheck check = checkImportText(unscrambleFileBytes(bytes));
    if (!check.batch) return ImportOutcome{std::nullopt, check.problem};

    Result<Database> loaded = loadDatabase(dataFolder, check.batch->kind);
    if (!loaded) return loaded.error();
    Database& database = loaded.value();
    if (newPuzzleNumbers(database, static_cast<int>(check.batch->records.size())).empty()) {
        return databaseFullError(database);
    }
    std::optional<ImportedPuzzle> imported = mergeImport(*check.batch, database);
    if (!imported) return ImportOutcome{std::nullopt, ImportProblem::InvalidData};
    if (FileStatus error = writeBack(database)) return *error;
    session.activeSizeCode = check.batch->kind.sizeCode;
    session.lastPuzzleNumber = imported->lastNumber;
    return ImportOutcome{std::move(imported), ImportProblem::NothingToImport};
}

}  // namespace quorvel
