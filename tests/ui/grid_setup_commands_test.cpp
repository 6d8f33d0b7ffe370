// Blank Grid, Lock Grid and Unlock Grid from the Set Puzzle menu on both grid windows: cell
// states, the enabling of Assist Solve and buttons 16 and 19, ComposeMode and the elapsed time.

#include <gtest/gtest.h>

#include <map>

#include "ui/grid_setup_fixture.h"

namespace quorvel::testing {
namespace {

constexpr int kBlankItem = 0;
constexpr int kLockItem = 1;
constexpr int kUnlockItem = 2;

using GridSetup = GridCommandFixture;

TEST_F(GridSetup, LockGridMakesGivensAndEnablesSolvingOnlyWithAGiven) {
    struct Case {
        const char* name;
        const GridKind* kind;
        std::map<int, std::string> typed;
    };
    const Case cases[] = {
        {"empty 9x9", &kNineGrid, {}},
        {"three values", &kNineGrid, {{1, "5"}, {41, "3"}, {81, "9"}}},
        {"15x15", &kFifteenGrid, {{1, "12"}, {225, "7"}}},
        {"one given", &kFifteenGrid, {{113, "15"}}},
    };
    for (const Case& c : cases) {
        GridWindow& window = open(*c.kind);
        blankGrid(window, mainWindow, false);
        for (const auto& [cell, text] : c.typed)
            window.board().setCellText(cell, text);  // typed, not yet in the value table
        const bool givens = !c.typed.empty();
        mainWindow.setMenuEnabled({MenuArray::Top, 3}, !givens);
        mainWindow.setButtonEnabled(19, !givens);
        history.clear();
        restarted.clear();

        mainWindow.setPuzzleItemClicked(kLockItem);

        EXPECT_EQ(assistSolveEnabled(), givens) << c.name;
        EXPECT_EQ(buttonEnabled(19), givens) << c.name;
        EXPECT_EQ(buttonEnabled(16), givens) << c.name;
        EXPECT_FALSE(session.composeMode) << c.name;
        EXPECT_TRUE(mainWindow.elapsedTimerRunning()) << c.name;
        // The locked puzzle is the first state of a fresh history: Undo never unlocks it.
        EXPECT_TRUE(history.empty()) << c.name;
        EXPECT_EQ(restarted, std::vector<GridWindow*>{&window}) << c.name;
        for (int cell = 1; cell <= c.kind->cellCount(); ++cell) {
            const bool given = c.typed.count(cell) != 0;
            const CellView& view = window.board().cell(cell);
            ASSERT_EQ(view.locked, given) << c.name << " cell " << cell;
            ASSERT_EQ(view.foreColour, given ? kGivenRed : kEntryBlue) << c.name << " " << cell;
            ASSERT_EQ(window.board().cellValue(cell), given ? std::stoi(c.typed.at(cell)) : 0);
        }
    }
}

TEST_F(GridSetup, UnlockGridKeepsEveryValueButOpensEveryCell) {
    for (const GridKind* kind : {&kNineGrid, &kFifteenGrid}) {
        GridWindow& window = open(*kind);
        blankGrid(window, mainWindow, false);
        window.setCellValue(2, "4");
        window.setCellValue(kind->cellCount(), "1");
        lockGrid(window, mainWindow);
        mainWindow.setMenuEnabled({MenuArray::SetPuzzle, 6}, true);
        mainWindow.setMenuEnabled({MenuArray::SetPuzzle, 15}, true);

        mainWindow.setPuzzleItemClicked(kUnlockItem);

        EXPECT_TRUE(session.composeMode);
        EXPECT_FALSE(assistSolveEnabled());
        EXPECT_FALSE(buttonEnabled(19));
        EXPECT_FALSE(mainWindow.menus().at({MenuArray::SetPuzzle, 6}).enabled);
        EXPECT_FALSE(mainWindow.menus().at({MenuArray::SetPuzzle, 15}).enabled);
        EXPECT_EQ(window.board().cell(2).text, "4");
        EXPECT_EQ(window.board().cell(kind->cellCount()).text, "1");
        for (int cell = 1; cell <= kind->cellCount(); ++cell) {
            ASSERT_FALSE(window.board().cell(cell).locked) << cell;
            ASSERT_EQ(window.board().cell(cell).foreColour, kEntryBlue) << cell;
        }
    }
}

TEST_F(GridSetup, BlankGridEmptiesTheGridAndKeepsTheLabelOnlyWhenAsked) {
    struct Case {
        const GridKind* kind;
        bool fromMenu;  // the menu item blanks with the keep-label flag 0
        bool keepLabel;
    };
    const Case cases[] = {
        {&kNineGrid, true, false},
        {&kNineGrid, false, true},
        {&kFifteenGrid, false, false},
        {&kFifteenGrid, false, true},
    };
    for (const Case& c : cases) {
        GridWindow& window = open(*c.kind);
        FillComplete(window, 5);
        lockGrid(window, mainWindow);
        window.checkConsistency(1);
        ASSERT_TRUE(window.statusImageVisible(0));
        window.setPuzzleNumberLabel("Puzzle No : 3 of 9");
        session.composeMode = false;

        if (c.fromMenu) {
            mainWindow.setPuzzleItemClicked(kBlankItem);
        } else {
            blankGrid(window, mainWindow, c.keepLabel);
        }

        EXPECT_EQ(window.puzzleNumberLabel(), c.keepLabel ? "Puzzle No : 3 of 9" : "");
        EXPECT_TRUE(window.statusImageVisible(1));
        EXPECT_FALSE(window.statusImageVisible(0));
        EXPECT_TRUE(session.composeMode);
        EXPECT_FALSE(assistSolveEnabled());
        EXPECT_FALSE(buttonEnabled(19));
        EXPECT_FALSE(mainWindow.elapsedTimerRunning());
        EXPECT_EQ(mainWindow.elapsedLabel(), "");
        EXPECT_EQ(window.focusedCell(), 1);
        for (int cell = 1; cell <= c.kind->cellCount(); ++cell) {
            const CellView& view = window.board().cell(cell);
            ASSERT_EQ(view.text, "") << cell;
            ASSERT_EQ(window.board().cellValue(cell), 0) << cell;
            ASSERT_FALSE(view.locked) << cell;
            // Cell 1 takes the focus, which colours an open cell blue.
            ASSERT_EQ(view.foreColour, cell == 1 ? kEntryBlue : kGivenRed) << cell;
        }
    }
}

}  // namespace
}  // namespace quorvel::testing
