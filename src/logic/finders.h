#pragma once
// The technique finders. Each reports every instance of its technique that removes or places
// something, in a fixed order, until the sink asks it to stop. Instances that change nothing are
// never reported.

#include <functional>

#include "logic/logic_grid.h"
#include "logic/step.h"

namespace quorvel::logic {

// Fish without fins, finned fish, and Sashimi fish (finned, with a base line that holds the value
// only once apart from its fins).
enum class FishFins { None, Finned, Sashimi };

// Receives one step; returns false to end the search.
using StepSink = std::function<bool(Step&&)>;

// Each returns false when the sink ended the search, true when it ran to the end.
bool findFullHouse(const LogicGrid& grid, const StepSink& sink);
bool findNakedSingle(const LogicGrid& grid, const StepSink& sink);
bool findHiddenSingle(const LogicGrid& grid, const StepSink& sink);
bool findPointing(const LogicGrid& grid, const StepSink& sink);
bool findClaiming(const LogicGrid& grid, const StepSink& sink);
bool findNakedSubset(const LogicGrid& grid, int size, const StepSink& sink);
bool findHiddenSubset(const LogicGrid& grid, int size, const StepSink& sink);
bool findFish(const LogicGrid& grid, int size, FishFins fins, const StepSink& sink);
bool findSkyscraper(const LogicGrid& grid, const StepSink& sink);
bool findTwoStringKite(const LogicGrid& grid, const StepSink& sink);
bool findTurbotFish(const LogicGrid& grid, const StepSink& sink);
bool findEmptyRectangle(const LogicGrid& grid, const StepSink& sink);
bool findXChain(const LogicGrid& grid, const StepSink& sink);
bool findXyWing(const LogicGrid& grid, const StepSink& sink);
bool findXyzWing(const LogicGrid& grid, const StepSink& sink);
bool findWWing(const LogicGrid& grid, const StepSink& sink);
bool findWxyzWing(const LogicGrid& grid, const StepSink& sink);
bool findSimpleColouring(const LogicGrid& grid, const StepSink& sink);
// The uniqueness techniques find nothing unless grid.oneSolution(). `technique` is one of the
// Unique Rectangle types or Hidden Rectangle.
bool findUniqueRectangle(const LogicGrid& grid, Technique technique, const StepSink& sink);
bool findBugPlusOne(const LogicGrid& grid, const StepSink& sink);
bool findSueDeCoq(const LogicGrid& grid, const StepSink& sink);
bool findAlsXz(const LogicGrid& grid, const StepSink& sink);
bool findAlsXyWing(const LogicGrid& grid, const StepSink& sink);
bool findAlsXyChain(const LogicGrid& grid, const StepSink& sink);
bool findDeathBlossom(const LogicGrid& grid, const StepSink& sink);
bool findAlignedPairExclusion(const LogicGrid& grid, const StepSink& sink);
bool findRemotePair(const LogicGrid& grid, const StepSink& sink);
bool findXyChain(const LogicGrid& grid, const StepSink& sink);
// AIC and nice loops, plain or (`grouped`) with at least one group node
// (logic/chain_graph.h).
bool findAic(const LogicGrid& grid, bool grouped, const StepSink& sink);
bool findNiceLoop(const LogicGrid& grid, bool continuous, bool grouped, const StepSink& sink);
// Forcing chains follow the graph's links from an assumption (logic/forcing_net.h): to a
// contradiction, or from every candidate of a cell (every place of a value in a unit) to the same
// conclusion.
bool findForcingChainContradiction(const LogicGrid& grid, const StepSink& sink);
bool findForcingChainVerity(const LogicGrid& grid, const StepSink& sink);
// Forcing nets follow an assumption through singles, then also the simpler techniques, then
// nested forcing nets, each depth tried only when the one before finds nothing.
bool findForcingNet(const LogicGrid& grid, const StepSink& sink);

}  // namespace quorvel::logic
