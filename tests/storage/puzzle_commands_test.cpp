#include "storage/puzzle_commands.h"

#include <gtest/gtest.h>

#include "storage/grade_and_save.h"
#include "storage/text_records.h"
#include "storage_fixtures.h"

namespace quorvel {
namespace {

using testing::cellTextFor;
using testing::recordLine;

class PuzzleCommands : public testing::TempFolderTest {
  protected:
    Database Load(const GridKind& kind = kNineGrid) {
        auto loaded = loadDatabase(folder(), kind);
        EXPECT_TRUE(loaded.ok());
        return loaded.value();
    }
    ProgramState session;
};

TEST_F(PuzzleCommands, StoreSolutionReplacesLastLineOrAppendsAboveHighestNumber) {
    testing::writeDatabase(folder(), kNineGrid,
                           {recordLine(5, 1, kKindStored, 1), recordLine(9, 2, kKindComposed, 2)});
    session.lastPuzzleNumber = 3;  // stale: a deletion lowered it below numbers still in the file
    session.puzzleKind = kKindComposed;
    Database database = Load();
    ASSERT_FALSE(storeSolution(session, database, cellTextFor(kNineGrid, 2)).has_value());
    EXPECT_EQ(session.puzzleNumber, 9);
    EXPECT_EQ(Load().lines.size(), 3u);
    EXPECT_EQ(readRecord(Load().lines[2], kNineGrid)->kind, kKindComposed);  // kept

    database = Load();
    ASSERT_FALSE(storeSolution(session, database, cellTextFor(kNineGrid, 4)).has_value());
    EXPECT_EQ(session.puzzleNumber, 10);
    EXPECT_EQ(session.lastPuzzleNumber, 10);
    EXPECT_EQ(findByNumber(Load(), 10)->record.kind, kKindStored);
}

TEST_F(PuzzleCommands, RemoveTakesOnlyTheRecordNamedByNumberKindAndGrid) {
    testing::writeDatabase(folder(), kNineGrid,
                           {recordLine(1, 1, kKindPredefined, 1), recordLine(2, 1, kKindStored, 2),
                            recordLine(3, 1, kKindStored, 3)});
    const struct {
        int number, recordKind, sizeCode;
        bool removed;
    } cases[] = {{3, kKindStored, 5, false},     {3, kKindComposed, 3, false},
                 {1, kKindPredefined, 3, false}, {7, kKindStored, 3, false},
                 {0, kKindStored, 3, false},     {3, kKindStored, 3, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.number << " " << c.recordKind << " " << c.sizeCode);
        Database database = Load();
        session.puzzleNumber = c.number;
        session.puzzleRecordKind = c.recordKind;
        session.puzzleSizeCode = c.sizeCode;
        session.puzzleKind = kKindIncomplete;  // after Save Incomplete: the record keeps its kind
        const auto removed = removeCurrentPuzzle(session, database);
        ASSERT_TRUE(removed.ok());
        EXPECT_EQ(removed.value(), c.removed);
        EXPECT_EQ(Load().lines.size(), c.removed ? 3u : 4u);
    }
    EXPECT_EQ(session.lastPuzzleNumber, 2);
}

TEST_F(PuzzleCommands, GradeAndSaveTwiceKeepsNumberAndLevel) {
    testing::writeDatabase(folder(), kNineGrid, {recordLine(4, 1, kKindPredefined, 1)});
    session.gradeLevel = 2;
    for (int time = 1; time <= 2; ++time) {
        Database database = Load();
        ASSERT_FALSE(saveGradedPuzzle(session, database, cellTextFor(kNineGrid, 5)).has_value());
        EXPECT_EQ(session.puzzleNumber, 5);
        EXPECT_EQ(session.lastPuzzleNumber, 4 + time);  // grows also when the record was replaced
    }
    const Database stored = Load();
    ASSERT_EQ(stored.lines.size(), 3u);
    const auto saved = findByNumber(stored, 5);
    EXPECT_EQ(saved->record.kind, kKindComposed);
    EXPECT_EQ(saved->record.level, 2);
    EXPECT_EQ(session.puzzleCells, cellTextFor(kNineGrid, 5));
    EXPECT_EQ(session.puzzleKind, kKindComposed);
}

TEST_F(PuzzleCommands, FullDatabaseRefusesEverySaveAndWritesNothing) {
    Database full = Load();
    full.lines.assign(1, std::string(kNewDatabaseHeader));
    for (int number = 1; number <= kHighestPuzzleNumber; ++number)
        full.lines.push_back("[]" + std::to_string(number));
    session.puzzleNumber = 9;
    const std::string cellText = cellTextFor(kNineGrid, 1);
    for (auto* save : {&storeSolution, &saveGradedPuzzle}) {
        Database database = full;
        const FileStatus refused = save(session, database, cellText);
        ASSERT_TRUE(refused.has_value());
        EXPECT_NE(refused->message().find("full"), std::string::npos);
    }
    Database database = full;
    EXPECT_FALSE(mergeImport({kNineGrid, "batch", {recordLine(1, 1)}}, database));
    EXPECT_FALSE(std::filesystem::exists(full.path));
    EXPECT_EQ(session.puzzleNumber, 9);
}

TEST(GradeAndSave, CellTextsFromMarkedCells) {
    std::vector<GradeCell> cells(81);
    cells[0] = {"5", true};
    cells[1] = {"3", false};
    cells[80] = {"9", true};
    const std::string middle = std::string(78, ',');
    const std::string givens = ",5," + middle + ",9";
    const std::string values = ",5,3" + middle + ",9";
    EXPECT_EQ(buildGradedCellText(cells), givens + "#" + values);
    EXPECT_EQ(buildEffortText(cells), givens + "#" + values + "#,L," + middle + ",L");
}

}  // namespace
}  // namespace quorvel
