#include "engines/logic/logic_solver.h"

#include <algorithm>
#include <iterator>

#include "engines/logic/step_text.h"
#include "engines/solver/solution_count.h"

namespace quorvel::logic {

namespace {

// A cell whose candidates lack the value the first solution of the values alone gives it; none
// (cell 0) when the values have no solution either. Without candidates the state is the values
// alone, which the count already found without a solution.
CellValue neededCandidate(const CountedState& state) {
    if (state.candidates.empty()) return {};
    const SolutionCount plain = countSolutions(state.kind, state.values, 1);
    for (std::size_t i = 0; i < plain.firstSolution.size() && i < state.candidates.size(); ++i) {
        const int value = plain.firstSolution[i];
        if (((state.candidates[i] >> value) & 1u) == 0) return {static_cast<int>(i) + 1, value};
    }
    return {};
}

LogicPath runPath(const CountedState& state, const StepChoice& choose, bool untilPlacement) {
    LogicPath path;
    path.kind = state.kind;
    path.values = state.values;
    if (state.solutions.count == 0) {
        path.needed = neededCandidate(state);
        path.end = path.needed.cell != 0 ? PathEnd::CandidateRemoved : PathEnd::NoSolution;
        return path;
    }
    LogicGrid grid(state.kind, state.values, state.candidates, state.givens);
    grid.setOneSolution(state.solutions.count == 1);
    grid.setSolution(state.solutions.firstSolution);
    path.end = PathEnd::Solved;
    while (grid.emptyCount() > 0) {
        std::optional<Step> step = choose(grid);
        if (!step) {
            path.end = PathEnd::Stuck;
            break;
        }
        grid.apply(*step);
        const bool places = !step->placements.empty();
        path.steps.push_back(std::move(*step));
        if (untilPlacement && places) {
            path.end = PathEnd::Placed;
            break;
        }
    }
    path.values = grid.values();
    return path;
}

}  // namespace

CountedState countState(const GridKind& kind, std::span<const int> values,
                        std::span<const ValueMask> candidates) {
    return {kind,
            std::vector<int>(values.begin(), values.end()),
            std::vector<ValueMask>(candidates.begin(), candidates.end()),
            countSolutions(kind, values, 2, candidates),
            {}};
}

bool findSteps(Technique technique, const LogicGrid& grid, const StepSink& sink) {
    return techniqueInfo(technique).find(grid, sink);
}

std::vector<TechniqueInfo> explainOrder(const OptionalTechniques& turnedOn,
                                        std::optional<Technique> preferred) {
    std::vector<TechniqueInfo> order;
    std::ranges::copy_if(allTechniques(), std::back_inserter(order),
                         [&](const TechniqueInfo& info) {
                             return isTried(info, turnedOn) || info.technique == preferred;
                         });
    if (preferred) {
        const auto found = std::ranges::find(order, *preferred, &TechniqueInfo::technique);
        // The technique itself is one whose rating is at least its own: it never moves back.
        const auto notLower = std::ranges::find_if(order, [&found](const TechniqueInfo& info) {
            return info.rating.low >= found->rating.low;
        });
        std::rotate(notLower, found, found + 1);
    }
    return order;
}

std::optional<Step> nextStep(const LogicGrid& grid, std::span<const TechniqueInfo> order) {
    std::optional<Step> found;
    for (const TechniqueInfo& info : order) {
        info.find(grid, [&](Step&& step) {
            found = std::move(step);
            return false;
        });
        if (found) break;
    }
    return found;
}

LogicPath explainPath(const CountedState& state, const OptionalTechniques& turnedOn,
                      std::optional<Technique> preferred) {
    const std::vector<TechniqueInfo> order = explainOrder(turnedOn, preferred);
    return runPath(
        state, [&](const LogicGrid& grid) { return nextStep(grid, order); }, false);
}

LogicPath explainPath(const GridKind& kind, std::span<const int> values,
                      std::span<const ValueMask> candidates, const std::vector<bool>& givens,
                      const OptionalTechniques& turnedOn, std::optional<Technique> preferred) {
    CountedState state = countState(kind, values, candidates);
    state.givens = givens;
    return explainPath(state, turnedOn, preferred);
}

LogicPath choosePath(const CountedState& state, const StepChoice& choose) {
    return runPath(state, choose, false);
}

LogicPath hintPath(const CountedState& state, const OptionalTechniques& turnedOn,
                   std::optional<Technique> preferred) {
    const std::vector<TechniqueInfo> order = explainOrder(turnedOn, preferred);
    return runPath(
        state, [&](const LogicGrid& grid) { return nextStep(grid, order); }, true);
}

LogicPath hintPath(const GridKind& kind, std::span<const int> values,
                   std::span<const ValueMask> candidates, const std::vector<bool>& givens,
                   const OptionalTechniques& turnedOn, std::optional<Technique> preferred) {
    CountedState state = countState(kind, values, candidates);
    state.givens = givens;
    return hintPath(state, turnedOn, preferred);
}

std::string pathMessage(const LogicPath& path) {
    switch (path.end) {
        case PathEnd::Solved:
            return std::string(kCompleteText);
        case PathEnd::Stuck:
            return std::string(kStuckText);
        case PathEnd::NoSolution:
            return std::string(kNoSolutionText);
        case PathEnd::CandidateRemoved: {
            return std::string(kCandidateRemovedText) + cellName(path.kind, path.needed.cell) +
                   " must be able to hold " + std::to_string(path.needed.value);
        }
        case PathEnd::Placed:
            break;
    }
    return {};
}

}  // namespace quorvel::logic
