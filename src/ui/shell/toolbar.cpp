#include "ui/shell/toolbar.h"

#include <stdexcept>

namespace quorvel {

namespace {

ToolButton button(int index, std::string caption, ButtonFont font, std::uint32_t fore,
                  std::string toolTip = "") {
    ToolButton result;
    result.index = index;
    result.caption = std::move(caption);
    result.font = font;
    result.foreColour = fore;
    result.toolTip = std::move(toolTip);
    return result;
}

std::vector<ToolButton> designButtons() {
    using F = ButtonFont;
    std::vector<ToolButton> buttons;
    buttons.push_back(
        button(0, "-", F::Arial, colour::kBlack, " Enter numbers by key press only "));
    for (int number = 1; number <= 15; ++number) {
        ToolButton& b = buttons.emplace_back(
            button(number, std::to_string(number), F::Arial, colour::kNumberBlue));
        b.visible = number <= 9;
    }
    buttons.push_back(
        button(16, "15", F::Wingdings3, colour::kPurple, " Start an experimental run "));
    buttons.back().enabled = false;
    buttons.push_back(
        button(17, "*", F::Wingdings3, colour::kRed, " Reject the experimental run "));
    buttons.push_back(
        button(18, "9", F::Wingdings3, colour::kGreen, " Confirm the experimental run "));
    buttons.push_back(button(19, "7", F::Wingdings3, colour::kMagenta,
                             " Get Next - This may or may not take some time to solve. "));
    buttons.back().enabled = false;
    buttons.push_back(button(20, "u", F::Wingdings2, colour::kOrange, " Easy "));
    buttons.push_back(button(21, "G", F::Wingdings3, colour::kTeal, " Check For Single "));
    buttons.push_back(button(30, "3x 3", F::ArialNarrow, colour::kBlack, " Nine x Nine "));
    buttons.push_back(button(31, "3x 5", F::ArialNarrow, colour::kBlack, " Fifteen x Fifteen"));
    buttons.push_back(button(32, "N", F::Wingdings3, colour::kBlack, " Undo"));
    buttons.push_back(button(33, "O", F::Wingdings3, colour::kBlack, " Redo"));
    return buttons;
}

}  // namespace

Toolbar::Toolbar() : buttons_(designButtons()) {}

const ToolButton& Toolbar::at(int index) const {
    for (const ToolButton& b : buttons_) {
        if (b.index == index) return b;
    }
    throw std::out_of_range("no such toolbar button");
}

ToolButton& Toolbar::at(int index) {
    return const_cast<ToolButton&>(static_cast<const Toolbar*>(this)->at(index));
}

}  // namespace quorvel
