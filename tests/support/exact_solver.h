#pragma once
// A small exact solver for checking the engine's results: plain backtracking over the most
// constrained cell, written independently of the engine.

#include <optional>
#include <vector>

#include "model/grid_kind.h"

namespace quorvel::testing {

// Number of solutions of a puzzle (values per cell, 0 = empty), counting up to limit.
int countSolutions(const GridKind& kind, const std::vector<int>& values, int limit = 2);
// The first solution found, if any.
std::optional<std::vector<int>> solvePuzzle(const GridKind& kind, const std::vector<int>& values);
// True when every cell holds 1..N and no row, column or block repeats a value.
bool isValidSolution(const GridKind& kind, const std::vector<int>& values);
// Repeats the single rules (candidate, then possibility) with naive loops until nothing more is
// placed; returns the grid reached.
std::vector<int> applySingles(const GridKind& kind, std::vector<int> values);

}  // namespace quorvel::testing
