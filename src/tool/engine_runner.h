#pragma once
// The program's own solve engine as the puzzle maker sees it: a fresh grid loaded with the
// puzzle as Get Puzzle would, then the Solve menu command of the chosen strength.

#include "tool/puzzle_maker.h"

namespace quorvel::tool {

EngineRunner engineRunner();

}  // namespace quorvel::tool
