#pragma once
// A fast exact solver for both grid kinds, independent of the solve engine: it counts the
// solutions of a puzzle up to a limit (so "exactly one" is a count of 1 with limit 2), keeps the
// first two it finds and can fill an empty grid at random. Used to make and check puzzles.
//
// Cells are given as values in cell order (index 0 is cell 1): 0 for empty, 1..N for a value.

#include <cstdint>
#include <random>
#include <span>
#include <vector>

#include "model/grid_kind.h"
#include "model/units.h"

namespace quorvel {

using CellValues = std::vector<int>;

struct SolutionCount {
    int count = 0;              // solutions found, never above the limit asked for
    CellValues firstSolution;   // the first solution found; empty when count is 0
    CellValues secondSolution;  // the second one; empty when count is below 2
};

// Counts the solutions of the puzzle, stopping as soon as `limit` are found. A puzzle whose
// givens already clash, whose size does not fit the kind, or that holds a value outside 1..N
// has no solution. With `candidates` (a mask per cell, bit v for value v) only the solutions
// that give each cell one of its candidates count.
SolutionCount countSolutions(const GridKind& kind, std::span<const int> cells, int limit,
                             std::span<const ValueMask> candidates = {});

// The cells (numbered from 1) where the first two solutions differ, in cell order: where a
// puzzle with more than one solution lacks a given. Empty when fewer than two were found.
std::vector<int> differingCells(const SolutionCount& solutions);

// A complete valid grid chosen at random: the search fills the empty grid trying values in an
// order drawn from `random`, so one seed always gives the same grid.
CellValues randomCompleteGrid(const GridKind& kind, std::mt19937_64& random);

}  // namespace quorvel
