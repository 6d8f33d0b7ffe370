#include "views/grid/key_mapping.h"

#include "views/grid/label_button.h"

#include <array>
#include <utility>

namespace quorvel::view {
namespace {

constexpr std::array<std::pair<int, int>, 20> kSpecialKeys{{
    {Qt::Key_Backspace, key::kBackspace},
    {Qt::Key_Tab, 9},
    {Qt::Key_Return, key::kEnter},
    {Qt::Key_Enter, key::kEnter},
    {Qt::Key_Shift, key::kShiftKey},
    {Qt::Key_Control, key::kCtrlKey},
    {Qt::Key_Alt, key::kAltKey},
    {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, key::kEscape},
    {Qt::Key_Space, 32},
    {Qt::Key_PageUp, key::kPageUp},
    {Qt::Key_PageDown, key::kPageDown},
    {Qt::Key_End, key::kEnd},
    {Qt::Key_Home, key::kHome},
    {Qt::Key_Left, key::kLeft},
    {Qt::Key_Up, key::kUp},
    {Qt::Key_Right, key::kRight},
    {Qt::Key_Down, key::kDown},
    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, key::kDelete},
}};

// Punctuation keys, shifted or not, by the US-keyboard key that produces them. Qt numbers them
// by their ASCII code, which would collide with the small codes of the navigation keys.
int punctuationKeyCode(int qtKey) {
    switch (qtKey) {
        case Qt::Key_ParenRight:
            return '0';
        case Qt::Key_Exclam:
            return '1';
        case Qt::Key_At:
            return '2';
        case Qt::Key_NumberSign:
            return '3';
        case Qt::Key_Dollar:
            return '4';
        case Qt::Key_Percent:
            return '5';
        case Qt::Key_AsciiCircum:
            return '6';
        case Qt::Key_Ampersand:
            return '7';
        case Qt::Key_Asterisk:
            return '8';
        case Qt::Key_ParenLeft:
            return '9';
        case Qt::Key_Semicolon:
        case Qt::Key_Colon:
            return 186;
        case Qt::Key_Equal:
        case Qt::Key_Plus:
            return 187;
        case Qt::Key_Comma:
        case Qt::Key_Less:
            return 188;
        case Qt::Key_Minus:
        case Qt::Key_Underscore:
            return 189;
        case Qt::Key_Period:
        case Qt::Key_Greater:
            return 190;
        case Qt::Key_Slash:
        case Qt::Key_Question:
            return 191;
        case Qt::Key_QuoteLeft:
        case Qt::Key_AsciiTilde:
            return 192;
        case Qt::Key_BracketLeft:
        case Qt::Key_BraceLeft:
            return 219;
        case Qt::Key_Backslash:
        case Qt::Key_Bar:
            return 220;
        case Qt::Key_BracketRight:
        case Qt::Key_BraceRight:
            return 221;
        case Qt::Key_Apostrophe:
        case Qt::Key_QuoteDbl:
            return 222;
        default:
            return 0;
    }
}

int keyCodeFor(int qtKey) {
    for (const auto& [qt, code] : kSpecialKeys) {
        if (qt == qtKey) return code;
    }
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)) {
        return qtKey;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 112 + (qtKey - Qt::Key_F1);
    if (const int punctuation = punctuationKeyCode(qtKey); punctuation != 0) return punctuation;
    // Any other key keeps Qt's own number, far above every code the core looks at.
    return qtKey > 0 ? qtKey : 0;
}

}  // namespace

KeyEvent keyEventFrom(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text) {
    KeyEvent event;
    event.code = keyCodeFor(qtKey);
    event.modifiers = shiftStateOf(modifiers);
    if (event.code == key::kEnter) {
        event.text.push_back('\r');
    } else if (event.code == key::kDelete || event.code == 9) {
        // Neither Delete nor Tab types a character into a text box.
        event.text.clear();
    } else {
        event.text = text.toStdString();
    }
    return event;
}

}  // namespace quorvel::view
