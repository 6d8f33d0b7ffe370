#pragma once
// A modal dialog described as data. The dialog's own state machine says what it shows now (a
// `DialogForm`: title, fields, focus) and takes the user's acts on its fields; every Host renders
// any form through `Host::runDialog` and forwards the acts, so a new dialog is its state machine
// and the command that opens it.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "application/grid/key_event.h"
#include "application/grid/text_box.h"

namespace quorvel {

enum class FieldKind {
    Text,    // words the dialog shows
    Answer,  // a text box the dialog edits itself from the keys it is given
    Number,  // a whole number from 1 to `most`, edited by the host
    Line,    // a line of at most `most` characters, edited by the host
    Choice,  // one of `options`
    Button,  // pressed by its caption
};

// How a choice shows: a list that opens, or every option as a label with a marker at the chosen.
enum class ChoiceLook { List, Labels };

// How words show: plain, or in red as the reason an answer was refused.
enum class TextLook { Plain, Problem };

// A rectangle in logical pixels, inside the dialog.
struct FieldPlace {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct DialogField {
    FieldKind kind = FieldKind::Text;
    // Text: the words. Button: its caption, '&' before its access key. Otherwise: the label of
    // its row.
    std::string caption;
    std::vector<std::string> options;  // Choice: its options, in order
    int chosen = 0;                    // Choice: the index of the chosen option
    ChoiceLook choiceLook = ChoiceLook::List;
    TextLook textLook = TextLook::Plain;
    TextBox box;              // Answer, Number, Line: text, caret and selection
    int most = 0;             // Number: the largest value; Line: the most characters
    std::string placeholder;  // Line: what the empty box says
    std::string fontFamily;   // "" for the dialog's own
    int points = 0;           // 0 for the dialog's own size
    std::string description;  // what a screen reader says about it ("" for nothing more)
    bool visible = true;
    FieldPlace place;  // where it lies in a dialog of fixed size
};

// The fields by kind; the rest of their members keep their defaults.
DialogField textField(std::string words, FieldPlace place = {});
DialogField buttonField(std::string caption, FieldPlace place = {});
DialogField choiceField(std::string label, std::vector<std::string> options, int chosen);
// An Answer, Number or Line box.
DialogField boxField(FieldKind kind, std::string label, const TextBox& box, int most = 0);

struct DialogForm {
    std::string title;
    // What the dialog says in a line, as a host without a screen reads it. The fields show it on
    // a screen.
    std::string prompt;
    std::vector<DialogField> fields;
    int focus = -1;  // the index of the field that has the focus; -1 for none
    // A dialog of fixed size puts every field at its place. Width 0: the host lays the fields out
    // in labelled rows with the buttons under them, or, with words and buttons alone, as the
    // desktop's message box.
    int width = 0;
    int height = 0;
};

// A dialog's state machine. Each act names its field by its index in `form().fields`.
class Dialog {
  public:
    virtual ~Dialog() = default;

    virtual DialogForm form() const = 0;
    virtual void press(int field) = 0;
    virtual void choose(int /*field*/, int /*option*/) {}
    // The text of a Number or Line box, as the host's editing left it.
    virtual void setText(int /*field*/, const std::string& /*text*/) {}
    // The caret and selection the user placed with the mouse in an Answer box.
    virtual void select(int /*field*/, int /*start*/, int /*length*/) {}
    // A key pressed in the dialog; Escape never comes here (see `dismiss`).
    virtual void key(const KeyEvent& event) = 0;
    // Escape, and closing the window by its frame.
    virtual void dismiss() = 0;
    virtual bool closed() const = 0;

    // Called when the dialog changed by itself, beyond the act the host forwarded.
    void setOnChanged(std::function<void()> onChanged) { onChanged_ = std::move(onChanged); }

  protected:
    void changed() const {
        if (onChanged_) onChanged_();
    }

  private:
    std::function<void()> onChanged_;
};

}  // namespace quorvel
