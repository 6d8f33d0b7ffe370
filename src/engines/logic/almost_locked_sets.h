#pragma once
// Almost locked sets: n empty cells of one unit holding n + 1 values between them (a single cell
// with two candidates is one). Should the set lose one of its values, it is locked on the
// others: each of them is in one of its cells. Two sets are linked by a value x, a restricted
// common, when each cell holding x in one sees each cell holding x in the other: x is then in
// one of them at most, so one of the two holds all its other values.

#include <array>
#include <string>
#include <vector>

#include "engines/logic/cell_set.h"
#include "engines/logic/logic_grid.h"

namespace quorvel::logic {

struct AlmostLockedSet {
    CellSet cells;
    int size = 0;  // cells
    ValueMask values = 0;
    // Per value it holds: the cells outside the set that see each of its cells holding it.
    std::array<CellSet, kMaxSide + 1> seenBy;
    // The values for which some cell outside holds the value and sees each of its cells holding
    // it: only these can be removed by a chain ending in the set.
    ValueMask reaching = 0;
};

// Two sets sharing no cell, linked by a value.
struct SetLink {
    int to;     // index of the other set
    int value;  // the restricted common
};

// The grid's empty cells per value and its almost locked sets, each cell set once, smaller sets
// first, with the links between them.
struct AlmostLockedSets {
    explicit AlmostLockedSets(const LogicGrid& grid);

    std::array<CellSet, kMaxSide + 1> holding;  // empty cells holding each value
    std::vector<AlmostLockedSet> sets;
    std::vector<std::vector<SetLink>> links;  // per set, by other set then value

    // The cells outside `a` and `b` holding `value` that see each cell of both holding it.
    CellSet seeingBoth(const AlmostLockedSet& a, const AlmostLockedSet& b, int value) const;

  private:
    void linkSets(const LogicGrid& grid);
};

// The almost locked sets of the grid as it stands. The solver tries the finders that need them
// one after another on the same grid, so they are built once and kept until the grid differs.
const AlmostLockedSets& almostLockedSets(const LogicGrid& grid);

// "r3c1 and r3c5 (holding 1, 2 and 5)".
std::string setText(const GridKind& kind, const AlmostLockedSet& set);

}  // namespace quorvel::logic
