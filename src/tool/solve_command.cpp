// quorvel-tool solve: loads each puzzle into a fresh grid, runs one Assist Solve command on it as
// the main window would, and prints the outcome as one compact JSON object a line.

#include <memory>
#include <optional>
#include <string>

#include "model/board.h"
#include "model/headless_grid_events.h"
#include "model/puzzle_board.h"
#include "model/puzzle_line.h"
#include "solver/solve_commands.h"
#include "tool/command_registry.h"
#include "tool/puzzle_input.h"

namespace quorvel::tool {

namespace {

constexpr int kGetNextMode = 3;

std::optional<int> modeNamed(const std::string& name) {
    if (name == "mild") return kMildAttack;
    if (name == "brute") return kBruteForce;
    if (name == "crunch") return kNumberCrunch;
    if (name == "next") return kGetNextMode;
    return std::nullopt;
}

std::string solveOne(const PuzzleLine& puzzle, int mode) {
    Session session;
    HeadlessGridEvents events(session);
    const auto board = std::make_unique<Board>(puzzle.kind, session, events);
    loadGivens(*board, puzzle.values);
    SolveOutcome outcome;
    GetNextOutcome next;
    if (mode == kGetNextMode) {
        next = getNextCommand(*board, events);
        outcome = next.solve;
    } else {
        outcome = solveCommand(*board, events, mode);
    }
    std::string json = "{\"size\":" + std::to_string(puzzle.kind.side) +
                       ",\"result\":" + (outcome.result ? "true" : "false") +
                       ",\"message\":" + jsonString(events.messageText()) +
                       ",\"reason\":" + jsonString(outcome.reason) +
                       ",\"guesses\":" + std::to_string(outcome.guesses) + ",\"grid\":" +
                       jsonString(formatPuzzleLine(puzzle.kind, shownValues(*board)));
    if (mode == kGetNextMode)
        json +=
            ",\"cell\":" + std::to_string(next.cell) + ",\"value\":" + std::to_string(next.value);
    return json + "}";
}

int fail(const std::string& problem) {
    return failCommand("solve", problem);
}

int runSolve(const std::vector<std::string>& args) {
    std::optional<int> mode;
    std::optional<std::string> source;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--mode") {
            if (i + 1 == args.size()) return fail("--mode needs mild, brute, crunch or next");
            mode = modeNamed(args[++i]);
            if (!mode) return fail("unknown mode '" + args[i] + "' (mild, brute, crunch or next)");
        } else if (!source) {
            source = args[i];
        } else {
            return fail("unexpected argument '" + args[i] + "'");
        }
    }
    if (!mode) return fail("missing --mode mild|brute|crunch|next");
    if (!source) return fail("missing puzzle (a puzzle line, or - for standard input)");
    return answerPuzzles("solve", *source,
                         [&](const PuzzleLine& puzzle) { return solveOne(puzzle, *mode); });
}

const bool registered =
    registerCommand("solve", {runSolve, "solve --mode mild|brute|crunch|next PUZZLE|-"});

}  // namespace
}  // namespace quorvel::tool
