#pragma once
// The computed difficulty in the windows: Assist Solve > Rate Puzzle says it on the message line,
// and Grade and Save starts its level choice at it.

#include <vector>

#include "model/board.h"

namespace quorvel {

// Rates the givens: "Rated Hard: score 1240, hardest step X-Wing.", or why it cannot.
void ratePuzzleCommand(Board& board);

// The computed level (1..4) of these givens (index 0 is cell 1, 0 = not a given) when they have
// exactly one solution; 0 otherwise.
int computedLevel(const GridKind& kind, const std::vector<int>& givens);

}  // namespace quorvel
