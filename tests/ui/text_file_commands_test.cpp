// Create Text File, Import Text File and Import Batch through the Puzzle Grid menu: export then
// import, renumbering, refusal of a second import, routing by size code and unusable files that
// leave every database as it was.

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

    std::string file(const std::string& name) const { return (folder.path() / name).string(); }
    // givens (every fourth cell) # values # pattern of a complete grid.
    static std::string cellText(const GridKind& kind, std::uint64_t seed) {
        std::mt19937_64 random(seed);
        std::vector<std::string> givens, values, marks;
        for (int value : randomCompleteGrid(kind, random)) {
            const bool given = values.size() % 4 == 0;
            values.push_back(std::to_string(value));
            givens.push_back(given ? values.back() : "");
            marks.push_back(given ? "L" : "");
        }
        return JoinCellList(givens) + "#" + JoinCellList(values) + "#" + JoinCellList(marks);
    }
    static std::string record(int number, int sizeCode, int level, const std::string& cells) {
        return "[]" + std::to_string(number) + "[]" + std::to_string(sizeCode) + "[]" +
               std::to_string(level) + "[]" + cells;
    }
    void writeTextFile(const std::string& path, std::string text,
                       const std::vector<std::string>& records) {
        for (const std::string& line : records)
            text += "\r\n" + line;
        ASSERT_FALSE(WriteDataFile(path, text));
    }
    void seedNineWithNumber40() {
        Result<Database> database = LoadDatabase(databaseFolder(folder.path()), kNineGrid);
        AppendRecord(database.value(), FormatRecord({40, 3, 1, cellText(kNineGrid, 40), 9, ""}));
        ASSERT_FALSE(WriteBack(database.value()));
    }
    std::string bytes(const GridKind& kind) const {
        return ReadFileBytes(DatabasePath(databaseFolder(folder.path()), kind)).value_or("<none>");
    }
    void importFile(const std::string& path, int item = kImportTextFile) {
        host.fileChoices.push_back(path);
        host.dialogScripts.push_back([this](InputDialog& dialog) {
            prompts.push_back(dialog.prompt());
            dialog.okClicked();
        });
        mainWindow.puzzleGridItemClicked(item);
    }
    // Only the pattern's cells show, locked and red; every other cell is empty and open.
    static void ExpectShown(const GridWindow& window, const std::string& cells) {
        const CellLists lists = ParseCellText(cells, window.kind()).value();
        for (int cell = 1; cell <= window.kind().cellCount(); ++cell) {
            const auto at = static_cast<std::size_t>(cell - 1);
            const CellView& view = window.board().cell(cell);
            const bool given = lists.pattern[at] == "L";
            ASSERT_EQ(view.text, given ? lists.values[at] : "") << cell;
            ASSERT_EQ(view.locked, given) << cell;
            ASSERT_EQ(view.foreColour, given ? kGivenRed : kEntryBlue) << cell;
        }
    }
};

TEST_F(TextFileTest, ExportThenImportAddsTheRecordOnceAndShowsIt) {
    seedNineWithNumber40();
    GridWindow& window = open(kNineGrid);
    const std::string cells = cellText(kNineGrid, 5);
    const CellLists lists = ParseCellText(cells, kNineGrid).value();
    for (int cell = 1; cell <= 81; ++cell) {
        const auto at = static_cast<std::size_t>(cell - 1);
        window.setCellValue(cell, lists.values[at]);
        window.board().setCellLocked(cell, lists.pattern[at] == "L");
    }
    session.currentLevel = 2;
    host.fileChoices.push_back(file("puzzle"));  // Import looks for ".txt": it is added
    mainWindow.puzzleGridItemClicked(kCreateTextFile);
    EXPECT_EQ(readDataFile(file("puzzle.txt")), "\r\n[]30000[]3[]2[]" + cells);
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "txt Files"));

    open(kFifteenGrid);
    importFile(file("puzzle.txt"));
    const std::vector<PuzzleRecord> stored = records(kNineGrid);
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[1].number, 41);
    EXPECT_EQ(stored[1].cellText, cells);
    EXPECT_EQ(active(), &nine);
    ExpectShown(nine, cells);
    EXPECT_TRUE(prompts.empty());
    EXPECT_EQ(mainWindow.messageLine().text, "Imported: No. 41");

    const std::string before = bytes(kNineGrid);
    importFile(file("puzzle.txt"), kImportBatch);
    EXPECT_EQ(host.dialogTitles.back(), "Invalid Data.");
    EXPECT_EQ(prompts, (std::vector<std::string>{std::string(kImportRefusedText)}));
    EXPECT_EQ(bytes(kNineGrid), before);
}

