// quorvel-tool canon: the canonical form of each 9 x 9 puzzle (model/canonical_form.h), as one
// JSON line: the form as a puzzle line, and whether it is one of the puzzles generated ones must
// not repeat (engines/create/known_puzzles.h). Puzzles that are the same drawn differently get
// the same form, so sorting the forms finds repeats in a collection.

#include <string>

#include "engines/create/known_puzzles.h"
#include "model/canonical_form.h"
#include "programs/tool/command_registry.h"
#include "programs/tool/ordered_answers.h"
#include "programs/tool/puzzle_input.h"

namespace quorvel::tool {

namespace {

std::string canonOne(const Puzzle& puzzle) {
    if (!puzzle.kind.isNine())
        return "{\"size\":" + std::to_string(puzzle.kind.side) +
               ",\"message\":\"only 9 x 9 puzzles have a canonical form here\"}";
    const std::vector<int> values = puzzle.givenValues();
    return "{\"size\":9,\"canonical\":\"" + formatPuzzleLine(puzzle.kind, canonicalForm(values)) +
           "\",\"known\":" + (isKnownPuzzle(puzzle.kind, values) ? "true" : "false") + "}";
}

int runCanon(std::vector<std::string> args) {
    const std::optional<int> jobs = takeJobs("canon", args);
    if (!jobs) return kUsageError;
    if (args.size() != 1)
        return failCommand("canon", "takes one puzzle (a puzzle line, or - for standard input)");
    return answerPuzzles("canon", args[0], canonOne, PuzzleInput::Lines, *jobs);
}

const bool registered = registerCommand("canon", {runCanon, "canon [--jobs N] PUZZLE|-"});

}  // namespace
}  // namespace quorvel::tool
