// Moving between cells with the arrow keys and Enter on both grid sizes.

#include "ui/grid_test_fixture.h"

namespace quorvel::testing {
namespace {

using CellNavigation = GridWindowTest;

TEST_F(CellNavigation, ArrowsAndEnterReachTheListedCells) {
    struct Case {
        GridKind kind;
        int from;
        int key;
        int to;
    };
    const Case cases[] = {
        {kNineGrid, 1, key::kLeft, 81},      {kNineGrid, 1, key::kUp, 81},
        {kNineGrid, 1, key::kRight, 2},      {kNineGrid, 81, key::kRight, 1},
        {kNineGrid, 81, key::kDown, 1},      {kNineGrid, 81, key::kEnter, 1},
        {kNineGrid, 9, key::kUp, 80},        {kNineGrid, 73, key::kDown, 2},
        {kNineGrid, 5, key::kEnter, 14},     {kFifteenGrid, 1, key::kLeft, 225},
        {kFifteenGrid, 15, key::kUp, 224},   {kFifteenGrid, 211, key::kDown, 2},
        {kFifteenGrid, 225, key::kEnter, 1},
    };
    for (const auto& c : cases) {
        open(c.kind);
        window->focusCell(c.from);
        press(c.key);
        EXPECT_EQ(window->focusedCell(), c.to) << c.kind.side << ": " << c.from << " key " << c.key;
        EXPECT_EQ(window->selectedCell, c.to);
        EXPECT_TRUE(window->navigating);
    }
}

TEST_F(CellNavigation, MoveAdSwitchesEnterBetweenDownAndAcross) {
    open(kNineGrid);
    EXPECT_EQ(window->enterDirectionButton().caption, "666");
    EXPECT_EQ(window->enterDirectionButton().toolTip,
              " Enter key moves down. Click to move across. ");
    window->focusCell(5);
    press(key::kEnter);
    EXPECT_EQ(window->focusedCell(), 14);

    const auto tickBefore = host.tick;
    window->enterDirectionClicked();
    EXPECT_GE(host.tick - tickBefore, 150) << "the click flashes the button for 150 ms";
    EXPECT_EQ(window->enterDirectionButton().caption, "444");
    EXPECT_EQ(window->enterDirectionButton().toolTip,
              " Enter key moves across. Click to move down. ");
    EXPECT_TRUE(entry.enterMovesAcross);
    window->focusCell(5);
    press(key::kEnter);
    EXPECT_EQ(window->focusedCell(), 6);

    // Activation shows the direction that holds, without turning it.
    window->activate();
    EXPECT_EQ(window->enterDirectionButton().caption, "444");
    EXPECT_TRUE(entry.enterMovesAcross);
}

TEST_F(CellNavigation, PageKeysSetTheNavigationFlagButNeverMove) {
    open(kNineGrid);
    window->focusCell(40);
    for (int code : {key::kPageUp, key::kPageDown}) {
        window->navigating = false;
        press(code);
        EXPECT_TRUE(window->navigating);
        EXPECT_EQ(window->focusedCell(), 40);
    }
    press(key::kHome);
    EXPECT_FALSE(window->navigating);
}

TEST_F(CellNavigation, AFilledSelectedCellTakesTheFirstRightForItsCaret) {
    open(kNineGrid);
    window->setCellValue(2, "5");
    press(key::kRight);  // 1 -> 2, arriving with the whole text selected
    ASSERT_EQ(window->focusedCell(), 2);
    EXPECT_TRUE(window->cellBox(2).wholeTextSelected());
    press(key::kRight);
    EXPECT_EQ(window->focusedCell(), 2);
    EXPECT_EQ(window->selStart(2), 1);
    EXPECT_EQ(window->selLength(2), 0);
    press(key::kRight);
    EXPECT_EQ(window->focusedCell(), 3);

    window->focusCell(2);  // whole text selected again: Left puts the caret at 0 first
    press(key::kLeft);
    EXPECT_EQ(window->focusedCell(), 2);
    EXPECT_EQ(window->selStart(2), 0);
    press(key::kLeft);
    EXPECT_EQ(window->focusedCell(), 1);
}

TEST_F(CellNavigation, DisabledTargetsArePassedOver) {
    struct Case {
        std::vector<int> disabled;
        int from;
        int key;
        int to;
    };
    const Case cases[] = {
        {{2}, 1, key::kRight, 3},
        {{2, 3}, 1, key::kRight, 4},
        {{10}, 1, key::kDown, 19},
        {{81}, 1, key::kLeft, 80},
    };
    for (const auto& c : cases) {
        open(kNineGrid);
        for (int cell : c.disabled)
            window->board().setCellEnabled(cell, false);
        window->focusCell(c.from);
        press(c.key);
        EXPECT_EQ(window->focusedCell(), c.to) << c.from << " key " << c.key;
    }
}

TEST_F(CellNavigation, HeldKeyMovesAtMostOncePer75Ms) {
    open(kNineGrid);
    host.tick += 1000;
    window->cellKeyDown(1, key::kRight);
    EXPECT_EQ(window->focusedCell(), 2);
    host.tick += 74;
    window->cellKeyDown(2, key::kRight);
    EXPECT_EQ(window->focusedCell(), 2);
    host.tick += 1;
    window->cellKeyDown(2, key::kRight);
    EXPECT_EQ(window->focusedCell(), 3);
}

TEST_F(CellNavigation, LeavingAnEmptyCellShowsTheIncompleteImage) {
    open(kNineGrid);
    window->board().showSolvedStatus(true);
    press(key::kRight);
    EXPECT_TRUE(window->statusImageVisible(1));
    EXPECT_FALSE(window->statusImageVisible(0));
}

}  // namespace
}  // namespace quorvel::testing
