// Composing on the 9x9 window: the pattern's counting rule, Create My Su Doku with its dialog and
// layout, the unfinished effort kept and brought back, Test Screen and leaving composing.

#include <gtest/gtest.h>

#include <algorithm>

#include "ui/commands/compose_pattern.h"
#include "ui/compose_fixture.h"

namespace quorvel::testing {
namespace {

using ComposeTest = ComposeFixture;

template <typename Cells>
bool Contains(const Cells& cells, int cell) {
    return std::find(cells.begin(), cells.end(), cell) != cells.end();
}

TEST_F(ComposeTest, PatternCountsEveryMarkingSoTheCentreCountsTwice) {
    struct Case {
        int wanted;
        std::deque<int> draws;
        std::size_t distinct;
    };
    const Case cases[] = {
        {20, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 20},
        {20, {41, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 19},                 // the centre is its own mirror
        {21, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 21},             // the last cell stays unmirrored
        {22, {5, 5, 77, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, 22},  // exposed cells drawn again
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.draws.front());
        random->cells = c.draws;
        open(kNineGrid).setCellValue(60, "4");
        mainWindow.settings().storedGrids[2] = ",1";
        const std::vector<int> marked = composePattern(nine, mainWindow, c.wanted, *random, false);
        EXPECT_EQ(marked.size(), c.distinct);
        for (int cell = 1; cell <= 81; ++cell) {
            const bool inPattern = Contains(marked, cell);
            ASSERT_EQ(exposed(cell), inPattern) << cell;
            ASSERT_EQ(plain(cell), !inPattern) << cell;
            ASSERT_FALSE(nine.board().cell(cell).locked || !nine.board().cell(cell).text.empty());
            if (inPattern && cell != marked.back()) {
                ASSERT_TRUE(exposed(82 - cell)) << cell;
            }
        }
        EXPECT_EQ(mainWindow.settings().storedGrids[2], "");
    }
}

TEST_F(ComposeTest, CreateMySudokuKeepsTheAnswerWithinRangeAndEntersTheCreateLayout) {
    struct Case {
        int stored;  // in the settings before
        const char* typed;
        int kept;  // 0: the question is cancelled
    };
    for (const Case c : {Case{28, "24", 24}, Case{28, "45", 30}, Case{28, "3", 20},
                         Case{116, "", 30}, Case{28, "", 0}}) {
        SCOPED_TRACE(c.typed);
        mainWindow.settings().exposedCount = c.stored;
        open(kFifteenGrid).setCellValue(10, "3");
        if (c.kept != 0) answerExposed(c.typed);
        setPuzzle(kCreateMySudoku);
        EXPECT_EQ(host.dialogTitles.back(), "My Su Doku.");
        EXPECT_EQ(session.createMode, c.kept != 0);
        EXPECT_EQ(mainWindow.widthTwips(), c.kept != 0 ? 8000 : 9000);
        EXPECT_EQ(mainWindow.toolbar().at(5).visible, c.kept == 0);
        EXPECT_EQ(setPuzzleEnabled(0), c.kept == 0);
        if (c.kept == 0) {
            EXPECT_EQ(fifteen.board().cell(10).text, "3");
            continue;
        }
        EXPECT_EQ(active(), &nine);
        EXPECT_EQ(settingsFile().exposedCount, c.kept);
        EXPECT_EQ(static_cast<int>(exposedCells().size()) + (exposed(41) ? 1 : 0), c.kept);
        setPuzzle(kQuitCreate);
    }
}

TEST_F(ComposeTest, AStoredEffortComesBackAfterLeavingComposing) {
    setPuzzle(kTestScreen);
    nine.setCellValue(3, "5");
    setPuzzle(kStoreEffort);
    EXPECT_EQ(session.selectedNumber, 8);
    EXPECT_FALSE(session.incompleteMode);

    setPuzzle(kQuitCreate);
    EXPECT_EQ(mainWindow.widthTwips(), 9000);
    EXPECT_EQ(nine.board().cell(3).text, "");
    nine.board().setCellLocked(3, true);  // whatever the grid held meanwhile

    setPuzzle(kGetEffort);
    EXPECT_TRUE(session.createMode);
    EXPECT_EQ(mainWindow.widthTwips(), 8000);
    for (int cell = 1; cell <= 81; ++cell) {
        ASSERT_EQ(exposed(cell), Contains(kTestScreenPattern, cell)) << cell;
        ASSERT_FALSE(nine.board().cell(cell).locked) << cell;
    }
    EXPECT_EQ(nine.board().cell(3).text, "5");
    EXPECT_EQ(nine.board().cellValue(54), 7);
}

TEST_F(ComposeTest, NoUsableEffortSaysNothingToDoAndReturnsToTheNormalLayout) {
    for (const char* stored : {"28", "a#b#c", ",1#,2"}) {
        SCOPED_TRACE(stored);
        mainWindow.settings().effortText = stored;
        setPuzzle(kGetEffort);
        EXPECT_EQ(host.dialogTitles.back(), "Quorvel");
        EXPECT_FALSE(session.createMode);
        EXPECT_EQ(mainWindow.widthTwips(), 9000);
        EXPECT_TRUE(setPuzzleEnabled(0));
        EXPECT_TRUE(exposedCells().empty());
    }
}

TEST_F(ComposeTest, TestScreenShowsTheExamplePatternAndPressesTheComposingButtons) {
    open(kFifteenGrid);
    setPuzzle(kTestScreen);
    EXPECT_EQ(active(), &nine);
    for (int cell = 1; cell <= 81; ++cell) {
        ASSERT_EQ(exposed(cell), Contains(kTestScreenPattern, cell)) << cell;
        ASSERT_EQ(nine.board().cell(cell).text, Contains(kTestScreenSevens, cell) ? "7" : "");
    }
    EXPECT_EQ(buttonPresses, (std::vector<std::string>{"C8/1", "R4/1", "R5/1"}));
    EXPECT_FALSE(setPuzzleEnabled(1));
    EXPECT_TRUE(mainWindow.elapsedTimerRunning());
}

TEST_F(ComposeTest, QuitCreateOnlyActsWhileComposing) {
    open(kNineGrid).setCellValue(12, "6");
    setPuzzle(kQuitCreate);
    EXPECT_EQ(nine.board().cell(12).text, "6");

    setPuzzle(kTestScreen);
    setPuzzle(kQuitCreate);
    EXPECT_FALSE(session.createMode);
    EXPECT_FALSE(mainWindow.elapsedTimerRunning());
    EXPECT_TRUE(exposedCells().empty());
    EXPECT_EQ(nine.board().cell(17).text, "");
}

}  // namespace
}  // namespace quorvel::testing
