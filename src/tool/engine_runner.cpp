#include "tool/engine_runner.h"

#include "solver/puzzle_solve.h"

namespace quorvel::tool {
namespace {

int modeOf(EngineStrength strength) {
    switch (strength) {
        case EngineStrength::MildAttack:
            return kMildAttack;
        case EngineStrength::BruteForce:
            return kBruteForce;
        case EngineStrength::NumberCrunch:
            break;
    }
    return kNumberCrunch;
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
