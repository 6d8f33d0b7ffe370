// The 9x9 window's temporary stores and its pink lines and frames, which no scripted session
// reaches, and Lock Grid on texts that no key can type (a grid brought back from a store, say).

#include "storage/data_file.h"
#include "storage/settings.h"
#include "ui/aids_fixture.h"
#include "ui/grid/grid_layout.h"
#include "ui/grid/marking_aids.h"

namespace quorvel::testing {
namespace {

class StoresTest : public AidsTest {
  protected:
    MarkingControls& controls() { return aids->nineControls(); }
    std::string slotInFile(int slot) {
        return LoadSettings(settingsFolder(folder)).settings.storedGrids[static_cast<size_t>(slot)];
    }
};

TEST_F(StoresTest, StoreThenGetBringsTheGridBackWithItsValueTable) {
    load(kNinePuzzle);
    enter(3, "4");
    answerOk();
    controls().storeLabelClicked(3);  // S2
    EXPECT_EQ(prompts, std::vector<std::string>{"Overwrite into Store No. 2?"});
    const std::string stored = StoreText(grid());
    EXPECT_EQ(slotInFile(2), stored);
    EXPECT_EQ(slotInFile(0), stored);
    EXPECT_EQ(std::count(stored.begin(), stored.end(), ','), 81);

    for (int label : {4, 0}) {  // G2, then "LA"/"ST", which the same Store wrote
        SCOPED_TRACE(label);
        grid().setCellValue(3, "");
        grid().setCellValue(4, "6");
        answerOk();
        controls().storeLabelClicked(label);
        EXPECT_EQ(cell(3).text, "4");
        EXPECT_EQ(cell(4).text, "");
        EXPECT_EQ(grid().board().cellValue(3), 4);
        EXPECT_EQ(grid().board().cellValue(4), 0);
    }
}

TEST_F(StoresTest, CancelAndEmptyOrBrokenSlotsChangeNothing) {
    load(kNinePuzzle);
    const std::string before = StoreText(grid());
    struct Case {
        const char* name;
        std::string slot3;  // what the file holds in slot 3
        bool cancel;
        int label;
        const char* message;
    };
    const Case cases[] = {
        {"get cancelled", std::string(81, ','), true, 6, ""},
        {"store cancelled", "", true, 5, ""},
        {"empty slot", "", false, 6, ""},
        {"short slot", ",1,2,3", false, 6, "Temporary store 3 cannot be read."},
        {"value off the grid", std::string(80, ',') + ",12", false, 6,
         "Temporary store 3 cannot be read."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Every OK of the input dialog writes the settings the main window holds.
        main().settings().storedGrids[3] = c.slot3;
        ASSERT_FALSE(main().writeSettings());
        c.cancel ? answerCancel() : answerOk();
        controls().storeLabelClicked(c.label);
        EXPECT_EQ(StoreText(grid()), before);
        EXPECT_EQ(slotInFile(3), c.slot3);
        EXPECT_EQ(main().messageLine().text, c.message);
    }
}

TEST_F(StoresTest, PinkLinesToggleAndTheClearButtonRemovesThem) {
    controls().rowButtonReleased(4, kMouseLeft);
    EXPECT_TRUE(controls().lines().rowLine(4).shown);
    controls().rowButtonReleased(4, kMouseLeft);
    EXPECT_FALSE(controls().lines().rowLine(4).shown);
    controls().rowButtonReleased(4, kMouseLeft);
    controls().columnButtonReleased(7, kMouseLeft);
    controls().columnButtonReleased(2, kMouseRight);  // creates the line hidden, frames columns 1-3
    EXPECT_TRUE(controls().lines().columnLine(2).created);
    EXPECT_FALSE(controls().lines().columnLine(2).shown);
    EXPECT_TRUE(controls().lines().bandFrame().visible);
    EXPECT_EQ(controls().lines().bandFrame().rect.left, 510 - 30);  // a cell gap left of column 1

    controls().clearButtonReleased(kMouseRight);  // only the left button clears
    EXPECT_TRUE(controls().lines().rowLine(4).shown);
    controls().clearButtonReleased(kMouseLeft);
    for (int index = 1; index <= 9; ++index) {
        EXPECT_FALSE(controls().lines().rowLine(index).created);
        EXPECT_FALSE(controls().lines().columnLine(index).created);
    }
    EXPECT_FALSE(controls().lines().bandFrame().visible);
    controls().rowButtonReleased(4, kMouseLeft);
    EXPECT_TRUE(controls().lines().rowLine(4).shown);
}

TEST_F(StoresTest, MouseDownFramesTheBlockOnlyWithTheMarkingSwitchOn) {
    aids->cellMouseDown(grid(), 41, kMouseLeft);
    EXPECT_FALSE(controls().lines().blockFrame().visible);
    main().setMarkingSwitch(true);
    aids->cellMouseDown(grid(), 41, kMouseLeft);  // the middle block
    EXPECT_TRUE(controls().lines().blockFrame().visible);
    // Blocks are (690 + 30) x 3 + 30 = 2190 wide and (615 + 30) x 3 + 30 = 1965 high.
    EXPECT_EQ(controls().lines().blockRectangle(), "2190,1965,4380,3930");
}

TEST_F(StoresTest, LeavingComposingClearsThePinkLinesAndPlacesTheGrid) {
    main().menuChosen({MenuArray::SetPuzzle, 13});  // Test Screen
    ASSERT_TRUE(controls().lines().columnLine(8).shown);
    main().menuChosen({MenuArray::SetPuzzle, 15});  // Quit Create My Su Doku
    for (int index = 1; index <= 9; ++index) {
        EXPECT_FALSE(controls().lines().rowLine(index).shown) << index;
        EXPECT_FALSE(controls().lines().columnLine(index).shown) << index;
    }
    EXPECT_FALSE(controls().lines().bandFrame().visible);
    EXPECT_FALSE(controls().lines().blockFrame().visible);
    EXPECT_EQ(grid().left(), (main().widthTwips() - LayoutOf(kNineGrid).windowWidth) / 2);
}

TEST_F(StoresTest, LockGridRefusesATextNoKeyCanTypeWhole) {
    for (const std::string text : {"16", "x"}) {
        blankGrid(grid(), main(), false);
        grid().setCellValue(3, "4");
        grid().board().setCellText(7, text);
        answerOk();
        EXPECT_FALSE(lockGrid(grid(), main()).has_value()) << text;
        EXPECT_EQ(host.dialogTitles.back(), "Invalid Data.");
        EXPECT_NE(prompts.back().find("Cell 7 "), std::string::npos) << prompts.back();
        EXPECT_FALSE(cell(3).locked) << text;
    }
}

}  // namespace
}  // namespace quorvel::testing
