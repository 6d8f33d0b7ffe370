#pragma once
// Cell-entry state shared by both grid windows for the whole run. The main window owns one and
// hands it to each grid window it creates.

#include <cstdint>
#include <limits>

#include "application/grid/key_filter.h"

namespace quorvel {

class GridWindow;

struct CellEntryState {
    // false: Enter moves down (as the Down arrow); true: Enter moves across (as Right).
    bool enterMovesAcross = false;
    // True while a keystroke is being validated.
    bool validatingKey = false;
    // True while a click on a cell is handled.
    bool clickInProgress = false;
    // Set when a navigation key has range-checked the cell it leaves, so that the cell's
    // lost-focus handling does not check and commit it a second time.
    bool navigatedAway = false;
    // The cell last focused by `focusCell`, and its window.
    GridWindow* lastFocusedWindow = nullptr;
    int lastFocusedCell = 0;
    // The field settings (maximum digits, field type), written by the grid window that loaded
    // last.
    FieldSettings field;
    // Tick of the last move by a navigation key (the repeat guard compares with it).
    std::int64_t lastMoveTick = std::numeric_limits<std::int64_t>::min() / 2;
};

}  // namespace quorvel
