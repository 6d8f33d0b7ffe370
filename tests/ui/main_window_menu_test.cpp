// Menu commands of the main window: routing to the registered handlers, the Set Puzzle frame,
// opening a top-level menu, the enabling rules and the two layouts.

#include "ui/shell_fixture.h"

namespace quorvel::testing {
namespace {

using A = MenuArray;
using MdiMenu = ShellFixture;

TEST_F(MdiMenu, EveryItemRunsTheCommandOfItsPart) {
    struct Case {
        MenuRef item;
        Command command;
        int incompleteMode;  // -1: not touched
    };
    const Case cases[] = {
        {{A::PuzzleGrid, 3}, Command::Print, -1},
        {{A::PuzzleGrid, 5}, Command::CreateTextFile, -1},
        {{A::PuzzleGrid, 6}, Command::ImportTextFile, -1},
        {{A::PuzzleGrid, 7}, Command::ImportBatch, -1},
        {{A::SetPuzzle, 0}, Command::BlankGrid, -1},
        {{A::SetPuzzle, 1}, Command::LockGrid, -1},
        {{A::SetPuzzle, 2}, Command::UnlockGrid, -1},
        {{A::SetPuzzle, 4}, Command::CreateOwnPuzzle, -1},
        {{A::SetPuzzle, 5}, Command::SaveOwnPuzzle, -1},
        {{A::SetPuzzle, 7}, Command::GetLastIncompleteEffort, -1},
        {{A::SetPuzzle, 12}, Command::OpenComposePage, -1},
        {{A::SetPuzzle, 13}, Command::TestScreen, -1},
        {{A::Database, 0}, Command::GetPuzzle, 0},
        {{A::Database, 1}, Command::ShowStoredSolution, -1},
        {{A::Database, 2}, Command::StoreSolution, 0},
        {{A::Database, 4}, Command::SaveIncompletePuzzle, 1},
        {{A::Database, 5}, Command::GetIncompletePuzzle, 1},
        {{A::Database, 9}, Command::ComputerGeneratedPuzzle, -1},
        {{A::AssistSolve, 2}, Command::CheckForSingle, -1},
        {{A::AssistSolve, 3}, Command::GetNext, -1},
        {{A::AssistSolve, 5}, Command::CheckPuzzle, -1},
        {{A::AssistSolve, 6}, Command::ShowMistakes, -1},
        {{A::AssistSolve, 7}, Command::RatePuzzle, -1},
        {{A::Solve, 0}, Command::MildAttack, -1},
        {{A::Solve, 1}, Command::BruteForce, -1},
        {{A::Solve, 2}, Command::NumberCrunch, -1},
        {{A::Solve, 3}, Command::ExactSolve, -1},
        {{A::VisualAid, 0}, Command::ColorNumber, -1},
        {{A::VisualAid, 1}, Command::ShowPossibilitiesTip, -1},
        {{A::VisualAid, 2}, Command::ShowPossibilitiesPanel, -1},
        {{A::VisualAid, 4}, Command::PauseTimer, -1},
    };
    loadAndActivate();
    mainWindow.applyStateChange(StateChange::GridLockedWithGivens);  // Assist Solve on
    for (const Case& c : cases) {
        std::vector<Command> ran;
        for (const Case& each : cases) {
            mainWindow.commands().setAction(each.command,
                                            [&ran, &each] { ran.push_back(each.command); });
        }
        session.incompleteMode = c.incompleteMode == 0;
        mainWindow.menuChosen(c.item);
        SCOPED_TRACE(mainWindow.menus().at(c.item).caption);
        EXPECT_EQ(ran, std::vector<Command>{c.command});
        if (c.incompleteMode >= 0) {
            EXPECT_EQ(session.incompleteMode, c.incompleteMode == 1);
        }
    }
}

TEST_F(MdiMenu, ItemsUnderADisabledMenuDoNothing) {
    int runs = 0;
    for (Command command : {Command::GetNext, Command::DeletePuzzle, Command::MildAttack}) {
        mainWindow.commands().setAction(command, [&] { ++runs; });
    }
    loadAndActivate();
    mainWindow.menuChosen({A::AssistSolve, 3});  // Assist Solve is off until a grid is locked
    mainWindow.menuChosen({A::Solve, 0});        // so is its Solve submenu
    mainWindow.menuChosen({A::Database, 7});     // Delete Puzzle is off at start
    mainWindow.menuChosen({A::SetPuzzle, 3});    // a separator
    EXPECT_EQ(runs, 0);
    mainWindow.applyStateChange(StateChange::GridLockedWithGivens);
    mainWindow.menuChosen({A::Solve, 0});
    EXPECT_EQ(runs, 1);
}

TEST_F(MdiMenu, SetPuzzleCommandsFreezeAndGiveTheTipMarkBack) {
    struct Case {
        bool tipChecked;
        bool loadBusy;
    };
    for (Case c : {Case{true, false}, Case{false, false}, Case{true, true}}) {
        loadAndActivate();
        nine.calls.clear();
        mainWindow.setMenuChecked({A::VisualAid, 1}, c.tipChecked);
        mainWindow.restartElapsedTime();
        mainWindow.applyStateChange(StateChange::ExperimentStarted);
        session.loadBusy = c.loadBusy;
        bool tipDuringCommand = true;
        bool timerDuringCommand = true;
        mainWindow.commands().setAction(Command::LockGrid, [&] {
            tipDuringCommand = mainWindow.tipSwitchOn();
            timerDuringCommand = mainWindow.elapsedTimerRunning();
        });
        mainWindow.menuChosen({A::SetPuzzle, 1});
        SCOPED_TRACE(::testing::Message() << c.tipChecked << c.loadBusy);
        EXPECT_FALSE(tipDuringCommand);
        EXPECT_FALSE(timerDuringCommand);
        EXPECT_EQ(mainWindow.tipSwitchOn(), c.tipChecked);
        EXPECT_EQ(nine.calls, std::vector<std::string>{"unloadTips"});
        for (int index = 16; index <= 18; ++index)
            EXPECT_FALSE(button(index).enabled);
        std::vector<bool> expectedFreezes{true};
        if (!c.loadBusy) expectedFreezes.push_back(false);
        EXPECT_EQ(host.freezeCalls, expectedFreezes);
        host.freezeCalls.clear();
        session.loadBusy = false;
    }
}

TEST_F(MdiMenu, OpeningATopLevelMenuClearsTheMessageLine) {
    int prepared = 0;
    mainWindow.commands().setAction(Command::PrepareColorNumber, [&] { ++prepared; });
    loadAndActivate();
    mainWindow.showMessage("Reason : Single candidate in cell", colour::kBlue, 2);
    mainWindow.topMenuClicked(5);
    EXPECT_EQ(mainWindow.messageLine().text, "");
    EXPECT_EQ(mainWindow.messageLine().alignment, 2);
    EXPECT_EQ(nine.shape2, colour::kBlack);
    EXPECT_EQ(prepared, 1);
    mainWindow.topMenuClicked(0);
    EXPECT_EQ(prepared, 1);
}

TEST_F(MdiMenu, StopRequestsTheEndOfTheRunAndHidesItself) {
    loadAndActivate();
    mainWindow.applyStateChange(StateChange::SolveStarted);
    EXPECT_TRUE(item(A::Top, 8).visible);
    EXPECT_TRUE(mainWindow.workingHard().visible);
    mainWindow.menuChosen({A::Top, 8});
    EXPECT_TRUE(session.stopRequested);
    EXPECT_FALSE(item(A::Top, 8).visible);
}

TEST_F(MdiMenu, EnablingRulesFollowTheStateChanges) {
    struct Case {
        const char* name;
        std::vector<StateChange> changes;
        bool assistSolve;
        bool start, reject, confirm, getNext;
    };
    const Case cases[] = {
        {"after load", {}, false, false, false, false, true},
        {"locked with givens", {StateChange::GridLockedWithGivens}, true, true, false, false, true},
        {"locked without givens",
         {StateChange::GridLockedWithGivens, StateChange::GridLockedWithoutGivens},
         false,
         true,
         false,
         false,
         false},
        {"unlocked",
         {StateChange::GridLockedWithGivens, StateChange::GridUnlockedOrBlanked},
         false,
         true,
         false,
         false,
         false},
        {"run started",
         {StateChange::GridLockedWithGivens, StateChange::ExperimentStarted},
         true,
         false,
         true,
         true,
         true},
        {"run ended",
         {StateChange::ExperimentStarted, StateChange::ExperimentEnded},
         false,
         true,
         false,
         false,
         true},
        {"set puzzle",
         {StateChange::ExperimentStarted, StateChange::SetPuzzleCommand},
         false,
         false,
         false,
         false,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MainWindow window(host, session, dialogs, folder.path());
        window.setGrids(nine, fifteen);
        window.load();
        for (StateChange change : c.changes)
            window.applyStateChange(change);
        EXPECT_EQ(window.menus().at({A::Top, 3}).enabled, c.assistSolve);
        EXPECT_EQ(window.toolbar().at(16).enabled, c.start);
        EXPECT_EQ(window.toolbar().at(17).enabled, c.reject);
        EXPECT_EQ(window.toolbar().at(18).enabled, c.confirm);
        EXPECT_EQ(window.toolbar().at(19).enabled, c.getNext);
    }
}

TEST_F(MdiMenu, CreateAndNormalLayouts) {
    loadAndActivate();
    session.createMode = true;
    mainWindow.applyComposeLayout();
    EXPECT_EQ(mainWindow.widthTwips(), 8000);
    EXPECT_TRUE(nine.composing);
    for (int index : {0, 1, 2})
        EXPECT_FALSE(item(A::SetPuzzle, index).enabled);
    for (int index : {6, 15})
        EXPECT_TRUE(item(A::SetPuzzle, index).enabled);
    EXPECT_FALSE(item(A::Top, 0).enabled);
    EXPECT_FALSE(item(A::Top, 2).enabled);
    EXPECT_TRUE(item(A::Top, 3).enabled);
    for (const ToolButton& b : mainWindow.toolbar().all()) {
        bool kept = b.index == 16 || b.index == 17 || b.index == 18 || b.index == 20 ||
                    b.index == 30 || b.index == 31;
        EXPECT_EQ(b.visible, kept) << b.index;
    }

    session.createMode = false;
    mainWindow.applyComposeLayout();
    EXPECT_EQ(mainWindow.widthTwips(), 9000);
    EXPECT_FALSE(nine.composing);
    for (int index : {0, 1, 2})
        EXPECT_TRUE(item(A::SetPuzzle, index).enabled);
    for (int index : {6, 15})
        EXPECT_FALSE(item(A::SetPuzzle, index).enabled);
    EXPECT_TRUE(item(A::Top, 0).enabled);
    EXPECT_TRUE(item(A::Top, 2).enabled);
    // The numbers above 9 stay hidden while the 9x9 grid is open.
    for (const ToolButton& b : mainWindow.toolbar().all()) {
        EXPECT_EQ(b.visible, b.index < 10 || b.index > 15) << b.index;
    }
    mainWindow.puzzleGridItemClicked(1);
    mainWindow.applyComposeLayout();
    for (int number = 10; number <= 15; ++number)
        EXPECT_TRUE(button(number).visible);
}

TEST_F(MdiMenu, FirstActivationAppliesTheStoredCheckMarks) {
    mainWindow.settings().showPossibilitiesTip = false;
    mainWindow.settings().showPossibilitiesPanel = true;
    int splashInactive = 0;
    mainWindow.setOnFirstActivation([&] { ++splashInactive; });
    mainWindow.load();
    mainWindow.activate();
    mainWindow.activate();
    EXPECT_EQ(splashInactive, 1);
    EXPECT_FALSE(mainWindow.tipSwitchOn());
    EXPECT_TRUE(mainWindow.panelSwitchOn());
}

}  // namespace
}  // namespace quorvel::testing
