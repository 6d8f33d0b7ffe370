#pragma once
// `fillRandomGrid`: a random valid full grid, filled cell by cell in reading order with
// backtracking: each cell draws a position in the list of values it has not tried, a cell with a
// single candidate takes it, a value that repeats one of its row, block or column leaves the list,
// a cell left without candidates is a dead end that starts its row again (and, after enough of
// them, a larger part of the grid). The generator works on its own grid and shows nothing; the
// Computer Generated Puzzle command (application/commands/grid_setup_generator.h) puts the grid on
// the window, engines/create/generated_puzzle.h makes puzzles of it without one.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engines/create/random_source.h"
#include "model/grid_kind.h"
#include "model/program_state.h"

namespace quorvel {

// What the fill reports as it goes; either may be empty.
struct FillHooks {
    // A value was placed in `cell` and checked: `grid` holds the values so far (index 1..N*N,
    // 0 = empty) and `duplicate` says whether the value repeats one of the cell's peers.
    std::function<void(int cell, const std::uint8_t* grid, bool duplicate)> checked;
    // `cell` was left without candidates (`grid` as above, the cell holding the last value
    // drawn); `highestRow` is the lowest row a dead end has reached so far, which the progress
    // line names.
    std::function<void(int cell, const std::uint8_t* grid, int highestRow)> deadEnd;
};

// The full grid (index 0 is cell 1), or nothing when session.stopRequested was found set before
// a try. The caller clears the flag before it starts a generation.
std::optional<std::vector<int>> fillRandomGrid(const GridKind& kind, RandomSource& random,
                                               const ProgramState& session,
                                               const FillHooks& hooks = {});

// "Generating row 7": the progress line of a dead end.
inline constexpr std::string_view kGeneratingRowLead = "Generating row ";
std::string generatingRowText(int row);

}  // namespace quorvel
