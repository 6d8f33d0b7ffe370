#include "storage/puzzle_database.h"

#include <gtest/gtest.h>

#include "storage/data_file.h"
#include "storage/puzzle_commands.h"
#include "storage_fixtures.h"

namespace quorvel {
namespace {

using testing::recordLine;

Database make(std::vector<std::string> records, const GridKind& kind = kNineGrid) {
    Database database{{}, kind, {"Quorvel@@@@@@"}};
    database.lines.insert(database.lines.end(), records.begin(), records.end());
    return database;
}

TEST(PuzzleDatabase, HeaderOnlyCountsZeroForEveryLevel) {
    ProgramState session;
    const Database database = make({});
    for (int level = 1; level <= 4; ++level)
        EXPECT_EQ(countLevel(session, database, level), 0);
    EXPECT_EQ(session.lastPuzzleNumber, 0);
    EXPECT_EQ(puzzleNumberPrompt(session.puzzleCount), "Puzzle Number?   (1 ~ 0)");
}

// The incomplete record (number 32000, or Kind 8 under another number) is never fetched, so it
// is neither counted nor numbered; the highest number still ignores 32000 and above.
TEST(PuzzleDatabase, CountAndPickLeaveTheIncompleteRecordOut) {
    const Database database =
        make({recordLine(3, 2, kKindPredefined), recordLine(7, 1),
              recordLine(32000, 2, kKindIncomplete), "", recordLine(5, 2, kKindComposed),
              recordLine(9, 4, kKindIncomplete), recordLine(32001, 3)});
    EXPECT_EQ(countLevel(database, 2).lastPuzzleNumber, 9);
    struct Case {
        int level, ordinal;
        int count, reached, number;  // number 0: nothing found
    };
    // A number past the level's takes its last puzzle; one below 1 takes none.
    const Case cases[] = {
        {2, 1, 2, 1, 3}, {2, 2, 2, 2, 5}, {2, 9, 2, 2, 5},     {2, 0, 2, 0, 0},
        {1, 1, 1, 1, 7}, {4, 1, 0, 0, 0}, {3, 1, 1, 1, 32001},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("level " + std::to_string(c.level) + " ordinal " + std::to_string(c.ordinal));
        ProgramState session;
        EXPECT_EQ(countLevel(database, c.level).count, c.count);
        EXPECT_EQ(fetchableRecords(database, c.level).size(), static_cast<std::size_t>(c.count));
        const LevelPick pick = getPuzzleByOrdinal(session, database, c.level, c.ordinal);
        EXPECT_EQ(pick.count, c.count);
        EXPECT_EQ(pick.reached, c.reached);
        EXPECT_EQ(pick.found ? pick.found->record.number : 0, c.number);
        EXPECT_EQ(session.puzzleNumber, c.number);  // only a record found becomes current
    }
    EXPECT_EQ(fetchableRecords(database, 0).size(), 4u);
}

// Records that hold only their numbers: enough for numbering.
Database numbered(int from, int to, std::vector<int> extra = {}) {
    Database database = make({});
    for (int number = from; number <= to; ++number)
        database.lines.push_back("[]" + std::to_string(number));
    for (const int number : extra)
        database.lines.push_back("[]" + std::to_string(number));
    return database;
}

TEST(PuzzleDatabase, NewNumbersSkipTheIncompletePuzzlesAndFillHolesWhenTheTopIsTaken) {
    const struct {
        Database database;
        int count;
        std::vector<int> numbers;
    } cases[] = {
        {numbered(31998, 31999), 1, {32001}},
        {numbered(31998, 31998, {32000}), 3, {31999, 32001, 32002}},
        {numbered(32766, 32767, {4}), 3, {1, 2, 3}},
        {numbered(1, 32767), 1, {}},
        {numbered(3, 32767), 3, {}},
        {numbered(3, 32767), 2, {1, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.database.lines.size());
        EXPECT_EQ(newPuzzleNumbers(c.database, c.count), c.numbers);
    }
    EXPECT_EQ(numberAfter(31999), 32001);
    EXPECT_EQ(numberAfter(32766), 32767);
    EXPECT_EQ(numberAfter(32767), 0);
}

TEST(PuzzleDatabase, UnreadableRecordsAreSkipped) {
    const std::string good = recordLine(1, 1);
    auto fields = splitFields(good);
    const std::string cells = fields[4];
    const struct {
        const char* what;
        std::string line;
    } cases[] = {
        {"too few fields", "[]2[]3[]1"},
        {"non-numeric number", "[]x2[]3[]1[]" + cells + "[]9[]"},
        {"number beyond 16 bits", "[]40000[]3[]1[]" + cells + "[]9[]"},
        {"non-numeric level", "[]2[]3[]one[]" + cells + "[]9[]"},
        {"other size code", "[]2[]5[]1[]" + cells + "[]9[]"},
        {"one cell short", "[]2[]3[]1[]" + cells.substr(0, cells.rfind(',')) + "[]9[]"},
        {"value above 9", "[]2[]3[]1[]" + cells.substr(0, cells.rfind(',')) + ",10[]9[]"},
        {"no values list", "[]2[]3[]1[]" + cells.substr(0, cells.find('#')) + "[]9[]"},
        {"entry before the first comma", "[]2[]3[]1[]5" + cells.substr(1) + "[]9[]"},
        {"text before separator", "x[]2[]3[]1[]" + cells + "[]9[]"},
    };
    for (const auto& bad : cases) {
        SCOPED_TRACE(bad.what);
        const Database database = make({bad.line, good});
        EXPECT_EQ(countLevel(database, 1).count, 1);
        const LevelPick pick = pickFromLevel(database, 1, 1);
        ASSERT_TRUE(pick.found.has_value());
        EXPECT_EQ(pick.found->line, 2u);
        EXPECT_FALSE(findByNumber(database, 2).has_value());
    }
}

TEST(PuzzleDatabase, KindReadsAsNineWhenMissingOrNotNumeric) {
    const std::string line = "[]4[]3[]1[]" + testing::cellTextFor(kNineGrid, 0);
    for (const char* tail : {"", "[]", "[]abc[]"}) {
        EXPECT_EQ(readRecord(line + tail, kNineGrid)->kind, kKindStored) << tail;
    }
}

TEST(PuzzleDatabase, AppendLeavesExactlyOneLineBreakBeforeNewRecord) {
    const std::string last = recordLine(1, 1);
    for (const std::string& ending :
         {std::string(""), std::string("\r\n"), std::string("   "), std::string("  \r\n\r\n  ")}) {
        Database database = parseDatabase("Quorvel@@@@@@\r\n" + last + ending, kNineGrid);
        appendRecord(database, recordLine(2, 1));
        EXPECT_EQ(databaseText(database), "Quorvel@@@@@@\r\n" + last + "\r\n" + recordLine(2, 1))
            << "ending '" << ending << "'";
    }
}

TEST(PuzzleDatabase, AppendAfterImportedRecordKeepsItsCells) {
    // Imported records end in their pattern list rather than in "]".
    const std::string imported =
        "[]41[]3[]2[]" + testing::cellTextFor(kNineGrid, 0) + "#,L" + std::string(80, ',');
    Database database = make({imported});
    appendRecord(database, recordLine(42, 1));
    ASSERT_EQ(database.lines.size(), 3u);
    EXPECT_EQ(database.lines[1], imported);
}

TEST(PuzzleDatabase, FirstRecordEntersMissingOrEmptyDatabase) {
    for (const std::string& text : {std::string(""), std::string("\r\n"), std::string("  ")}) {
        Database database = parseDatabase(text, kNineGrid);
        appendRecord(database, recordLine(1, 1));
        EXPECT_EQ(databaseText(database), "Quorvel@@@@@@\r\n" + recordLine(1, 1));
    }
    Database ownHeader = parseDatabase("Mine@a@b@c@d@e@\r\n", kNineGrid);
    appendRecord(ownHeader, recordLine(1, 1));
    EXPECT_EQ(ownHeader.lines[0], "Mine@a@b@c@d@e@");
}

TEST(PuzzleDatabase, RemoveAndReplaceWorkOnWholeLines) {
    // Line 112's text ends with line 12's text: replacing line 12 must not touch line 112.
    const std::string twelve = recordLine(12, 1);
    const std::string hundredTwelve = "[]1" + twelve;
    Database database = make({hundredTwelve, twelve, recordLine(13, 1)});
    replaceRecord(database, twelve, recordLine(12, 4));
    EXPECT_EQ(database.lines[1], hundredTwelve);
    EXPECT_EQ(database.lines[2], recordLine(12, 4));

    removeRecord(database, 3);  // the last line
    EXPECT_EQ(databaseText(database),
              "Quorvel@@@@@@\r\n" + hundredTwelve + "\r\n" + recordLine(12, 4));
    removeRecord(database, 0);  // the header is never removed
    removeRecord(database, 9);
    EXPECT_EQ(database.lines.size(), 3u);
    removeRecord(database, 1);
    EXPECT_EQ(database.lines, (std::vector<std::string>{"Quorvel@@@@@@", recordLine(12, 4)}));
}

}  // namespace
}  // namespace quorvel
