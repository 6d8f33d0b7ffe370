// Locked Candidates. Pointing: a block's candidates for a value all lie in one row or column, so
// the rest of that line loses the value. Claiming: a row's or column's candidates for a value all
// lie in one block, so the rest of that block loses it. Any block shape works: a 3 x 5 block
// meets a row in 3 cells and a column in 5.

#include <array>
#include <bit>
#include <span>
#include <vector>

#include "engines/logic/finders.h"
#include "engines/logic/step_text.h"

namespace quorvel::logic {

namespace {

// The cells of `unit` holding `value`, and the unit of kind `lineOf` they all share, or -1. The
// search runs for every unit, value and direction, so the cells stay on the stack.
struct Confinement {
    std::array<int, kMaxSide> cells{};
    std::size_t count = 0;
    int sharedUnit = -1;

    std::span<const int> found() const { return {cells.data(), count}; }
};

template <typename UnitOfCell>
Confinement confine(const LogicGrid& grid, int unit, int value, UnitOfCell unitOf) {
    Confinement found;
    for (const int cell : grid.unitCells(unit)) {
        if (!grid.hasCandidate(cell, value)) continue;
        if (found.count == 0) found.sharedUnit = unitOf(cell);
        if (unitOf(cell) != found.sharedUnit) return {};
        found.cells[found.count++] = cell;
    }
    if (found.count < 2) return {};
    return found;
}

// Reports the step when the target unit has candidates for `value` outside the source unit.
bool reportLocked(const LogicGrid& grid, Technique technique, int source, int target, int value,
                  std::span<const int> cells, const StepSink& sink) {
    const GridKind& kind = grid.kind();
    Step step;
    for (const int cell : grid.unitCells(target)) {
        const bool inSource = grid.rowUnit(cell) == source || grid.columnUnit(cell) == source ||
                              grid.blockUnit(cell) == source;
        if (!inSource && grid.hasCandidate(cell, value)) step.eliminations.push_back({cell, value});
    }
    if (step.eliminations.empty()) return true;
    step.values = {value};
    step.cells.assign(cells.begin(), cells.end());
    step.units = {unitRef(kind, source), unitRef(kind, target)};
    finishStep(kind, step, technique,
               "on " + std::to_string(value) + " in " + unitName(kind, source),
               std::to_string(value) + " can only go in " + cellList(kind, cells) +
                   ", which lie in " + unitName(kind, target));
    return sink(std::move(step));
}

}  // namespace

bool findPointing(const LogicGrid& grid, const StepSink& sink) {
    const int side = grid.side();
    for (int block = 2 * side; block < 3 * side; ++block) {
        for (int value = 1; value <= side; ++value) {
            for (const bool byRow : {true, false}) {
                const Confinement found = confine(grid, block, value, [&](int cell) {
                    return byRow ? grid.rowUnit(cell) : grid.columnUnit(cell);
                });
                if (found.sharedUnit < 0) continue;
                if (!reportLocked(grid, Technique::LockedPointing, block, found.sharedUnit, value,
                                  found.found(), sink))
                    return false;
            }
        }
    }
    return true;
}

bool findClaiming(const LogicGrid& grid, const StepSink& sink) {
    const int side = grid.side();
    for (int line = 0; line < 2 * side; ++line) {
        for (int value = 1; value <= side; ++value) {
            const Confinement found =
                confine(grid, line, value, [&](int cell) { return grid.blockUnit(cell); });
            if (found.sharedUnit < 0) continue;
            if (!reportLocked(grid, Technique::LockedClaiming, line, found.sharedUnit, value,
                              found.found(), sink))
                return false;
        }
    }
    return true;
}

}  // namespace quorvel::logic
