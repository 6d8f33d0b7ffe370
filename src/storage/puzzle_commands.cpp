#include "storage/puzzle_commands.h"

#include <algorithm>

#include "storage/note_file.h"
#include "storage/number_text.h"

namespace quorvel {

int CountLevel(Session& session, const Database& database, int level) {
    const LevelCount counted = CountLevel(database, level);
    session.puzzleCount = std::to_string(counted.count);
    session.lastPuzzleNumber = counted.lastPuzzleNumber;
    return counted.count;
}

std::string PuzzleNumberPrompt(std::string_view count) {
    return "Puzzle Number?   (1 ~ " + std::string(count) + ")";
}

void MakeCurrentPuzzle(Session& session, const PuzzleRecord& record) {
    session.puzzleNumber = record.number;
    session.puzzleCells = record.cellText;
    session.puzzleKind = record.kind;
    session.puzzleSizeCode = record.sizeCode;
    session.puzzleLevel = record.level;
    session.puzzleRecordKind = record.kind;
}

void EndCurrentPuzzle(Session& session) {
    MakeCurrentPuzzle(session, PuzzleRecord{0, 0, 0, "", 0, ""});
}

bool HasStoredPuzzle(const Session& session, const GridKind& kind) {
    return session.puzzleNumber != 0 && session.puzzleSizeCode == kind.sizeCode;
}

LevelPick GetPuzzleByOrdinal(Session& session, const Database& database, int level, int ordinal) {
    LevelPick pick = PickFromLevel(database, level, ordinal);
    if (pick.found) MakeCurrentPuzzle(session, pick.found->record);
    return pick;
}

FileStatus StoreByGivens(Database& database, PuzzleRecord& record, bool keepStoredKind) {
    if (const auto found = FindByGivens(database, GivensList(record.cellText))) {
        record.number = found->record.number;
        if (keepStoredKind) record.kind = found->record.kind;
        ReplaceRecord(database, database.lines[found->line], FormatRecord(record));
    } else {
        const std::vector<int> numbers = NewPuzzleNumbers(database, 1);
        if (numbers.empty()) return DatabaseFullError(database);
        record.number = numbers.front();
        AppendRecord(database, FormatRecord(record));
    }
    return WriteBack(database);
}

FileStatus StoreSolution(Session& session, Database& database, const std::string& cellText) {
    PuzzleRecord record{0, database.kind.sizeCode, session.gradeLevel, cellText, kKindStored, ""};
    if (FileStatus error = StoreByGivens(database, record, true)) return error;
    MakeCurrentPuzzle(session, record);
    session.lastPuzzleNumber = std::max(HighestPuzzleNumber(database), record.number);
    return std::nullopt;
}

FileStatus StoreIncompletePuzzle(Session& session, Database& database, const std::string& cellText,
                                 double elapsed, const NoteMasks& notes) {
    const PuzzleRecord record{kIncompletePuzzleNumber, database.kind.sizeCode,
                              session.gradeLevel,      cellText,
                              kKindIncomplete,         FormatDecimal(elapsed)};
    const std::string line = FormatRecord(record);
    // The notes go first, beside those of the record still in place: a database write that
    // fails then leaves that record with its notes, and new notes are never joined to old cells.
    std::vector<std::string> stored;
    for (std::size_t i = 1; i < database.lines.size(); ++i) {
        if (RecordNumber(database.lines[i]) == kIncompletePuzzleNumber)
            stored.push_back(database.lines[i]);
    }
    if (FileStatus error =
            UpdateNoteFile(NoteFileBeside(database.path), database.kind, stored, {{line, notes}}))
        return error;
    // Matched by number alone, so even an unreadable old copy is replaced rather than kept.
    bool replaced = false;
    for (std::size_t i = 1; i < database.lines.size() && !replaced; ++i) {
        if (RecordNumber(database.lines[i]) == kIncompletePuzzleNumber) {
            database.lines[i] = line;
            replaced = true;
        }
    }
    if (!replaced) AppendRecord(database, line);
    if (FileStatus error = WriteBack(database)) return error;
    session.puzzleKind = kKindIncomplete;
    return std::nullopt;
}

Result<NoteMasks> IncompletePuzzleNotes(const Database& database, const FoundRecord& found) {
    Result<std::vector<NoteEntry>> entries =
        LoadNoteFile(NoteFileBeside(database.path), database.kind);
    if (!entries) return entries.error();
    return NotesKeyed(entries.value(), database.lines[found.line], database.kind);
}

Result<bool> RemoveCurrentPuzzle(Session& session, Database& database) {
    if (!HasStoredPuzzle(session, database.kind)) return false;
    const std::vector<FoundRecord> records = ReadableRecords(database);
    const auto found = std::find_if(records.begin(), records.end(), [&](const FoundRecord& at) {
        return at.record.number == session.puzzleNumber &&
               at.record.kind == session.puzzleRecordKind;
    });
    if (found == records.end() || found->record.kind == kKindPredefined) return false;
    RemoveRecord(database, found->line);
    if (FileStatus error = WriteBack(database)) return *error;
    session.lastPuzzleNumber = HighestPuzzleNumber(database);
    return true;
}

}  // namespace quorvel
