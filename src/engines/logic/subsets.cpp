// Naked and Hidden Pair, Triple and Quad. Naked: k cells of a unit hold only k values between
// them, so the unit's other cells lose those values. Hidden: k values of a unit fit only in k of
// its cells, so those cells lose every other candidate. Locked Pair and Triple: a naked pair or
// triple whose cells lie where a block meets a row or column, so both units lose its values.

#include <algorithm>
#include <bit>
#include <span>
#include <vector>

#include "engines/logic/finders.h"
#include "engines/logic/step_text.h"
#include "engines/logic/subset_chooser.h"

namespace quorvel::logic {

namespace {

Technique nakedTechnique(int size) {
    return size == 2   ? Technique::NakedPair
           : size == 3 ? Technique::NakedTriple
                       : Technique::NakedQuad;
}

Technique hiddenTechnique(int size) {
    return size == 2   ? Technique::HiddenPair
           : size == 3 ? Technique::HiddenTriple
                       : Technique::HiddenQuad;
}

// Removes the values of `values` from the cells of `units` outside `cells`.
void removeOutside(const LogicGrid& grid, std::span<const int> units, std::span<const int> cells,
                   unsigned values, Step& step) {
    for (const int unit : units)
        for (const int cell : grid.unitCells(unit)) {
            if (std::find(cells.begin(), cells.end(), cell) != cells.end()) continue;
            for (const int value : valuesOf(static_cast<ValueMask>(grid.candidates(cell) & values)))
                step.eliminations.push_back({cell, value});
        }
}

}  // namespace

bool findNakedSubset(const LogicGrid& grid, int size, const StepSink& sink) {
    const GridKind& kind = grid.kind();
    // Kept across units so that their storage is reused.
    std::vector<int> cells;
    std::vector<unsigned> masks;
    for (int unit = 0; unit < grid.unitCount(); ++unit) {
        cells.clear();
        masks.clear();
        int empty = 0;
        for (const int cell : grid.unitCells(unit)) {
            if (grid.value(cell) != 0) continue;
            ++empty;
            const int count = std::popcount(grid.candidates(cell));
            if (count < 2 || count > size) continue;
            cells.push_back(cell);
            masks.push_back(grid.candidates(cell));
        }
        if (empty <= size) continue;
        const bool goOn =
            chooseSubsetsOf(masks, size, size, [&](std::span<const int> picked, unsigned values) {
                Step step;
                for (const int i : picked)
                    step.cells.push_back(cells[i]);
                const int units[] = {unit};
                removeOutside(grid, units, step.cells, values, step);
                if (step.eliminations.empty()) return true;
                step.values = valuesOf(static_cast<ValueMask>(values));
                step.units = {unitRef(kind, unit)};
                finishStep(kind, step, nakedTechnique(size), "in " + unitName(kind, unit),
                           cellList(kind, step.cells) + " hold only " + valueList(step.values) +
                               " between them");
                return sink(std::move(step));
            });
        if (!goOn) return false;
    }
    return true;
}

bool findLockedSubset(const LogicGrid& grid, int size, const StepSink& sink) {
    const GridKind& kind = grid.kind();
    std::vector<int> cells;
    std::vector<unsigned> masks;
    for (int block = 2 * grid.side(); block < grid.unitCount(); ++block) {
        for (const bool byRow : {true, false}) {
            // The lines crossing the block, each met once, in the order of the block's cells.
            std::vector<int> lines;
            for (const int cell : grid.unitCells(block)) {
                const int line = byRow ? grid.rowUnit(cell) : grid.columnUnit(cell);
                if (std::find(lines.begin(), lines.end(), line) == lines.end())
                    lines.push_back(line);
            }
            for (const int line : lines) {
                cells.clear();
                masks.clear();
                for (const int cell : grid.unitCells(block)) {
                    const int count = std::popcount(grid.candidates(cell));
                    if (grid.value(cell) != 0 || count < 2 || count > size) continue;
                    if ((byRow ? grid.rowUnit(cell) : grid.columnUnit(cell)) != line) continue;
                    cells.push_back(cell);
                    masks.push_back(grid.candidates(cell));
                }
                const bool goOn = chooseSubsetsOf(
                    masks, size, size, [&](std::span<const int> picked, unsigned values) {
                        Step step;
                        for (const int i : picked)
                            step.cells.push_back(cells[i]);
                        const int units[] = {block, line};
                        removeOutside(grid, units, step.cells, values, step);
                        if (step.eliminations.empty()) return true;
                        step.values = valuesOf(static_cast<ValueMask>(values));
                        step.units = {unitRef(kind, block), unitRef(kind, line)};
                        finishStep(kind, step,
                                   size == 2 ? Technique::LockedPair : Technique::LockedTriple,
                                   "in " + unitName(kind, block) + " and " + unitName(kind, line),
                                   cellList(kind, step.cells) + " hold only " +
                                       valueList(step.values) + " between them and lie in both");
                        return sink(std::move(step));
                    });
                if (!goOn) return false;
            }
        }
    }
    return true;
}

bool findHiddenSubset(const LogicGrid& grid, int size, const StepSink& sink) {
    const GridKind& kind = grid.kind();
    // Kept across units so that their storage is reused.
    std::vector<int> values;
    std::vector<unsigned> masks;
    for (int unit = 0; unit < grid.unitCount(); ++unit) {
        values.clear();
        masks.clear();
        int open = 0;
        for (int value = 1; value <= grid.side(); ++value) {
            const unsigned where = grid.positions(unit, value);
            const int count = std::popcount(where);
            if (count == 0) continue;
            ++open;
            if (count < 2 || count > size) continue;
            values.push_back(value);
            masks.push_back(where);
        }
        if (open <= size) continue;
        const bool goOn =
            chooseSubsetsOf(masks, size, size, [&](std::span<const int> picked, unsigned where) {
                Step step;
                ValueMask kept = 0;
                for (const int i : picked) {
                    step.values.push_back(values[i]);
                    kept |= static_cast<ValueMask>(1u << values[i]);
                }
                for (unsigned rest = where; rest != 0; rest &= rest - 1) {
                    const int cell = grid.unitCells(unit)[std::countr_zero(rest)];
                    step.cells.push_back(cell);
                    for (const int value :
                         valuesOf(static_cast<ValueMask>(grid.candidates(cell) & ~kept)))
                        step.eliminations.push_back({cell, value});
                }
                if (step.eliminations.empty()) return true;
                step.units = {unitRef(kind, unit)};
                finishStep(kind, step, hiddenTechnique(size), "in " + unitName(kind, unit),
                           valueList(step.values) + " fit only in " + cellList(kind, step.cells));
                return sink(std::move(step));
            });
        if (!goOn) return false;
    }
    return true;
}

}  // namespace quorvel::logic
