#include "storage/puzzle_database.h"

#include <gtest/gtest.h>

#include "storage/data_file.h"
#include "storage/puzzle_commands.h"
#include "storage_fixtures.h"

namespace quorvel {
namespace {

using testing::RecordLine;

Database Make(std::vector<std::string> records, const GridKind& kind = kNineGrid) {
    Database database{{}, kind, {"Quorvel@@@@@@"}};
    database.lines.insert(database.lines.end(), records.begin(), records.end());
    return database;
}

TEST(PuzzleDatabase, HeaderOnlyCountsZeroForEveryLevel) {
    Session session;
    const Database database = Make({});
    for (int level = 1; level <= 4; ++level)
        EXPECT_EQ(CountLevel(session, database, level), 0);
    EXPECT_EQ(session.lastPuzzleNumber, 0);
    EXPECT_EQ(PuzzleNumberPrompt(session.puzzleCount), "Puzzle Number?   (1 ~ 0)");
}

// The incomplete record (number 32000, or Kind 8 under another number) is never fetched, so it
// is neither counted nor numbered; the highest number still ignores 32000 and above.
TEST(PuzzleDatabase, CountAndPickLeaveTheIncompleteRecordOut) {
    const Database database =
        Make({RecordLine(3, 2, kKindPredefined), RecordLine(7, 1),
              RecordLine(32000, 2, kKindIncomplete), "", RecordLine(5, 2, kKindComposed),
              RecordLine(9, 4, kKindIncomplete), RecordLine(32001, 3)});
    EXPECT_EQ(CountLevel(database, 2).lastPuzzleNumber, 9);
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
        Session session;
        EXPECT_EQ(CountLevel(database, c.level).count, c.count);
        EXPECT_EQ(FetchableRecords(database, c.level).size(), static_cast<std::size_t>(c.count));
        const LevelPick pick = GetPuzzleByOrdinal(session, database, c.level, c.ordinal);
        EXPECT_EQ(pick.count, c.count);
        EXPECT_EQ(pick.reached, c.reached);
        EXPECT_EQ(pick.found ? pick.found->record.number : 0, c.number);
        EXPECT_EQ(session.puzzleNumber, c.number);  // only a record found becomes current
    }
    EXPECT_EQ(FetchableRecords(database, 0).size(), 4u);
}

// Records that hold only their numbers: enough for numbering.
Database Numbered(int from, int to, std::vector<int> extra = {}) {
    Database database = Make({});
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
        {Numbered(31998, 31999), 1, {32001}},
        {Numbered(31998, 31998, {32000}), 3, {31999, 32001, 32002}},
        {Numbered(32766, 32767, {4}), 3, {1, 2, 3}},
        {Numbered(1, 32767), 1, {}},
        {Numbered(3, 32767), 3, {}},
        {Numbered(3, 32767), 2, {1, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.database.lines.size());
        EXPECT_EQ(NewPuzzleNumbers(c.database, c.count), c.numbers);
    }
    EXPECT_EQ(NumberAfter(31999), 32001);
    EXPECT_EQ(NumberAfter(32766), 32767);
    EXPECT_EQ(NumberAfter(32767), 0);
}

TEST(PuzzleDatabase, UnreadableRecordsAreSkipped) {
    const std::string good = RecordLine(1, 1);
    auto fields = SplitFields(good);
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
        const Database database = Make({bad.line, good});
        EXPECT_EQ(CountLevel(database, 1).count, 1);
        const LevelPick pick = PickFromLevel(database, 1, 1);
        ASSERT_TRUE(pick.found.has_value());
        EXPECT_EQ(pick.found->line, 2u);
        EXPECT_FALSE(FindByNumber(database, 2).has_value());
    }
}

TEST(PuzzleDatabase, KindReadsAsNineWhenMissingOrNotNumeric) {
    const std::string line = "[]4[]3[]1[]" + testing::CellTextFor(kNineGrid, 0);
    for (const char* tail : {"", "[]", "[]abc[]"}) {
        EXPECT_EQ(ReadRecord(line + tail, kNineGrid)->kind, kKindStored) << tail;
    }
}

TEST(PuzzleDatabase, AppendLeavesExactlyOneLineBreakBeforeNewRecord) {
    const std::string last = RecordLine(1, 1);
    for (const std::string& ending :
         {std::string(""), std::string("\r\n"), std::string("   "), std::string("  \r\n\r\n  ")}) {
        Database database = ParseDatabase("Quorvel@@@@@@\r\n" + last + ending, kNineGrid);
        AppendRecord(database, RecordLine(2, 1));
        EXPECT_EQ(DatabaseText(database), "Quorvel@@@@@@\r\n" + last + "\r\n" + RecordLine(2, 1))
            << "ending '" << ending << "'";
    }
}

TEST(PuzzleDatabase, AppendAfterImportedRecordKeepsItsCells) {
    // Imported records end in their pattern list rather than in "]".
    const std::string imported =
        "[]41[]3[]2[]" + testing::CellTextFor(kNineGrid, 0) + "#,L" + std::string(80, ',');
    Database database = Make({imported});
    AppendRecord(database, RecordLine(42, 1));
    ASSERT_EQ(database.lines.size(), 3u);
    EXPECT_EQ(database.lines[1], imported);
}

TEST(PuzzleDatabase, FirstRecordEntersMissingOrEmptyDatabase) {
    for (const std::string& text : {std::string(""), std::string("\r\n"), std::string("  ")}) {
        Database database = ParseDatabase(text, kNineGrid);
        AppendRecord(database, RecordLine(1, 1));
        EXPECT_EQ(DatabaseText(database), "Quorvel@@@@@@\r\n" + RecordLine(1, 1));
    }
    Database ownHeader = ParseDatabase("Mine@a@b@c@d@e@\r\n", kNineGrid);
    AppendRecord(ownHeader, RecordLine(1, 1));
    EXPECT_EQ(ownHeader.lines[0], "Mine@a@b@c@d@e@");
}

TEST(PuzzleDatabase, RemoveAndReplaceWorkOnWholeLines) {
    // Line 112's text ends with line 12's text: replacing line 12 must not touch line 112.
    const std::string twelve = RecordLine(12, 1);
    const std::string hundredTwelve = "[]1" + twelve;
    Database database = Make({hundredTwelve, twelve, RecordLine(13, 1)});
    ReplaceRecord(database, twelve, RecordLine(12, 4));
    EXPECT_EQ(database.lines[1], hundredTwelve);
    EXPECT_EQ(database.lines[2], RecordLine(12, 4));

    RemoveRecord(database, 3);  // the last line
    EXPECT_EQ(DatabaseText(database),
              "Quorvel@@@@@@\r\n" + hundredTwelve + "\r\n" + RecordLine(12, 4));
    RemoveRecord(database, 0);  // the header is never removed
    RemoveRecord(database, 9);
    EXPECT_EQ(database.lines.size(), 3u);
    RemoveRecord(database, 1);
    EXPECT_EQ(database.lines, (std::vector<std::string>{"Quorvel@@@@@@", RecordLine(12, 4)}));
}

}  // namespace
}  // namespace quorvel
