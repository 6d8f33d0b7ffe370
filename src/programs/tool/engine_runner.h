#pragma once
// The program's own solve engine as the puzzle maker sees it: the Solve menu command of the
// chosen strength on the puzzle as on a freshly loaded grid (engines/solver/puzzle_solve.h).

#include "programs/tool/puzzle_maker.h"

namespace quorvel::tool {

EngineRunner engineRunner();

}  // namespace quorvel::tool
