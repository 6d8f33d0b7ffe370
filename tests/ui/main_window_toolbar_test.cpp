// Toolbar clicks on the main window: the level button's cycle, right clicks, number choice, the
// experimental-run buttons and opening a grid kind.

#include "ui/shell/toolbar.h"
#include "ui/shell_fixture.h"

namespace quorvel::testing {
namespace {

using MdiToolbar = ShellFixture;

TEST_F(MdiToolbar, LevelButtonCyclesThroughTheFourLevels) {
    struct Case {
        int levelBefore;
        int clicks;
        int levelAfter;
        const char* caption;
        const char* toolTip;
    };
    const Case cases[] = {
        {1, 1, 2, "v", " Medium (Next Puzzle) "},
        {3, 1, 4, "x", " Very Hard (Next Puzzle) "},
        {4, 1, 1, "u", " Easy (Next Puzzle) "},
        {0, 1, 1, "u", " Easy (Next Puzzle) "},
        // A level outside 1..4 after the step leaves the button as it was.
        {-1, 1, 0, "u", " Easy "},
        {7, 1, 8, "u", " Easy "},
    };
    for (const Case& c : cases) {
        MainWindow window(host, session, dialogs, folder.path());
        session.currentLevel = c.levelBefore;
        for (int i = 0; i < c.clicks; ++i)
            window.toolbarButtonReleased(20, 1, 0);
        SCOPED_TRACE(c.levelBefore);
        EXPECT_EQ(session.currentLevel, c.levelAfter);
        EXPECT_EQ(window.toolbar().at(20).caption, c.caption);
        EXPECT_EQ(window.toolbar().at(20).toolTip, c.toolTip);
    }
}

TEST_F(MdiToolbar, LoadShowsTheStoredLevelAndOpensTheNineGrid) {
    session.currentLevel = 3;
    mainWindow.load();
    EXPECT_EQ(session.currentLevel, 3);
    EXPECT_EQ(button(20).caption, "w");
    EXPECT_TRUE(nine.shown);
    EXPECT_FALSE(fifteen.shown);
    EXPECT_EQ(session.gridKindCode, 3);
    EXPECT_EQ(session.selectedNumber, 0);
    EXPECT_FALSE(button(17).enabled);
    EXPECT_FALSE(button(18).enabled);
    EXPECT_TRUE(button(19).enabled);
    EXPECT_TRUE(button(21).enabled);
    EXPECT_FALSE(mainWindow.databaseBusy());
}

TEST_F(MdiToolbar, RightClickActsOnlyOnTheLevelButton) {
    bool gotPuzzle = false;
    mainWindow.commands().setAction(Command::GetPuzzle, [&] { gotPuzzle = true; });
    loadAndActivate();
    for (int index : {0, 5, 16, 19, 21, 30, 33}) {
        mainWindow.toolbarButtonReleased(index, 2, 0);
        EXPECT_TRUE(host.log.empty()) << index;  // no press flash
        EXPECT_TRUE(changes.empty()) << index;
    }
    EXPECT_FALSE(gotPuzzle);
    session.incompleteMode = true;
    mainWindow.toolbarButtonReleased(20, 2, 0);
    EXPECT_TRUE(gotPuzzle);
    EXPECT_FALSE(session.incompleteMode);
    EXPECT_EQ(button(20).caption, "u");  // the level did not step
}

TEST_F(MdiToolbar, NumberButtonsChooseTheNumberForEntryByClick) {
    loadAndActivate();
    struct Case {
        int index;
        int selected;
    };
    for (Case c : {Case{5, 5}, Case{12, 12}, Case{0, 0}}) {
        mainWindow.toolbarButtonReleased(c.index, 1, 0);
        EXPECT_EQ(session.selectedNumber, c.selected);
        for (int number = 0; number <= 15; ++number) {
            std::uint32_t expected = number == c.index ? colour::kWhite : colour::kButtonGrey;
            EXPECT_EQ(button(number).backColour, expected) << c.index << " " << number;
        }
    }
}

TEST_F(MdiToolbar, ExperimentButtonTurnsGreyAgainWhenItsStepChangesNothing) {
    loadAndActivate();
    struct Case {
        const char* name;
        int index;
        Command command;
        bool registered;
        bool changedState;
        std::uint32_t back;
    };
    const Case cases[] = {
        {"start accepted", 16, Command::StartExperiment, true, true, colour::kChosenYellow},
        {"start answered No", 16, Command::StartExperiment, true, false, colour::kButtonGrey},
        {"reject with no run", 17, Command::RejectExperiment, true, false, colour::kButtonGrey},
        {"confirm accepted", 18, Command::ConfirmExperiment, true, true, colour::kChosenYellow},
        {"no handler yet", 17, Command::RejectExperiment, false, false, colour::kButtonGrey},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int runs = 0;
        if (c.registered) {
            mainWindow.commands().setStep(c.command, [&] {
                ++runs;
                return c.changedState;
            });
        } else {
            mainWindow.commands().clear(c.command);
        }
        mainWindow.toolbarButtonReleased(c.index, 1, 0);
        EXPECT_EQ(runs, c.registered ? 1 : 0);
        EXPECT_EQ(button(c.index).backColour, c.back);
        for (int other = 16; other <= 18; ++other) {
            if (other != c.index) {
                EXPECT_EQ(button(other).backColour, colour::kButtonGrey);
            }
        }
    }
}

TEST_F(MdiToolbar, UserClicksOnDisabledOrHiddenButtonsAreIgnored) {
    int starts = 0;
    mainWindow.commands().setAction(Command::StartExperiment, [&] { ++starts; });
    loadAndActivate();
    mainWindow.toolbarClicked(16, 1, 0);  // off until a grid is locked with givens
    mainWindow.toolbarClicked(12, 1, 0);  // hidden on the 9x9 grid
    mainWindow.toolbarClicked(25, 1, 0);  // no such button
    EXPECT_EQ(starts, 0);
    EXPECT_EQ(session.selectedNumber, 0);
    EXPECT_TRUE(host.log.empty());
    mainWindow.applyStateChange(StateChange::GridLockedWithGivens);
    mainWindow.toolbarClicked(16, 1, 0);
    EXPECT_EQ(starts, 1);
}

TEST_F(MdiToolbar, GridButtonsSwapTheGridAndItsNumberButtons) {
    loadAndActivate();
    mainWindow.toolbarButtonReleased(5, 1, 0);
    mainWindow.toolbarButtonReleased(31, 1, 0);
    EXPECT_TRUE(fifteen.shown);
    EXPECT_FALSE(nine.shown);
    EXPECT_EQ(session.gridKindCode, 5);
    EXPECT_EQ(mainWindow.activeChild(), &fifteen);
    EXPECT_EQ(button(31).backColour, colour::kChosenYellow);
    EXPECT_EQ(button(30).backColour, colour::kButtonGrey);
    EXPECT_EQ(session.selectedNumber, 0);  // the click resets the number choice
    for (int number = 10; number <= 15; ++number)
        EXPECT_TRUE(button(number).visible);
    EXPECT_EQ(session.puzzleCount, "0");  // the level was counted in a missing database

    mainWindow.toolbarButtonReleased(30, 1, 0);
    EXPECT_TRUE(nine.shown);
    EXPECT_FALSE(fifteen.shown);
    EXPECT_EQ(session.gridKindCode, 3);
    for (int number = 10; number <= 15; ++number)
        EXPECT_FALSE(button(number).visible);
}

}  // namespace
}  // namespace quorvel::testing
