// Toolbar clicks on the main window that a scripted session does not see: the level shown at
// start, right clicks, the colours of the grid and experimental-run buttons, and the main window's
// own guards against clicks the view should never pass on.

#include "application/shell/toolbar.h"
#include "ui/shell_fixture.h"

namespace quorvel::testing {
namespace {

using MainWindowToolbar = ShellFixture;

TEST_F(MainWindowToolbar, LoadShowsTheStoredLevelAndOnlyItsButtonTakesARightClick) {
    bool gotPuzzle = false;
    mainWindow.commands().setAction(Command::GetPuzzle, [&] { gotPuzzle = true; });
    session.currentLevel = 3;  // as read from the settings
    loadAndActivate();
    EXPECT_EQ(button(WindowAction::StepLevel).caption, "w");
    for (const ToolButton& pressed : mainWindow.toolbar().all()) {
        const bool level = pressed.target == Target{WindowAction::StepLevel};
        gotPuzzle = false;
        mainWindow.toolbarClicked(pressed, kMouseRight);
        EXPECT_EQ(gotPuzzle, level) << pressed.toolTip;
        EXPECT_TRUE(host.log.empty()) << pressed.toolTip;  // no press flash
    }
    EXPECT_EQ(session.currentLevel, 3) << "a right click does not step the level";
    mainWindow.pressGridButton(true);
    EXPECT_EQ(button(WindowAction::ChooseFifteenGrid).backColour, kChosenButtonBack);
}

TEST_F(MainWindowToolbar, ExperimentButtonTurnsGreyAgainWhenItsStepChangesNothing) {
    loadAndActivate();
    const Command kRun[] = {Command::StartExperiment, Command::RejectExperiment,
                            Command::ConfirmExperiment};
    for (const Command command : kRun) {
        mainWindow.setCommandEnabled(command, true);
        for (const bool changed : {true, false}) {
            SCOPED_TRACE(static_cast<int>(command) * 2 + changed);
            int runs = 0;
            mainWindow.commands().setStep(command, [&] {
                ++runs;
                return changed;
            });
            mainWindow.toolbarClicked(button(command), kMouseLeft);
            EXPECT_EQ(runs, 1);
            for (const Command other : kRun) {
                const bool yellow = other == command && changed;
                EXPECT_EQ(button(other).backColour, yellow ? kChosenButtonBack : kButtonFace);
            }
        }
    }
    mainWindow.commands().clear(Command::RejectExperiment);  // no handler yet
    mainWindow.toolbarClicked(button(Command::RejectExperiment), kMouseLeft);
    EXPECT_EQ(button(Command::RejectExperiment).backColour, kButtonFace);
}

TEST_F(MainWindowToolbar, UserClicksOnDisabledOrHiddenButtonsAreIgnored) {
    int starts = 0;
    mainWindow.commands().setAction(Command::StartExperiment, [&] { ++starts; });
    loadAndActivate();
    const ToolButton& start = button(Command::StartExperiment);
    const ToolButton copy = start;
    mainWindow.toolbarClicked(start, kMouseLeft);       // off until a grid is locked with givens
    mainWindow.toolbarClicked(number(12), kMouseLeft);  // hidden on the 9x9 grid
    mainWindow.applyStateChange(StateChange::GridLockedWithGivens);
    mainWindow.toolbarClicked(copy, kMouseLeft);  // not a button of the toolbar
    EXPECT_EQ(starts, 0);
    EXPECT_EQ(session.selectedNumber, 0);
    EXPECT_TRUE(host.log.empty());
    mainWindow.toolbarClicked(start, kMouseLeft);
    EXPECT_EQ(starts, 1);
}

}  // namespace
}  // namespace quorvel::testing
