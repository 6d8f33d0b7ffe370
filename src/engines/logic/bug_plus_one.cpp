// BUG+1: every empty cell holds two candidates but one, which holds three, and every value fits
// twice or not at all in every unit, except one value of that cell, which fits three times in
// its row, column and block. Without that value the cell would leave a grid where the values
// of each cell could all swap round: two solutions or none. A puzzle with one solution has
// neither, so the cell takes the value. Tried only when the exact counter has shown the grid has
// one solution.

#include <bit>

#include "engines/logic/finders.h"
#include "engines/logic/step_text.h"

namespace quorvel::logic {

bool findBugPlusOne(const LogicGrid& grid, const StepSink& sink) {
    if (!grid.oneSolution()) return true;
    int triple = 0;
    for (int cell = 1; cell <= grid.cellCount(); ++cell) {
        if (grid.value(cell) != 0) continue;
        const int count = std::popcount(static_cast<unsigned>(grid.candidates(cell)));
        if (count == 2) continue;
        if (count != 3 || triple != 0) return true;
        triple = cell;
    }
    if (triple == 0) return true;
    const int units[] = {grid.rowUnit(triple), grid.columnUnit(triple), grid.blockUnit(triple)};
    int extra = 0;
    for (int unit = 0; unit < grid.unitCount(); ++unit) {
        const bool throughTriple = unit == units[0] || unit == units[1] || unit == units[2];
        for (int value = 1; value <= grid.side(); ++value) {
            const int count = std::popcount(grid.positions(unit, value));
            if (count == 0 || count == 2) continue;
            if (count != 3 || !throughTriple || (extra != 0 && extra != value)) return true;
            extra = value;
        }
    }
    // Without the extra value the cell must leave the grid described above: the value must be one
    // of the cell's own and fit three times in each of its units, so that it fits twice in each
    // once the cell loses it. Its other two values then fit twice in those units already, as
    // every other count is 0 or 2. A value fitting three times elsewhere says nothing.
    if (extra == 0 || !grid.hasCandidate(triple, extra)) return true;
    for (const int unit : units)
        if (std::popcount(grid.positions(unit, extra)) != 3) return true;
    const GridKind& kind = grid.kind();
    Step step;
    step.cells = {triple};
    step.values = {extra};
    step.placements = {{triple, extra}};
    step.units = {unitRef(kind, units[0]), unitRef(kind, units[1]), unitRef(kind, units[2])};
    const std::string cell = cellName(kind, triple);
    const std::string x = std::to_string(extra);
    finishStep(kind, step, Technique::BugPlusOne, "at " + cell,
               "since the puzzle has one solution, it cannot leave a grid whose cells could all "
               "swap their two values: every empty cell but " +
                   cellWithCandidates(grid, triple) +
                   " holds two candidates, and every value fits twice or not at all in each unit, "
                   "except " +
                   x + ", which fits three times in " + unitName(kind, units[0]) + ", " +
                   unitName(kind, units[1]) + " and " + unitName(kind, units[2]) + "; if " + cell +
                   " were not " + x + ", that grid would be left");
    return sink(std::move(step));
}

}  // namespace quorvel::logic
