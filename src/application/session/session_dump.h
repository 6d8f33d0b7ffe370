#pragma once
// What the program shows, as one compact JSON object with these keys in this order: grid,
// cells, locked, focus, message, caption, title, gauge, complete, panel, tips, puzzle, dialog,
// enabled, hint, marks, elapsed. docs/session.md gives their meaning.

#include <string>

namespace quorvel {

class Application;
class OpenDialog;

// `dialog` is the modal window open now, or nullptr.
std::string sessionDump(Application& program, const OpenDialog* dialog);

}  // namespace quorvel
