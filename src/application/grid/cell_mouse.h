#pragma once
// Mouse presses on a cell beyond focus and typing: the visual aids take them (colour by number,
// marked cells, entry by click, the block frame). The grid views forward every cell's mouse-down
// and mouse-up here without knowing who handles them.

namespace quorvel {

class GridWindow;

class CellMouseHandler {
  public:
    virtual ~CellMouseHandler() = default;
    // `button` 1 left, 2 right; `shift` 1 shift, 2 ctrl, 4 alt.
    virtual void cellMouseDown(GridWindow& window, int cell, int button) = 0;
    virtual void cellMouseUp(GridWindow& window, int cell, int button, int shift) = 0;
};

}  // namespace quorvel
