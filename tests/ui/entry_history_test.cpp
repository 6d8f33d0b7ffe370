// Entry and history through the menus and toolbar: a new puzzle starts the state history afresh,
// Get Next is one step of it, the digits allowed follow the open window, a value out of range
// never becomes a given, a Set Puzzle command ends an experimental run, the panel follows its
// check mark, and leaving composing takes the pink lines with it.

#include "create/headless_generation.h"
#include "storage/cell_lists.h"
#include "storage/puzzle_record.h"
#include "ui/database_fixture.h"
#include "ui/grid/marking_controls.h"
#include "ui/grid/state_history.h"

namespace quorvel::testing {
namespace {

constexpr MenuRef kGetPuzzle{MenuArray::Database, 0};
constexpr MenuRef kGetNext{MenuArray::AssistSolve, 3};
constexpr MenuRef kBlankGrid{MenuArray::SetPuzzle, 0};
constexpr MenuRef kLockGrid{MenuArray::SetPuzzle, 1};
constexpr MenuRef kUnlockGrid{MenuArray::SetPuzzle, 2};
constexpr MenuRef kTestScreen{MenuArray::SetPuzzle, 13};
constexpr MenuRef kQuitCreate{MenuArray::SetPuzzle, 15};
constexpr MenuRef kPanelItem{MenuArray::VisualAid, 2};
constexpr int kUndo = 32;
constexpr int kRedo = 33;

class EntryHistoryTest : public WindowCommandsTest {
  protected:
    // Three level-1 puzzles in the 9x9 database.
    void SetUp() override {
        Database database{databasePath(kNineGrid), kNineGrid, {"Quorvel@@@@@@"}};
        for (int number = 1; number <= 3; ++number) {
            SeededRandom random(static_cast<std::uint64_t>(number));
            const GeneratedPuzzle made = GeneratePuzzle(kNineGrid, 1, random);
            std::vector<std::string> givens;
            std::vector<std::string> solution;
            for (std::size_t cell = 0; cell < made.puzzle.size(); ++cell) {
                givens.push_back(made.puzzle[cell] == 0 ? "" : std::to_string(made.puzzle[cell]));
                solution.push_back(std::to_string(made.solution[cell]));
            }
            database.lines.push_back(FormatRecord(
                {number, 3, 1, JoinCellList(givens) + "#" + JoinCellList(solution), 9, ""}));
        }
        ASSERT_FALSE(WriteBack(database).has_value());
    }
    void menu(MenuRef item) { main().menuChosen(item); }
    void press(int button) { main().toolbarClicked(button, kMouseLeft, 0); }
    void getPuzzle(const std::string& number) {
        answerPuzzle(1, number);
        menu(kGetPuzzle);
    }
    void type(const std::string& text) {
        for (char character : text) {
            host.tick += 100;
            active().cellKey(active().focusedCell(), {0, 0, std::string(1, character)});
        }
    }
    int lockedCount() {
        int locked = 0;
        for (int cell = 1; cell <= active().board().cellCount(); ++cell)
            locked += active().board().cell(cell).locked ? 1 : 0;
        return locked;
    }
    int firstOpenCell() {
        int cell = 1;
        while (!active().board().cell(cell).text.empty())
            ++cell;
        return cell;
    }
    StateHistory& history() { return app->aids().history(active()); }
};

TEST_F(EntryHistoryTest, ANewPuzzleStartsTheHistoryAfresh) {
    getPuzzle("1");
    EXPECT_EQ(history().count(), 1) << "nothing is recorded while the puzzle is filled in";
    const std::string first = grid();
    const int givens = lockedCount();
    press(kUndo);
    EXPECT_EQ(grid(), first);
    EXPECT_EQ(lockedCount(), givens) << "Undo never unlocks the givens";

    active().requestFocus(firstOpenCell());
    type(active().candidatesOf(active().focusedCell()).substr(0, 1));
    active().requestFocus(1);
    getPuzzle("2");
    const std::string second = grid();
    press(kUndo);
    EXPECT_EQ(grid(), second) << "Undo never brings back the puzzle before";
}

TEST_F(EntryHistoryTest, UndoTakesBackOneGetNextAndRedoBringsItBack) {
    getPuzzle("3");
    std::vector<std::string> grids{grid()};
    for (int step = 1; step <= 5; ++step) {
        menu(kGetNext);
        grids.push_back(grid());
    }
    ASSERT_NE(grids[4], grids[5]);
    press(kUndo);
    EXPECT_EQ(grid(), grids[4]);
    press(kUndo);
    EXPECT_EQ(grid(), grids[3]);
    press(kRedo);
    press(kRedo);
    EXPECT_EQ(grid(), grids[5]);
}

TEST_F(EntryHistoryTest, TheDigitsAllowedFollowTheWindowOpenedLast) {
    // Each window is loaded once; the later openings only show it again.
    for (const bool fifteen : {true, false, true, false}) {
        main().puzzleGridItemClicked(fifteen ? 1 : 0);
        active().requestFocus(1);
        type("12");
        EXPECT_EQ(active().board().cell(1).text, fifteen ? "12" : "1") << fifteen;
        active().cellKey(1, {key::kEscape, 0, ""});
    }
}

TEST_F(EntryHistoryTest, AValueOutOfRangeNeverBecomesAGiven) {
    openFifteen();
    for (const char* way : {"Right arrow", "click on a cell", "Lock Grid"}) {
        menu(kBlankGrid);  // typing a puzzle in
        active().requestFocus(1);
        host.dialogTitles.clear();
        type("16");
        if (way == std::string("Right arrow")) active().cellKey(1, {key::kRight, 0, ""});
        if (way == std::string("click on a cell")) active().requestFocus(20);
        menu(kLockGrid);
        EXPECT_EQ(host.dialogTitles, std::vector<std::string>{"Out of Range."}) << way;
        EXPECT_EQ(active().board().cell(1).text, "15") << way;
        EXPECT_EQ(active().board().cellValue(1), 15) << way;
    }

    // Texts that no key can type (a grid brought back from a store, say) are refused whole.
    for (const std::string text : {"16", "x"}) {
        menu(kBlankGrid);
        active().setCellValue(3, "4");
        active().board().setCellText(7, text);
        host.dialogTitles.clear();
        std::string prompt;
        answer([&prompt](InputDialog& dialog) { prompt = dialog.prompt(); });
        menu(kLockGrid);
        EXPECT_EQ(host.dialogTitles, std::vector<std::string>{"Invalid Data."}) << text;
        EXPECT_NE(prompt.find("Cell 7 "), std::string::npos) << prompt;
        EXPECT_EQ(lockedCount(), 0) << text;
    }
}

TEST_F(EntryHistoryTest, ASetPuzzleCommandEndsTheExperimentalRun) {
    getPuzzle("1");
    answerOk();
    press(16);
    ASSERT_TRUE(session().experimentColours);
    menu(kUnlockGrid);
    EXPECT_FALSE(session().experimentColours);
    menu(kLockGrid);
    answerOk();
    press(16);  // a fresh run, its own snapshot
    EXPECT_TRUE(session().experimentColours);
    EXPECT_TRUE(main().toolbar().at(17).enabled);
    EXPECT_TRUE(main().toolbar().at(18).enabled);
}

TEST_F(EntryHistoryTest, ASetPuzzleCommandThatWritesTheSettingsKeepsTheTipMark) {
    ASSERT_TRUE(main().tipSwitchOn());
    menu(kTestScreen);
    menu(kQuitCreate);  // writes the settings while the frame has the mark cleared
    main().loadSettings();
    EXPECT_TRUE(main().settings().showPossibilitiesTip);
}

TEST_F(EntryHistoryTest, ThePanelFollowsItsCheckMarkFromTheStart) {
    for (int round = 0; round < 2; ++round) {
        menu(kPanelItem);  // switched and written to the settings
        app = std::make_unique<Application>(host, folder);
        main().loadSettings();
        main().load();
        main().activate();
        EXPECT_EQ(active().panelVisible(), main().panelSwitchOn()) << round;
    }
}

TEST_F(EntryHistoryTest, LeavingComposingClearsThePinkLinesAndPlacesTheGrid) {
    menu(kTestScreen);
    const PinkLines& lines = app->aids().nineControls().lines();
    ASSERT_TRUE(lines.columnLine(8).shown);
    menu(kQuitCreate);
    for (int index = 1; index <= 9; ++index) {
        EXPECT_FALSE(lines.rowLine(index).shown) << index;
        EXPECT_FALSE(lines.columnLine(index).shown) << index;
    }
    EXPECT_FALSE(lines.bandFrame().visible);
    EXPECT_FALSE(lines.blockFrame().visible);
    EXPECT_EQ(active().left(), (main().widthTwips() - LayoutOf(kNineGrid).windowWidth) / 2);
}

}  // namespace
}  // namespace quorvel::testing
