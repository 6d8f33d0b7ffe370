#include "engines/logic/links.h"

#include <algorithm>
#include <bit>

namespace quorvel::logic {

std::vector<StrongLink> strongLinks(const LogicGrid& grid, int value, int first, int last) {
    std::vector<StrongLink> links;
    for (int unit = first; unit < last; ++unit) {
        const unsigned where = grid.positions(unit, value);
        if (std::popcount(where) != 2) continue;
        const auto cells = grid.unitCells(unit);
        links.push_back({unit, cells[std::countr_zero(where)], cells[std::bit_width(where) - 1]});
    }
    return links;
}

int strongLinkUnit(const LogicGrid& grid, int value, int a, int b) {
    // Units are numbered rows, then columns, then blocks.
    for (const int unit : {grid.rowUnit(a), grid.columnUnit(a), grid.blockUnit(a)}) {
        const auto cells = grid.unitCells(unit);
        if (std::find(cells.begin(), cells.end(), b) != cells.end() &&
            std::popcount(grid.positions(unit, value)) == 2)
            return unit;
    }
    return -1;
}

std::vector<CellValue> seenByAll(const LogicGrid& grid, int value, const std::vector<int>& targets,
                                 const std::vector<int>& pattern) {
    std::vector<CellValue> eliminations;
    if (targets.empty()) return eliminations;
    for (const int cell : grid.peers(targets.front())) {
        if (!grid.hasCandidate(cell, value) ||
            std::find(pattern.begin(), pattern.end(), cell) != pattern.end())
            continue;
        if (std::all_of(targets.begin() + 1, targets.end(),
                        [&](int target) { return grid.sees(cell, target); }))
            eliminations.push_back({cell, value});
    }
    return eliminations;
}

ChainLink candidateLink(int fromCell, int fromValue, int toCell, int toValue, bool strong) {
    return {{{fromCell, fromValue}}, {{toCell, toValue}}, strong};
}

Step joinedSteps(const Step& first, const Step& second) {
    Step joined = first;
    for (const int cell : second.cells)
        if (std::find(joined.cells.begin(), joined.cells.end(), cell) == joined.cells.end())
            joined.cells.push_back(cell);
    for (const UnitRef& unit : second.units)
        if (std::find(joined.units.begin(), joined.units.end(), unit) == joined.units.end())
            joined.units.push_back(unit);
    joined.eliminations.insert(joined.eliminations.end(), second.eliminations.begin(),
                               second.eliminations.end());
    joined.chain.insert(joined.chain.end(), second.chain.begin(), second.chain.end());
    return joined;
}

bool removesMore(const Step& step, const Step& other) {
    return std::any_of(
        step.eliminations.begin(), step.eliminations.end(), [&](const CellValue& removed) {
            return std::find(other.eliminations.begin(), other.eliminations.end(), removed) ==
                   other.eliminations.end();
        });
}

}  // namespace quorvel::logic
