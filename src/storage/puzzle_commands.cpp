#include "storage/puzzle_commands.h"

#include "storage/number_text.h"

namespace quorvel {

int CountLevel(Session& session, const Database& database, int level) {
    const LevelCount counted = CountLevel(database, level);
    session.puzzleCount = std::to_string(counted.count);
    session.lastPuzzleNo = counted.lastPuzzleNo;
    return counted.count;
}

std::string PuzzleNumberPrompt(std::string_view count) {
    return "Puzzle Number?   (1 ~ " + std::string(count) + ")";
}

void MakeCurrentPuzzle(Session& session, const PuzzleRecord& record) {
    session.puzzleNumber = record.number;
    session.puzzleCells = record.cellText;
    session.puzzleKind = record.kind;
    session.puzzleLevel = record.level;
}

bool GetPuzzleByOrdinal(Session& session, const Database& database, int level,
                        std::string_view enteredText) {
    std::optional<int> ordinal = ParseInt16(enteredText);
    if (!ordinal) return false;
    if (const std::optional<int> count = ParseInt16(session.puzzleCount);
        count && *ordinal > *count)
        ordinal = count;
    const std::optional<FoundRecord> found = FindByOrdinal(database, level, *ordinal);
    if (!found) return false;
    MakeCurrentPuzzle(session, found->record);
    return true;
}

FileStatus StoreSolution(Session& session, Database& database, const std::string& cellText) {
    const int kind = session.puzzleKind == kKindPredefined ? kKindPredefined : kKindStored;
    // Numbers come from the file itself, so they stay unique after deletions.
    int lastPuzzleNo = HighestPuzzleNo(database);
    PuzzleRecord record{0, database.kind.sizeCode, session.gradeLevel, cellText, kind, ""};
    if (const auto found = FindByGivens(database, GivensList(cellText))) {
        record.number = found->record.number;
        ReplaceRecord(database, database.lines[found->line], FormatRecord(record));
    } else {
        record.number = ++lastPuzzleNo;
        record.kind = kKindStored;
        AppendRecord(database, FormatRecord(record));
    }
    if (FileStatus error = WriteBack(database)) return error;
    MakeCurrentPuzzle(session, record);
    session.lastPuzzleNo = lastPuzzleNo;
    return std::nullopt;
}

FileStatus StoreIncompletePuzzle(Session& session, Database& database, const std::string& cellText,
                                 double elapsed) {
    const PuzzleRecord record{kIncompletePuzzleNo, database.kind.sizeCode,
                              session.gradeLevel,  cellText,
                              kKindIncomplete,     FormatDecimal(elapsed)};
    // Matched by number alone, so even an unreadable old copy is replaced rather than kept.
    bool replaced = false;
    for (std::size_t i = 1; i < database.lines.size() && !replaced; ++i) {
        if (RecordNumber(database.lines[i]) == kIncompletePuzzleNo) {
            database.lines[i] = FormatRecord(record);
            replaced = true;
        }
    }
    if (!replaced) AppendRecord(database, FormatRecord(record));
    if (FileStatus error = WriteBack(database)) return error;
    MakeCurrentPuzzle(session, record);
    return std::nullopt;
}

Result<bool> RemoveCurrentPuzzle(Session& session, Database& database) {
    const std::optional<FoundRecord> found = FindByNumber(database, session.puzzleNumber);
    if (!found || found->record.kind == kKindPredefined) return false;
    RemoveRecord(database, found->line);
    if (FileStatus error = WriteBack(database)) return *error;
    session.lastPuzzleNo = HighestPuzzleNo(database);
    return true;
}

}  // namespace quorvel
