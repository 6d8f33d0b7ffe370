#include "storage/grade_and_save.h"

#include "storage/cell_lists.h"
#include "storage/puzzle_commands.h"

namespace quorvel {

namespace {

struct Lists {
    std::vector<std::string> givens, values, pattern;
};

Lists listsOf(const std::vector<GradeCell>& cells) {
    Lists lists;
    for (const GradeCell& cell : cells) {
        lists.givens.push_back(cell.marked ? cell.text : "");
        lists.values.push_back(cell.text);
        lists.pattern.emplace_back(cell.marked ? "L" : "");
    }
    return lists;
}

}  // namespace

std::string buildGradedCellText(const std::vector<GradeCell>& cells) {
    const Lists lists = listsOf(cells);
    return joinCellList(lists.givens) + "#" + joinCellList(lists.values);
}

std::string buildEffortText(const std::vector<GradeCell>& cells) {
    const Lists lists = listsOf(cells);
    return joinCellList(lists.givens) + "#" + joinCellList(lists.values) + "#" +
           joinCellList(lists.pattern);
}

FileStatus saveGradedPuzzle(ProgramState& session, Database& database,
                            const std::string& cellText) {
    // Recounted from the file so a number freed by a deletion is never handed out twice.
    const int highest = highestPuzzleNumber(database);
    PuzzleRecord record{0, database.kind.sizeCode, session.gradeLevel, cellText, kKindComposed, ""};
    if (FileStatus error = storeByGivens(database, record, false)) return error;
    makeCurrentPuzzle(session, record);
    session.lastPuzzleNumber = highest + 1;
    return std::nullopt;
}

}  // namespace quorvel
