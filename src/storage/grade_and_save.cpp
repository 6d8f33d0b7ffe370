#include "storage/grade_and_save.h"

#include "storage/cell_lists.h"
#include "storage/puzzle_commands.h"

namespace quorvel {

namespace {

struct Lists {
    std::vector<std::string> givens, values, pattern;
};

Lists ListsOf(const std::vector<GradeCell>& cells) {
    Lists lists;
    for (const GradeCell& cell : cells) {
        lists.givens.push_back(cell.marked ? cell.text : "");
        lists.values.push_back(cell.text);
        lists.pattern.emplace_back(cell.marked ? "L" : "");
    }
    return lists;
}

}  // namespace

std::string BuildGradedCellText(const std::vector<GradeCell>& cells) {
    const Lists lists = ListsOf(cells);
    return JoinCellList(lists.givens) + "#" + JoinCellList(lists.values);
}

std::string BuildEffortText(const std::vector<GradeCell>& cells) {
    const Lists lists = ListsOf(cells);
    return JoinCellList(lists.givens) + "#" + JoinCellList(lists.values) + "#" +
           JoinCellList(lists.pattern);
}

FileStatus SaveGradedPuzzle(Session& session, Database& database, const std::string& cellText) {
    // Recounted from the file so a number freed by a deletion is never handed out twice.
    const int highest = HighestPuzzleNumber(database);
    PuzzleRecord record{0, database.kind.sizeCode, session.gradeLevel, cellText, kKindComposed, ""};
    if (FileStatus error = StoreByGivens(database, record, false)) return error;
    MakeCurrentPuzzle(session, record);
    session.lastPuzzleNumber = highest + 1;
    return std::nullopt;
}

}  // namespace quorvel
