#include "storage/puzzle_database.h"

#include <algorithm>
#include <system_error>

#include "storage/data_file.h"

namespace quorvel {
namespace fs = std::filesystem;

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isBlankLine(std::string_view line) {
    return std::all_of(line.begin(), line.end(), isBlank);
}

template <class Visit>
void forEachReadable(const Database& database, Visit visit) {
    for (std::size_t i = 1; i < database.lines.size(); ++i) {
        if (database.lines[i].empty()) continue;
        if (const auto record = readRecordFields(database.lines[i], database.kind))
            visit(i, *record);
    }
}

// The records Get Puzzle can fetch (see fetchableRecords), of one level or (level 0) of all.
template <class Visit>
void forEachFetchable(const Database& database, int level, Visit visit) {
    forEachReadable(database, [&](std::size_t line, const RecordFields& record) {
        if (record.number == kIncompletePuzzleNumber || record.kind == kKindIncomplete) return;
        if (level == 0 || record.level == level) visit(line, record);
    });
}

template <class Accept>
std::optional<FoundRecord> findFirst(const Database& database, Accept accept) {
    for (std::size_t i = 1; i < database.lines.size(); ++i) {
        if (database.lines[i].empty()) continue;
        const std::optional<RecordFields> record =
            readRecordFields(database.lines[i], database.kind);
        if (record && accept(*record)) {
            return FoundRecord{i, *readRecord(database.lines[i], database.kind)};
        }
    }
    return std::nullopt;
}

}  // namespace

std::string_view databaseFileName(const GridKind& kind) {
    return kind.isNine() ? "type3.pxz" : "type5.pxz";
}

fs::path databasePath(const fs::path& dataFolder, const GridKind& kind) {
    return resolveDataFile(dataFolder, databaseFileName(kind));
}

Database parseDatabase(std::string_view plainText, const GridKind& kind, fs::path path) {
    Database database{std::move(path), kind, {}};
    if (plainText.empty()) return database;
    std::size_t start = 0;
    for (std::size_t at; (at = plainText.find("\r\n", start)) != std::string_view::npos;) {
        database.lines.emplace_back(plainText.substr(start, at - start));
        start = at + 2;
    }
    database.lines.emplace_back(plainText.substr(start));
    return database;
}

std::string databaseText(const Database& database) {
    std::string text;
    for (std::size_t i = 0; i < database.lines.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += database.lines[i];
    }
    return text;
}

Result<Database> loadDatabaseFile(const fs::path& file, const GridKind& kind) {
    std::string bytes;
    if (FileStatus error = transferTextFile(bytes, file, TextFileMode::ReadRaw)) return *error;
    return parseDatabase(unscrambleFileBytes(bytes), kind, file);
}

Result<Database> loadDatabase(const fs::path& dataFolder, const GridKind& kind) {
    return loadDatabaseFile(databasePath(dataFolder, kind), kind);
}

FileStatus writeBack(const Database& database) {
    return writeDataFile(database.path, databaseText(database));
}

std::vector<FoundRecord> readableRecords(const Database& database) {
    std::vector<FoundRecord> records;
    for (std::size_t i = 1; i < database.lines.size(); ++i) {
        if (database.lines[i].empty()) continue;
        if (auto record = readRecord(database.lines[i], database.kind)) {
            records.push_back({i, std::move(*record)});
        }
    }
    return records;
}

int highestPuzzleNumber(const Database& database) {
    int highest = 0;
    for (std::size_t i = 1; i < database.lines.size(); ++i) {
        const std::optional<int> number = recordNumber(database.lines[i]);
        if (number && *number > highest && *number < kIncompletePuzzleNumber) highest = *number;
    }
    return highest;
}

