#include "storage/text_records.h"

#include <gtest/gtest.h>

#include "storage/cell_lists.h"
#include "storage/data_file.h"
#include "storage_fixtures.h"

namespace quorvel {
namespace {

using testing::cellTextFor;
using testing::recordLine;

// A record as a text file carries it: placeholder number, no Kind, a pattern list.
std::string fileRecord(int level, int seed, const GridKind& kind = kNineGrid) {
    const auto values = testing::fullValues(kind, seed);
    const auto givens = testing::givensOf(values);
    std::vector<std::string> pattern;
    for (const auto& given : givens)
        pattern.push_back(given.empty() ? "" : "L");
    return "[]30000[]" + std::to_string(kind.sizeCode) + "[]" + std::to_string(level) + "[]" +
           joinCellList(givens) + "#" + joinCellList(values) + "#" + joinCellList(pattern);
}

class TextImport : public testing::TempFolderTest {
  protected:
    std::filesystem::path WriteTextFile(const std::string& name, const std::string& identification,
                                        const std::vector<std::string>& records) {
        std::string text = identification;
        for (const auto& record : records)
            text += "\r\n" + record;
        const auto path = folder() / name;
        EXPECT_FALSE(writeDataFile(path, text).has_value());
        return path;
    }
    ImportOutcome Import(const std::filesystem::path& file) {
        auto outcome = importTextFile(session, folder(), file);
        EXPECT_TRUE(outcome.ok());
        return outcome.value();
    }
    std::string DatabaseFileText(const GridKind& kind = kNineGrid) {
        return readDataFile(resolveDataFile(folder(), databaseFileName(kind)));
    }
    ProgramState session;
};

TEST_F(TextImport, BatchIsNumberedAfterHighestAndRefusedTheSecondTime) {
    testing::writeDatabase(folder(), kNineGrid, {recordLine(40, 1), recordLine(7, 2, 9, 1)});
    // Kinds in the file (a database read as a text file) stay behind: every record is Kind 9.
    const auto batch = WriteTextFile(
        "batch.txt", "Batch March",
        {fileRecord(1, 2), fileRecord(2, 3) + "[]1", "", fileRecord(3, 4) + "[]8[]0.5"});
    const ImportOutcome first = Import(batch);
    ASSERT_TRUE(first.imported.has_value());
    EXPECT_EQ(first.imported->firstNumber, 41);
    EXPECT_EQ(first.imported->lastNumber, 43);
    EXPECT_EQ(session.lastPuzzleNumber, 43);

    auto database = loadDatabase(folder(), kNineGrid).value();
    ASSERT_EQ(database.lines.size(), 6u);
    EXPECT_EQ(database.lines[0], "Quorvel@@@@@@[]Batch March");
    for (int i = 0; i < 3; ++i) {
        const auto record = readRecord(database.lines[3 + i], kNineGrid);
        ASSERT_TRUE(record.has_value());
        EXPECT_EQ(record->number, 41 + i);
        EXPECT_EQ(record->level, 1 + i);
        EXPECT_EQ(record->kind, kKindStored);
        EXPECT_EQ(record->cellText, splitFields(fileRecord(1 + i, 2 + i))[4]);
    }

    const std::string before = DatabaseFileText();
    const ImportOutcome second = Import(batch);
    EXPECT_FALSE(second.imported.has_value());
    EXPECT_EQ(second.problem, ImportProblem::InvalidData);
    EXPECT_EQ(DatabaseFileText(), before);

    // Another batch whose name begins like the registered one is new.
    const auto other = WriteTextFile("other.txt", "Batch", {fileRecord(4, 5)});
    ASSERT_TRUE(Import(other).imported.has_value());
    EXPECT_FALSE(Import(other).imported.has_value());
}

TEST_F(TextImport, OneBadRecordRefusesWholeFileAndWritesNothing) {
    testing::writeDatabase(folder(), kNineGrid, {recordLine(1, 1)});
    const std::string before = DatabaseFileText();
    const std::string good = fileRecord(1, 1);
    const std::string cells = splitFields(good)[4];
    const struct {
        const char* what;
        std::string record;
    } cases[] = {
        {"size code 4", "[]30000[]4[]1[]" + cells},
        {"level 0", "[]30000[]3[]0[]" + cells},
        {"level 5", "[]30000[]3[]5[]" + cells},
        {"too few fields", "[]30000[]3[]1"},
        {"15x15 record in a 9x9 batch", fileRecord(1, 1, kFifteenGrid)},
        {"value out of range", "[]30000[]3[]1[]" + cells.substr(0, cells.size() - 1) + "Q"},
        {"values list one short", "[]30000[]3[]1[]" + cells.substr(0, cells.find('#')) + "#,1"},
        {"blank line with spaces", "   "},
    };
    for (const auto& bad : cases) {
        SCOPED_TRACE(bad.what);
        const auto file =
            WriteTextFile("bad.txt", "[]Bad " + std::string(bad.what), {good, bad.record});
        const ImportOutcome outcome = Import(file);
        EXPECT_FALSE(outcome.imported.has_value());
        EXPECT_EQ(outcome.problem, ImportProblem::InvalidData);
        EXPECT_EQ(DatabaseFileText(), before);
    }
}

TEST_F(TextImport, TooShortFilesEndQuietly) {
    for (const std::string& text : {std::string("[]Only id"), std::string("[]Id\r\n\r\n")}) {
        const auto file = folder() / "short.txt";
        ASSERT_FALSE(writeDataFile(file, text).has_value());
        const ImportOutcome outcome = Import(file);
        EXPECT_FALSE(outcome.imported.has_value());
        EXPECT_EQ(outcome.problem, ImportProblem::NothingToImport);
    }
    EXPECT_EQ(Import(folder() / "absent.txt").problem, ImportProblem::NothingToImport);
    EXPECT_FALSE(std::filesystem::exists(folder() / "type3.pxz"));

    // The first import into a missing database creates it.
    ASSERT_TRUE(Import(WriteTextFile("first.txt", "First", {fileRecord(1, 1)})).imported);
    const auto stored = loadDatabase(folder(), kNineGrid).value();
    EXPECT_EQ(stored.lines[0], std::string(kNewDatabaseHeader) + "[]First");
}

TEST_F(TextImport, FifteenRecordsGoToExistingType5WhateverItsCase) {
    Database database{folder() / "Type5.pxz", kFifteenGrid, {"Hdr@1@2@3"}};
    appendRecord(database, recordLine(3, 1, kKindStored, 0, kFifteenGrid));
    ASSERT_FALSE(writeBack(database).has_value());
    const auto file = WriteTextFile("big.txt", "Fifteen", {fileRecord(2, 1, kFifteenGrid)});
    session.activeSizeCode = 3;
    const ImportOutcome outcome = Import(file);
    ASSERT_TRUE(outcome.imported.has_value());
    EXPECT_EQ(outcome.imported->kind, kFifteenGrid);
    EXPECT_EQ(outcome.imported->firstNumber, 4);
    EXPECT_EQ(session.activeSizeCode, 5);
    EXPECT_FALSE(std::filesystem::exists(folder() / "type5.pxz"));
    const auto stored = loadDatabase(folder(), kFifteenGrid).value();
    EXPECT_EQ(stored.lines[0], "Hdr@1@2@3@@@[]Fifteen");  // padded so the registry is field 6
    EXPECT_EQ(stored.lines.size(), 3u);
}

}  // namespace
}  // namespace quorvel
