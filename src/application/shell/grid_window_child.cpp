#include "application/shell/grid_window_child.h"

#include <string>

#include "application/grid/grid_window.h"

namespace quorvel {

std::string GridWindowChild::name() const {
    return std::string(window_.name());
}

void GridWindowChild::showIn(int frameWidthTwips, int frameHeightTwips) {
    if (!window_.loaded()) {
        window_.load(frameWidthTwips, frameHeightTwips);
    } else {
        window_.placeIn(frameWidthTwips, frameHeightTwips);
    }
    window_.show();
    window_.activate();
}

void GridWindowChild::hide() {
    window_.hide();
}

void GridWindowChild::placeIn(int frameWidthTwips, int frameHeightTwips) {
    window_.placeIn(frameWidthTwips, frameHeightTwips);
}

void GridWindowChild::setFrameColour(Colour colour) {
    window_.setFrameColour(colour);
}

void GridWindowChild::unloadTips() {
    window_.unloadTips();
}

void GridWindowChild::refreshPossibilities() {
    window_.refreshPossibilities();
}

void GridWindowChild::setPanelVisible(bool visible) {
    window_.setPanelVisible(visible);
}

void GridWindowChild::leaveFocusedCell() {
    window_.leaveFocusedCell();
}

void GridWindowChild::setComposingControlsVisible(bool visible) {
    window_.setComposingControlsVisible(visible);
}

void GridWindowChild::closeForExit() {
    window_.requestClose();
}

void GridWindowChild::redrawCells() {
    window_.repaintAllCells();
}

void GridWindowChild::toggleHighlight(int value) {
    window_.setHighlightedValue(window_.highlightedValue() == value ? 0 : value);
}

}  // namespace quorvel
