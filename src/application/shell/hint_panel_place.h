#pragma once
// Where Explain Next Step's panel goes. The panel is a window of its own that explains a step of
// the grid, so it must never hide the grid window and must lie wholly on the screen. In order of
// preference it stands:
//   1. beside the main window, right or left, at the width it wants, the main window moving over
//      (as little as it can, and never off the screen) when neither side has room as it stands;
//   2. beside the main window, narrower, when the screen is too narrow for both at full width;
//   3. the same two beside the grid window alone, over the main window's edge, when the screen is
//      too narrow even for that;
//   4. at the screen's right edge, when nothing keeps the grid clear (a screen that small).
// It is at most as tall as the screen, level with the grid window's top where the screen allows;
// text longer than that scrolls inside it. All rectangles are outer frames in screen pixels.

#include "application/host.h"

namespace quorvel {

struct HintPanelRoom {
    ScreenRect workArea;   // the part of the screen windows may use
    ScreenRect mainFrame;  // the main window
    ScreenRect gridFrame;  // the grid window inside it
    int wantedWidth = 0;   // the panel's frame when its text needs no scrolling
    int wantedHeight = 0;
};

struct HintPanelPlace {
    ScreenRect panel;
    int mainShift = 0;  // how far the main window (and the grid with it) moves right; < 0: left
};

// The narrowest panel worth showing before it gives up keeping clear of a window, and the gap
// it leaves to the window it stands beside.
inline constexpr int kHintPanelMinWidth = 200;
inline constexpr int kHintPanelGap = 8;

HintPanelPlace placeHintPanel(const HintPanelRoom& room);

}  // namespace quorvel
