#include "ui/shell/toolbar_speech.h"

namespace quorvel {
namespace {

constexpr int kLevelButton = 20;

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string ToolButtonAccessibleName(const ToolButton& button) {
    if (button.index >= 1 && button.index <= 15) return "Number " + std::to_string(button.index);
    if (button.index == kLevelButton) return "Level: " + trimmed(button.toolTip);
    return trimmed(button.toolTip);
}

std::string ToolButtonAccessibleDescription(const ToolButton& button) {
    if (button.index == 0) return "Enter numbers by key press only, not by clicking cells";
    if (button.index <= 15) {
        return "Choose " + std::to_string(button.index) + " to enter it by clicking cells";
    }
    if (button.index == kLevelButton) {
        return "Press for the next level; the context-menu key gets a puzzle of this level from "
               "the database";
    }
    return trimmed(button.toolTip);
}

}  // namespace quorvel
