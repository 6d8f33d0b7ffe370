#include "storage/collection_import.h"

#include <algorithm>
#include <unordered_set>

#include "storage/cell_lists.h"

namespace quorvel {

namespace {

// Listed in the report before the rest is only counted.
constexpr std::size_t kReportedLines = 10;
constexpr std::size_t kReportedRefusals = 4;
constexpr const char* kLevelNames[] = {"Easy", "Medium", "Hard", "Very Hard"};

std::string cellList(const std::vector<int>& values) {
    std::vector<std::string> entries;
    entries.reserve(values.size());
    for (const int value : values)
        entries.push_back(value > 0 ? std::to_string(value) : "");
    return joinCellList(entries);
}

std::string sizeName(const GridKind& kind) {
    return std::to_string(kind.side) + " x " + std::to_string(kind.side);
}

// The givens lists a new record must not repeat: those of every record but the incomplete one,
// as findByGivens compares them.
std::unordered_set<std::string> storedGivens(const Database& database) {
    std::unordered_set<std::string> givens;
    for (const FoundRecord& found : readableRecords(database)) {
        if (found.record.number != kIncompletePuzzleNumber)
            givens.emplace(givensList(found.record.cellText));
    }
    return givens;
}

std::string levelCounts(const CollectionImport& import) {
    std::string text;
    for (std::size_t level = 0; level < import.importedAtLevel.size(); ++level) {
        if (import.importedAtLevel[level] == 0) continue;
        text += (text.empty() ? " (" : ", ") + std::to_string(import.importedAtLevel[level]) + " " +
                kLevelNames[level];
    }
    return text.empty() ? text : text + ")";
}

std::string more(std::size_t shown, std::size_t total) {
    return total > shown ? " and " + std::to_string(total - shown) + " more" : "";
}

}  // namespace

Result<CollectionImport> importCollection(Database& database, const PuzzleTextRead& read,
                                          int fallbackLevel, const JudgePuzzle& judge) {
    CollectionImport import;
    import.refusals = read.refusals;
    import.refusedCount = read.refusedCount;
    std::unordered_set<std::string> stored = storedGivens(database);
    std::vector<PuzzleRecord> records;
    for (const FilePuzzle& entry : read.puzzles) {
        const auto refuse = [&](std::string problem) {
            import.refusals.push_back({entry.line, std::move(problem)});
            ++import.refusedCount;
        };
        if (!(entry.puzzle.kind == database.kind)) {
            refuse("a " + sizeName(entry.puzzle.kind) + " puzzle, the database is " +
                   sizeName(database.kind));
            continue;
        }
        std::string givens = cellList(entry.puzzle.values);
        if (stored.count(givens) != 0) {
            import.skippedLines.push_back(entry.line);
            continue;
        }
        const PuzzleJudgement judged = judge(entry.puzzle);
        if (judged.solutions != 1 ||
            judged.solution.size() != static_cast<std::size_t>(database.kind.cellCount())) {
            refuse(
                std::string(judged.solutions == 0 ? kNoSolutionProblem : kSeveralSolutionsProblem));
            continue;
        }
        const int level =
            judged.level >= 1 && judged.level <= 4 ? judged.level : std::clamp(fallbackLevel, 1, 4);
        records.push_back({0, database.kind.sizeCode, level,
                           givens + "#" + cellList(judged.solution), kKindStored, ""});
        stored.insert(std::move(givens));
    }
    std::stable_sort(
        import.refusals.begin(), import.refusals.end(),
        [](const PuzzleRefusal& a, const PuzzleRefusal& b) { return a.line < b.line; });
    if (records.empty()) return import;

    const std::vector<int> numbers = newPuzzleNumbers(database, static_cast<int>(records.size()));
    if (numbers.empty()) {
        return FileError{database.path, "save",
                         "the database is full: fewer puzzle numbers below 32768 are free than " +
                             std::to_string(records.size()) + " puzzles to import"};
    }
    Database changed = database;
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i].number = numbers[i];
        appendRecord(changed, formatRecord(records[i]));
        ++import.importedAtLevel[static_cast<std::size_t>(records[i].level - 1)];
    }
    if (FileStatus error = writeBack(changed)) return *error;
    database = std::move(changed);
    import.imported = static_cast<int>(records.size());
    return import;
}

std::string importReport(const CollectionImport& import) {
    std::string text = "Imported: " + std::to_string(import.imported) + levelCounts(import);

    const std::vector<int>& skipped = import.skippedLines;
    text += "\r\nSkipped, stored already: " + std::to_string(skipped.size());
    if (!skipped.empty()) {
        text += skipped.size() == 1 ? " (line " : " (lines ";
        const std::size_t shown = std::min(skipped.size(), kReportedLines);
        for (std::size_t i = 0; i < shown; ++i)
            text += (i > 0 ? ", " : "") + std::to_string(skipped[i]);
        text += more(shown, skipped.size()) + ")";
    }

    text += "\r\nRefused: " + std::to_string(import.refusedCount);
    if (!import.refusals.empty()) {
        text += " (";
        const std::size_t shown = std::min(import.refusals.size(), kReportedRefusals);
        for (std::size_t i = 0; i < shown; ++i)
            text += (i > 0 ? "; " : "") + import.refusals[i].text();
        text += more(shown, static_cast<std::size_t>(import.refusedCount)) + ")";
    }
    return text;
}

}  // namespace quorvel
