#include "application/grid/message_dialog.h"

#include <utility>

#include "application/host.h"

namespace quorvel {

MessageDialog::MessageDialog(std::string title, std::string text, std::vector<std::string> buttons)
    : title_(std::move(title)), text_(std::move(text)), buttons_(std::move(buttons)) {}

// The words first, then a field for each button.
DialogForm MessageDialog::form() const {
    DialogForm form{title_, text_, {}, -1, 0, 0};
    form.fields.push_back(textField(text_));
    for (const std::string& button : buttons_)
        form.fields.push_back(buttonField(button));
    return form;
}

void MessageDialog::press(int field) {
    if (field >= 1 && field <= static_cast<int>(buttons_.size()))
        pressed_ = buttons_[static_cast<std::size_t>(field - 1)];
}

void MessageDialog::dismiss() {
    if (!buttons_.empty()) pressed_ = buttons_.back();
}

bool askYesNo(Host& host, const std::string& title, const std::string& text) {
    MessageDialog box(title, text, {"Yes", "No"});
    host.runDialog(box);
    return box.pressed() == "Yes";
}

void showNotice(Host& host, const std::string& title, const std::string& text) {
    MessageDialog box(title, text, {"OK"});
    host.runDialog(box);
}

}  // namespace quorvel
