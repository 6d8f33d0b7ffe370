// Toolbar clicks on the main window that a scripted session does not see: the button captions
// and colours, and the main window's own guards against clicks the view should never pass on.

#include "ui/shell/toolbar.h"
#include "ui/shell_fixture.h"

namespace quorvel::testing {
namespace {

using MdiToolbar = ShellFixture;

TEST_F(MdiToolbar, LevelButtonShowsTheLevelItStepsTo) {
    struct Case {
        int levelBefore;
        int levelAfter;
        const char* caption;
    };
    for (const Case& c : {Case{1, 2, "v"}, Case{3, 4, "x"}, Case{4, 1, "u"}, Case{0, 1, "u"}}) {
        SCOPED_TRACE(c.levelBefore);
        MainWindow window(host, session, dialogs, folder.path());
        session.currentLevel = c.levelBefore;
        window.toolbarButtonReleased(20, 1, 0);
        EXPECT_EQ(session.currentLevel, c.levelAfter);
        EXPECT_EQ(window.toolbar().at(20).caption, c.caption);
    }
    session.currentLevel = 3;  // as read from the settings
    mainWindow.load();
    EXPECT_EQ(session.currentLevel, 3);
    EXPECT_EQ(button(20).caption, "w");
}

TEST_F(MdiToolbar, RightClickOnTheLevelButtonEndsTheIncompleteEffort) {
    bool gotPuzzle = false;
    mainWindow.commands().setAction(Command::GetPuzzle, [&] { gotPuzzle = true; });
    loadAndActivate();
    session.incompleteMode = true;
    mainWindow.toolbarButtonReleased(20, 2, 0);
    EXPECT_TRUE(gotPuzzle);
    EXPECT_FALSE(session.incompleteMode);
}

TEST_F(MdiToolbar, TheChosenNumberAndGridButtonsTurnWhite) {
    loadAndActivate();
    for (int index : {5, 12, 0}) {
        mainWindow.toolbarButtonReleased(index, 1, 0);
        for (int number = 0; number <= 15; ++number) {
            const std::uint32_t expected = number == index ? colour::kWhite : colour::kButtonGrey;
            EXPECT_EQ(button(number).backColour, expected) << index << " " << number;
        }
    }
    mainWindow.toolbarButtonReleased(31, 1, 0);
    EXPECT_EQ(button(31).backColour, colour::kChosenYellow);
    EXPECT_EQ(button(30).backColour, colour::kButtonGrey);
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

}  // namespace
}  // namespace quorvel::testing