std::vector<int> newPuzzleNumbers(const Database& database, int count) {
    std::vector<bool> used(kHighestPuzzleNumber + 1, false);
    used[0] = true;
    used[kIncompletePuzzleNumber] = true;
    int highest = 0;
    for (std::size_t i = 1; i < database.lines.size(); ++i) {
        const std::optional<int> number = recordNumber(database.lines[i]);
        if (!number || *number < 1 || *number == kIncompletePuzzleNumber) continue;
        used[static_cast<std::size_t>(*number)] = true;
        highest = std::max(highest, *number);
    }
    std::vector<int> numbers;
    const auto take = [&](int from, int to) {
        for (int number = from; number <= to && static_cast<int>(numbers.size()) < count;
             ++number) {
            if (!used[static_cast<std::size_t>(number)]) numbers.push_back(number);
        }
    };
    take(highest + 1, kHighestPuzzleNumber);
    take(1, highest);
    if (static_cast<int>(numbers.size()) < count) numbers.clear();
    return numbers;
}

int numberAfter(int number) {
    int next = number + 1;
    if (next == kIncompletePuzzleNumber) ++next;
    return next <= kHighestPuzzleNumber ? next : 0;
}

FileError databaseFullError(const Database& database) {
    return FileError{database.path, "save",
                     "the database is full: no puzzle number below 32768 is free"};
}

std::vector<FoundRecord> fetchableRecords(const Database& database, int level) {
    std::vector<FoundRecord> records;
    forEachFetchable(database, level, [&](std::size_t line, const RecordFields&) {
        records.push_back({line, *readRecord(database.lines[line], database.kind)});
    });
    return records;
}

LevelCount countLevel(const Database& database, int level) {
    LevelCount result{0, highestPuzzleNumber(database)};
    forEachFetchable(database, level, [&](std::size_t, const RecordFields&) { ++result.count; });
    return result;
}

LevelPick pickFromLevel(const Database& database, int level, int ordinal) {
    LevelPick pick;
    std::size_t foundLine = 0;
    forEachFetchable(database, level, [&](std::size_t line, const RecordFields&) {
        if (++pick.count <= ordinal && ordinal >= 1) {
            pick.reached = pick.count;
            foundLine = line;
        }
    });
    if (foundLine != 0) {
        pick.found = FoundRecord{foundLine, *readRecord(database.lines[foundLine], database.kind)};
    }
    return pick;
}

std::optional<FoundRecord> findByGivens(const Database& database, std::string_view givensList) {
    return findFirst(database, [&](const RecordFields& record) {
        return record.number != kIncompletePuzzleNumber &&
               quorvel::givensList(record.cellText) == givensList;
    });
}

std::optional<FoundRecord> findByNumber(const Database& database, int number) {
    return findFirst(database, [&](const RecordFields& record) { return record.number == number; });
}

std::optional<FoundRecord> findIncomplete(const Database& database) {
    return findByNumber(database, kIncompletePuzzleNumber);
}

void appendRecord(Database& database, std::string recordLine) {
    // Trailing blank lines and blanks go; record text never does (imported records end in a
    // cell list, not in "]", so cutting back to the last "]" would destroy their cells).
    std::vector<std::string>& lines = database.lines;
    while (lines.size() > 1 && isBlankLine(lines.back()))
        lines.pop_back();
    if (lines.empty() || (lines.size() == 1 && isBlankLine(lines[0]))) {
        lines.assign(1, std::string(kNewDatabaseHeader));
    }
    std::string& last = lines.back();
    while (!last.empty() && isBlank(last.back()))
        last.pop_back();
    lines.push_back(std::move(recordLine));
}

void replaceRecord(Database& database, std::string_view oldLine, const std::string& newLine) {
    for (std::size_t i = 1; i < database.lines.size(); ++i) {
        if (database.lines[i] == oldLine) database.lines[i] = newLine;
    }
}

void removeRecord(Database& database, std::size_t lineIndex) {
    if (lineIndex >= 1 && lineIndex < database.lines.size()) {
        database.lines.erase(database.lines.begin() + static_cast<std::ptrdiff_t>(lineIndex));
    }
}

}  // namespace quorvel
