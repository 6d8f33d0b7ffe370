// What no scripted session reaches: the 9x9 window's temporary stores, its pink lines and
// frames, Lock Grid on texts no key can type (a grid brought back from a store, say), the
// Visual Aid switches across a restart, and the time Pause Timer banks.

#include "application/commands/grid_setup.h"
#include "application/grid/grid_layout.h"
#include "storage/data_file.h"
#include "storage/settings.h"
#include "ui/aids_fixture.h"

namespace quorvel::testing {
namespace {

class StoresTest : public AidsTest {
  protected:
    MarkingControls& controls() { return aids().nineControls(); }
    const PinkLines& lines() { return aids().nineControls().lines(); }
    std::string slotInFile(int slot) {
        return loadSettings(settingsFolder(folder)).settings.storedGrids[static_cast<size_t>(slot)];
    }
};

TEST_F(StoresTest, StoreThenGetBringsTheGridBackWithItsValueTable) {
    show(kNinePuzzle);
    enter(3, "4");
    active().setNotes(6, 0b1100);
    answerOk();
    controls().storeLabelClicked(3);  // S2
    EXPECT_EQ(prompts, std::vector<std::string>{"Overwrite into Store No. 2?"});
    const std::string stored = storeText(active());
    EXPECT_EQ(slotInFile(2), stored);
    EXPECT_EQ(slotInFile(0), stored);
    EXPECT_EQ(std::count(stored.begin(), stored.end(), ','), 81);

    for (int label : {4, 0}) {  // G2, then "LA"/"ST", which the same Store wrote
        SCOPED_TRACE(label);
        active().setCellValue(3, "");
        active().setCellValue(4, "6");
        active().setNotes(6, 0);
        answerOk();
        controls().storeLabelClicked(label);
        EXPECT_EQ(active().notes(6), 0b1100);
        EXPECT_EQ(cell(3).text, "4");
        EXPECT_EQ(cell(4).text, "");
        EXPECT_EQ(active().board().cellValue(3), 4);
        EXPECT_EQ(active().board().cellValue(4), 0);
    }
}

TEST_F(StoresTest, CancelAndEmptyOrBrokenSlotsChangeNothing) {
    show(kNinePuzzle);
    const std::string before = storeText(active());
    const std::string unreadable = "Temporary store 3 cannot be read.";
    struct Case {
        std::string slot3;  // what the file holds in slot 3
        bool cancel;
        int label;  // 5 stores into slot 3, 6 gets from it
        std::string message;
    };
    const Case cases[] = {
        {std::string(81, ','), true, 6, ""},
        {"", true, 5, ""},
        {"", false, 6, ""},
        {",1,2,3", false, 6, unreadable},
        {std::string(80, ',') + ",12", false, 6, unreadable},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slot3);
        // Every OK of the input dialog writes the settings the main window holds.
        main().settings().storedGrids[3] = c.slot3;
        ASSERT_TRUE(main().writeSettings());
        c.cancel ? answerCancel() : answerOk();
        controls().storeLabelClicked(c.label);
        EXPECT_EQ(storeText(active()), before);
        EXPECT_EQ(slotInFile(3), c.slot3);
        EXPECT_EQ(main().messageLine().text, c.message);
    }
}

TEST_F(StoresTest, PinkLinesAndFramesComeAndGo) {
    controls().rowButtonReleased(4, kMouseLeft);
    controls().rowButtonReleased(4, kMouseLeft);
    EXPECT_FALSE(lines().rowLine(4).shown) << "a second click takes the line away";
    controls().rowButtonReleased(4, kMouseLeft);
    controls().columnButtonReleased(2, kMouseRight);  // creates the line hidden, frames columns 1-3
    EXPECT_TRUE(lines().columnLine(2).created);
    EXPECT_FALSE(lines().columnLine(2).shown);
    EXPECT_EQ(lines().bandFrame().rect.left, 510 - 30);  // a cell gap left of column 1
    controls().clearButtonReleased(kMouseRight);         // only the left button clears
    EXPECT_TRUE(lines().rowLine(4).shown);
    controls().clearButtonReleased(kMouseLeft);
    EXPECT_FALSE(lines().rowLine(4).created);
    EXPECT_FALSE(lines().columnLine(2).created);
    EXPECT_FALSE(lines().bandFrame().visible);

    aids().cellMouseDown(active(), 41, kMouseLeft);
    EXPECT_FALSE(lines().blockFrame().visible) << "only with the marking switch on";
    main().setMarkingSwitch(true);
    aids().cellMouseDown(active(), 41, kMouseLeft);  // the middle block
    // Blocks are (690 + 30) x 3 + 30 = 2190 wide and (615 + 30) x 3 + 30 = 1965 high.
    EXPECT_EQ(lines().blockRectangle(), "2190,1965,4380,3930");

    // Leaving composing takes every line and frame away and centres the grid again.
    main().menuChosen(Command::TestScreen);  // Test Screen
    ASSERT_TRUE(lines().columnLine(8).shown);
    main().menuChosen(Command::QuitCreateOwnPuzzle);  // Quit Create My Su Doku
    for (int index = 1; index <= 9; ++index) {
        EXPECT_FALSE(lines().rowLine(index).shown) << index;
        EXPECT_FALSE(lines().columnLine(index).shown) << index;
    }
    EXPECT_FALSE(lines().bandFrame().visible);
    EXPECT_FALSE(lines().blockFrame().visible);
    EXPECT_EQ(active().left(), (main().widthTwips() - layoutOf(kNineGrid).windowWidth) / 2);
    EXPECT_TRUE(loadSettings(settingsFolder(folder)).settings.showPossibilitiesTip)
        << "Quit Create writes the settings with the tip mark it keeps";
}

TEST_F(StoresTest, LockGridRefusesATextNoKeyCanTypeWhole) {
    for (const std::string text : {"16", "x"}) {
        blankGrid(active(), main(), false);
        active().setCellValue(3, "4");
        active().board().setCellText(7, text);
        answerOk();
        EXPECT_FALSE(lockGrid(active(), main()).has_value()) << text;
        EXPECT_NE(prompts.back().find("Cell 7 "), std::string::npos) << prompts.back();
        EXPECT_FALSE(cell(3).locked) << text;
    }
}

TEST_F(StoresTest, ThePanelFollowsItsCheckMarkFromTheStart) {
    for (int round = 0; round < 2; ++round) {
        main().runMenuItem(
            Command::ShowPossibilitiesPanel);  // switched and written to the settings
        app = std::make_unique<Application>(host, folder);
        main().loadSettings();
        main().load();
        main().activate();
        EXPECT_EQ(active().panelVisible(), main().panelSwitchOn()) << round;
    }
}

TEST_F(StoresTest, PauseTimerBanksTheTimeShown) {
    show(kNinePuzzle);
    host.tick += 65'000;
    main().elapsedTick();
    main().runMenuItem(Command::PauseTimer);
    EXPECT_FALSE(main().elapsedTimerRunning());
    host.tick += 600'000;  // time away does not count
    main().resize(true);
    main().resize(false);
    host.tick += 1'000;
    main().elapsedTick();
    EXPECT_EQ(main().elapsedLabel(), "00:01:06");
}

}  // namespace
}  // namespace quorvel::testing
