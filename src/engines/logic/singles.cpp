// Full House, Naked Single and Hidden Single: the steps that place a value.

#include <algorithm>
#include <array>
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
    std::array<int, 3 * kMaxSide> emptyCells{};
    for (int cell = 1; cell <= grid.cellCount(); ++cell) {
        if (grid.value(cell) != 0) continue;
        ++emptyCells[grid.rowUnit(cell)];
        ++emptyCells[grid.columnUnit(cell)];
        ++emptyCells[grid.blockUnit(cell)];
    }
    for (int index = 0; index < grid.unitCount(); ++index) {
        const int unit = unitInScanOrder(grid, index);
        if (emptyCells[unit] != 1) continue;
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
        const auto cells = grid.unitCells(unit);
        // The values open in one cell of the unit: seen once and never again.
        unsigned once = 0;
        unsigned twice = 0;
        for (const int cell : cells) {
            twice |= once & grid.candidates(cell);
            once |= grid.candidates(cell);
        }
        for (unsigned single = once & ~twice; single != 0; single &= single - 1) {
            const int value = std::countr_zero(single);
            const auto holder = std::ranges::find_if(
                cells, [&](int cell) { return grid.hasCandidate(cell, value); });
            const int cell = *holder;
            Step step = placing(cell, value, unit, kind);
            finishStep(kind, step, Technique::HiddenSingle, "in " + unitName(kind, unit),
                       std::to_string(value) + " fits only in " + cellName(kind, cell));
            if (!sink(std::move(step))) return false;
        }
    }
    return true;
}

}  // namespace quorvel::logic
