// Undo and Redo over note edits, which come in dozens where values come one at a time: the notes
// of one cell edited in a row are one step, and no run of note edits takes the last value out of
// Undo's reach.

#include "ui/aids_fixture.h"

namespace quorvel::testing {
namespace {

class HistoryTest : public AidsTest {
  protected:
    StateHistory& history() { return aids().history(active()); }
    void SetUp() override {
        AidsTest::SetUp();
        show(kNinePuzzle);
        history().restart(active());
        enter(3, "4");
    }
};

TEST_F(HistoryTest, NotesOfOneCellEditedInARowAreOneStep) {
    active().toggleNote(6, 9);
    for (int value : {1, 2, 6, 2})
        active().toggleNote(4, value);
    EXPECT_EQ(history().count(), 4);
    history().step(active(), true);
    EXPECT_EQ(active().notes(4), 0);
    EXPECT_EQ(active().notes(6), 0b1000000000);
    // An Undo or Redo between two edits of the same cell's notes makes them two steps.
    history().step(active(), false);
    active().toggleNote(4, 5);
    history().step(active(), true);
    EXPECT_EQ(active().notes(4), 0b1000010);
    history().step(active(), true);
    history().step(active(), true);
    EXPECT_EQ(active().notes(6), 0);
    EXPECT_EQ(cell(3).text, "4");
}

TEST_F(HistoryTest, NoteEditsNeverTakeTheLastValueOutOfReach) {
    int toggled = 0;
    for (int number = 4; toggled < 2 * StateHistory::kSlots; ++number) {
        if (active().toggleNote(number, 1)) ++toggled;
    }
    EXPECT_EQ(history().count(), StateHistory::kSlots);
    while (history().step(active(), true)) {
    }
    EXPECT_EQ(cell(3).text, "");
    EXPECT_FALSE(active().hasNotes());
}

}  // namespace
}  // namespace quorvel::testing
