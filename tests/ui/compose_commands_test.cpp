// Composing on the 9x9 window, where a session script cannot see it: the pattern's counting rule
// for chosen draws, the settings file, the composing buttons and stored efforts that cannot be
// used. What the grid and the elapsed time show is in tests/session/compose.script and
// elapsed.script.

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <memory>

#include "application/commands/compose_commands.h"
#include "application/commands/compose_pattern.h"
#include "application/grid/input_dialog.h"
#include "engines/create/random_source.h"
#include "storage/settings.h"
#include "ui/database_fixture.h"

namespace quorvel::testing {
namespace {

// Draws the queued cells first (k in 1..80 of the 9x9 pattern), then falls back to a fixed seed.
class ScriptedCells : public RandomSource {
  public:
    std::deque<int> cells;
    double uniform() override {
        if (cells.empty()) return fallback_.uniform();
        const int cell = cells.front();
        cells.pop_front();
        return (cell + 0.5) / 81.0;
    }

  private:
    SeededRandom fallback_{7};
};

// The program with the composing commands registered again over scripted draws and buttons.
struct ComposeTest : WindowCommandsTest {
    std::shared_ptr<ScriptedCells> random = std::make_shared<ScriptedCells>();
    std::vector<std::string> buttonPresses;

    ComposeTest() {
        ComposingButtons buttons;
        buttons.columnUp = [this](int column, int button) {
            buttonPresses.push_back("C" + std::to_string(column) + "/" + std::to_string(button));
        };
        buttons.rowUp = [this](int row, int button) {
            buttonPresses.push_back("R" + std::to_string(row) + "/" + std::to_string(button));
        };
        registerComposeCommands(main(), app->dialogs(), nine, buttons, random);
    }

    // Set Puzzle menu items, through the main window's frame.
    static constexpr Command kCreateOwnPuzzle = Command::CreateOwnPuzzle;
    static constexpr Command kGetEffort = Command::GetLastIncompleteEffort;
    static constexpr Command kTestScreen = Command::TestScreen;
    static constexpr Command kQuitCreate = Command::QuitCreateOwnPuzzle;
    void setPuzzle(Command command) { main().runMenuItem(command); }
    GridWindow& nine = app->nineGrid();

    bool exposed(int cell) const {
        const CellView& view = nine.board().cell(cell);
        return view.backColour == kMarkedBack && view.foreColour == kGivenRed &&
               view.composeBack == kMarkedBack;
    }
};

TEST_F(ComposeTest, PatternCountsEveryMarkingSoTheCentreCountsTwice) {
    struct Case {
        int wanted;
        std::deque<int> draws;
        std::size_t distinct;
    };
    const Case cases[] = {
        {20, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 20},
        {20, {41, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 19},                 // the centre is its own mirror
        {21, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 21},             // the last cell stays unmirrored
        {22, {5, 5, 77, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, 22},  // exposed cells drawn again
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.draws.front());
        random->cells = c.draws;
        open(kNineGrid).setCellValue(60, "4");
        main().settings().storedGrids[2] = ",1";
        const std::vector<int> marked = composePattern(nine, main(), c.wanted, *random, false);
        EXPECT_EQ(marked.size(), c.distinct);
        for (int cell = 1; cell <= 81; ++cell) {
            const bool inPattern = std::find(marked.begin(), marked.end(), cell) != marked.end();
            ASSERT_EQ(exposed(cell), inPattern) << cell;
            ASSERT_FALSE(nine.board().cell(cell).locked || !nine.board().cell(cell).text.empty());
            if (inPattern && cell != marked.back()) {
                ASSERT_TRUE(exposed(82 - cell)) << cell;
            }
        }
        EXPECT_EQ(main().settings().storedGrids[2], "");
    }
}

TEST_F(ComposeTest, SettingsFileAndButtons) {
    host.dialogScripts.push_back([](InputDialog& dialog) {
        dialog.answerKeyPress("2");
        dialog.answerKeyPress("4");
        dialog.okClicked();
    });
    setPuzzle(kCreateOwnPuzzle);
    EXPECT_EQ(loadSettings(folder).settings.exposedCount, 24);
    setPuzzle(kQuitCreate);
    setPuzzle(kTestScreen);
    EXPECT_EQ(buttonPresses, (std::vector<std::string>{"C8/1", "R4/1", "R5/1"}));
    setPuzzle(kQuitCreate);

    // Efforts the settings file holds but that cannot be used: nothing to do.
    for (const char* stored : {"28", "a#b#c", ",1#,2"}) {
        SCOPED_TRACE(stored);
        main().settings().effortText = stored;
        setPuzzle(kGetEffort);
        EXPECT_EQ(host.dialogTitles.back(), "Quorvel");
        EXPECT_FALSE(session().createMode);
        for (int cell = 1; cell <= 81; ++cell)
            ASSERT_FALSE(exposed(cell)) << cell;
    }
}

}  // namespace
}  // namespace quorvel::testing
