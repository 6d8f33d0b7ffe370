#include "application/grid/text_box.h"

#include <algorithm>

namespace quorvel {

void TextBox::setText(std::string value) {
    text = std::move(value);
    selStart = 0;
    selLength = 0;
}

void TextBox::clampSelection() {
    const int length = static_cast<int>(text.size());
    selStart = std::clamp(selStart, 0, length);
    selLength = std::clamp(selLength, 0, length - selStart);
}

bool TextBox::wholeTextSelected() const {
    return !text.empty() && selStart == 0 && selLength == static_cast<int>(text.size());
}

void TextBox::selectAll() {
    selStart = 0;
    selLength = static_cast<int>(text.size());
}

void TextBox::placeCaret(int position) {
    selStart = position;
    selLength = 0;
    clampSelection();
}

void TextBox::insert(const std::string& typed) {
    clampSelection();
    text.replace(static_cast<std::size_t>(selStart), static_cast<std::size_t>(selLength), typed);
    placeCaret(selStart + static_cast<int>(typed.size()));
}

void TextBox::backspace() {
    clampSelection();
    if (selLength > 0) {
        insert("");
    } else if (selStart > 0) {
        text.erase(static_cast<std::size_t>(selStart - 1), 1);
        placeCaret(selStart - 1);
    }
}

}  // namespace quorvel
