#pragma once
// The logic solver: from a grid's values, the path of named steps a person could follow, each
// found by the easiest technique that finds one. It never guesses. Grids without a solution are
// recognised (by the exact counter) before any step is taken, so every step holds in every
// solution of the grid. The same count tells whether the grid has exactly one solution, which
// the uniqueness techniques need: on a grid with several they find nothing.
//
// Values are given in cell order (index 0 is cell 1): 0 for empty, 1..N for a value.

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "logic/finders.h"
#include "logic/logic_grid.h"
#include "logic/step.h"
#include "logic/technique.h"

namespace quorvel::logic {

inline constexpr std::string_view kNoSolutionText = "This grid has no solution: check your entries";
inline constexpr std::string_view kStuckText =
    "No technique applies: the next value cannot be found by logic alone";
inline constexpr std::string_view kCompleteText = "The grid is already complete";

enum class PathEnd {
    Solved,      // every cell has a value
    Placed,      // (hints) the last step places a value
    Stuck,       // no technique applies to the grid where the path ends
    NoSolution,  // the values clash or leave no solution; no steps
};

struct LogicPath {
    PathEnd end = PathEnd::Stuck;
    std::vector<Step> steps;
    std::vector<int> values;  // the grid where the path ends
};

// Every instance of one technique on the grid, in a fixed order, until the sink stops.
bool findSteps(Technique technique, const LogicGrid& grid, const StepSink& sink);
// The first step of the easiest technique that finds one.
std::optional<Step> nextStep(const LogicGrid& grid);

// The whole path: ends Solved, Stuck or NoSolution.
LogicPath explainPath(const GridKind& kind, std::span<const int> values);
// The steps up to and including the next placement: ends Placed, Solved (nothing left to place,
// no steps), Stuck or NoSolution.
LogicPath hintPath(const GridKind& kind, std::span<const int> values);
// What to tell the user when a hint path places nothing (empty for Placed).
std::string_view pathMessage(PathEnd end);

}  // namespace quorvel::logic
