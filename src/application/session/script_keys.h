#pragma once
// Keys as a script names them: named keys with optional modifiers ("F2", "Ctrl+F2", "Enter",
// "Shift+Tab") and the key a typed character comes from on a US keyboard. The codes and texts
// are those the views hand to the core for the same keys.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "application/grid/key_event.h"

namespace quorvel {

inline constexpr int kTabKey = 9;

// The key named `name`: F1..F12, Enter, Escape, Left, Right, Up, Down, Home, End, PageUp,
// PageDown, Delete, Backspace, Tab, a capital letter or a digit, after any of the prefixes
// "Ctrl+", "Shift+" and "Alt+"; or Ctrl, Shift or Alt pressed alone.
// nullopt for any other name.
std::optional<KeyEvent> keyNamed(std::string_view name);

// The key that types `character` (one UTF-8 character): its code, Shift where the US layout
// needs it, and the character as the key's text.
KeyEvent keyForCharacter(const std::string& character);

// The UTF-8 characters of a text, one string each.
std::vector<std::string> utf8Characters(std::string_view text);

}  // namespace quorvel
