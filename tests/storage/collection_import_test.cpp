#include "storage/collection_import.h"

#include <gtest/gtest.h>

#include <map>

#include "storage_fixtures.h"

namespace quorvel {
namespace {

using testing::fullValues;
using testing::givensOf;

std::vector<int> numbers(const std::vector<std::string>& texts) {
    std::vector<int> values;
    for (const std::string& text : texts)
        values.push_back(text.empty() ? 0 : std::stoi(text));
    return values;
}

// Puzzle `seed` of the fixtures: its givens and its full grid as the solution.
Puzzle seedPuzzle(int seed, const GridKind& kind = kNineGrid) {
    return {kind, numbers(givensOf(fullValues(kind, seed))), {}, {}};
}

class CollectionImportTest : public testing::TempFolderTest {
  protected:
    // The judge answers from this table, by the puzzle's seed (its first given is seed + 3).
    std::map<int, PuzzleJudgement> verdicts;
    int judged = 0;
    JudgePuzzle judge = [this](const Puzzle& puzzle) {
        ++judged;
        return verdicts.at(puzzle.values[0] - 3);
    };
    PuzzleJudgement Unique(int seed, int level) {
        return {1, numbers(fullValues(kNineGrid, seed)), level};
    }
    Database Load() { return loadDatabase(folder(), kNineGrid).value(); }
};

TEST_F(CollectionImportTest, WritesNothingWhenNothingIsImportedOrNoNumbersAreLeft) {
    verdicts = {{0, Unique(0, 1)}, {1, Unique(1, 1)}, {3, {2, {}, 0}}};
    const struct {
        std::vector<std::string> records;
        std::vector<FilePuzzle> puzzles;
        bool full;
    } cases[] = {
        {{}, {{seedPuzzle(3), 1, {}, {}}}, false},
        {{testing::recordLine(1, 1, kKindStored, 0)}, {{seedPuzzle(0), 1, {}, {}}}, false},
        {{"[]32767[]3[]1[]"}, {{seedPuzzle(0), 1, {}, {}}}, false},  // 1 is still free
        {{"[]32767[]3[]1[]", "[]1[]3[]1[]"},
         {{seedPuzzle(0), 1, {}, {}}, {seedPuzzle(1), 2, {}, {}}},
         true},
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
        const Result<CollectionImport> result = importCollection(database, read, 1, judge);
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
    EXPECT_EQ(importReport(import),
              "Imported: 0\r\n"
              "Skipped, stored already: 12 (lines 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 and 2 more)\r\n"
              "Refused: 150 (line 20: no solution; line 21: no solution; line 22: no solution; "
              "line 23: no solution and 146 more)");
}

}  // namespace
}  // namespace quorvel
