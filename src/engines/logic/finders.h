#pragma once
// The technique finders. Each reports every instance of its technique that removes or places
// something, in a fixed order, until the sink asks it to stop. Instances that change nothing are
// never reported. A finder serving one technique is `Finder` (engines/logic/technique.h) and
// declared by its row of the technique table; the finders below serve a family, each row passing
// the arguments that pick its technique.

#include "engines/logic/logic_grid.h"
#include "engines/logic/step.h"
#include "engines/logic/technique.h"

namespace quorvel::logic {

// Fish without fins, finned fish, and Sashimi fish (finned, with a base line that holds the value
// only once apart from its fins).
enum class FishFins { None, Finned, Sashimi };
// Fish whose base and cover sets mix blocks in: Franken fish take rows and blocks on one side and
// columns and blocks on the other (at least one block); Mutant fish any other mix.
enum class FishShape { Franken, Mutant };

// Each returns false when the sink ended the search, true when it ran to the end.
bool findNakedSubset(const LogicGrid& grid, int size, const StepSink& sink);
// Locked Pair (size 2) and Locked Triple (3).
bool findLockedSubset(const LogicGrid& grid, int size, const StepSink& sink);
bool findHiddenSubset(const LogicGrid& grid, int size, const StepSink& sink);
bool findFish(const LogicGrid& grid, int size, FishFins fins, const StepSink& sink);
// Franken and Mutant fish of `size` base sets, with fins or (`finned` false) without.
bool findComplexFish(const LogicGrid& grid, int size, FishShape shape, bool finned,
                     const StepSink& sink);
// Two finned or Sashimi fish of `size` lines sharing their base lines, as one step.
bool findSiameseFish(const LogicGrid& grid, int size, const StepSink& sink);
// The uniqueness techniques find nothing unless grid.oneSolution(). `technique` is one of the
// Unique Rectangle types, Hidden Rectangle or the rectangles with missing candidates.
bool findUniqueRectangle(const LogicGrid& grid, Technique technique, const StepSink& sink);
// `technique` is one of the Avoidable Rectangle types.
bool findAvoidableRectangle(const LogicGrid& grid, Technique technique, const StepSink& sink);
// AIC and nice loops, plain or (`grouped`) with at least one group node
// (engines/logic/chain_graph.h).
bool findAic(const LogicGrid& grid, bool grouped, const StepSink& sink);
bool findNiceLoop(const LogicGrid& grid, bool continuous, bool grouped, const StepSink& sink);
// The same with at least one almost locked set as a node (its cells holding a value).
bool findAlsNiceLoop(const LogicGrid& grid, bool continuous, const StepSink& sink);

}  // namespace quorvel::logic
