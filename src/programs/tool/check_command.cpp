// quorvel-tool check: counts the solutions of each puzzle (or candidate state) up to two with the
// exact counter and prints one JSON line: the size, the count (0, 1 or 2), the solution when there
// is exactly one, and the cells where the first two solutions differ when there are more.

#include <string>

#include "engines/solver/solution_count.h"
#include "model/puzzle_line.h"
#include "programs/tool/command_registry.h"
#include "programs/tool/ordered_answers.h"
#include "programs/tool/puzzle_input.h"

namespace quorvel::tool {

namespace {

std::string checkOne(const Puzzle& puzzle) {
    const SolutionCount count = countSolutions(puzzle.kind, puzzle.values, 2, puzzle.candidates);
    std::string differ;
    for (const int cell : differingCells(count))
        differ += (differ.empty() ? "" : ",") + std::to_string(cell);
    const std::string solution =
        count.count == 1 ? jsonString(formatPuzzleLine(puzzle.kind, count.firstSolution)) : "null";
    return "{\"size\":" + std::to_string(puzzle.kind.side) +
           ",\"solutions\":" + std::to_string(count.count) + ",\"solution\":" + solution +
           ",\"differ\":[" + differ + "]}";
}

int runCheck(std::vector<std::string> args) {
    const std::optional<int> jobs = takeJobs("check", args);
    if (!jobs) return kUsageError;
    if (args.size() != 1)
        return failCommand("check", "takes one puzzle (a puzzle line, or - for standard input)");
    return answerPuzzles("check", args[0], checkOne, PuzzleInput::States, *jobs);
}

const bool registered = registerCommand("check", {runCheck, "check [--jobs N] PUZZLE|-"});

}  // namespace
}  // namespace quorvel::tool
