#include "application/shell/hint_panel_place.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace quorvel {
namespace {

int rightOf(const ScreenRect& rect) {
    return rect.left + rect.width;
}

// How far the main window may move: as far as keeps it on the screen, and not at all when it
// already stands past an edge.
struct ShiftRange {
    int lowest;
    int highest;
};

ShiftRange shiftRange(const HintPanelRoom& room) {
    return {std::min(0, room.workArea.left - room.mainFrame.left),
            std::max(0, rightOf(room.workArea) - rightOf(room.mainFrame))};
}

struct Beside {
    int left;   // the panel's left edge, after the shift
    int shift;  // of the main window
};

// The panel `width` wide right or left of `clear` (which moves with the main window), with the
// smallest shift that makes room; the right side when both need the same.
std::optional<Beside> besideOf(const ScreenRect& clear, int width, const HintPanelRoom& room) {
    const ShiftRange range = shiftRange(room);
    std::optional<Beside> right;
    const int rightMost = rightOf(room.workArea) - width - kHintPanelGap - rightOf(clear);
    if (rightMost >= range.lowest) {
        const int shift = std::min(0, rightMost);
        right = Beside{rightOf(clear) + shift + kHintPanelGap, shift};
    }
    std::optional<Beside> left;
    const int leftMost = room.workArea.left + width + kHintPanelGap - clear.left;
    if (leftMost <= range.highest) {
        const int shift = std::max(0, leftMost);
        left = Beside{clear.left + shift - kHintPanelGap - width, shift};
    }
    if (right && (!left || std::abs(right->shift) <= std::abs(left->shift))) return right;
    return left;
}

// The widest panel that fits beside `clear` with the main window moved as far as it may.
int widestBeside(const ScreenRect& clear, const HintPanelRoom& room) {
    const ShiftRange range = shiftRange(room);
    const int right = rightOf(room.workArea) - kHintPanelGap - (rightOf(clear) + range.lowest);
    const int left = clear.left + range.highest - kHintPanelGap - room.workArea.left;
    return std::max(right, left);
}

HintPanelPlace placed(const HintPanelRoom& room, int left, int width, int shift) {
    const ScreenRect& area = room.workArea;
    const int height = std::min(room.wantedHeight, area.height);
    const int top = std::clamp(room.gridFrame.top, area.top, area.top + area.height - height);
    return {{left, top, width, height}, shift};
}

}  // namespace

HintPanelPlace placeHintPanel(const HintPanelRoom& room) {
    for (const ScreenRect* clear : {&room.mainFrame, &room.gridFrame}) {
        const int width = std::min(room.wantedWidth, widestBeside(*clear, room));
        if (width < std::min(room.wantedWidth, kHintPanelMinWidth)) continue;
        if (const std::optional<Beside> beside = besideOf(*clear, width, room))
            return placed(room, beside->left, width, beside->shift);
    }
    const int width = std::min(room.wantedWidth, room.workArea.width);
    return placed(room, rightOf(room.workArea) - width, width, 0);
}

}  // namespace quorvel
