// Composing on the 9x9 window: the pattern's counting rule, Create My Su Doku with its dialog and
// layout, the unfinished effort kept and brought back, Test Screen and leaving composing.

#include <gtest/gtest.h>

#include <algorithm>

#include "ui/commands/compose_pattern.h"
#include "ui/compose_fixture.h"

namespace quorvel::testing {
namespace {

using ComposeTest = ComposeFixture;

TEST_F(ComposeTest, PatternCountsEveryMarkingSoTheCentreCountsTwice) {
    struct Case {
        const char* name;
        int wanted;
        std::deque<int> draws;
        std::size_t distinct;
    };
    const Case cases[] = {
        {"pairs only", 20, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 20},
        {"centre first", 20, {41, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 19},
        {"odd count leaves one unmirrored", 21, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 21},
        // 5 and its mirror 77 are taken: both draws are thrown away.
        {"exposed cells drawn again", 22, {5, 5, 77, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, 22},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        random->cells = c.draws;
        GridWindow& window = open(kNineGrid);
        window.PS31(60, "4");
        mdi.settings().storedGrids[2] = ",1";
        const std::vector<int> marked = CreateSud(nine, mdi, c.wanted, *random, false);
        EXPECT_EQ(marked.size(), c.distinct);
        EXPECT_EQ(exposedCells().size(), c.distinct);
        for (int cell = 1; cell <= 81; ++cell) {
            const bool inPattern = std::find(marked.begin(), marked.end(), cell) != marked.end();
            ASSERT_EQ(exposed(cell), inPattern) << cell;
            ASSERT_EQ(plain(cell), !inPattern) << cell;
            ASSERT_FALSE(nine.board().cell(cell).locked) << cell;
            ASSERT_EQ(nine.board().cell(cell).text, "") << cell;
            // Pairs are symmetric, except the last cell of an odd count.
            if (inPattern && cell != marked.back()) {
                ASSERT_TRUE(exposed(82 - cell)) << cell;
            }
        }
        EXPECT_EQ(mdi.settings().storedGrids[2], "");
    }
}

TEST_F(ComposeTest, CreateMySudokuAsksKeepsTheAnswerAndEntersTheCreateLayout) {
    struct Case {
        const char* typed;
        int kept;
    };
    for (const Case c : {Case{"24", 24}, Case{"45", 30}, Case{"3", 20}}) {
        SCOPED_TRACE(c.typed);
        open(kFifteenGrid);
        answerExposed(c.typed);
        setPuzzle(kCreateMySudoku);
        EXPECT_EQ(host.dialogTitles.back(), "My Su Doku.");
        EXPECT_TRUE(session.createMode);
        EXPECT_EQ(active(), &nine);
        EXPECT_EQ(mdi.widthTwips(), 8000);
        EXPECT_FALSE(mdi.toolbar().at(5).visible);
        EXPECT_TRUE(mdi.toolbar().at(30).visible);
        EXPECT_FALSE(menuEnabled(MenuArray::MenuB, 0));
        EXPECT_TRUE(menuEnabled(MenuArray::MenuB, kQuitCreate));
        EXPECT_EQ(settingsFile().exposedCount, c.kept);
        const bool centre = exposed(41);
        EXPECT_EQ(static_cast<int>(exposedCells().size()) + (centre ? 1 : 0), c.kept);
        setPuzzle(kQuitCreate);
    }
}

TEST_F(ComposeTest, CancellingTheQuestionChangesNothing) {
    GridWindow& window = open(kNineGrid);
    window.PS31(10, "3");
    setPuzzle(kCreateMySudoku);
    EXPECT_EQ(host.dialogTitles.back(), "My Su Doku.");
    EXPECT_FALSE(session.createMode);
    EXPECT_EQ(mdi.widthTwips(), 9000);
    EXPECT_EQ(window.board().cell(10).text, "3");
    EXPECT_TRUE(exposedCells().empty());
}

TEST_F(ComposeTest, AStoredEffortComesBackAfterLeavingComposing) {
    setPuzzle(kTestScreen);
    nine.PS31(3, "5");
    setPuzzle(kStoreEffort);
    EXPECT_EQ(session.selectedNumber, 8);
    EXPECT_FALSE(session.incompleteMode);
    EXPECT_NE(settingsFile().effortText.find('#'), std::string::npos);

    setPuzzle(kQuitCreate);
    EXPECT_FALSE(session.createMode);
    EXPECT_EQ(mdi.widthTwips(), 9000);
    EXPECT_EQ(nine.board().cell(3).text, "");
    nine.board().setCellLocked(3, true);  // whatever the grid held meanwhile

    setPuzzle(kGetEffort);
    EXPECT_TRUE(session.createMode);
    EXPECT_EQ(mdi.widthTwips(), 8000);
    for (int cell = 1; cell <= 81; ++cell) {
        const bool inPattern = std::find(kTestScreenPattern.begin(), kTestScreenPattern.end(),
                                         cell) != kTestScreenPattern.end();
        ASSERT_EQ(exposed(cell), inPattern) << cell;
        ASSERT_EQ(plain(cell), !inPattern) << cell;
        ASSERT_FALSE(nine.board().cell(cell).locked) << cell;
    }
    EXPECT_EQ(nine.board().cell(3).text, "5");
    EXPECT_EQ(nine.board().cell(54).text, "7");
    EXPECT_EQ(nine.board().CellValue(54), 7);
}

TEST_F(ComposeTest, NoUsableEffortSaysNothingToDoAndReturnsToTheNormalLayout) {
    for (const char* stored : {"28", "", "a#b#c", ",1#,2"}) {
        SCOPED_TRACE(stored);
        mdi.settings().effortText = stored;
        answerOk();
        setPuzzle(kGetEffort);
        EXPECT_EQ(host.dialogTitles.back(), "Quorvel");
        EXPECT_FALSE(session.createMode);
        EXPECT_EQ(mdi.widthTwips(), 9000);
        EXPECT_TRUE(menuEnabled(MenuArray::MenuB, 0));
        EXPECT_TRUE(exposedCells().empty());
    }
}

TEST_F(ComposeTest, TestScreenShowsTheExamplePatternAndPressesTheComposingButtons) {
    open(kFifteenGrid);
    setPuzzle(kTestScreen);
    EXPECT_TRUE(session.createMode);
    EXPECT_EQ(active(), &nine);
    std::vector<int> expected(kTestScreenPattern.begin(), kTestScreenPattern.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(exposedCells(), expected);
    for (int cell = 1; cell <= 81; ++cell) {
        const bool seven = std::find(kTestScreenSevens.begin(), kTestScreenSevens.end(), cell) !=
                           kTestScreenSevens.end();
        ASSERT_EQ(nine.board().cell(cell).text, seven ? "7" : "") << cell;
    }
    EXPECT_EQ(buttonPresses, (std::vector<std::string>{"C8/1", "R4/1", "R5/1"}));
    for (int item : {0, 1, 2})
        EXPECT_FALSE(menuEnabled(MenuArray::MenuB, item));
    EXPECT_TRUE(mdi.elapsedTimerRunning());
}

TEST_F(ComposeTest, QuitCreateOnlyActsWhileComposing) {
    GridWindow& window = open(kNineGrid);
    window.PS31(12, "6");
    setPuzzle(kQuitCreate);
    EXPECT_EQ(window.board().cell(12).text, "6");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "DaDododa.pxz"));

    setPuzzle(kTestScreen);
    setPuzzle(kQuitCreate);
    EXPECT_FALSE(session.createMode);
    EXPECT_FALSE(mdi.elapsedTimerRunning());
    EXPECT_TRUE(exposedCells().empty());
    for (int cell = 1; cell <= 81; ++cell)
        ASSERT_EQ(window.board().cell(cell).text, "") << cell;
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "DaDododa.pxz"));
}

TEST_F(ComposeTest, SaveMySudokuStoresTheCompositionAsAPuzzle) {
    setPuzzle(kTestScreen);
    FillComplete(nine, 3);
    host.dialogScripts.push_back([](DlgMsg& dialog) {
        dialog.Label2_Click(2);
        dialog.OKButton_Click();
    });
    session.incompleteMode = true;  // left on by an earlier Database item
    setPuzzle(kSaveMySudoku);
    const std::vector<PuzzleRecord> stored = records(kNineGrid);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].level, 2);
    EXPECT_TRUE(nine.board().cell(kTestScreenPattern[0]).locked);
    EXPECT_FALSE(nine.board().cell(1).locked);
}

TEST_F(ComposeTest, TheComposePageOpens) {
    setPuzzle(kComposePageItem);
    EXPECT_EQ(host.openedUrls, (std::vector<std::string>{std::string(kComposePage)}));
}

}  // namespace
}  // namespace quorvel::testing
