// What the grid window shows is true after every command: the possibilities tips and panel list
// the candidates of the grid as it is now, the fill gauge is full on a complete grid, and the
// generator's progress line ends with the generation.

#include "ui/database_fixture.h"

namespace quorvel::testing {
namespace {

constexpr MenuRef kGetNext{MenuArray::AssistSolve, 3};
constexpr MenuRef kNumberCrunch{MenuArray::Solve, 2};
constexpr MenuRef kGenerate{MenuArray::Database, 9};
constexpr MenuRef kTipItem{MenuArray::VisualAid, 1};

const std::string kEasy =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

class ShownTruthTest : public WindowCommandsTest {
  protected:
    // The values no cell of `cell`'s row, column or block shows, read from the cell texts.
    std::vector<int> possible(int cell) {
        const GridKind& kind = active().kind();
        std::vector<bool> taken(static_cast<std::size_t>(kind.side) + 1, false);
        for (int other = 1; other <= kind.cellCount(); ++other) {
            const bool peer = kind.rowOf(other) == kind.rowOf(cell) ||
                              kind.columnOf(other) == kind.columnOf(cell) ||
                              kind.blockOf(other) == kind.blockOf(cell);
            if (peer) taken[static_cast<std::size_t>(active().board().shownValue(other))] = true;
        }
        std::vector<int> values;
        for (int value = 1; value <= kind.side; ++value)
            if (!taken[static_cast<std::size_t>(value)]) values.push_back(value);
        return values;
    }
    static std::string spaced(const std::vector<int>& values) {
        std::string text;
        for (int value : values)
            text += (text.empty() ? "" : " ") + std::to_string(value);
        return text;
    }
    // Every tip and the panel of the focused cell against the cells as they are.
    void expectTruthful(const std::string& step) {
        const Board& board = active().board();
        int tips = 0;
        for (int cell = 1; cell <= board.cellCount(); ++cell) {
            if (!active().tipShown(cell)) continue;
            ++tips;
            EXPECT_EQ(board.cell(cell).text, "") << step << ": a tip on filled cell " << cell;
            EXPECT_EQ(active().tipText(cell), spaced(possible(cell))) << step << " cell " << cell;
        }
        const int focused = active().focusedCell();
        ASSERT_GE(focused, 1) << step;
        std::vector<int> panel;
        for (int value = 1; value <= board.side(); ++value)
            if (board.panelMark(value).backColour == kPanelPossibleBack) panel.push_back(value);
        EXPECT_EQ(panel, possible(focused)) << step << ": panel of cell " << focused;
        shownTips += tips;
    }
    void enter(int cell, int value) {
        active().requestFocus(cell);
        host.tick += 100;
        active().cellKey(cell, {0, 0, std::to_string(value)});
    }

    int shownTips = 0;
};

TEST_F(ShownTruthTest, TipsAndPanelShowTheGridAsItIsNow) {
    show(kEasy);
    main().restartElapsedTime();  // tips show while the elapsed time runs
    if (!main().tipSwitchOn()) main().menuChosen(kTipItem);
    // Tips on cells 3 and 4 of the first row, then an entry beside them in cell 6 (the focus
    // moves on to cell 7, so neither tip is shown again).
    active().requestFocus(3);
    active().requestFocus(4);
    enter(6, possible(6).front());
    active().requestFocus(7);
    expectTruthful("entry in the row");
    main().menuChosen(kGetNext);
    expectTruthful("Get Next");
    main().menuChosen(kNumberCrunch);
    expectTruthful("Number Crunch");
    main().menuChosen(kGenerate);
    expectTruthful("Computer Generated Puzzle");
    EXPECT_GE(shownTips, 2) << "the tips were looked at";
}

TEST_F(ShownTruthTest, TheGaugeIsFullOnACompleteGrid) {
    const std::string kFull = "      1 0 0 %";
    show(kEasy);
    main().menuChosen(kNumberCrunch);
    ASSERT_TRUE(active().statusImageVisible(0));
    EXPECT_EQ(active().board().percentText(), kFull) << "solved by Number Crunch";

    // The last value typed by hand.
    show(grid().substr(0, 80) + ".");
    enter(81, possible(81).front());
    active().requestFocus(1);
    ASSERT_TRUE(active().statusImageVisible(0));
    EXPECT_EQ(active().board().percentText(), kFull) << "solved by hand";
}

TEST_F(ShownTruthTest, TheGeneratorsProgressLineEndsWithTheGeneration) {
    main().menuChosen(kGenerate);
    const bool progressShown = std::any_of(
        messages.begin(), messages.end(),
        [](const MessageLine& line) { return line.text.starts_with("Generating row"); });
    ASSERT_TRUE(progressShown);
    EXPECT_FALSE(message().starts_with("Generating row")) << message();
}

}  // namespace
}  // namespace quorvel::testing
