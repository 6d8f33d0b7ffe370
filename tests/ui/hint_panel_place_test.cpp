// Where Explain Next Step's panel goes, from the roomiest screen to one too small to keep the
// grid clear. The main window's frame is 602 x 730 and the grid window's 482 x 520 inside it, 70 px
// from its left edge and 50 px from its right.

#include "application/shell/hint_panel_place.h"

#include <gtest/gtest.h>

#include <array>

namespace quorvel::testing {
namespace {

ScreenRect mainAt(int left) {
    return {left, 20, 602, 730};
}
ScreenRect gridIn(const ScreenRect& main) {
    return {main.left + 70, 120, 482, 520};
}

std::array<int, 5> fields(const HintPanelPlace& place) {
    const ScreenRect& panel = place.panel;
    return {panel.left, panel.top, panel.width, panel.height, place.mainShift};
}

TEST(HintPanelPlace, KeepsClearOfTheGridAndOnTheScreen) {
    const struct {
        const char* what;
        ScreenRect area;
        int mainLeft;
        int wantedHeight;
        HintPanelPlace expected;
    } cases[] = {
        {"room on the right", {0, 0, 1366, 768}, 383, 500, {{993, 120, 304, 500}, 0}},
        {"room on the left only", {0, 0, 1366, 768}, 760, 500, {{448, 120, 304, 500}, 0}},
        {"the main window moves left", {0, 0, 1024, 768}, 211, 500, {{720, 120, 304, 500}, -101}},
        {"or right, whichever is less", {0, 0, 1024, 768}, 300, 500, {{0, 120, 304, 500}, 12}},
        {"narrower", {0, 0, 810, 768}, 104, 500, {{610, 120, 200, 500}, -104}},
        {"over the main window's edge", {0, 0, 800, 600}, 99, 500, {{0, 100, 260, 500}, 99}},
        {"nothing keeps the grid clear", {0, 0, 640, 480}, 0, 500, {{336, 0, 304, 480}, 0}},
        {"moved up to fit", {0, 24, 1366, 744}, 383, 700, {{993, 68, 304, 700}, 0}},
        {"as tall as the screen", {0, 24, 1366, 744}, 383, 1000, {{993, 24, 304, 744}, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ScreenRect main = mainAt(c.mainLeft);
        EXPECT_EQ(fields(placeHintPanel({c.area, main, gridIn(main), 304, c.wantedHeight})),
                  fields(c.expected));
    }
}

}  // namespace
}  // namespace quorvel::testing
