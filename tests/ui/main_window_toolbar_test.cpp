// Toolbar clicks on the main window that a scripted session does not see: the level shown at
// start, the colours of the grid and experimental-run buttons, and the main window's own guards
// against clicks the view should never pass on.

#include "ui/shell/toolbar.h"
#include "ui/shell_fixture.h"

namespace quorvel::testing {
namespace {

using MdiToolbar = ShellFixture;

TEST_F(MdiToolbar, LoadShowsTheStoredLevelAndRightClickOnItEndsTheIncompleteEffort) {
    bool gotPuzzle = false;
    mainWindow.commands().setAction(Command::GetPuzzle, [&] { gotPuzzle = true; });
    session.currentLevel = 3;  // as read from the settings
    loadAndActivate();
    EXPECT_EQ(button(20).caption, "w");
    session.incompleteMode = true;
    mainWindow.toolbarButtonReleased(20, 2, 0);
    EXPECT_TRUE(gotPuzzle);
    EXPECT_FALSE(session.incompleteMode);
    EXPECT_EQ(session.currentLevel, 3) << "a right click does not step the level";
    mainWindow.toolbarButtonReleased(31, 1, 0);
    EXPECT_EQ(button(31).backColour, colour::kChosenYellow);
}

TEST_F(MdiToolbar, ExperimentButtonTurnsGreyAgainWhenItsStepChangesNothing) {
    loadAndActivate();
    const Command commands[] = {Command::StartExperiment, Command::RejectExperiment,
                                Command::ConfirmExperiment};
    for (int index = 16; index <= 18; ++index) {
        for (const bool changed : {true, false}) {
            SCOPED_TRACE(index * 2 + changed);
            int runs = 0;
            mainWindow.commands().setStep(commands[index - 16], [&] {
                ++runs;
                return changed;
            });
            mainWindow.toolbarButtonReleased(index, 1, 0);
            EXPECT_EQ(runs, 1);
            for (int other = 16; other <= 18; ++other) {
                const bool yellow = other == index && changed;
                EXPECT_EQ(button(other).backColour,
                          yellow ? colour::kChosenYellow : colour::kButtonGrey);
            }
        }
    }
    mainWindow.commands().clear(Command::RejectExperiment);  // no handler yet
    mainWindow.toolbarButtonReleased(17, 1, 0);
    EXPECT_EQ(button(17).backColour, colour::kButtonGrey);
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
