#pragma once
// A key as the views hand it to a grid window or the input dialog: the key code (the codes
// below, any other key passes its own positive code), the modifier state and the character the
// key produced ("" for none).

#include <string>

namespace quorvel {

namespace key {
inline constexpr int kBackspace = 8;
inline constexpr int kTab = 9;
inline constexpr int kEnter = 13;
inline constexpr int kShiftKey = 16;
inline constexpr int kCtrlKey = 17;
inline constexpr int kAltKey = 18;
inline constexpr int kEscape = 27;
inline constexpr int kPageUp = 33;
inline constexpr int kPageDown = 34;
inline constexpr int kEnd = 35;
inline constexpr int kHome = 36;
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
inline constexpr int kDelete = 46;
}  // namespace key

// Modifier bits, the same values the mouse handlers take as their shift state.
namespace modifier {
inline constexpr int kShift = 1;
inline constexpr int kCtrl = 2;
inline constexpr int kAlt = 4;
}  // namespace modifier

struct KeyEvent {
    int code = 0;
    int modifiers = 0;
    std::string text;  // UTF-8; one character for a printable key, "\r" for Enter, "" for none
};

}  // namespace quorvel
