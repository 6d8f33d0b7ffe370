// Typing into cells: the keystroke filter as the window applies it, Escape, Delete, locked
// cells, range correction and the commit of a changed value.

#include "ui/grid/key_filter.h"
#include "ui/grid_test_fixture.h"

namespace quorvel::testing {
namespace {

using CellTyping = GridWindowTest;

TEST_F(CellTyping, KeystrokesOnBothSizes) {
    struct Case {
        const char* name;
        GridKind kind;
        const char* before;  // the cell's text, whole text selected when not empty
        const char* typed;
        const char* after;
        int caret;
        std::string_view message;
    };
    const Case cases[] = {
        {"digit", kNineGrid, "", "7", "7", 1, ""},
        {"second digit on 9x9", kNineGrid, "", "78", "7", 1, kMsgMaxDigits},
        {"over the selection", kNineGrid, "7", "5", "5", 1, ""},
        {"letter over the selection", kNineGrid, "7", "x", "", 0, kMsgNotNumeric},
        {"zero", kNineGrid, "", "0", "", 0, ""},
        {"zero after a digit on 9x9", kNineGrid, "", "10", "1", 1, ""},
        {"ten on 15x15", kFifteenGrid, "", "10", "10", 2, ""},
        {"zero first on 15x15", kFifteenGrid, "", "0", "", 0, ""},
        {"zero over a selected value on 15x15", kFifteenGrid, "12", "0", "12", 0, ""},
        {"third digit", kFifteenGrid, "", "123", "12", 2, kMsgMaxDigits},
    };
    for (const auto& c : cases) {
        open(c.kind);
        window->setCellValue(5, c.before);
        window->focusCell(5);
        mainWindow.panel.clear();
        mainWindow.panelShown.clear();
        type(c.typed);
        EXPECT_EQ(text(5), c.after) << c.name;
        EXPECT_EQ(window->selStart(5), c.caret) << c.name;
        EXPECT_EQ(lastMessage(), c.message) << c.name;
        if (!c.message.empty() && !mainWindow.panel.empty()) {
            EXPECT_EQ(mainWindow.panel.back().colour, 255u) << c.name;
        }
        EXPECT_EQ(window->textEdited, std::string(c.after) != c.before) << c.name;
    }
}

TEST_F(CellTyping, TypingOverTheCaretReplacesTheCharacterThere) {
    open(kFifteenGrid);
    window->setCellValue(1, "12");
    window->focusCell(1);
    window->setCellSelection(1, 0, 0);
    type("9");
    EXPECT_EQ(text(1), "92");
    EXPECT_EQ(window->selStart(1), 1);
}

TEST_F(CellTyping, EscapeRestoresTheTextTheCellHadWhenSelected) {
    open(kFifteenGrid);
    window->setCellValue(5, "4");
    window->focusCell(5);
    type("9");
    ASSERT_EQ(text(5), "9");
    press(key::kEscape, "\x1b");
    EXPECT_EQ(text(5), "4");
    EXPECT_EQ(window->selStart(5), 1) << "the caret goes to the end";
    EXPECT_FALSE(window->textEdited);
    press(key::kRight);
    press(key::kRight);
    EXPECT_TRUE(mainWindow.historyRecords.empty()) << "nothing changed, nothing committed";
}

TEST_F(CellTyping, DeleteEmptiesOnlyUnlockedCells) {
    open(kNineGrid);
    window->setCellValue(1, "3");
    window->setCellValue(2, "4");
    window->board().setCellLocked(2, true);
    window->focusCell(1);
    press(key::kDelete, "\x7f");
    EXPECT_EQ(text(1), "");
    EXPECT_EQ(window->board().cellValue(1), 0);
    EXPECT_EQ(window->focusedCell(), 1);

    window->focusCell(2);
    press(key::kDelete, "\x7f");
    EXPECT_EQ(text(2), "4");
    type("5");
    EXPECT_EQ(text(2), "4");
    EXPECT_EQ(lastMessage(), "Textbox is locked.");
    EXPECT_EQ(mainWindow.panel.back().colour, 255u);
}

TEST_F(CellTyping, OutOfRangeIsCorrectedWhenNavigatingAway) {
    open(kFifteenGrid);
    answerDialogsWithOk(1);
    type("16");
    press(key::kRight);
    ASSERT_EQ(host.dialogTitles, std::vector<std::string>{"Out of Range."});
    EXPECT_EQ(prompts[0],
              "Value should be in between 1 and 15\r\nProgram will take its nearest correct "
              "value or last acceptable value.");
    EXPECT_EQ(text(1), "15");
    EXPECT_EQ(window->board().cellValue(1), 15);
    EXPECT_EQ(window->focusedCell(), 2) << "the move goes on after the correction";
    EXPECT_EQ(mainWindow.historyRecords.size(), 1u);
}

TEST_F(CellTyping, OutOfRangeKeepsTheFocusWhenClickedAway) {
    open(kFifteenGrid);
    answerDialogsWithOk(1);
    window->focusCell(20);
    type("16");
    window->requestFocus(100);
    EXPECT_EQ(host.dialogTitles.size(), 1u);
    EXPECT_EQ(text(20), "15");
    EXPECT_EQ(window->focusedCell(), 20);
    EXPECT_EQ(window->selectedCell, 20);
    EXPECT_EQ(window->textOnEntry, "15");
    EXPECT_EQ(window->board().cellValue(20), 15);
    EXPECT_EQ(window->board().cellValue(100), 0);
    EXPECT_EQ(mainWindow.historyRecords.size(), 1u);
}

TEST_F(CellTyping, ACommitReachesTheGridOnceAndChecksIt) {
    open(kNineGrid);
    type("7");
    press(key::kRight);  // commit by navigation
    EXPECT_EQ(window->board().cellValue(1), 7);
    EXPECT_EQ(mainWindow.historyRecords.size(), 1u);
    EXPECT_FALSE(window->textEdited);

    type("7");  // a duplicate in row 1: the check reports it once
    answerDialogsWithOk(1);
    window->requestFocus(50);  // commit by losing the focus
    EXPECT_EQ(window->board().cellValue(2), 7);
    EXPECT_EQ(mainWindow.historyRecords.size(), 2u);
    EXPECT_EQ(host.dialogTitles, std::vector<std::string>{"Invalid Data."});
    EXPECT_EQ(prompts, std::vector<std::string>{"DUPLICATE : 7"});
    EXPECT_TRUE(messageShown("DUPLICATE : 7"));

    press(key::kRight);  // nothing typed: no further commit
    window->requestFocus(1);
    EXPECT_EQ(mainWindow.historyRecords.size(), 2u);
    EXPECT_EQ(host.dialogTitles.size(), 1u);
}

TEST_F(CellTyping, NothingIsCheckedOrCommittedWhileTheProgramFills) {
    open(kNineGrid);
    type("5");
    session.fillBusy = true;
    window->requestFocus(30);
    session.fillBusy = false;
    EXPECT_EQ(window->board().cellValue(1), 0);
    EXPECT_TRUE(mainWindow.historyRecords.empty());
}

TEST_F(CellTyping, ComposingOnlyRecoloursButStillCommits) {
    open(kNineGrid);
    session.composeMode = true;
    window->board().setCellColours(1, kEntryBlue, kMarkedBack);
    type("5");
    window->requestFocus(30);
    EXPECT_EQ(window->board().cell(1).foreColour, kGivenRed);
    EXPECT_EQ(window->board().cellValue(1), 5);
}

}  // namespace
}  // namespace quorvel::testing
