#include <gtest/gtest.h>

#include "application/grid/gauge.h"
#include "support/test_grid.h"

namespace quorvel {
namespace {

using testing::TestGrid;

const std::string kSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

std::string nineLine(const std::string& start) {
    return start + std::string(81 - start.size(), '.');
}

struct DuplicateCase {
    const char* unit;
    std::string line;
};

TEST(Consistency, FindsADuplicateInRowBlockOrColumnOfTheCell) {
    const DuplicateCase cases[] = {
        {"row", nineLine("5.......5")},
        {"block", nineLine("5.........5")},
        {"column", nineLine("5" + std::string(71, '.') + "5")},
        {"all three", nineLine("5.......55" + std::string(62, '.') + "5")},
    };
    for (const DuplicateCase& c : cases) {
        SCOPED_TRACE(c.unit);
        TestGrid grid(c.line);
        const int dialogsAtLoad = static_cast<int>(grid.events.dialogs().size());
        EXPECT_EQ(dialogsAtLoad, 1);  // loading checks cell 1 too
        const ConsistencyResult result = grid.board->checkConsistency(1);
        EXPECT_TRUE(result.invalid);
        EXPECT_FALSE(result.complete);
        ASSERT_EQ(grid.events.dialogs().size(), 2u);
        EXPECT_EQ(grid.events.dialogs().back(), "Invalid Data.|DUPLICATE : 5");
        EXPECT_EQ(grid.events.messageText(), "DUPLICATE : 5");
        EXPECT_EQ(grid.events.messageColour(), colour::kRed);
    }
}

TEST(Consistency, SilentCheckOnlySetsTheFlag) {
    TestGrid grid(kNineGrid);
    grid.board->setCellValue(1, "5");
    grid.board->setCellValue(2, "5");
    const ConsistencyResult result = grid.board->checkConsistency(0, true);
    EXPECT_TRUE(result.invalid);
    EXPECT_TRUE(grid.events.dialogs().empty());
    EXPECT_EQ(grid.events.messageText(), "");
}

TEST(Consistency, ComparesWhatTheCellsShowWithTheStoredValue) {
    TestGrid grid(kNineGrid);
    grid.board->setCellValue(1, "5");
    grid.board->setCellText(2, "5");  // shown, but not in layer 1
    EXPECT_TRUE(grid.board->checkConsistency(1, true).invalid);
    grid.board->setCellText(2, "05");  // another text for the same number
    EXPECT_FALSE(grid.board->checkConsistency(1, true).invalid);
}

// A full grid whose rows and columns are permutations of 1..9 but whose blocks repeat values.
std::string latinNotSudoku() {
    std::string line;
    for (int row = 0; row < 9; ++row)
        for (int column = 0; column < 9; ++column)
            line += static_cast<char>('1' + (row + column) % 9);
    return line;
}

// The solution with cell 8 emptied and three values moved so that every row and column still
// sums to 45 and the whole grid to 405.
std::string unfinishedSumming405() {
    std::string line = kSolution;
    line[0] = '6';
    line[7] = '.';
    line[9] = '5';
    line[16] = '5';
    return line;
}

struct CompleteCase {
    const char* name;
    std::string line;
    int cell;
    bool complete;
};

TEST(Consistency, CompleteMeansFullAndValid) {
    const CompleteCase cases[] = {
        {"valid solution", kSolution, 1, true},
        {"rows and columns fine, blocks repeat", latinNotSudoku(), 1, false},
        {"one cell empty, sums still 405", unfinishedSumming405(), 8, false},
        {"one cell empty", "." + kSolution.substr(1), 1, false},
    };
    for (const CompleteCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestGrid grid(kNineGrid);
        const auto values = TestGrid::parsed(c.line).values;
        for (int cell = 1; cell <= 81; ++cell)
            grid.board->setCellValue(cell, valueText(values[cell - 1]));
        grid.session.elapsedShown = 0.5;
        const ConsistencyResult result = grid.board->checkConsistency(c.cell);
        EXPECT_FALSE(result.invalid);
        EXPECT_EQ(result.complete, c.complete);
        EXPECT_EQ(grid.board->statusImageVisible(0), c.complete);
        EXPECT_EQ(grid.board->statusImageVisible(1), !c.complete);
        EXPECT_EQ(grid.events.elapsedTimerRunning(), !c.complete);
        EXPECT_EQ(grid.session.elapsedShown, c.complete ? 0 : 0.5);
        if (c.complete) {
            EXPECT_EQ(grid.events.focusedCell(), 1);
            EXPECT_EQ(grid.events.clickedCells(), std::vector<int>{2});
        }
    }
}

TEST(Consistency, CompleteRemovesTheTipOnlyWhenTipsAreOn) {
    for (const bool tips : {false, true}) {
        TestGrid grid(kSolution);
        grid.events.setTipMenuChecked(tips);
        grid.board->checkConsistency(40);
        EXPECT_EQ(grid.events.removedTips(), tips ? std::vector<int>{40} : std::vector<int>{});
    }
}

TEST(Consistency, GaugeLeftAloneWhileGuessing) {
    TestGrid grid(nineLine("123456789"));
    const std::string before = grid.board->percentText();
    grid.board->setGuessing(true);
    grid.board->setCellValue(10, "4");
    grid.board->checkConsistency(1, true);
    EXPECT_EQ(grid.board->percentText(), before);
    grid.board->setGuessing(false);
    grid.board->checkConsistency(1, true);
    EXPECT_NE(grid.board->percentText(), before);
}

struct GaugeCase {
    const GridKind* kind;
    int deficit;
    int width;
    const char* percent;
};

TEST(Gauge, WidthAndPercentTextRoundHalvesToEven) {
    const GaugeCase cases[] = {
        {&kNineGrid, 810, 0, "      0 %"},
        {&kNineGrid, 0, 6515, "      1 0 0 %"},
        {&kNineGrid, -30, 6274, "      9 6 %"},
        {&kNineGrid, 729, 652, "      1 0 %"},   // 651.5 rounds up to the even 652
        {&kNineGrid, 567, 1954, "      3 0 %"},  // 1954.5 rounds down to the even 1954
        {&kNineGrid, 345, 3740, "      5 7 %"},
        {&kFifteenGrid, 3600, 0, "      0 %"},
        {&kFifteenGrid, 1800, 3982, "      5 0 %"},  // 3982.5 rounds down
    };
    for (const GaugeCase& c : cases) {
        SCOPED_TRACE(c.deficit);
        EXPECT_EQ(gaugeWidthFor(*c.kind, c.deficit), c.width);
        EXPECT_EQ(percentTextFor(*c.kind, c.width), c.percent);
    }
}

TEST(Gauge, EmptyGridShowsZeroPercent) {
    TestGrid grid(std::string(81, '.'));
    EXPECT_EQ(grid.board->gaugeWidth(), 0);
    EXPECT_EQ(grid.board->percentText(), "      0 %");
}

}  // namespace
}  // namespace quorvel
