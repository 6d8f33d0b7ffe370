// Undo and Redo (toolbar buttons 32 and 33) over the state history of a grid window.

#include "ui/aids_fixture.h"
#include "ui/grid/marking_aids.h"

namespace quorvel::testing {
namespace {

class HistoryTest : public AidsTest {
  protected:
    void undo() { main().toolbarClicked(32, kMouseLeft, 0); }
    void redo() { main().toolbarClicked(33, kMouseLeft, 0); }
    StateHistory& history() { return aids->history(grid()); }
};

TEST_F(HistoryTest, UndoAndRedoWalkTheLastFifteenStates) {
    load(kNinePuzzle);  // records before and after locking
    // Twenty entries in the open cells of the first rows, one state each.
    std::vector<int> open;
    for (int number = 1; open.size() < 20; ++number) {
        if (cell(number).text.empty()) open.push_back(number);
    }
    for (int number : open)
        enter(number, "9");
    EXPECT_EQ(history().count(), StateHistory::kSlots);
    EXPECT_EQ(history().position(), StateHistory::kSlots);

    for (int step = 1; step <= 14; ++step)
        undo();
    // The oldest state kept is the one after the sixth entry.
    EXPECT_EQ(history().position(), 1);
    for (std::size_t index = 0; index < open.size(); ++index)
        EXPECT_EQ(cell(open[index]).text, index < 6 ? "9" : "") << open[index];
    EXPECT_EQ(grid().board().cellValue(open[6]), 0);
    undo();  // at the oldest state nothing moves
    EXPECT_EQ(cell(open[5]).text, "9");

    for (int step = 1; step <= 20; ++step)
        redo();
    EXPECT_EQ(history().position(), StateHistory::kSlots);
    EXPECT_EQ(cell(open.back()).text, "9");
    EXPECT_EQ(grid().board().cellValue(open.back()), 9);
}

TEST_F(HistoryTest, RestoresColoursLocksAndSelectionAndDropsAbandonedStates) {
    load(kNinePuzzle);
    enter(3, "4");
    aids->cellMouseUp(grid(), 3, kMouseLeft, kShiftCtrl);  // colours every 4
    enter(4, "2");                                         // recorded with the colours
    undo();
    EXPECT_EQ(cell(4).text, "");
    EXPECT_EQ(cell(3).backColour, kShadedBack);
    EXPECT_TRUE(cell(1).locked);
    EXPECT_EQ(cell(1).foreColour, kGivenRed);
    EXPECT_FALSE(grid().textEdited);
    redo();
    EXPECT_EQ(cell(4).text, "2");
    EXPECT_EQ(cell(3).backColour, PaletteOf(kNineGrid)[4]);
    undo();
    undo();
    EXPECT_EQ(cell(3).text, "");
    // Leaving the restored cell commits nothing and records nothing.
    const int recorded = history().count();
    grid().requestFocus(80);
    EXPECT_EQ(history().count(), recorded);

    enter(6, "1");  // a new change drops the two states ahead
    EXPECT_EQ(history().position(), history().count());
    redo();
    EXPECT_EQ(cell(6).text, "1");
    EXPECT_EQ(cell(4).text, "");
}

TEST_F(HistoryTest, NothingIsRecordedWhileLoading) {
    session().loadBusy = true;
    load(kNinePuzzle);
    EXPECT_EQ(history().count(), 0);
    session().loadBusy = false;
    undo();
    EXPECT_EQ(cell(1).text, "5");
}

}  // namespace
}  // namespace quorvel::testing
