#pragma once
// A grid window (9x9 or 15x15) as the main window's child.

#include "application/shell/grid_child.h"

namespace quorvel {

class GridWindow;

class GridWindowChild : public GridChild {
  public:
    explicit GridWindowChild(GridWindow& window) : window_(window) {}

    GridWindow& window() { return window_; }
    std::string name() const override;
    bool is(const GridWindow& window) const override { return &window == &window_; }
    // The first show loads the window (cells created, centred); every show activates it.
    void showIn(int frameWidthTwips, int frameHeightTwips) override;
    void hide() override;
    void placeIn(int frameWidthTwips, int frameHeightTwips) override;
    void setFrameColour(Colour colour) override;
    void unloadTips() override;
    void refreshPossibilities() override;
    void setPanelVisible(bool visible) override;
    void leaveFocusedCell() override;
    void setComposingControlsVisible(bool visible) override;
    void closeForExit() override;
    void redrawCells() override;
    void toggleHighlight(int value) override;

  private:
    GridWindow& window_;
};

}  // namespace quorvel
