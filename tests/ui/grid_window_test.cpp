// The grid window around its cells: layout and shading after load, colours, the possibilities
// tip, activation and the close that swaps to the other grid.

#include "ui/grid/grid_window_observer.h"
#include "ui/grid_test_fixture.h"

namespace quorvel::testing {
namespace {

using GridWindowFrame = GridWindowTest;

TEST_F(GridWindowFrame, CellsLieAtTheirPitch) {
    struct Case {
        GridKind kind;
        int cell;
        int right;
        int down;
    };
    const Case cases[] = {{kNineGrid, 10, 0, 645},
                          {kNineGrid, 2, 720, 0},
                          {kNineGrid, 81, 8 * 720, 8 * 645},
                          {kFifteenGrid, 16, 0, 525},
                          {kFifteenGrid, 225, 14 * 525, 14 * 525}};
    for (const auto& c : cases) {
        open(c.kind);
        const TwipRect first = window->cellRect(1);
        const TwipRect rect = window->cellRect(c.cell);
        EXPECT_EQ(rect.left - first.left, c.right) << c.kind.side << " cell " << c.cell;
        EXPECT_EQ(rect.top - first.top, c.down) << c.kind.side << " cell " << c.cell;
        EXPECT_TRUE(window->cellVisible(c.cell));
    }
    open(kNineGrid);
    EXPECT_EQ(window->blockLines().size(), 4u);
    open(kFifteenGrid);
    EXPECT_EQ(window->blockLines().size(), 6u);
}

TEST_F(GridWindowFrame, OddBlocksAreShaded) {
    struct Case {
        GridKind kind;
        int cell;
        int back;
    };
    const Case cases[] = {
        {kNineGrid, 1, kShadedBack},    {kNineGrid, 31, kShadedBack},
        {kNineGrid, 4, kPlainBack},     {kNineGrid, 28, kPlainBack},
        {kFifteenGrid, 4, kPlainBack},  {kFifteenGrid, 7, kShadedBack},
        {kFifteenGrid, 76, kPlainBack}, {kFifteenGrid, 225, kShadedBack},
    };
    for (const auto& c : cases) {
        open(c.kind);
        EXPECT_EQ(window->board().cell(c.cell).backColour, c.back)
            << c.kind.side << " cell " << c.cell;
        EXPECT_EQ(window->board().cell(c.cell).foreColour, kEntryBlue);
    }
}

TEST_F(GridWindowFrame, RestoreColorFollowsLockStoredColourAndExperiment) {
    struct Case {
        const char* name;
        GridKind kind;
        bool locked;
        bool createMode;
        bool experiment;
        bool keepText;
        int expectedFore;
        int expectedBack;
    };
    // Cell 4 (a white block) carries the stored colour 65000 and starts with black text.
    const Case cases[] = {
        {"entry", kNineGrid, false, false, false, false, kEntryBlue, kPlainBack},
        {"given", kNineGrid, true, false, false, false, kGivenRed, kPlainBack},
        {"during experiment", kNineGrid, false, false, true, false, 0, kPlainBack},
        {"given during experiment", kNineGrid, true, false, true, false, kGivenRed, kPlainBack},
        {"text kept", kNineGrid, true, false, false, true, 0, kPlainBack},
        {"stored colour while composing", kNineGrid, false, true, false, false, kEntryBlue, 65000},
        {"no stored colour on 15x15", kFifteenGrid, false, true, false, false, kEntryBlue,
         kPlainBack},
    };
    for (const auto& c : cases) {
        open(c.kind);
        Board& board = window->board();
        board.setCellDataField(4, "65000");
        board.setCellLocked(4, c.locked);
        board.setCellColours(4, 0, 123);
        session.createMode = c.createMode;
        session.experimentColours = c.experiment;
        window->restoreCellColour(4, c.keepText);
        EXPECT_EQ(board.cell(4).foreColour, c.expectedFore) << c.name;
        EXPECT_EQ(board.cell(4).backColour, c.expectedBack) << c.name;
    }
}

TEST_F(GridWindowFrame, FocusWritesTheSpecificationAndMovesTheFrame) {
    open(kNineGrid);
    EXPECT_EQ(window->board().cell(40).tag, "::::: #1::3# (1)");
    window->focusCell(40);
    EXPECT_EQ(window->board().cell(40).tag, "39:41:31:49:49:1  #1::3#   [1;9]");
    const TwipRect cell = window->cellRect(40);
    EXPECT_EQ(window->focusFrame().left, cell.left - 45);
    EXPECT_EQ(window->focusFrame().top, cell.top - 45);
}

TEST_F(GridWindowFrame, TipShowsThePossibilitiesOfAnEmptyFocusedCell) {
    open(kNineGrid);
    mainWindow.tipSwitch = true;
    window->setCellValue(2, "3");
    window->setCellValue(10, "5");
    window->focusCell(1);  // already focused: tagCell runs through the focus handling
    window->tagCell(1);
    ASSERT_TRUE(window->tipShown(1));
    EXPECT_EQ(window->tipToolTip(1), "1,2,4,6,7,8,9");
    EXPECT_EQ(window->tipText(1), "1 2 4 6 7 8 9");

    type("4");
    press(key::kRight);
    window->focusCell(1);
    EXPECT_FALSE(window->tipShown(1));

    mainWindow.tipTimer = false;  // no tip while the main window's tip timer is stopped
    window->focusCell(11);
    EXPECT_FALSE(window->tipShown(11));
    mainWindow.tipTimer = true;
    mainWindow.tipSwitch = false;
    window->focusCell(12);
    EXPECT_FALSE(window->tipShown(12));
}

TEST_F(GridWindowFrame, ActivationTitlesPanelAndFocusOnlyInTheActiveWindow) {
    open(kFifteenGrid);
    EXPECT_EQ(mainWindow.title, "");
    EXPECT_FALSE(window->panelVisible());
    mainWindow.panelSwitch = true;
    open(kNineGrid);
    EXPECT_EQ(mainWindow.title, "Quorvel V1.02 ");
    EXPECT_TRUE(window->panelVisible());
    EXPECT_EQ(window->caption(), "DODU VI - 3");

    GridWindow other(kFifteenGrid, GridWindowContext{host, session, mainWindow, dialogs, entry});
    mainWindow.activeChild = &other;
    window->focusCell(30);
    EXPECT_EQ(window->focusedCell(), 1) << "an inactive window never takes the focus";
}

TEST_F(GridWindowFrame, ClosingWhileRunningSwapsToTheOtherGrid) {
    open(kNineGrid);
    window->focusCell(12);
    window->setCellValue(12, "6");
    EXPECT_FALSE(window->requestClose());
    EXPECT_FALSE(window->shown());
    EXPECT_FALSE(window->closed());
    ASSERT_EQ(mainWindow.otherGridRequests.size(), 1u);
    EXPECT_EQ(mainWindow.otherGridRequests[0], window.get());
    EXPECT_EQ(window->selectedCell, 12);
    EXPECT_EQ(text(12), "6");
    EXPECT_TRUE(window->cellVisible(81));

    mainWindow.closing = true;
    EXPECT_TRUE(window->requestClose());
    EXPECT_TRUE(window->closed());
    EXPECT_FALSE(window->cellVisible(2));
    EXPECT_TRUE(window->cellVisible(1));
}

TEST_F(GridWindowFrame, LoadWritesTheFieldSettingsAndCentres) {
    open(kFifteenGrid);
    EXPECT_EQ(entry.field.maxDigits, 2);
    EXPECT_EQ(window->left(), (kMainWidth - LayoutOf(kFifteenGrid).windowWidth) / 2);
    open(kNineGrid);
    EXPECT_EQ(entry.field.maxDigits, 1);
    EXPECT_EQ(entry.field.type, 3);
}

class RecordingObserver : public GridWindowObserver {
  public:
    void cellChanged(int cell) override { cells.push_back(cell); }
    void focusChanged(int cell) override { focus.push_back(cell); }
    void windowChanged() override { ++windowChanges; }
    std::vector<int> cells;
    std::vector<int> focus;
    int windowChanges = 0;
};

TEST_F(GridWindowFrame, TheViewHearsOfEveryCellItMustRepaint) {
    open(kNineGrid);
    RecordingObserver observer;
    window->setObserver(&observer);
    type("8");
    EXPECT_NE(std::find(observer.cells.begin(), observer.cells.end(), 1), observer.cells.end());
    press(key::kDown);
    EXPECT_EQ(observer.focus, std::vector<int>{10});
    observer.cells.clear();
    window->setCellValue(50, "2");  // a write by other code reaches the view too
    EXPECT_NE(std::find(observer.cells.begin(), observer.cells.end(), 50), observer.cells.end());
    window->setObserver(nullptr);
}

}  // namespace
}  // namespace quorvel::testing
