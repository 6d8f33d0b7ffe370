#pragma once
// The editable text of a text box with its caret and selection, and the few edits the cells and
// the input dialog make to it themselves. Positions count bytes; the texts are ASCII digits.

#include <string>

namespace quorvel {

struct TextBox {
    std::string text;
    int selStart = 0;   // caret position, 0..text length
    int selLength = 0;  // characters selected from the caret on

    // Replaces the whole text; the caret goes to 0 as it does in a text box whose text is set.
    void setText(std::string value);
    // Keeps caret and selection inside the text.
    void clampSelection();
    bool wholeTextSelected() const;
    void selectAll();
    void placeCaret(int position);
    // Inserts `typed` in place of the selection and puts the caret after it.
    void insert(const std::string& typed);
    // What a Backspace does: removes the selection, or else the character before the caret.
    void backspace();
};

}  // namespace quorvel
