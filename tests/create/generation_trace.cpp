#include "create/generation_trace.h"

namespace quorvel::testing {

namespace {

// Where the fill stands: cells 1..cell-1 filled, cells after `cell` empty.
TraceStep stepAt(const GridKind& kind, const std::uint8_t* grid, int cell) {
    TraceStep step;
    step.cell = cell;
    step.value = grid[cell];
    for (int c = 1; c < cell; ++c)
        step.filledBefore = step.filledBefore && grid[c] != 0;
    for (int c = cell + 1; c <= kind.cellCount(); ++c)
        step.emptyAfter = step.emptyAfter && grid[c] == 0;
    return step;
}

}  // namespace

std::optional<std::vector<int>> TracedFill::run(RandomSource& random) {
    FillHooks hooks;
    hooks.checked = [this](int cell, const std::uint8_t* grid, bool duplicate) {
        TraceStep step = stepAt(kind, grid, cell);
        step.duplicate = duplicate;
        trace.push_back(step);
        if (stopAfterChecks > 0 && ++checks == stopAfterChecks) session.stopRequested = true;
    };
    hooks.deadEnd = [this](int cell, const std::uint8_t* grid, int highestRow) {
        TraceStep step = stepAt(kind, grid, cell);
        step.deadEnd = true;
        step.message = generatingRowText(highestRow);
        trace.push_back(step);
    };
    return fillRandomGrid(kind, random, session, hooks);
}

}  // namespace quorvel::testing
