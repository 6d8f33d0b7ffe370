#pragma once
// The operating-system style message box: a title, words and a row of buttons, and the two
// questions the program asks through it before its windows are up.

#include <optional>
#include <string>
#include <vector>

#include "application/grid/dialog.h"

namespace quorvel {

class Host;

class MessageDialog : public Dialog {
  public:
    MessageDialog(std::string title, std::string text, std::vector<std::string> buttons);

    DialogForm form() const override;
    void press(int field) override;
    void key(const KeyEvent& /*event*/) override {}
    // Escape answers with the last button.
    void dismiss() override;
    bool closed() const override { return pressed_.has_value(); }
    // The caption of the button that closed the box.
    const std::optional<std::string>& pressed() const { return pressed_; }

  private:
    std::string title_;
    std::string text_;
    std::vector<std::string> buttons_;
    std::optional<std::string> pressed_;
};

// A question with Yes and No; true for Yes.
bool askYesNo(Host& host, const std::string& title, const std::string& text);
// A notice with OK.
void showNotice(Host& host, const std::string& title, const std::string& text);

}  // namespace quorvel
