// Create Text File, Import Text File and Import Batch through the Puzzle Grid menu: what an export
// writes, export then import, renumbering, refusal of a second import, routing by size code and
// malformed files that leave every database as it was.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "storage/cell_lists.h"
#include "storage/data_file.h"
#include "storage/puzzle_database.h"
#include "storage/puzzle_record.h"
#include "storage/text_records.h"
#include "ui/compose_fixture.h"

namespace quorvel::testing {
namespace {

constexpr int kCreateTextFile = 5;
constexpr int kImportTextFile = 6;
constexpr int kImportBatch = 7;

struct TextFileTest : ComposeFixture {
    std::vector<std::string> prompts;

    std::filesystem::path file(const std::string& name) const { return folder.path() / name; }

    // givens (every fourth cell) # values of a complete grid, with the pattern when asked.
    static std::string cellText(const GridKind& kind, std::uint64_t seed, bool pattern) {
        std::mt19937_64 random(seed);
        const CellValues grid = randomCompleteGrid(kind, random);
        std::vector<std::string> givens, values, marks;
        for (std::size_t i = 0; i < grid.size(); ++i) {
            values.push_back(std::to_string(grid[i]));
            givens.push_back(i % 4 == 0 ? values.back() : "");
            marks.push_back(i % 4 == 0 ? "L" : "");
        }
        std::string text = JoinCellList(givens) + "#" + JoinCellList(values);
        return pattern ? text + "#" + JoinCellList(marks) : text;
    }
    static std::string record(int number, int sizeCode, int level, const std::string& cells) {
        return "[]" + std::to_string(number) + "[]" + std::to_string(sizeCode) + "[]" +
               std::to_string(level) + "[]" + cells;
    }
    void writeTextFile(const std::filesystem::path& path, const std::string& identification,
                       const std::vector<std::string>& records) {
        std::string text = identification;
        for (const std::string& line : records)
            text += "\r\n" + line;
        ASSERT_FALSE(WriteDataFile(path, text));
    }
    // A 9x9 database whose records carry the given numbers.
    void seedNine(const std::vector<int>& numbers) {
        Result<Database> database = LoadDatabase(AppFolder(folder.path()), kNineGrid);
        ASSERT_TRUE(database.ok());
        for (int number : numbers) {
            AppendRecord(database.value(),
                         FormatRecord({number, 3, 1, cellText(kNineGrid, 100 + number, false), kKindStored, ""}));
        }
        ASSERT_FALSE(WriteBack(database.value()));
    }
    std::string bytes(const GridKind& kind) const {
        return ReadFileBytes(DatabasePath(AppFolder(folder.path()), kind)).value_or("<none>");
    }
    void choose(const std::filesystem::path& path) { host.fileChoices.push_back(path.string()); }
    void importFile(const std::filesystem::path& path, int item = kImportTextFile) {
        choose(path);
        host.dialogScripts.push_back([this](DlgMsg& dialog) {
            prompts.push_back(dialog.prompt());
            dialog.OKButton_Click();
        });
        mdi.MenuA_Click(item);
    }
    // The window shows only the pattern's cells, locked and red; every other cell empty and open.
    void expectShown(const GridWindow& window, const std::string& cells) {
        const std::optional<CellLists> lists = ParseCellText(cells, window.kind());
        ASSERT_TRUE(lists);
        for (int cell = 1; cell <= window.kind().cellCount(); ++cell) {
            const auto at = static_cast<std::size_t>(cell - 1);
            const CellView& view = window.board().cell(cell);
            const bool given = lists->pattern[at] == "L";
            ASSERT_EQ(view.text, given ? lists->values[at] : "") << cell;
            ASSERT_EQ(view.locked, given) << cell;
            ASSERT_EQ(view.foreColour, given ? kGivenRed : kEntryBlue) << cell;
        }
    }
    std::vector<PuzzleRecord> stored(const GridKind& kind) const { return records(kind); }
};

TEST_F(TextFileTest, ExportWritesTheGivensValuesAndPatternOfTheShownGrid) {
    GridWindow& window = open(kNineGrid);
    window.PS31(1, "5");
    window.PS31(81, "9");
    window.PS31(40, "3");  // the user's entry: a value, not a given
    window.board().setCellLocked(1, true);
    window.board().setCellLocked(81, true);
    session.currentLevel = 2;
    choose(file("out.txt"));
    mdi.MenuA_Click(kCreateTextFile);

    std::string givens, values, pattern;
    for (int cell = 1; cell <= 81; ++cell) {
        const std::string text = cell == 1 ? "5" : cell == 81 ? "9" : cell == 40 ? "3" : "";
        const bool given = cell == 1 || cell == 81;
        givens += "," + (given ? text : "");
        values += "," + text;
        pattern += given ? ",L" : ",";
    }
    EXPECT_EQ(ReadDataFile(file("out.txt")),
              "\r\n[]30000[]3[]2[]" + givens + "#" + values + "#" + pattern);
    EXPECT_TRUE(host.logged("file:Save Text File"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "txt Files"));
    EXPECT_TRUE(assistSolveEnabled());
}

TEST_F(TextFileTest, CancelledOrFailedExportWritesNothing) {
    open(kNineGrid);
    mdi.MenuA_Click(kCreateTextFile);  // no file chosen
    EXPECT_TRUE(std::filesystem::is_empty(folder.path() / "txt Files"));

    choose(folder.path() / "missing folder" / "out.txt");
    mdi.MenuA_Click(kCreateTextFile);
    EXPECT_EQ(mdi.messageLine().colour, colour::kRed);
    EXPECT_NE(mdi.messageLine().text.find("out.txt"), std::string::npos);
}

TEST_F(TextFileTest, ExportThenImportAddsTheRecordOnceAndShowsIt) {
    seedNine({40, 12});
    GridWindow& window = open(kNineGrid);
    const std::string cells = cellText(kNineGrid, 5, true);
    const std::optional<CellLists> lists = ParseCellText(cells, kNineGrid);
    for (int cell = 1; cell <= 81; ++cell) {
        window.PS31(cell, lists->values[static_cast<std::size_t>(cell - 1)]);
        window.board().setCellLocked(cell,
                                     lists->pattern[static_cast<std::size_t>(cell - 1)] == "L");
    }
    choose(file("puzzle.txt"));
    mdi.MenuA_Click(kCreateTextFile);
    open(kFifteenGrid);

    importFile(file("puzzle.txt"));
    std::vector<PuzzleRecord> records = stored(kNineGrid);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records.back().number, 41);
    EXPECT_EQ(records.back().cellText, cells);
    EXPECT_EQ(records.back().kind, kKindStored);
    EXPECT_EQ(active(), &nine);
    expectShown(nine, cells);
    EXPECT_TRUE(assistSolveEnabled());
    EXPECT_TRUE(prompts.empty());

