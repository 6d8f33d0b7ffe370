#include "storage/collection_import.h"

#include <gtest/gtest.h>

#include <map>

#include "storage_fixtures.h"

namespace quorvel {
namespace {

using testing::FullValues;
using testing::GivensOf;

std::vector<int> Numbers(const std::vector<std::string>& texts) {
    std::vector<int> values;
    for (const std::string& text : texts)
        values.push_back(text.empty() ? 0 : std::stoi(text));
    return values;
}

// Puzzle `seed` of the fixtures: its givens and its full grid as the solution.
PuzzleLine Puzzle(int seed, const GridKind& kind = kNineGrid) {
    return {kind, Numbers(GivensOf(FullValues(kind, seed)))};
}

class CollectionImportTest : public testing::TempFolderTest {
  protected:
    // The judge answers from this table, by the puzzle's seed (its first given is seed + 3).
    std::map<int, PuzzleJudgement> verdicts;
    int judged = 0;
    JudgePuzzle judge = [this](const PuzzleLine& puzzle) {
        ++judged;
        return verdicts.at(puzzle.values[0] - 3);
    };
    PuzzleJudgement Unique(int seed, int level) {
        return {1, Numbers(FullValues(kNineGrid, seed)), level};
    }
    Database Load() { return LoadDatabase(folder(), kNineGrid).value(); }
};

TEST_F(CollectionImportTest, CountsImportedSkippedAndRefusedByLineAndWritesOnce) {
    // Stored: seed 0 as No. 5, seed 1 as the incomplete record (which does not count as stored).
    testing::WriteDatabase(folder(), kNineGrid,
                           {testing::RecordLine(5, 1, kKindStored, 0),
                            testing::RecordLine(32000, 2, kKindIncomplete, 1)});
    verdicts = {{1, Unique(1, 4)}, {2, Unique(2, 2)}, {3, {0, {}, 0}},
                {4, {2, {}, 0}},   {5, Unique(5, 0)}, {6, Unique(6, 1)}};
    PuzzleTextRead read;
    read.puzzles = {{Puzzle(2), 1, {}},
                    {Puzzle(3), 3, {}},
                    {Puzzle(0), 4, {}},
                    {Puzzle(2), 5, {}},
                    {Puzzle(1), 6, {}},
                    {Puzzle(4), 7, {}},
                    {Puzzle(0, kFifteenGrid), 8, {}},
                    {Puzzle(5), 9, {}},
                    {Puzzle(6), 10, {}}};
    read.refusals = {{2, "5 cells, expected 81"}};
    read.refusedCount = 1;
    Database database = Load();
    const Result<CollectionImport> result = ImportCollection(database, read, 3, judge);
    ASSERT_TRUE(result.ok());
    const CollectionImport& import = result.value();
    EXPECT_EQ(judged, 6);  // neither the stored puzzles nor the other size are solved
    EXPECT_EQ(ImportReport(import),
              "Imported: 4 (1 Easy, 1 Medium, 1 Hard, 1 Very Hard)\r\n"
              "Skipped, stored already: 2 (lines 4, 5)\r\n"
              "Refused: 4 (line 2: 5 cells, expected 81; line 3: no solution; "
              "line 7: more than one solution; line 8: a 15 x 15 puzzle, the database is 9 x 9)");

    const Database written = Load();
    EXPECT_EQ(written.lines, database.lines);
    const struct {
        int seed, number, level;
    } stored[] = {{2, 6, 2}, {1, 7, 4}, {5, 8, 3}, {6, 9, 1}};
    for (const auto& expected : stored) {
        const std::vector<std::string> values = FullValues(kNineGrid, expected.seed);
        const auto found = FindByGivens(written, JoinCellList(GivensOf(values)));
        ASSERT_TRUE(found.has_value()) << expected.seed;
        EXPECT_EQ(FormatRecord(found->record),
                  FormatRecord({expected.number, 3, expected.level,
                                JoinCellList(GivensOf(values)) + "#" + JoinCellList(values),
                                kKindStored, ""}));
    }
}

TEST_F(CollectionImportTest, WritesNothingWhenNothingIsImportedOrNoNumbersAreLeft) {
    verdicts = {{0, Unique(0, 1)}, {1, Unique(1, 1)}, {3, {2, {}, 0}}};
    const struct {
        std::vector<std::string> records;
        std::vector<FilePuzzle> puzzles;
        bool full;
    } cases[] = {
        {{}, {{Puzzle(3), 1, {}}}, false},
        {{testing::RecordLine(1, 1, kKindStored, 0)}, {{Puzzle(0), 1, {}}}, false},
        {{"[]32767[]3[]1[]"}, {{Puzzle(0), 1, {}}}, false},  // 1 is still free
        {{"[]32767[]3[]1[]", "[]1[]3[]1[]"}, {{Puzzle(0), 1, {}}, {Puzzle(1), 2, {}}}, true},
    };
    for (const auto& c : cases) {
        Database database{folder() / "type3.pxz", kNineGrid, {"Quorvel@@@@@@"}};
        if (c.full) {
            for (int number = 2; number < 32767; ++number)
                database.lines.push_back("[]" + std::to_string(number) + "[]3[]1[]");
        }
        database.lines.insert(database.lines.end(), c.records.begin(), c.records.end());
        const Database before = database;
        std::filesystem::remove(database.path);
        PuzzleTextRead read;
        read.puzzles = c.puzzles;
        const Result<CollectionImport> result = ImportCollection(database, read, 1, judge);
        const bool imported = result.ok() && result.value().imported > 0;
        EXPECT_EQ(!result.ok(), c.full);
        EXPECT_EQ(std::filesystem::exists(database.path), imported);
        if (!imported) {
            EXPECT_EQ(database.lines, before.lines);
        }
    }
}

TEST(CollectionImportReport, LongListsAreCutShortWithTheNumberLeftOut) {
    CollectionImport import;
    for (int line = 1; line <= 12; ++line)
        import.skippedLines.push_back(line);
    for (int line = 20; line < 26; ++line)
        import.refusals.push_back({line, "no solution"});
    import.refusedCount = 150;
    EXPECT_EQ(ImportReport(import),
              "Imported: 0\r\n"
              "Skipped, stored already: 12 (lines 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 and 2 more)\r\n"
              "Refused: 150 (line 20: no solution; line 21: no solution; line 22: no solution; "
              "line 23: no solution and 146 more)");
}

}  // namespace
}  // namespace quorvel
