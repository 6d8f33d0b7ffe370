#pragma once
// What a screen reader says for a toolbar button: a name from its tool tip (the number buttons
// have none and are named by their number) and a description of what pressing it does.

#include <string>

#include "application/shell/toolbar.h"

namespace quorvel {

std::string toolButtonAccessibleName(const ToolButton& button);
std::string toolButtonAccessibleDescription(const ToolButton& button);

}  // namespace quorvel
