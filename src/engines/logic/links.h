#pragma once
// Strong links: a unit where a value fits in exactly two cells, so one of them holds it; and the
// links of a step's chain between single candidates.

#include <vector>

#include "engines/logic/logic_grid.h"
#include "engines/logic/step.h"

namespace quorvel::logic {

struct StrongLink {
    int unit;
    int first;   // the lower-numbered cell
    int second;  // the other cell
};

// The strong links for `value` in units first..last-1, in unit order.
std::vector<StrongLink> strongLinks(const LogicGrid& grid, int value, int first, int last);

// The lowest-numbered unit in which `a` and `b` are the only places for `value`, or -1.
int strongLinkUnit(const LogicGrid& grid, int value, int a, int b);

// Eliminations of `value` from every cell that sees all of `targets` and is not in `pattern`.
std::vector<CellValue> seenByAll(const LogicGrid& grid, int value, const std::vector<int>& targets,
                                 const std::vector<int>& pattern);

// The chain link from `fromValue` in `fromCell` to `toValue` in `toCell`.
ChainLink candidateLink(int fromCell, int fromValue, int toCell, int toValue, bool strong);

// Two patterns reported as one step (the dual forms): `first`'s values, the cells, units and
// eliminations of both, and `second`'s chain after `first`'s.
Step joinedSteps(const Step& first, const Step& second);
// True when `step` removes a candidate `other` does not.
bool removesMore(const Step& step, const Step& other);

}  // namespace quorvel::logic
