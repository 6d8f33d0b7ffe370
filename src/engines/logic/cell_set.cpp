#include "engines/logic/cell_set.h"

#include <vector>

namespace quorvel::logic {

PeerSets buildPeerSets(const GridKind& kind) {
    const UnitTables& tables = unitTables(kind);
    PeerSets sets;
    for (int cell = 1; cell <= kind.cellCount(); ++cell)
        for (int i = 0; i < tables.peerCount[cell]; ++i)
            sets[cell].insert(tables.peers[cell][i]);
    return sets;
}

UnitSets buildUnitSets(const GridKind& kind) {
    const UnitTables& tables = unitTables(kind);
    UnitSets sets;
    for (int unit = 0; unit < 3 * kind.side; ++unit)
        for (int i = 0; i < kind.side; ++i)
            sets[unit].insert(tables.unitCells[unit][i]);
    return sets;
}

CellSet candidateCells(const LogicGrid& grid, int value) {
    CellSet cells;
    for (int cell = 1; cell <= grid.cellCount(); ++cell)
        if (grid.hasCandidate(cell, value)) cells.insert(cell);
    return cells;
}

CellSet seeingAll(const GridKind& kind, const CellSet& cells) {
    CellSet seen;
    bool first = true;
    cells.forEach([&](int cell) {
        if (first)
            seen = peerSet(kind, cell);
        else
            seen &= peerSet(kind, cell);
        first = false;
    });
    return seen;
}

std::vector<int> cellsOf(const CellSet& cells) {
    std::vector<int> list;
    cells.forEach([&](int cell) { list.push_back(cell); });
    return list;
}

}  // namespace quorvel::logic
