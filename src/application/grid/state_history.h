#pragma once
// The recent states of one grid window for Undo and Redo: up to 15 slots and a current position.
// A state holds the selection (the selected cell, its text on entry and whether it was edited),
// every cell's text, colours, lock, tag and notes, and the possibilities tips that were shown. A
// record after an Undo drops the states ahead of the position, so Redo never leads onto an
// abandoned line of changes.
//
// Notes are cheap to change and many, values are not: so that notes never crowd values out,
// consecutive note edits of one cell make one state (the newest state takes the later notes), and
// with every slot taken a note edit keeps the newest value change and the state before it, so
// Undo can always take that value back; the oldest note state after them goes instead.

#include <cstddef>
#include <string>
#include <vector>

#include "model/colour.h"
#include "model/colouring.h"
#include "model/units.h"

namespace quorvel {

class GridWindow;

// The edit a recorded state follows: a change of anything (values, colours, locks), or of notes
// alone, those of one cell or (cell 0) of many at once, as Fill All Notes makes.
struct HistoryEdit {
    bool notesOnly = false;
    int cell = 0;
};
inline constexpr HistoryEdit kGridChange{};
inline HistoryEdit notesEdit(int cell) {
    return {true, cell};
}

class StateHistory {
  public:
    static constexpr int kSlots = 15;

    struct CellState {
        std::string text;
        Colour foreColour = colour::kBlack;
        Colour backColour = colour::kBlack;
        bool locked = false;
        std::string tag;
        ValueMask notes = 0;
    };
    struct GridState {
        int selected = 0;
        std::string textOnEntry;
        bool textEdited = false;
        std::vector<CellState> cells;  // element 0 is cell 1
        std::vector<int> tips;         // cells whose tip was shown
        Colouring colouring;           // the user's colours on cells and notes
        HistoryEdit edit;              // the edit that led here
    };

    // Records the window's state after `edit`, after the position; nothing while
    // session.loadBusy is set. A note edit of the cell whose notes the newest state already
    // follows replaces that state, unless an Undo or Redo came between.
    void record(GridWindow& window, HistoryEdit edit = kGridChange);
    // Undo (true) moves back one slot and restores it, Redo (false) moves forward. Nothing
    // happens at either end. Returns true when a state was restored.
    bool step(GridWindow& window, bool undo);
    // Forgets every state (the window closes).
    void reset();
    // Forgets every state and records the window's state as the first (a new puzzle); while
    // session.loadBusy is set the history is left empty.
    void restart(GridWindow& window) {
        reset();
        record(window);
    }

    int count() const { return static_cast<int>(slots_.size()); }
    // 1..count, 0 while nothing is recorded.
    int position() const { return position_; }

  private:
    void restore(GridWindow& window, const GridState& state);
    std::size_t slotToDrop(HistoryEdit edit) const;

    std::vector<GridState> slots_;
    int position_ = 0;
    // The cell whose note edits the newest state follows and may take in; 0 when none may.
    int openNoteCell_ = 0;
};

}  // namespace quorvel
