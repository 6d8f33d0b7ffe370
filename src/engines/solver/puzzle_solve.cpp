#include "engines/solver/puzzle_solve.h"

#include <memory>

#include "engines/solver/solve_texts.h"
#include "model/program_state.h"
#include "model/solve_tables.h"

namespace quorvel {

namespace {

// The tables of a grid loaded with the puzzle: layer 1 holds its values.
std::unique_ptr<SolveTables> loadedTables(const Puzzle& puzzle) {
    auto tables = std::make_unique<SolveTables>(puzzle.kind);  // large: keep off the stack
    const int count = std::min(puzzle.kind.cellCount(), static_cast<int>(puzzle.values.size()));
    for (int cell = 1; cell <= count; ++cell)
        tables->setValue(kWorkLayer, cell, puzzle.values[cell - 1]);
    return tables;
}

std::vector<int> layerValues(const SolveTables& tables, int layer) {
    std::vector<int> values(tables.cellCount());
    for (int cell = 1; cell <= tables.cellCount(); ++cell)
        values[cell - 1] = tables.value(layer, cell);
    return values;
}

// The consistency check's duplicate message for cell 1 of the shown grid, or "" when cell 1
// shows no value twice in its row, block or column.
std::string duplicateAtFirstCell(const GridKind& kind, const std::vector<int>& shown) {
    const int value = shown[0];
    if (value == 0) return {};
    const UnitTables& tables = unitTables(kind);
    for (int i = 0; i < tables.peerCount[1]; ++i) {
        if (shown[tables.peers[1][i] - 1] == value) return "DUPLICATE : " + valueText(value);
    }
    return {};
}

}  // namespace

PuzzleSolve solvePuzzle(const Puzzle& puzzle, SolveMode mode) {
    const auto tables = loadedTables(puzzle);
    ProgramState session;
    session.solveMode = mode;
    PuzzleSolve solve;
    solve.outcome = solveTables(*tables, session, false);
    solve.outcome.ran = true;
    const SolveOutcome& outcome = solve.outcome;
    // A run that guessed and failed shows the grid before the guesses.
    const bool beforeGuesses = !outcome.result && outcome.guessed;
    solve.grid = layerValues(*tables, beforeGuesses ? kPropagatedLayer : kWorkLayer);
    if (!outcome.result) {
        solve.message = incompleteText(mode);
    } else {
        solve.message = mode == SolveMode::NumberCrunch ? requiredText(outcome.reason) : kDoneText;
    }
    return solve;
}

PuzzleSolve nextStepOf(const Puzzle& puzzle) {
    const auto tables = loadedTables(puzzle);
    const std::vector<int> before = layerValues(*tables, kWorkLayer);
    ProgramState session;
    session.solveMode = SolveMode::NumberCrunch;
    PuzzleSolve solve;
    solve.outcome = solveTables(*tables, session, true);
    solve.outcome.ran = true;
    const SolveOutcome& outcome = solve.outcome;
    if (outcome.result) {
        // The grid before the run with the single placed and the guess that solved it.
        solve.grid = layerValues(*tables, kStartLayer);
        if (outcome.guessCell != 0) solve.grid[outcome.guessCell - 1] = outcome.guessValue;
    } else {
        solve.grid = before;
        if (outcome.singleCell != 0) solve.grid[outcome.singleCell - 1] = outcome.singleValue;
    }
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before[i] == 0 && solve.grid[i] != 0) {
            solve.cell = static_cast<int>(i) + 1;
            solve.value = solve.grid[i];
            break;
        }
    }
    const bool nothingFound = !outcome.result && solve.cell == 0;
    solve.message = nothingFound ? kNoSolutionText : outcome.reason;
    // The check that ends the command names a duplicate at cell 1 instead.
    const std::string duplicate = duplicateAtFirstCell(puzzle.kind, solve.grid);
    if (!duplicate.empty()) solve.message = duplicate;
    return solve;
}

}  // namespace quorvel
