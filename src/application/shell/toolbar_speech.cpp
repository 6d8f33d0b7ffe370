#include "application/shell/toolbar_speech.h"

namespace quorvel {
namespace {

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool isLevelButton(const ToolButton& button) {
    return button.target == Target{WindowAction::StepLevel};
}

}  // namespace

std::string toolButtonAccessibleName(const ToolButton& button) {
    if (button.number >= 1) return "Number " + std::to_string(button.number);
    if (isLevelButton(button)) return "Level: " + trimmed(button.toolTip);
    return trimmed(button.toolTip);
}

std::string toolButtonAccessibleDescription(const ToolButton& button) {
    if (button.number == 0) return "Enter numbers by key press only, not by clicking cells";
    if (button.number >= 1) {
        return "Choose " + std::to_string(button.number) + " to enter it by clicking cells";
    }
    if (isLevelButton(button)) {
        return "Press for the next level; the context-menu key gets a puzzle of this level from "
               "the database";
    }
    return trimmed(button.toolTip);
}

}  // namespace quorvel
