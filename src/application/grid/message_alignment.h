#pragma once
// Where the main window's message line sets its text.

namespace quorvel {

enum class Alignment { Left, Right, Centre };

}  // namespace quorvel
