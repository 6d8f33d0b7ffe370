// Full House, Naked Single and Hidden Single: the steps that place a value.

#include <bit>

#include "engines/logic/finders.h"
#include "engines/logic/step_text.h"

namespace quorvel::logic {

namespace {

Step placing(int cell, int value, int unit, const GridKind& kind) {
    Step step;
    step.values = {value};
    step.cells = {cell};
    if (unit >= 0) step.units = {unitRef(kind, unit)};
    step.placements = {{cell, value}};
    return step;
}

// Blocks first, then rows, then columns: the order in which a person scans for them.
int unitInScanOrder(const LogicGrid& grid, int index) {
    return (index + 2 * grid.side()) % grid.unitCount();
}

}  // namespace

bool findFullHouse(const LogicGrid& grid, const StepSink& sink) {
    const GridKind& kind = grid.kind();
    for (int index = 0; index < grid.unitCount(); ++index) {
        const int unit = unitInScanOrder(grid, index);
        int empty = 0;
        int emptyCell = 0;
        ValueMask present = 0;
        for (const int cell : grid.unitCells(unit)) {
            if (grid.value(cell) == 0) {
                ++empty;
                emptyCell = cell;
            } else {
                present |= static_cast<ValueMask>(1u << grid.value(cell));
            }
        }
        if (empty != 1) continue;
        const ValueMask missing = grid.candidates(emptyCell) & ~present;
        if (std::popcount(missing) != 1) continue;
        const int value = std::countr_zero(missing);
        Step step = placing(emptyCell, value, unit, kind);
        finishStep(kind, step, Technique::FullHouse, "in " + unitName(kind, unit),
                   cellName(kind, emptyCell) + " is the only empty cell of " +
                       unitName(kind, unit) + " and " + std::to_string(value) +
                       " the only value it lacks");
        if (!sink(std::move(step))) return false;
    }
    return true;
}

bool findNakedSingle(const LogicGrid& grid, const StepSink& sink) {
    const GridKind& kind = grid.kind();
    for (int cell = 1; cell <= grid.cellCount(); ++cell) {
        const ValueMask mask = grid.candidates(cell);
        if (grid.value(cell) != 0 || std::popcount(mask) != 1) continue;
        const int value = std::countr_zero(mask);
        Step step = placing(cell, value, -1, kind);
        finishStep(
            kind, step, Technique::NakedSingle, "at " + cellName(kind, cell),
            std::to_string(value) + " is the only candidate left in " + cellName(kind, cell));
        if (!sink(std::move(step))) return false;
    }
    return true;
}

bool findHiddenSingle(const LogicGrid& grid, const StepSink& sink) {
    const GridKind& kind = grid.kind();
    for (int index = 0; index < grid.unitCount(); ++index) {
        const int unit = unitInScanOrder(grid, index);
        for (int value = 1; value <= grid.side(); ++value) {
            const unsigned where = grid.positions(unit, value);
            if (std::popcount(where) != 1) continue;
            const int cell = grid.unitCells(unit)[std::countr_zero(where)];
            Step step = placing(cell, value, unit, kind);
            finishStep(kind, step, Technique::HiddenSingle, "in " + unitName(kind, unit),
                       std::to_string(value) + " fits only in " + cellName(kind, cell));
            if (!sink(std::move(step))) return false;
        }
    }
    return true;
}

}  // namespace quorvel::logic
