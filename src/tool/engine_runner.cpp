#include "tool/engine_runner.h"

#include <memory>

#include "model/board.h"
#include "model/headless_grid_events.h"
#include "model/puzzle_board.h"
#include "model/session.h"
#include "solver/solve_commands.h"

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
    Session session;
    HeadlessGridEvents events(session);
    const auto board = std::make_unique<Board>(kind, session, events);  // large: keep off the stack
    loadGivens(*board, puzzle);
    const SolveOutcome outcome = solveCommand(*board, events, modeOf(strength));
    return {outcome.result, outcome.guesses, shownValues(*board)};
}

}  // namespace

EngineRunner engineRunner() {
    return runEngine;
}

}  // namespace quorvel::tool
