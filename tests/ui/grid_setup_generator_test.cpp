// A computer generated puzzle on the real grid windows: the pattern, generatePuzzle with the
// window's Grade and Save, and Stop chosen while the progress line shows.

#include <gtest/gtest.h>

#include <algorithm>

#include "storage/cell_lists.h"
#include "ui/commands/grid_setup_generator.h"
#include "ui/grid_setup_fixture.h"

namespace quorvel::testing {
namespace {

using GridGenerator = GridCommandFixture;

TEST_F(GridGenerator, StoresTheFullGridAndShowsOnlyTheGivens) {
    mainWindow.setUniquePuzzlesOnly(false);  // only the pattern's cells stay
    for (const GridKind* kind : {&kNineGrid, &kFifteenGrid}) {
        GridWindow& window = open(*kind);
        session.currentLevel = 2;
        session.gradeLevel = 1;
        SeededRandom random(11);
        blankGrid(window, mainWindow, false);
        std::vector<int> pattern = MarkGivensPattern(window, 2, random);
        ASSERT_TRUE(generatePuzzle(window, mainWindow, dialogs, random));

        EXPECT_TRUE(host.dialogTitles.empty()) << "no grade is asked";
        const std::vector<PuzzleRecord> stored = records(*kind);
        ASSERT_EQ(stored.size(), 1u);
        EXPECT_EQ(stored[0].level, 2);
        EXPECT_EQ(stored[0].kind, kKindComposed);
        const std::optional<CellLists> lists = ParseCellText(stored[0].cellText, *kind);
        ASSERT_TRUE(lists);
        CellValues solution;
        for (const std::string& value : lists->values)
            solution.push_back(value.empty() ? 0 : std::stoi(value));
        EXPECT_EQ(countSolutions(*kind, solution, 2).count, 1) << "a complete valid grid";

        std::sort(pattern.begin(), pattern.end());
        for (int cell = 1; cell <= kind->cellCount(); ++cell) {
            const auto i = static_cast<std::size_t>(cell - 1);
            const bool given = std::binary_search(pattern.begin(), pattern.end(), cell);
            const CellView& view = window.board().cell(cell);
            ASSERT_EQ(view.locked, given) << cell;
            ASSERT_EQ(view.text, given ? lists->values[i] : "") << cell;
            ASSERT_EQ(lists->givens[i], given ? lists->values[i] : "") << cell;
        }
        EXPECT_FALSE(window.statusImageVisible(0));
    }
}

TEST_F(GridGenerator, StopWhileGeneratingLeavesABlankGridAndNoRecord) {
    GridWindow& window = open(kFifteenGrid);
    host.onProcessEvents = [this] {
        if (mainWindow.messageLine().text.rfind("Generating row", 0) == 0)
            session.stopRequested = true;
    };
    SeededRandom random(5);
    MarkGivensPattern(window, 1, random);
    EXPECT_FALSE(generatePuzzle(window, mainWindow, dialogs, random));
    EXPECT_TRUE(records(kFifteenGrid).empty());
    for (int cell = 1; cell <= kFifteenGrid.cellCount(); ++cell) {
        ASSERT_EQ(window.board().cell(cell).text, "") << cell;
        ASSERT_FALSE(window.board().cell(cell).locked) << cell;
    }
}

}  // namespace
}  // namespace quorvel::testing
