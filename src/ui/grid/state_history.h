#pragma once
// The recent states of one grid window for Undo and Redo: up to 15 slots and a current position.
// A state holds the selection (the selected cell, its text on entry and whether it was edited),
// every cell's text, colours, lock, tag and notes, and the possibilities tips that were shown. A
// record after an Undo drops the states that lay ahead of the position, so Redo never leads onto an
// abandoned line of changes.

#include <string>
#include <vector>

#include "model/colour.h"
#include "model/units.h"

namespace quorvel {

class GridWindow;

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
    };

    // Records the window's state after the position; nothing while session.loadBusy is set or when
    // `skip` is true. With all 15 slots full the oldest state is dropped.
    void record(GridWindow& window, bool skip = false);
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

    std::vector<GridState> slots_;
    int position_ = 0;
};

}  // namespace quorvel
