// quorvel-tool rate: the computed difficulty of each puzzle (or candidate state) as one JSON line:
// size, solutions (0, 1 or 2), level (1..4, 0 without a solution), rating on the shared scale,
// score, hardest technique and whether logic alone finishes it.

#include <string>

#include "engines/logic/puzzle_rating.h"
#include "engines/logic/rating_scale.h"
#include "programs/tool/command_registry.h"
#include "programs/tool/optional_options.h"
#include "programs/tool/ordered_answers.h"
#include "programs/tool/puzzle_input.h"

namespace quorvel::tool {

namespace {

std::string rateOne(const Puzzle& puzzle, const logic::OptionalTechniques& turnedOn) {
    const logic::PuzzleRating rating =
        logic::ratePuzzle(puzzle.kind, puzzle.values, puzzle.candidates, turnedOn);
    return "{\"size\":" + std::to_string(puzzle.kind.side) +
           ",\"solutions\":" + std::to_string(rating.solutions) +
           ",\"level\":" + std::to_string(rating.level) +
           ",\"rating\":" + logic::formatRating(rating.rating) +
           ",\"score\":" + std::to_string(rating.score) +
           ",\"hardest\":" + jsonString(rating.hardest) +
           ",\"logic_solved\":" + (rating.logicSolved ? "true" : "false") + "}";
}

int runRate(std::vector<std::string> args) {
    const std::optional<int> jobs = takeJobs("rate", args);
    if (!jobs) return kUsageError;
    const std::optional<logic::OptionalTechniques> turnedOn = takeOptionalTechniques("rate", args);
    if (!turnedOn) return kUsageError;
    if (args.size() != 1)
        return failCommand("rate", "takes one puzzle (a puzzle line, or - for standard input)");
    return answerPuzzles(
        "rate", args[0], [&](const Puzzle& puzzle) { return rateOne(puzzle, *turnedOn); },
        PuzzleInput::States, *jobs);
}

const bool registered =
    registerCommand("rate", {runRate, "rate [--jobs N] [--with TECHNIQUE] PUZZLE|-"});

}  // namespace
}  // namespace quorvel::tool
