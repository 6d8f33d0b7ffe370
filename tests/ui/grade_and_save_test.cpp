// Grade and Save from the grid windows: the marked cells become givens once the record is
// written, and a grid that cannot be saved changes nothing. Numbering and replacing records are
// the storage routine's (tests/storage/puzzle_commands_test.cpp), failed writes are in
// write_faults_test.cpp.

#include <gtest/gtest.h>

#include <numeric>

#include "application/commands/grade_and_save_command.h"
#include "application/grid/input_dialog.h"
#include "engines/solver/solution_count.h"
#include "storage/grade_and_save.h"
#include "storage/settings.h"
#include "ui/database_fixture.h"

namespace quorvel::testing {
namespace {

struct GradeAndSaveTest : WindowCommandsTest {
    // The compositions below have many solutions: saving them must not need a unique one.
    GradeAndSaveTest() { main().setOption(WindowAction::UniquePuzzlesOnly, false); }
    // A complete valid grid on the window.
    static void FillComplete(GridWindow& window, std::uint64_t seed) {
        std::mt19937_64 random(seed);
        const CellValues values = randomCompleteGrid(window.kind(), random);
        for (int cell = 1; cell <= window.kind().cellCount(); ++cell)
            window.setCellValue(cell, std::to_string(values[static_cast<std::size_t>(cell - 1)]));
    }
    // Marks the cells as the exposed cells of a composition: the givens to be.
    static void Mark(GridWindow& window, const std::vector<int>& cells) {
        for (int cell : cells)
            window.board().setCellColours(cell, kEntryBlue, kMarkedBack);
    }
    std::vector<PuzzleRecord> records(const GridKind& kind) {
        const Result<Database> database = loadDatabase(databaseFolder(folder), kind);
        std::vector<PuzzleRecord> found;
        if (!database) return found;
        for (const FoundRecord& record : readableRecords(database.value()))
            found.push_back(record.record);
        return found;
    }
};

TEST_F(GradeAndSaveTest, TheMarkedCellsBecomeGivens) {
    for (const GridKind* kind : {&kNineGrid, &kFifteenGrid}) {
        GridWindow& window = open(*kind);
        const int last = kind->cellCount();
        FillComplete(window, 9);
        Mark(window, {1, last});
        answerGrade(3);
        ASSERT_TRUE(gradeAndSave(window, main(), app->dialogs(), true));
        EXPECT_EQ(host.dialogTitles.back(), "Grade and Save.");
        const std::vector<PuzzleRecord> stored = records(*kind);
        ASSERT_EQ(stored.size(), 1u);
        EXPECT_EQ(stored[0].level, 3);
        EXPECT_EQ(stored[0].kind, kKindComposed);
        EXPECT_EQ(session().puzzleNumber, 1);
        for (int cell = 1; cell <= last; ++cell) {
            const bool marked = cell == 1 || cell == last;
            ASSERT_EQ(window.board().cell(cell).locked, marked) << cell;
            if (marked) {
                EXPECT_EQ(window.board().cell(cell).foreColour, kGivenRed);
            }
        }
    }
}

// Givens with exactly one solution: the question says their rating, and the level choice
// starts at its level.
TEST_F(GradeAndSaveTest, UniqueGivensShowTheirRating) {
    GridWindow& window = open(kNineGrid);
    FillComplete(window, 9);
    std::vector<int> cells(80);
    std::iota(cells.begin(), cells.end(), 1);  // every cell but the last
    Mark(window, cells);
    session().gradeLevel = 4;
    std::string prompt;
    answer([&prompt](InputDialog& dialog) {
        prompt = dialog.prompt();
        dialog.okClicked();
    });
    ASSERT_TRUE(gradeAndSave(window, main(), app->dialogs(), true));
    EXPECT_EQ(prompt, "Rated Easy (1.0): hardest step Full House. Grade the puzzle?   ");
    EXPECT_EQ(records(kNineGrid).at(0).level, 1);
}

TEST_F(GradeAndSaveTest, AGridThatCannotBeSavedChangesNothing) {
    struct Case {
        const char* name;
        bool complete, marked, ask, answered;
        const char* message;
    };
    const Case cases[] = {
        {"incomplete, asked", false, true, true, true, "Cannot save an incomplete solution."},
        {"incomplete", false, true, false, false, "Cannot save an incomplete solution."},
        {"cancelled", true, true, true, false, "This puzzle has 2 or more solutions."},
        {"no givens", true, false, true, true, "Cannot save a puzzle without givens."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GridWindow& window = open(kNineGrid);
        main().runMenuItem(Command::BlankGrid);  // no marks left from the case before
        FillComplete(window, 2);
        if (!c.complete) window.setCellValue(40, "");
        if (c.marked) Mark(window, {1, 81});
        if (c.answered) answerGrade(2);
        main().showMessage("", colour::kWhite, Alignment::Centre);
        EXPECT_FALSE(gradeAndSave(window, main(), app->dialogs(), c.ask));
        EXPECT_EQ(main().messageLine().text, c.message);
        EXPECT_TRUE(records(kNineGrid).empty());
        EXPECT_FALSE(window.board().cell(1).locked);
        host.dialogScripts.clear();
    }
}

TEST_F(GradeAndSaveTest, IncompleteModeKeepsTheEffortInTheSettingsOnly) {
    GridWindow& window = open(kNineGrid);
    window.setCellValue(1, "3");
    window.setCellValue(2, "8");
    Mark(window, {1});
    session().incompleteMode = true;
    ASSERT_TRUE(gradeAndSave(window, main(), app->dialogs(), false));

    std::vector<GradeCell> expected(81);
    expected[0] = {"3", true};
    expected[1] = {"8", false};
    const Settings saved = parseSettings(readDataFile(settingsFolder(folder) / "DaDododa.pxz"));
    EXPECT_EQ(saved.effortText, buildEffortText(expected));
    EXPECT_EQ(main().settings().effortText, saved.effortText);
    EXPECT_FALSE(window.board().cell(1).locked);
    EXPECT_TRUE(records(kNineGrid).empty());
    EXPECT_TRUE(host.dialogTitles.empty());
}

}  // namespace
}  // namespace quorvel::testing
