#include "programs/tool/engine_runner.h"

#include "engines/solver/puzzle_solve.h"

namespace quorvel::tool {
namespace {

SolveMode modeOf(EngineStrength strength) {
    switch (strength) {
        case EngineStrength::MildAttack:
            return SolveMode::MildAttack;
        case EngineStrength::BruteForce:
            return SolveMode::BruteForce;
        case EngineStrength::NumberCrunch:
            break;
    }
    return SolveMode::NumberCrunch;
}

EngineVerdict runEngine(const GridKind& kind, const CellValues& puzzle, EngineStrength strength) {
    const PuzzleSolve solve = solvePuzzle(Puzzle{kind, puzzle, {}, {}}, modeOf(strength));
    return {solve.outcome.result, solve.outcome.guesses, solve.grid};
}

}  // namespace

EngineRunner engineRunner() {
    return runEngine;
}

}  // namespace quorvel::tool
