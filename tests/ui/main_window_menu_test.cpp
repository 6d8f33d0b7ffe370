// The menus and the toolbar as data: what every row carries reaches its handler, the program
// registers one for each, the rows' captions and shortcuts; and the main window's menu steps:
// the Set Puzzle frame, opening a menu, the enabling rules and the two layouts.

#include <cctype>
#include <map>
#include <set>

#include "application/composition/application.h"
#include "application/shell/version.h"
#include "ui/shell_fixture.h"

namespace quorvel::testing {
namespace {

using MainMenu = ShellFixture;

const Command* commandOf(const Target& target) {
    return std::get_if<Command>(&target);
}

TEST_F(MainMenu, EveryRowRunsTheCommandItCarries) {
    std::vector<Command> ran;
    const auto record = [&](const std::optional<Command>& command) {
        if (!command) return;
        mainWindow.commands().setAction(*command, [&ran, c = *command] { ran.push_back(c); });
    };
    for (const MenuItem& item : mainWindow.menus().all())
        if (const Command* command = commandOf(item.target)) record(*command);
    for (const ToolButton& button : mainWindow.toolbar().all()) {
        if (const Command* command = commandOf(button.target)) record(*command);
        record(button.rightClick);
    }
    loadAndActivate();
    for (const MenuItem& item : mainWindow.menus().all()) {
        mainWindow.setCommandEnabled(item.target, true);
        if (item.submenu) mainWindow.setMenuEnabled(*item.submenu, true);
    }
    for (const MenuItem& item : mainWindow.menus().all()) {
        const Command* command = commandOf(item.target);
        if (command == nullptr) continue;
        ran.clear();
        mainWindow.menuChosen(item);
        EXPECT_EQ(ran, std::vector<Command>{*command}) << item.caption;
    }
    for (const ToolButton& button : mainWindow.toolbar().all()) {
        std::vector<Command> expected;
        ran.clear();
        if (const Command* command = commandOf(button.target)) {
            mainWindow.setCommandEnabled(*command, true);
            mainWindow.toolbarClicked(button, kMouseLeft);
            expected.push_back(*command);
        }
        if (button.rightClick) {
            mainWindow.toolbarClicked(button, kMouseRight);
            expected.push_back(*button.rightClick);
        }
        EXPECT_EQ(ran, expected) << button.toolTip;
    }
}

// Each row has a handler or an action once the program is composed; each shortcut, command
// and number is on one row only.
TEST(MenuTable, EveryRowHasAHandlerAndItsOwnShortcutCommandAndNumber) {
    TempFolder folder;
    FakeHost host;
    Application program(host, folder.path());
    MainWindow& main = program.mainWindow();
    const auto handled = [&](const Target& target) {
        const Command* command = commandOf(target);
        return command != nullptr ? main.commands().has(*command)
                                  : std::holds_alternative<WindowAction>(target) ||
                                        std::holds_alternative<RecentFile>(target) ||
                                        std::holds_alternative<OptionalTechnique>(target);
    };
    std::set<std::string> shortcuts;
    for (const MenuItem& item : main.menus().all()) {
        EXPECT_TRUE(item.shortcut.empty() || shortcuts.insert(item.shortcut).second);
        // A title may run nothing as its drop-down opens.
        if (item.isSeparator() || std::holds_alternative<std::monostate>(item.target)) {
            EXPECT_TRUE(item.isSeparator() || item.submenu) << item.caption;
            continue;
        }
        EXPECT_TRUE(handled(item.target)) << item.caption;
        EXPECT_EQ(&main.menus().at(item.target), &item) << item.caption;
    }
    std::set<int> numbers;
    for (const ToolButton& button : main.toolbar().all()) {
        EXPECT_TRUE(button.number < 0 ? &main.toolbar().at(button.target) == &button
                                      : numbers.insert(button.number).second);
        EXPECT_TRUE(button.number >= 0 || handled(button.target)) << button.toolTip;
        EXPECT_TRUE(!button.rightClick || handled(*button.rightClick)) << button.toolTip;
    }
    EXPECT_EQ(numbers.size(), 16u);
    // The steps the main window runs around the others.
    EXPECT_TRUE(handled(Command::ClearExplanationMarks));
    EXPECT_TRUE(handled(Command::EndExperiment));
}

TEST(MenuTable, CaptionsAndShortcuts) {
    const std::pair<Menu, std::string> kMenus[] = {
        {Menu::Bar,
         "&Puzzle Grid     |&Set Puzzle     |&Database     |&Assist Solve    |"
         "&Visual Aid     |&Help     |&Quit     |S&top"},
        {Menu::PuzzleGrid,
         "&Nine|&Fifteen|-|&Open Puzzle File... Ctrl+O|Open &Recent|Save Puzzle &As... "
         "Ctrl+Shift+S|"
         "Cop&y Puzzle Ctrl+C|Copy Puzzle &With Notes Ctrl+Alt+C|Copy Gi&vens Ctrl+Shift+C|Pas&te "
         "Puzzle Ctrl+V|-|&Print|"
         "Print Boo&klet...|-|"
         "&Create Text File|&Import Text File|Import &Batch|-|&Get Batch File " +
             std::string(kBatchPage)},
        {Menu::OpenRecent, "&1|&2|&3|&4|&5|&6|&7|&8"},
        {Menu::SetPuzzle,
         "&Blank Grid|&Lock Grid|&Unlock Grid|-|&Create My Su Doku|&Save My Su Doku|"
         "Store &Incomplete Effort|&Get Last Incomplete Effort|&Resume Last Game|"
         "&Practise a Technique...|-|-|-|-|&Open "
         "sudoko01.html|"
         "&Test Screen (As in Web Page)|-|&Quit Create My Su Doku"},
        {Menu::Database,
         "&Get Puzzle from Database F2|&Show Solution (Stored) F3|"
         "Store Solution in &Database Ctrl+F2|-|Save &Incomplete Puzzle|Get Incomplete &Puzzle|"
         "Import Co&llection...|-|&Delete Puzzle from Database|-|&Computer Generated Puzzle|"
         "&Unique Puzzles Only"},
        {Menu::AssistSolve,
         "Check For &Single F8|Get &Next F12|-|&Explain Next Step F4|Check &Puzzle F11|"
         "Show &Mistakes Shift+F11|&Rate Puzzle|Sol&ve|Optional &Techniques"},
        {Menu::OptionalTechniques,
         "&Siamese X-Wing|S&iamese Swordfish|Siamese &Jellyfish|"
         "&Unique Rectangle With Missing Candidates|&Finned Mutant Swordfish|"
         "Fi&nned Franken Jellyfish|&Mutant Jellyfish|Finn&ed Mutant Jellyfish|&ALS-AIC|"
         "ALS &Continuous Nice Loop|ALS &Discontinuous Nice Loop"},
        {Menu::Solve, "&Mild Attack F5|&Brute Force F6|&Number Crunch F7|&Exact Solve Shift+F7"},
        {Menu::VisualAid,
         "&Color Number   (CTRL-Left Button Click)|Show &Possibilities (Tip) F9|"
         "Sho&w Possibilities (Panel)|-|Pause &Timer|-|&Notes Mode Ctrl+N|&Fill All Notes|"
         "C&lear All Notes|&Remove Notes On Entry|-|Show Conflict&s|Filter &Value...|"
         "Clear Colourin&g|-|&Zoom|T&heme"},
        {Menu::Zoom, "&100 %|1&25 %|1&50 %|2&00 %"},
        {Menu::Theme, "&Classic|&Dark|&Follow Desktop"},
        {Menu::Help, "&General Help F1|&Statistics...|&Reset Statistics...|-|&About Quorvel"},
    };
    const MenuBar menus;
    for (const auto& [menu, expected] : kMenus) {
        std::string shown;
        for (const MenuItem* item : menus.items(menu)) {
            shown += (shown.empty() ? "" : "|") + item->caption +
                     (item->shortcut.empty() ? "" : " " + item->shortcut);
        }
        EXPECT_EQ(shown, expected);
    }
}

// Alt, the menu's letter and an item's letter reach that item and no other: every access letter
// is its menu's own, but for the one pair the first menus already shared.
TEST(MenuTable, AccessLettersAreTheirMenusOwn) {
    const MenuBar menus;
    for (std::size_t index = 0; index < kMenuCount; ++index) {
        const Menu menu = static_cast<Menu>(index);
        std::map<char, std::vector<std::string>> captionsByLetter;
        for (const MenuItem* item : menus.items(menu)) {
            const std::size_t amp = item->caption.find('&');
            if (item->isSeparator() || amp == std::string::npos) continue;
            const char letter =
                static_cast<char>(std::tolower(static_cast<unsigned char>(item->caption[amp + 1])));
            captionsByLetter[letter].push_back(item->caption);
        }
        for (const auto& [letter, captions] : captionsByLetter) {
            const bool sharedFromTheStart = menu == Menu::Database && letter == 'd';
            EXPECT_TRUE(captions.size() == 1 || sharedFromTheStart)
                << "'" << letter << "' in " << captions.front() << " and " << captions.back();
        }
    }
}

TEST_F(MainMenu, ItemsUnderADisabledMenuDoNothing) {
    int runs = 0;
    for (Command command : {Command::GetNext, Command::DeletePuzzle, Command::MildAttack}) {
        mainWindow.commands().setAction(command, [&] { ++runs; });
    }
    loadAndActivate();
    mainWindow.menuChosen(Command::GetNext);       // Assist Solve is off until a grid is locked
    mainWindow.menuChosen(Command::MildAttack);    // so is its Solve submenu
    mainWindow.menuChosen(Command::DeletePuzzle);  // Delete Puzzle is off at start
    mainWindow.menuChosen(*mainWindow.menus().items(Menu::SetPuzzle)[3]);  // a separator
    EXPECT_EQ(runs, 0);
    mainWindow.applyStateChange(StateChange::GridLockedWithGivens);
    mainWindow.menuChosen(Command::MildAttack);
    EXPECT_EQ(runs, 1);
}

TEST_F(MainMenu, SetPuzzleCommandsFreezeAndGiveTheTipMarkBack) {
    struct Case {
        bool tipChecked;
        bool loadBusy;
    };
    for (Case c : {Case{true, false}, Case{false, false}, Case{true, true}}) {
        loadAndActivate();
        nine.calls.clear();
        mainWindow.setTipSwitch(c.tipChecked);
        mainWindow.restartElapsedTime();
        mainWindow.applyStateChange(StateChange::ExperimentStarted);
        session.loadBusy = c.loadBusy;
        bool tipDuringCommand = true;
        bool timerDuringCommand = true;
        mainWindow.commands().setAction(Command::LockGrid, [&] {
            tipDuringCommand = mainWindow.tipSwitchOn();
            timerDuringCommand = mainWindow.elapsedTimerRunning();
        });
        mainWindow.menuChosen(Command::LockGrid);
        SCOPED_TRACE(::testing::Message() << c.tipChecked << c.loadBusy);
        EXPECT_FALSE(tipDuringCommand);
        EXPECT_FALSE(timerDuringCommand);
        EXPECT_EQ(mainWindow.tipSwitchOn(), c.tipChecked);
        EXPECT_EQ(nine.calls, std::vector<std::string>{"unloadTips"});
        for (const ToolButton& b : mainWindow.toolbar().all())
            EXPECT_FALSE(b.experiment && b.enabled) << b.toolTip;
        std::vector<bool> expectedFreezes{true};
        if (!c.loadBusy) expectedFreezes.push_back(false);
        EXPECT_EQ(host.freezeCalls, expectedFreezes);
        host.freezeCalls.clear();
        session.loadBusy = false;
    }
}

TEST_F(MainMenu, OpeningAMenuClearsTheMessageLine) {
    int prepared = 0;
    mainWindow.commands().setAction(Command::PrepareColorNumber, [&] { ++prepared; });
    loadAndActivate();
    mainWindow.showMessage("Reason : Single candidate in cell", colour::kBlue, Alignment::Centre);
    mainWindow.menuOpened(title(Menu::VisualAid));
    EXPECT_EQ(mainWindow.messageLine().text, "");
    EXPECT_EQ(mainWindow.messageLine().alignment, Alignment::Centre);
    EXPECT_EQ(nine.frameColour, colour::kBlack);
    EXPECT_EQ(prepared, 1);
    mainWindow.menuOpened(title(Menu::PuzzleGrid));
    EXPECT_EQ(prepared, 1);
}

TEST_F(MainMenu, EnablingRulesFollowTheStateChanges) {
    using S = StateChange;
    struct Case {
        const char* name;
        std::vector<StateChange> changes;
        const char* enabled;  // Assist Solve, then the Start, Reject, Confirm, Get Next buttons
    };
    const Case cases[] = {
        {"after load", {}, "----+"},
        {"locked with givens", {S::GridLockedWithGivens}, "++--+"},
        {"locked without givens", {S::GridLockedWithGivens, S::GridLockedWithoutGivens}, "-+---"},
        {"unlocked", {S::GridLockedWithGivens, S::GridUnlockedOrBlanked}, "-+---"},
        {"run started", {S::GridLockedWithGivens, S::ExperimentStarted}, "+-+++"},
        {"run ended", {S::ExperimentStarted, S::ExperimentEnded}, "-+--+"},
        {"set puzzle", {S::ExperimentStarted, S::SetPuzzleCommand}, "----+"},
    };
    for (const Case& c : cases) {
        MainWindow window(host, session, dialogs, folder.path());
        window.setGrids(nine, fifteen);
        window.load();
        for (StateChange change : c.changes)
            window.applyStateChange(change);
        std::string enabled = window.menus().title(Menu::AssistSolve)->enabled ? "+" : "-";
        for (Command command : {Command::StartExperiment, Command::RejectExperiment,
                                Command::ConfirmExperiment, Command::GetNext}) {
            enabled += window.toolbar().at(command).enabled ? "+" : "-";
        }
        EXPECT_EQ(enabled, c.enabled) << c.name;
    }
}

TEST_F(MainMenu, CreateAndNormalLayouts) {
    const Command setPuzzle[] = {Command::BlankGrid, Command::LockGrid, Command::UnlockGrid};
    const Command composing[] = {Command::StoreIncompleteEffort, Command::QuitCreateOwnPuzzle};
    loadAndActivate();
    for (bool create : {true, false}) {
        SCOPED_TRACE(create);
        session.createMode = create;
        mainWindow.applyComposeLayout();
        EXPECT_EQ(mainWindow.widthTwips(), create ? 8000 : 9000);
        EXPECT_EQ(nine.composing, create);
        for (Command command : setPuzzle)
            EXPECT_EQ(item(command).enabled, !create);
        for (Command command : composing)
            EXPECT_EQ(item(command).enabled, create);
        EXPECT_EQ(title(Menu::PuzzleGrid).enabled, !create);
        EXPECT_EQ(title(Menu::Database).enabled, !create);
        EXPECT_TRUE(!create || title(Menu::AssistSolve).enabled);
        // The numbers above 9 stay hidden while the 9x9 grid is open.
        for (const ToolButton& b : mainWindow.toolbar().all()) {
            EXPECT_EQ(b.visible, b.keptInCreateLayout || (!create && b.number < 10)) << b.toolTip;
        }
    }
    mainWindow.openGrid(true);
    mainWindow.applyComposeLayout();
    for (int shown = 10; shown <= 15; ++shown)
        EXPECT_TRUE(number(shown).visible);
}

TEST_F(MainMenu, FirstActivationAppliesTheStoredCheckMarks) {
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

// A zoom the screen has no room for is refused on the message line and the kept one stays; a
// kept zoom too large for the screen gives way to the largest that fits there.
TEST_F(MainMenu, ZoomsOnlyAsFarAsTheScreenHasRoom) {
    // Frames 4 px wide with a 30 px title bar. At 100 % the window's inside is 600 x 714.
    const auto screen = [](int width, int height) {
        return WindowPlacement{{4, 30, 600, 714}, {0, 0, 608, 748}, {0, 0, width, height}};
    };
    const struct {
        int width, height;
        WindowAction chosen;
        int inUse;
        const char* message;
    } cases[] = {
        {1024, 768, WindowAction::Zoom125, 100, "Zoom 125 % does not fit this screen (1024 x 768)"},
        {1280, 926, WindowAction::Zoom125, 125, ""},  // 758 x 926 needed: just fits
        {1280, 1024, WindowAction::Zoom150, 125,
         "Zoom 150 % does not fit this screen (1280 x 1024)"},
        {2048, 1536, WindowAction::Zoom200, 200, ""},
    };
    mainWindow.load();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        host.placement = screen(c.width, c.height);
        mainWindow.showMessage("", colour::kWhite, Alignment::Centre);
        mainWindow.runMenuItem(c.chosen);
        EXPECT_EQ(mainWindow.zoomPercent(), c.inUse);
        EXPECT_EQ(mainWindow.messageLine().text, c.message);
        EXPECT_EQ(mainWindow.menus().at(c.chosen).checked, *c.message == 0);
    }
    host.placement = screen(1280, 1024);  // 200 % kept, on a smaller screen
    EXPECT_EQ(mainWindow.zoomPercent(), 125);
    EXPECT_EQ(mainWindow.options().zoomPercent, 200);
}

}  // namespace
}  // namespace quorvel::testing
