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
        BlankGrid(window, mdi, false);
        for (const auto& [cell, text] : c.typed)
            window.board().setCellText(cell, text);  // typed, not yet in the value table
        const bool givens = !c.typed.empty();
        mdi.setMenuEnabled({MenuArray::Mtop, 3}, !givens);
        mdi.setButtonEnabled(19, !givens);
        history.clear();
        restarted.clear();

        mdi.MenuB_Click(kLockItem);

        EXPECT_EQ(assistSolveEnabled(), givens) << c.name;
        EXPECT_EQ(buttonEnabled(19), givens) << c.name;
        EXPECT_EQ(buttonEnabled(16), givens) << c.name;
        EXPECT_FALSE(session.composeMode) << c.name;
        EXPECT_TRUE(mdi.elapsedTimerRunning()) << c.name;
        // The locked puzzle is the first state of a fresh history: Undo never unlocks it.
        EXPECT_TRUE(history.empty()) << c.name;
        EXPECT_EQ(restarted, std::vector<GridWindow*>{&window}) << c.name;
        for (int cell = 1; cell <= c.kind->cellCount(); ++cell) {
            const bool given = c.typed.count(cell) != 0;
            const CellView& view = window.board().cell(cell);
            ASSERT_EQ(view.locked, given) << c.name << " cell " << cell;
            ASSERT_EQ(view.foreColour, given ? kGivenRed : kEntryBlue) << c.name << " " << cell;
            ASSERT_EQ(window.board().CellValue(cell), given ? std::stoi(c.typed.at(cell)) : 0);
        }
    }
}

TEST_F(GridSetup, UnlockGridKeepsEveryValueButOpensEveryCell) {
    for (const GridKind* kind : {&kNineGrid, &kFifteenGrid}) {
        GridWindow& window = open(*kind);
        BlankGrid(window, mdi, false);
        window.PS31(2, "4");
        window.PS31(kind->cellCount(), "1");
        LockGrid(window, mdi);
        mdi.setMenuEnabled({MenuArray::MenuB, 6}, true);
        mdi.setMenuEnabled({MenuArray::MenuB, 15}, true);

        mdi.MenuB_Click(kUnlockItem);

        EXPECT_TRUE(session.composeMode);
        EXPECT_FALSE(assistSolveEnabled());
        EXPECT_FALSE(buttonEnabled(19));
        EXPECT_FALSE(mdi.menus().at({MenuArray::MenuB, 6}).enabled);
        EXPECT_FALSE(mdi.menus().at({MenuArray::MenuB, 15}).enabled);
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
        LockGrid(window, mdi);
        window.DoCalcIfAny(1);
        ASSERT_TRUE(window.imStatusVisible(0));
        window.setLabel1("Puzzle No : 3 of 9");
        session.composeMode = false;

        if (c.fromMenu) {
            mdi.MenuB_Click(kBlankItem);
        } else {
            BlankGrid(window, mdi, c.keepLabel);
        }

        EXPECT_EQ(window.label1(), c.keepLabel ? "Puzzle No : 3 of 9" : "");
        EXPECT_TRUE(window.imStatusVisible(1));
        EXPECT_FALSE(window.imStatusVisible(0));
        EXPECT_TRUE(session.composeMode);
        EXPECT_FALSE(assistSolveEnabled());
        EXPECT_FALSE(buttonEnabled(19));
        EXPECT_FALSE(mdi.elapsedTimerRunning());
        EXPECT_EQ(mdi.elapsedLabel(), "");
        EXPECT_EQ(window.focusedCell(), 1);
        for (int cell = 1; cell <= c.kind->cellCount(); ++cell) {
            const CellView& view = window.board().cell(cell);
            ASSERT_EQ(view.text, "") << cell;
            ASSERT_EQ(window.board().CellValue(cell), 0) << cell;
            ASSERT_FALSE(view.locked) << cell;
            // Cell 1 takes the focus, which colours an open cell blue.
            ASSERT_EQ(view.foreColour, cell == 1 ? kEntryBlue : kGivenRed) << cell;
        }
    }
}

}  // namespace
}  // namespace quorvel::testing
