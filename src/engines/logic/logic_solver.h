#pragma once
// The logic solver: from a grid's values, the path of named steps a person could follow, each
// found by the easiest technique that finds one. It never guesses. Grids without a solution are
// recognised (by the exact counter) before any step is taken, so every step holds in every
// solution of the grid. The same count tells whether the grid has exactly one solution, which
// the uniqueness techniques need: on a grid with several they find nothing.
//
// Values are given in cell order (index 0 is cell 1): 0 for empty, 1..N for a value. A candidate
// state adds a mask per cell (bit v for value v): the logic starts from those candidates, and a
// state that removed a value every solution of its values needs is named before any step.

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engines/logic/logic_grid.h"
#include "engines/logic/optional_techniques.h"
#include "engines/logic/step.h"
#include "engines/logic/technique.h"
#include "engines/solver/solution_count.h"

namespace quorvel::logic {

inline constexpr std::string_view kNoSolutionText = "This grid has no solution: check your entries";
inline constexpr std::string_view kStuckText =
    "No technique applies: the next value cannot be found by logic alone";
inline constexpr std::string_view kCompleteText = "The grid is already complete";
inline constexpr std::string_view kCandidateRemovedText =
    "A candidate the solution needs was removed: ";

enum class PathEnd {
    Solved,            // every cell has a value
    Placed,            // (hints) the last step places a value
    Stuck,             // no technique applies to the grid where the path ends
    NoSolution,        // the values clash or leave no solution; no steps
    CandidateRemoved,  // the values have a solution, but the candidates left allow none
};

struct LogicPath {
    PathEnd end = PathEnd::Stuck;
    std::vector<Step> steps;
    GridKind kind = kNineGrid;
    std::vector<int> values;  // the grid where the path ends
    CellValue needed;         // CandidateRemoved: a cell lacking the value a solution needs
};

// A grid state with its solutions counted once (up to two, by the exact counter), which the
// path or rating made from it reads instead of counting again.
struct CountedState {
    GridKind kind = kNineGrid;
    std::vector<int> values;
    std::vector<ValueMask> candidates;  // empty: every candidate the values leave
    SolutionCount solutions;            // of the values within the candidates, limit 2
    std::vector<bool> givens;           // which values are givens; empty: all of them
};
CountedState countState(const GridKind& kind, std::span<const int> values,
                        std::span<const ValueMask> candidates = {});

// Every instance of one technique on the grid, in a fixed order, until the sink stops.
bool findSteps(Technique technique, const LogicGrid& grid, const StepSink& sink);

// The techniques the explain and hint paths try, in the order they try them: the table's, of the
// optional ones those turned on. A preferred technique (a practice puzzle's; tried even when it is
// an option left off) moves up to just before the first technique whose lowest rating is at
// least its own, the others keeping their order: a step of it is taken before one of any
// technique rated as high or higher, and only techniques rated lower are tried before it.
std::vector<TechniqueInfo> explainOrder(const OptionalTechniques& turnedOn = {},
                                        std::optional<Technique> preferred = {});
// The first step of the first technique of `order` that finds one.
std::optional<Step> nextStep(const LogicGrid& grid, std::span<const TechniqueInfo> order);

// The whole path: ends Solved, Stuck or NoSolution. `turnedOn` and `preferred` give the order
// the techniques are tried in (explainOrder).
LogicPath explainPath(const CountedState& state, const OptionalTechniques& turnedOn = {},
                      std::optional<Technique> preferred = {});
LogicPath explainPath(const GridKind& kind, std::span<const int> values,
                      std::span<const ValueMask> candidates = {},
                      const std::vector<bool>& givens = {}, const OptionalTechniques& turnedOn = {},
                      std::optional<Technique> preferred = {});
// The whole path of the steps `choose` picks on each grid (nothing when none applies), as
// explainPath with nextStep; the rating takes its own order this way
// (engines/logic/puzzle_rating.h).
using StepChoice = std::function<std::optional<Step>(const LogicGrid&)>;
LogicPath choosePath(const CountedState& state, const StepChoice& choose);
// The steps up to and including the next placement: ends Placed, Solved (nothing left to place,
// no steps), Stuck, NoSolution or CandidateRemoved.
LogicPath hintPath(const CountedState& state, const OptionalTechniques& turnedOn = {},
                   std::optional<Technique> preferred = {});
LogicPath hintPath(const GridKind& kind, std::span<const int> values,
                   std::span<const ValueMask> candidates = {}, const std::vector<bool>& givens = {},
                   const OptionalTechniques& turnedOn = {},
                   std::optional<Technique> preferred = {});
// What to tell the user when a hint path places nothing (empty for Placed).
std::string pathMessage(const LogicPath& path);

}  // namespace quorvel::logic
