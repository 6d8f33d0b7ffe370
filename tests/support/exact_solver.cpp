#include "support/exact_solver.h"

#include <algorithm>

namespace quorvel::testing {

namespace {

bool sameUnit(const GridKind& kind, int a, int b) {
    return kind.rowOf(a) == kind.rowOf(b) || kind.columnOf(a) == kind.columnOf(b) ||
           kind.blockOf(a) == kind.blockOf(b);
}

std::vector<int> possibleValues(const GridKind& kind, const std::vector<int>& values, int cell) {
    std::vector<bool> taken(kind.side + 1, false);
    for (int other = 1; other <= kind.cellCount(); ++other)
        if (other != cell && sameUnit(kind, cell, other)) taken[values[other - 1]] = true;
    std::vector<int> possible;
    for (int v = 1; v <= kind.side; ++v)
        if (!taken[v]) possible.push_back(v);
    return possible;
}

void search(const GridKind& kind, std::vector<int>& values, int limit, int& found,
            std::optional<std::vector<int>>& first) {
    int best = 0;
    std::vector<int> bestValues;
    for (int cell = 1; cell <= kind.cellCount(); ++cell) {
        if (values[cell - 1] != 0) continue;
        std::vector<int> possible = possibleValues(kind, values, cell);
        if (best == 0 || possible.size() < bestValues.size()) {
            best = cell;
            bestValues = std::move(possible);
            if (bestValues.size() <= 1) break;
        }
    }
    if (best == 0) {
        if (!first) first = values;
        ++found;
        return;
    }
    for (const int v : bestValues) {
        values[best - 1] = v;
        search(kind, values, limit, found, first);
        if (found >= limit) break;
    }
    values[best - 1] = 0;
}

}  // namespace

int countSolutions(const GridKind& kind, const std::vector<int>& values, int limit) {
    for (int cell = 1; cell <= kind.cellCount(); ++cell) {
        const int v = values[cell - 1];
        if (v == 0) continue;
        for (int other = cell + 1; other <= kind.cellCount(); ++other)
            if (values[other - 1] == v && sameUnit(kind, cell, other)) return 0;
    }
    std::vector<int> work = values;
    int found = 0;
    std::optional<std::vector<int>> first;
    search(kind, work, limit, found, first);
    return found;
}

std::optional<std::vector<int>> solvePuzzle(const GridKind& kind, const std::vector<int>& values) {
    std::vector<int> work = values;
    int found = 0;
    std::optional<std::vector<int>> first;
    search(kind, work, 1, found, first);
    return first;
}

bool isValidSolution(const GridKind& kind, const std::vector<int>& values) {
    if (static_cast<int>(values.size()) != kind.cellCount()) return false;
    for (int cell = 1; cell <= kind.cellCount(); ++cell) {
        const int v = values[cell - 1];
        if (v < 1 || v > kind.side) return false;
        for (int other = cell + 1; other <= kind.cellCount(); ++other)
            if (values[other - 1] == v && sameUnit(kind, cell, other)) return false;
    }
    return true;
}

std::vector<int> applySingles(const GridKind& kind, std::vector<int> values) {
    for (bool placed = true; placed;) {
        placed = false;
        for (int cell = 1; cell <= kind.cellCount(); ++cell) {
            if (values[cell - 1] != 0) continue;
            const std::vector<int> possible = possibleValues(kind, values, cell);
            if (possible.size() == 1) {
                values[cell - 1] = possible[0];
                placed = true;
            }
        }
        if (placed) continue;
        for (int cell = 1; cell <= kind.cellCount() && !placed; ++cell) {
            if (values[cell - 1] != 0) continue;
            for (const int v : possibleValues(kind, values, cell)) {
                // v fits nowhere else in one of the cell's units.
                bool alone[3] = {true, true, true};
                for (int other = 1; other <= kind.cellCount(); ++other) {
                    if (other == cell || values[other - 1] != 0) continue;
                    const std::vector<int> p = possibleValues(kind, values, other);
                    if (std::find(p.begin(), p.end(), v) == p.end()) continue;
                    if (kind.rowOf(other) == kind.rowOf(cell)) alone[0] = false;
                    if (kind.columnOf(other) == kind.columnOf(cell)) alone[1] = false;
                    if (kind.blockOf(other) == kind.blockOf(cell)) alone[2] = false;
                }
                if (alone[0] || alone[1] || alone[2]) {
                    values[cell - 1] = v;
                    placed = true;
                    break;
                }
            }
        }
    }
    return values;
}

}  // namespace quorvel::testing
