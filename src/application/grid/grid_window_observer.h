#pragma once
// How a grid window tells its view what to repaint. Every call comes after the change.

namespace quorvel {

class GridWindowObserver {
  public:
    virtual ~GridWindowObserver() = default;
    // A cell's text, colours, lock, enabled state, caret/selection or tip changed.
    virtual void cellChanged(int cell) = 0;
    // The cell that has the focus inside the window (0 for none) changed.
    virtual void focusChanged(int cell) = 0;
    // Anything else: status images, gauge, focus frame, the Enter-direction button, the
    // puzzle-number label, the possibilities panel, visibility, position or a flash.
    virtual void windowChanged() = 0;
};

}  // namespace quorvel
