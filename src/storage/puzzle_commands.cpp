#include "storage/puzzle_commands.h"

#include <algorithm>

#include "storage/note_file.h"
#include "storage/number_text.h"

namespace quorvel {

int countLevel(ProgramState& session, const Database& database, int level) {
    const LevelCount counted = countLevel(database, level);
    session.puzzleCount = std::to_string(counted.count);
    session.lastPuzzleNumber = counted.lastPuzzleNumber;
    return counted.count;
}

std::string puzzleNumberPrompt(std::string_view count) {
    return "Puzzle Number?   (1 ~ " + std::string(count) + ")";
}

void makeCurrentPuzzle(ProgramState& session, const PuzzleRecord& record) {
    session.puzzleNumber = record.number;
    session.puzzleCells = record.cellText;
    session.puzzleKind = record.kind;
    session.puzzleSizeCode = record.sizeCode;
    session.puzzleLevel = record.level;
    session.puzzleRecordKind = record.kind;
}

void endCurrentPuzzle(ProgramState& session) {
    makeCurrentPuzzle(session, PuzzleRecord{0, 0, 0, "", 0, ""});
}

bool hasStoredPuzzle(const ProgramState& session, const GridKind& kind) {
    return session.puzzleNumber != 0 && session.puzzleSizeCode == kind.sizeCode;
}

LevelPick getPuzzleByOrdinal(ProgramState& session, const Database& database, int level,
                             int ordinal) {
    LevelPick pick = pickFromLevel(database, level, ordinal);
    if (pick.found) makeCurrentPuzzle(session, pick.found->record);
    return pick;
}

FileStatus storeByGivens(Database& database, PuzzleRecord& record, bool keepStoredKind) {
    if (const auto found = findByGivens(database, givensList(record.cellText))) {
        record.number = found->record.number;
        if (keepStoredKind) record.kind = found->record.kind;
        replaceRecord(database, database.lines[found->line], formatRecord(record));
    } else {
        const std::vector<int> numbers = newPuzzleNumbers(database, 1);
        if (numbers.empty()) return databaseFullError(database);
        record.number = numbers.front();
        appendRecord(database, formatRecord(record));
    }
    return writeBack(database);
}

FileStatus storeSolution(ProgramState& session, Database& database, const std::string& cellText) {
    PuzzleRecord record{0, database.kind.sizeCode, session.gradeLevel, cellText, kKindStored, ""};
    if (FileStatus error = storeByGivens(database, record, true)) return error;
    makeCurrentPuzzle(session, record);
    session.lastPuzzleNumber = std::max(highestPuzzleNumber(database), record.number);
    return std::nullopt;
}

FileStatus storeIncompletePuzzle(ProgramState& session, Database& database,
                                 const std::string& cellText, double elapsed,
                                 const NoteMasks& notes, const Colouring& colouring) {
    const PuzzleRecord record{kIncompletePuzzleNumber, database.kind.sizeCode,
                              session.gradeLevel,      cellText,
                              kKindIncomplete,         formatDecimal(elapsed)};
    const std::string line = formatRecord(record);
    // The notes go first, beside those of the record still in place: a database write that
    // fails then leaves that record with its notes, and new notes are never joined to old cells.
    std::vector<std::string> stored;
    for (std::size_t i = 1; i < database.lines.size(); ++i) {
        if (recordNumber(database.lines[i]) == kIncompletePuzzleNumber)
            stored.push_back(database.lines[i]);
    }
    if (FileStatus error = updateNoteFile(noteFileBeside(database.path), database.kind, stored,
                                          {{line, notes, colouring}}))
        return error;
    // Matched by number alone, so even an unreadable old copy is replaced rather than kept.
    bool replaced = false;
    for (std::size_t i = 1; i < database.lines.size() && !replaced; ++i) {
        if (recordNumber(database.lines[i]) == kIncompletePuzzleNumber) {
            database.lines[i] = line;
            replaced = true;
        }
    }
    if (!replaced) appendRecord(database, line);
    if (FileStatus error = writeBack(database)) return error;
    session.puzzleKind = kKindIncomplete;
    return std::nullopt;
}

Result<NoteMasks> incompletePuzzleNotes(const Database& database, const FoundRecord& found) {
    Result<std::vector<NoteEntry>> entries =
        loadNoteFile(noteFileBeside(database.path), database.kind);
    if (!entries) return entries.error();
    return notesKeyed(entries.value(), database.lines[found.line], database.kind);
}

Result<Colouring> incompletePuzzleColouring(const Database& database, const FoundRecord& found) {
    Result<std::vector<NoteEntry>> entries =
        loadNoteFile(noteFileBeside(database.path), database.kind);
    if (!entries) return entries.error();
    return colouringKeyed(entries.value(), database.lines[found.line]);
}

Result<bool> removeCurrentPuzzle(ProgramState& session, Database& database) {
    if (!hasStoredPuzzle(session, database.kind)) return false;
    const std::vector<FoundRecord> records = readableRecords(database);
    const auto found = std::find_if(records.begin(), records.end(), [&](const FoundRecord& at) {
        return at.record.number == session.puzzleNumber &&
               at.record.kind == session.puzzleRecordKind;
    });
    if (found == records.end() || found->record.kind == kKindPredefined) return false;
    removeRecord(database, found->line);
    if (FileStatus error = writeBack(database)) return *error;
    session.lastPuzzleNumber = highestPuzzleNumber(database);
    return true;
}

}  // namespace quorvel
