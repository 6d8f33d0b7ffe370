// Fuzzes the logic solver on candidate states no path of its own would reach: every technique's
// finder and the whole hint path must hold in the state's solutions.
//
// The input's first line is a puzzle line; its values are the givens. The byte after the line
// break keeps a puzzle with several solutions as it is when odd; otherwise values of the first
// solution are added where two solutions differ until one is left. Each later pair of bytes names
// a cell and a value to remove from the candidates, unless a solution of the givens needs it, so
// the state always holds that solution. Fails on an elimination of a solution's value, on a
// placement that is wrong or not a candidate, on the removal of something that is not a
// candidate, and on any uniqueness technique used when the state has more than one solution.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engines/logic/logic_solver.h"
#include "engines/solver/solution_count.h"
#include "fuzz_check.h"
#include "model/puzzle_line.h"

using namespace quorvel;
using namespace quorvel::logic;

namespace {

// Finders stop after this many instances of one technique: enough to reach the later patterns,
// few enough that the forcing nets on a 15 x 15 grid stay within a fraction of a second.
constexpr int kStepsPerTechnique = 12;

struct State {
    GridKind kind = kNineGrid;
    std::vector<int> values;
    std::vector<ValueMask> candidates;
    std::vector<CellValues> solutions;  // the state's solutions (at most two known)
};

// Each step is checked on the grid it was found on.
void checkStep(const LogicGrid& grid, const State& state, const Step& step) {
    const bool uniqueness = techniqueInfo(step.technique).group == TechniqueGroup::Uniqueness;
    FUZZ_CHECK(!uniqueness || state.solutions.size() == 1);
    FUZZ_CHECK(!step.eliminations.empty() || !step.placements.empty());
    for (const CellValue& removed : step.eliminations) {
        FUZZ_CHECK(grid.hasCandidate(removed.cell, removed.value));
        for (const CellValues& solution : state.solutions)
            FUZZ_CHECK(solution[removed.cell - 1] != removed.value);
    }
    for (const CellValue& placed : step.placements) {
        FUZZ_CHECK(grid.hasCandidate(placed.cell, placed.value));
        for (const CellValues& solution : state.solutions)
            FUZZ_CHECK(solution[placed.cell - 1] == placed.value);
    }
}

// Nothing when the line is no puzzle or the givens have no solution.
std::optional<State> stateOf(std::string_view bytes) {
    const std::size_t lineEnd = bytes.find('\n');
    const PuzzleLineResult read = parsePuzzleLine(bytes.substr(0, lineEnd));
    if (!read.puzzle) return std::nullopt;
    State state;
    state.kind = read.puzzle->kind;
    state.values = read.puzzle->values;
    std::string_view rest = lineEnd == std::string_view::npos ? "" : bytes.substr(lineEnd + 1);
    const bool keepSeveral = !rest.empty() && (rest.front() & 1) != 0;
    if (!rest.empty()) rest.remove_prefix(1);
    SolutionCount count = countSolutions(state.kind, state.values, 2);
    if (count.count == 0) return std::nullopt;
    while (!keepSeveral && count.count > 1) {
        const int cell = differingCells(count).front();
        state.values[cell - 1] = count.firstSolution[cell - 1];
        count = countSolutions(state.kind, state.values, 2);
    }
    const CellValues& kept = count.firstSolution;
    const LogicGrid full(state.kind, state.values);
    for (int cell = 1; cell <= state.kind.cellCount(); ++cell)
        state.candidates.push_back(state.values[cell - 1] != 0
                                       ? static_cast<ValueMask>(1u << state.values[cell - 1])
                                       : full.candidates(cell));
    for (std::size_t i = 0; i + 1 < rest.size(); i += 2) {
        const int cell = static_cast<std::uint8_t>(rest[i]) % state.kind.cellCount();
        const int value = static_cast<std::uint8_t>(rest[i + 1]) % state.kind.side + 1;
        if (kept[cell] != value) state.candidates[cell] &= static_cast<ValueMask>(~(1u << value));
    }
    const SolutionCount left = countSolutions(state.kind, state.values, 2, state.candidates);
    FUZZ_CHECK(left.count >= 1);
    state.solutions.push_back(left.firstSolution);
    if (left.count > 1) state.solutions.push_back(left.secondSolution);
    return state;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<State> state =
        stateOf(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!state) return 0;

    LogicGrid grid(state->kind, state->values, state->candidates);
    grid.setOneSolution(state->solutions.size() == 1);
    for (const TechniqueInfo& info : allTechniques()) {
        int found = 0;
        findSteps(info.technique, grid, [&](Step&& step) {
            FUZZ_CHECK(step.technique == info.technique);
            checkStep(grid, *state, step);
            return ++found < kStepsPerTechnique;
        });
    }

    const LogicPath hint = hintPath(state->kind, state->values, state->candidates);
    FUZZ_CHECK(hint.end == PathEnd::Placed || hint.end == PathEnd::Stuck ||
               (hint.end == PathEnd::Solved && grid.emptyCount() == 0));
    LogicGrid along(state->kind, state->values, state->candidates);
    along.setOneSolution(grid.oneSolution());
    for (const Step& step : hint.steps) {
        checkStep(along, *state, step);
        along.apply(step);
    }
    return 0;
}