    const std::string before = bytes(kNineGrid);
    importFile(file("puzzle.txt"), kImportBatch);
    EXPECT_EQ(host.dialogTitles.back(), "Invalid Data.");
    EXPECT_EQ(prompts, (std::vector<std::string>{std::string(kImportRefusedText)}));
    EXPECT_EQ(bytes(kNineGrid), before);
}

TEST_F(TextFileTest, ABatchIsRenumberedInFileOrderAndRefusedTheSecondTime) {
    seedNine({40});
    const std::vector<std::string> cells = {
        cellText(kNineGrid, 1, true), cellText(kNineGrid, 2, false), cellText(kNineGrid, 3, true)};
    writeTextFile(
        file("batch.txt"), "Batch March",
        {record(7, 3, 1, cells[0]), record(7, 3, 4, cells[1]), record(99, 3, 2, cells[2])});
    importFile(file("batch.txt"), kImportBatch);
    std::vector<PuzzleRecord> records = stored(kNineGrid);
    ASSERT_EQ(records.size(), 4u);
    const int levels[] = {1, 4, 2};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(records[i + 1].number, 41 + static_cast<int>(i));
        EXPECT_EQ(records[i + 1].level, levels[i]);
        EXPECT_EQ(records[i + 1].cellText, cells[i]);
    }
    EXPECT_EQ(session.lastPuzzleNo, 43);
    expectShown(nine, cells[0]);

    const std::string before = bytes(kNineGrid);
    importFile(file("batch.txt"));
    EXPECT_EQ(prompts.back(), kImportRefusedText);
    EXPECT_EQ(bytes(kNineGrid), before);
}

TEST_F(TextFileTest, RecordsGoToTheDatabaseOfTheirSize) {
    const std::string cells = cellText(kFifteenGrid, 8, true);
    writeTextFile(file("fifteen.txt"), "Fifteen set", {record(1, 5, 3, cells)});
    open(kNineGrid);
    importFile(file("fifteen.txt"));
    EXPECT_EQ(bytes(kNineGrid), "<none>");
    std::vector<PuzzleRecord> records = stored(kFifteenGrid);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].cellText, cells);
    EXPECT_EQ(active(), &fifteen);
    expectShown(fifteen, cells);
}

TEST_F(TextFileTest, UnusableFilesAreRefusedAndWriteNothing) {
    seedNine({40});
    const std::string good = cellText(kNineGrid, 4, true);
    std::string outOfRange = good;
    outOfRange.replace(outOfRange.find('#') + 1, 2, ",10");
    struct Case {
        const char* name;
        std::vector<std::string> records;
    };
    const Case cases[] = {
        {"level 7", {record(1, 3, 7, good)}},
        {"size code 4", {record(1, 4, 1, good)}},
        {"too few cells", {record(1, 3, 1, ",1,2#,1,2")}},
        {"value out of range", {record(1, 3, 1, outOfRange)}},
        {"sizes mixed", {record(1, 3, 1, good), record(2, 5, 1, cellText(kFifteenGrid, 1, true))}},
        {"one bad record among good ones", {record(1, 3, 1, good), record(2, 3, 1, "junk")}},
    };
    const std::string nineBefore = bytes(kNineGrid);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompts.clear();
        writeTextFile(file("bad.txt"), c.name, c.records);
        importFile(file("bad.txt"));
        EXPECT_EQ(prompts, (std::vector<std::string>{std::string(kImportRefusedText)}));
        EXPECT_EQ(bytes(kNineGrid), nineBefore);
        EXPECT_EQ(bytes(kFifteenGrid), "<none>");
    }
}

TEST_F(TextFileTest, NothingToImportEndsQuietly) {
    seedNine({40});
    const std::string before = bytes(kNineGrid);
    writeTextFile(file("one line.txt"), "Only a name", {});
    for (bool chosen : {false, true}) {
        if (chosen) {
            importFile(file("one line.txt"));
        } else {
            mdi.MenuA_Click(kImportTextFile);
        }
        EXPECT_TRUE(prompts.empty());
        EXPECT_EQ(host.dialogTitles.size(), 0u);
        EXPECT_EQ(bytes(kNineGrid), before);
    }
    EXPECT_TRUE(host.logged("file:Get Text File"));
}

}  // namespace
}  // namespace quorvel::testing
