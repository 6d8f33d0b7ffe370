// quorvel-tool solve: runs one Assist Solve command on each puzzle as on a fresh grid (the engine
// without a window, engines/solver/puzzle_solve.h) and prints the outcome as one compact JSON
// object a line.

#include <optional>
#include <string>

#include "engines/solver/puzzle_solve.h"
#include "model/puzzle_line.h"
#include "programs/tool/command_registry.h"
#include "programs/tool/puzzle_input.h"

namespace quorvel::tool {

namespace {

// A run in one of the engine's strengths, or Get Next's one step.
struct SolveChoice {
    SolveMode mode = SolveMode::NumberCrunch;
    bool getNext = false;
};

std::optional<SolveChoice> modeNamed(const std::string& name) {
    if (name == "mild") return SolveChoice{SolveMode::MildAttack};
    if (name == "brute") return SolveChoice{SolveMode::BruteForce};
    if (name == "crunch") return SolveChoice{SolveMode::NumberCrunch};
    if (name == "next") return SolveChoice{SolveMode::NumberCrunch, true};
    return std::nullopt;
}

std::string solveOne(const Puzzle& puzzle, const SolveChoice& choice) {
    const PuzzleSolve solve =
        choice.getNext ? nextStepOf(puzzle) : solvePuzzle(puzzle, choice.mode);
    const SolveOutcome& outcome = solve.outcome;
    std::string json = "{\"size\":" + std::to_string(puzzle.kind.side) +
                       ",\"result\":" + (outcome.result ? "true" : "false") +
                       ",\"message\":" + jsonString(solve.message) +
                       ",\"reason\":" + jsonString(outcome.reason) +
                       ",\"guesses\":" + std::to_string(outcome.guesses) +
                       ",\"grid\":" + jsonString(formatPuzzleLine(puzzle.kind, solve.grid));
    if (choice.getNext)
        json +=
            ",\"cell\":" + std::to_string(solve.cell) + ",\"value\":" + std::to_string(solve.value);
    return json + "}";
}

int fail(const std::string& problem) {
    return failCommand("solve", problem);
}

int runSolve(const std::vector<std::string>& args) {
    std::optional<SolveChoice> mode;
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
                         [&](const Puzzle& puzzle) { return solveOne(puzzle, *mode); });
}

const bool registered =
    registerCommand("solve", {runSolve, "solve --mode mild|brute|crunch|next PUZZLE|-"});

}  // namespace
}  // namespace quorvel::tool
