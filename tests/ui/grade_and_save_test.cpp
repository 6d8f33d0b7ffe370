// Grade and Save from the grid windows: the grade dialog, the completeness rule, replace by
// givens versus append, LastPuzzleNo, the marked cells becoming givens, the effort text of
// incomplete mode, and failed writes that change nothing.

#include <gtest/gtest.h>

#include <filesystem>

#include "storage/grade_and_save.h"
#include "storage/settings.h"
#include "ui/commands/grade_and_save_command.h"
#include "ui/grid/input_dialog.h"
#include "ui/grid_setup_fixture.h"

namespace quorvel::testing {
namespace {

struct SaveMySudokuTest : GridCommandFixture {
    void chooseGrade(int level) {
        host.dialogScripts.push_back([level](InputDialog& dialog) {
            dialog.levelLabelClicked(level);
            dialog.okClicked();
        });
    }
    bool messageIs(const std::string& text) const {
        return mainWindow.messageLine().text == text &&
               mainWindow.messageLine().colour == colour::kRed;
    }
};

TEST_F(SaveMySudokuTest, AnIncompleteGridIsNotSaved) {
    for (bool ask : {true, false}) {
        GridWindow& window = open(kNineGrid);
        FillComplete(window, 2);
        window.setCellValue(40, "");
        Mark(window, {1, 81});
        if (ask) chooseGrade(2);
        EXPECT_FALSE(gradeAndSave(window, mainWindow, dialogs, ask));
        EXPECT_TRUE(messageIs("Cannot save an incomplete solution."));
        EXPECT_TRUE(records(kNineGrid).empty());
        EXPECT_FALSE(window.board().cell(1).locked);
        mainWindow.showMessage("", colour::kWhite, 2);
    }
}

TEST_F(SaveMySudokuTest, SameGivensReplaceTheirRecordNewGivensAreAppended) {
    for (const GridKind* kind : {&kNineGrid, &kFifteenGrid}) {
        GridWindow& window = open(*kind);
        const int last = kind->cellCount();
        FillComplete(window, 9);
        Mark(window, {1, last});
        chooseGrade(3);
        ASSERT_TRUE(gradeAndSave(window, mainWindow, dialogs, true));
        EXPECT_EQ(host.dialogTitles.back(), "Grade and Save.");
        std::vector<PuzzleRecord> stored = records(*kind);
        ASSERT_EQ(stored.size(), 1u);
        EXPECT_EQ(stored[0].number, 1);
        EXPECT_EQ(stored[0].level, 3);
        EXPECT_EQ(stored[0].kind, kKindComposed);
        EXPECT_EQ(stored[0].sizeCode, kind->sizeCode);
        EXPECT_EQ(session.puzzleNumber, 1);
        EXPECT_EQ(session.lastPuzzleNo, 1);
        for (int cell = 1; cell <= last; ++cell) {
            const bool marked = cell == 1 || cell == last;
            ASSERT_EQ(window.board().cell(cell).locked, marked) << cell;
            if (marked) {
                EXPECT_EQ(window.board().cell(cell).foreColour, kGivenRed);
            }
        }

        // The same givens again, graded without a question: the record is replaced.
        const std::size_t dialogsBefore = host.dialogTitles.size();
        session.gradeLevel = 4;
        ASSERT_TRUE(gradeAndSave(window, mainWindow, dialogs, false));
        EXPECT_EQ(host.dialogTitles.size(), dialogsBefore);
        stored = records(*kind);
        ASSERT_EQ(stored.size(), 1u);
        EXPECT_EQ(stored[0].number, 1);
        EXPECT_EQ(stored[0].level, 4);
        EXPECT_EQ(session.lastPuzzleNo, 2) << "grows on a replace too";

        // New givens: appended one above the highest number in the file.
        Mark(window, {2});
        ASSERT_TRUE(gradeAndSave(window, mainWindow, dialogs, false));
        stored = records(*kind);
        ASSERT_EQ(stored.size(), 2u);
        EXPECT_EQ(stored[1].number, 2);
        EXPECT_EQ(session.puzzleNumber, 2);
        EXPECT_EQ(session.lastPuzzleNo, 2);
        EXPECT_EQ(stored[1].cellText, session.puzzleCells);
    }
}

TEST_F(SaveMySudokuTest, CancellingTheGradeDialogWritesNothing) {
    GridWindow& window = open(kNineGrid);
    FillComplete(window, 4);
    Mark(window, {5});
    EXPECT_FALSE(gradeAndSave(window, mainWindow, dialogs, true));
    EXPECT_TRUE(records(kNineGrid).empty());
    EXPECT_FALSE(window.board().cell(5).locked);
}

TEST_F(SaveMySudokuTest, IncompleteModeKeepsTheEffortInTheSettingsOnly) {
    GridWindow& window = open(kNineGrid);
    window.setCellValue(1, "3");
    window.setCellValue(2, "8");
    Mark(window, {1});
    session.incompleteMode = true;
    ASSERT_TRUE(gradeAndSave(window, mainWindow, dialogs, false));

    std::vector<GradeCell> expected(81);
    expected[0] = {"3", true};
    expected[1] = {"8", false};
    const Settings saved =
        ParseSettings(readDataFile(settingsFolder(folder.path()) / "DaDododa.pxz"));
    EXPECT_EQ(saved.effortText, BuildEffortText(expected));
    EXPECT_EQ(mainWindow.settings().effortText, saved.effortText);
    EXPECT_FALSE(window.board().cell(1).locked);
    EXPECT_EQ(window.board().cell(1).foreColour, kEntryBlue);
    EXPECT_TRUE(records(kNineGrid).empty());
    EXPECT_TRUE(host.dialogTitles.empty());
}

TEST_F(SaveMySudokuTest, AFailedWriteIsToldAndChangesNothing) {
    struct Case {
        const char* blockedFile;
        bool incompleteMode;
    };
    const Case cases[] = {{"type3.pxz", false}, {"DaDododa.pxz", true}};
    for (const Case& c : cases) {
        // A folder in place of the file: it can be neither read nor replaced.
        std::filesystem::create_directory(folder.path() / c.blockedFile);
        GridWindow& window = open(kNineGrid);
        FillComplete(window, 6);
        Mark(window, {10});
        session.incompleteMode = c.incompleteMode;
        session.puzzleNumber = 7;
        const std::string effortBefore = mainWindow.settings().effortText;

        EXPECT_FALSE(gradeAndSave(window, mainWindow, dialogs, false)) << c.blockedFile;
        EXPECT_EQ(mainWindow.messageLine().colour, colour::kRed);
        EXPECT_NE(mainWindow.messageLine().text.find(c.blockedFile), std::string::npos)
            << mainWindow.messageLine().text;
        EXPECT_EQ(session.puzzleNumber, 7);
        EXPECT_EQ(mainWindow.settings().effortText, effortBefore);
        EXPECT_FALSE(window.board().cell(10).locked);
        std::filesystem::remove(folder.path() / c.blockedFile);
    }
}

}  // namespace
}  // namespace quorvel::testing
