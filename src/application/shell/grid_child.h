#pragma once
// What the main window needs of the grid window it hosts (9x9 or 15x15). The grid windows are
// adapted to this, so the main window's rules can be exercised with a scripted child.

#include <string>

#include "model/colour.h"

namespace quorvel {

class GridWindow;

class GridChild {
  public:
    virtual ~GridChild() = default;

    // "NineGrid" or "FifteenGrid".
    virtual std::string name() const = 0;
    // True when this child is `window`.
    virtual bool is(const GridWindow& window) const = 0;

    // Shows the window, placed in a frame of the given size (the 9x9 window is centred, the
    // 15x15 window places itself), and activates it.
    virtual void showIn(int frameWidthTwips, int frameHeightTwips) = 0;
    virtual void hide() = 0;
    // Re-centres a shown window after the frame was resized.
    virtual void placeIn(int frameWidthTwips, int frameHeightTwips) = 0;

    // The back colour of the window's frame (black whenever a top-level menu opens).
    virtual void setFrameColour(Colour colour) = 0;
    // Unloads every possibilities tip.
    virtual void unloadTips() = 0;
    // After a command: the possibilities panel and tips show the grid as it is now.
    virtual void refreshPossibilities() = 0;
    // Shows or hides the possibilities panel with its frame.
    virtual void setPanelVisible(bool visible) = 0;
    // A menu item or toolbar button was chosen: the focused cell is left as a click elsewhere
    // would leave it (range check, commit).
    virtual void leaveFocusedCell() = 0;
    // The composing controls of the 9x9 window; the 15x15 window has none.
    virtual void setComposingControlsVisible(bool visible) = 0;
    // The grid aids: every cell is drawn again (Show Conflicts changed), and a value is
    // highlighted, or no longer when it already is (Alt + click on a number button).
    virtual void redrawCells() {}
    virtual void toggleHighlight(int /*value*/) {}
    // The application is closing: the window drops what it created and closes for good.
    virtual void closeForExit() = 0;
};

}  // namespace quorvel