TEST_F(TextFileTest, ABatchIsRenumberedInFileOrderAndRefusedTheSecondTime) {
    seedNineWithNumber40();
    const std::string cells[] = {cellText(kNineGrid, 1), cellText(kNineGrid, 2),
                                 cellText(kNineGrid, 3)};
    writeTextFile(
        file("batch.txt"), "Batch March",
        {record(7, 3, 1, cells[0]), record(7, 3, 4, cells[1]), record(99, 3, 2, cells[2])});
    importFile(file("batch.txt"), kImportBatch);
    const std::vector<PuzzleRecord> stored = records(kNineGrid);
    ASSERT_EQ(stored.size(), 4u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(stored[i + 1].number, 41 + static_cast<int>(i));
        EXPECT_EQ(stored[i + 1].cellText, cells[i]);
    }
    EXPECT_EQ(stored[2].level, 4);
    ExpectShown(nine, cells[0]);

    const std::string before = bytes(kNineGrid);
    importFile(file("batch.txt"));
    EXPECT_EQ(prompts.back(), kImportRefusedText);
    EXPECT_EQ(bytes(kNineGrid), before);
}

TEST_F(TextFileTest, RecordsGoToTheDatabaseOfTheirSize) {
    const std::string cells = cellText(kFifteenGrid, 8);
    writeTextFile(file("fifteen.txt"), "Fifteen set", {record(1, 5, 3, cells)});
    open(kNineGrid);
    importFile(file("fifteen.txt"));
    EXPECT_EQ(bytes(kNineGrid), "<none>");
    ASSERT_EQ(records(kFifteenGrid).size(), 1u);
    EXPECT_EQ(active(), &fifteen);
    ExpectShown(fifteen, cells);
}

TEST_F(TextFileTest, UnusableFilesWriteNothing) {
    seedNineWithNumber40();
    const std::string good = cellText(kNineGrid, 4);
    std::string outOfRange = good;
    outOfRange.replace(outOfRange.find('#') + 1, 2, ",10");
    const std::vector<std::string> refused = {std::string(kImportRefusedText)};
    const struct {
        std::vector<std::string> records;
        std::vector<std::string> prompts;
    } cases[] = {
        {{record(1, 3, 7, good)}, refused},         // level 7
        {{record(1, 4, 1, good)}, refused},         // size code 4
        {{record(1, 3, 1, ",1,2#,1,2")}, refused},  // two cells
        {{record(1, 3, 1, outOfRange)}, refused},   // a 10 on 9x9
        {{record(1, 3, 1, good), record(2, 5, 1, cellText(kFifteenGrid, 1))}, refused},
        {{record(1, 3, 1, good), record(2, 3, 1, "junk")}, refused},
        {{}, {}},  // an identification line alone ends quietly
    };
    const std::string before = bytes(kNineGrid);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.records.empty() ? "" : c.records.back());
        prompts.clear();
        writeTextFile(file("bad.txt"), "Bad set", c.records);
        importFile(file("bad.txt"));
        EXPECT_EQ(prompts, c.prompts);
        EXPECT_EQ(bytes(kNineGrid), before);
        EXPECT_EQ(bytes(kFifteenGrid), "<none>");
        host.dialogScripts.clear();
    }
}

}  // namespace
}  // namespace quorvel::testing
