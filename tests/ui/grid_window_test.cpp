// The grid window as no scripted session sees it: the colours a cell returns to, the focus in an
// inactive window, closing, and the entry rules (the key repeat guard, disabled cells, the Enter
// direction button, entries while the program fills or composes).

#include "model/aid_colours.h"
#include "ui/grid_test_fixture.h"

namespace quorvel::testing {
namespace {

using GridWindowFrame = GridWindowTest;

TEST_F(GridWindowFrame, RestoredColourFollowsLockStoredColourAndExperiment) {
    struct Case {
        const char* name;
        GridKind kind;
        bool locked;
        bool createMode;
        bool experiment;
        bool keepText;
        Colour expectedFore;
        Colour expectedBack;
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
        board.setComposeBack(4, 65000);
        board.setCellLocked(4, c.locked);
        board.setCellColours(4, 0, 123);
        session.createMode = c.createMode;
        session.experimentColours = c.experiment;
        window->restoreCellColour(4, c.keepText);
        EXPECT_EQ(board.cell(4).foreColour, c.expectedFore) << c.name;
        EXPECT_EQ(board.cell(4).backColour, c.expectedBack) << c.name;
    }
}

TEST_F(GridWindowFrame, FocusWritesTheSpecificationOnlyInTheActiveWindow) {
    open(kNineGrid);
    EXPECT_EQ(window->cellSpec(40), "::::: #1::3# (1)");
    window->focusCell(40);
    EXPECT_EQ(window->cellSpec(40), "39:41:31:49:49:1  #1::3#   [1;9]");

    GridWindow other(kFifteenGrid, GridWindowContext{host, session, mainWindow, dialogs, entry});
    mainWindow.activeChild = &other;
    window->focusCell(30);
    EXPECT_EQ(window->focusedCell(), 40) << "an inactive window never takes the focus";
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
    EXPECT_EQ(window->selectedCell(), 12);
    EXPECT_EQ(text(12), "6");
    EXPECT_TRUE(window->cellVisible(81));

    mainWindow.closing = true;
    EXPECT_TRUE(window->requestClose());
    EXPECT_TRUE(window->closed());
    EXPECT_FALSE(window->cellVisible(2));
    EXPECT_TRUE(window->cellVisible(1));
}

TEST_F(GridWindowFrame, AHeldKeyMovesAtMostOncePer75MsAndDisabledCellsArePassedOver) {
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

    struct Case {
        std::vector<int> disabled;
        int from;
        int key;
        int to;
    };
    const Case cases[] = {
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

TEST_F(GridWindowFrame, TheEnterDirectionButtonSwitchesBetweenDownAndAcross) {
    open(kNineGrid);
    const auto tickBefore = host.tick;
    window->enterDirectionClicked();
    EXPECT_GE(host.tick - tickBefore, 150) << "the click flashes the button for 150 ms";
    EXPECT_EQ(window->enterDirectionButton().caption, "444");
    window->focusCell(5);
    press(key::kEnter);
    EXPECT_EQ(window->focusedCell(), 6);
    window->activate();  // shows the direction that holds, without turning it
    EXPECT_TRUE(entry.enterMovesAcross);
    window->enterDirectionClicked();
    press(key::kEnter);
    EXPECT_EQ(window->focusedCell(), 15);
}

TEST_F(GridWindowFrame, EntriesWhileTheProgramFillsOrComposes) {
    open(kNineGrid);
    type("5");
    session.fillBusy = true;
    window->requestFocus(30);
    session.fillBusy = false;
    EXPECT_EQ(window->board().cellValue(1), 0) << "nothing is committed while the program fills";
    EXPECT_TRUE(mainWindow.historyRecords.empty());

    session.composeMode = true;  // a marked cell left while composing turns red, and commits
    window->board().setCellColours(30, kEntryBlue, kMarkedBack);
    type("4");
    window->requestFocus(31);
    EXPECT_EQ(window->board().cell(30).foreColour, kGivenRed);
    EXPECT_EQ(window->board().cellValue(30), 4);

    window->board().showSolvedStatus(true);  // leaving an empty cell shows the incomplete image
    press(key::kRight);
    EXPECT_TRUE(window->statusImageVisible(1));
}

// The aids lay their colours over the grid's own shading only: a user's colour or the filter
// never hides a mark a command put on the cell, and the highlight wins over both.
TEST_F(GridWindowFrame, AidsColourOnlyTheGridsOwnShading) {
    const AidColours& aid = aidColours();
    const struct {
        const char* what;
        Colour back;
        int colour;
        int filter;
        const char* value;
        Colour expectedBack;
    } cases[] = {
        {"uncoloured", kPlainBack, 0, 0, "", kPlainBack},
        {"plain, coloured", kPlainBack, 2, 0, "", aid.colouring[2]},
        {"shaded, coloured", kShadedBack, 3, 0, "", aid.colouring[3]},
        {"a hint's mark stays", kHintUnitBack, 1, 7, "", kHintUnitBack},
        {"the filter over a colour", kPlainBack, 1, 7, "", aid.filterBack},
        {"the highlight over both", kShadedBack, 4, 7, "7", aid.highlightBack},
    };
    open(kNineGrid);
    constexpr int kCell = 10;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        window->setColouring({});
        window->setCellValue(kCell, c.value);
        window->board().setCellColours(kCell, kEntryBlue, c.back);
        if (c.colour != 0) window->colourCell(kCell, c.colour);
        window->setFilteredValue(c.filter);
        window->setHighlightedValue(*c.value == 0 ? 0 : 7);
        EXPECT_EQ(window->aidedLook(kCell).backColour, c.expectedBack);
    }
}

}  // namespace
}  // namespace quorvel::testing
