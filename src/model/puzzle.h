#pragma once
// The puzzle as the engines take and return it: the grid kind, a value per cell, which values are
// givens and, when known, the candidates still open in each cell. The solver, the logic, the
// generator, storage and the tool pass it around; the grid window's screen state (Board) is
// built from it and read back into it by the commands.

#include <vector>

#include "model/grid_kind.h"
#include "model/units.h"

namespace quorvel {

struct Puzzle {
    GridKind kind = kNineGrid;
    std::vector<int> values;  // index 0 is cell 1; 0 = empty
    // A candidate state: per cell the values still open (a cell holding a value has just that
    // one). Empty when only values are known, so each empty cell may hold whatever its row,
    // column and block leave.
    std::vector<ValueMask> candidates;
    // Per cell, true where the value is a given (index 0 is cell 1). Empty when every value is
    // a given, as in a puzzle read from a line or a file.
    std::vector<bool> givens;

    // The givens' values, 0 for every other cell.
    std::vector<int> givenValues() const {
        if (givens.empty()) return values;
        std::vector<int> result(values.size(), 0);
        for (std::size_t i = 0; i < values.size() && i < givens.size(); ++i)
            if (givens[i]) result[i] = values[i];
        return result;
    }
};

}  // namespace quorvel
