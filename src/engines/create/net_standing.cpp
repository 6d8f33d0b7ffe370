#include "engines/create/net_standing.h"

#include "engines/logic/logic_grid.h"
#include "engines/logic/net.h"

namespace quorvel {

namespace {

// One round of nets `depth` deep on the grid; returns how many candidates it removed or placed.
int narrow(logic::LogicGrid& grid, int depth) {
    const logic::NetState base(grid);
    std::vector<logic::CellValue> removed;
    std::vector<logic::CellValue> placed;
    for (int cell = 1; cell <= grid.cellCount(); ++cell) {
        if (grid.value(cell) != 0) continue;
        for (int value = 1; value <= grid.side(); ++value) {
            if (!grid.hasCandidate(cell, value)) continue;
            if (logic::Net on(grid, base, depth, false); !on.assume({cell, value}, true))
                removed.push_back({cell, value});
            else if (logic::Net off(grid, base, depth, false); !off.assume({cell, value}, false))
                placed.push_back({cell, value});
        }
    }
    for (const auto& [cell, value] : removed)
        grid.removeCandidate(cell, value);
    for (const auto& [cell, value] : placed)
        if (grid.value(cell) == 0) grid.place(cell, value);
    return static_cast<int>(removed.size() + placed.size());
}

}  // namespace

NetStanding netStanding(const GridKind& kind, const std::vector<int>& puzzle) {
    logic::LogicGrid grid(kind, puzzle);
    grid.setOneSolution(true);
    NetStanding standing;
    for (standing.depth = logic::kChainDepth; standing.depth <= kDeepestStanding;
         ++standing.depth) {
        standing.conclusions = narrow(grid, standing.depth);
        int changed = standing.conclusions;
        while (changed > 0 && grid.emptyCount() > 0)
            changed = narrow(grid, standing.depth);
        if (grid.emptyCount() == 0) return standing;
    }
    standing.conclusions = 0;
    return standing;
}

}  // namespace quorvel
