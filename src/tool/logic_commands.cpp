// quorvel-tool hint and explain: the logic solver's next placement with the steps leading to it,
// and its whole path, as one compact JSON object a line.

#include <string>
#include <vector>

#include "logic/logic_solver.h"
#include "model/puzzle_line.h"
#include "tool/command_registry.h"
#include "tool/puzzle_input.h"

namespace quorvel::tool {

namespace {

std::string pairsJson(const std::vector<logic::CellValue>& pairs) {
    std::string json = "[";
    for (std::size_t i = 0; i < pairs.size(); ++i)
        json += (i > 0 ? ",[" : "[") + std::to_string(pairs[i].cell) + "," +
                std::to_string(pairs[i].value) + "]";
    return json + "]";
}

std::string stepsJson(const std::vector<logic::Step>& steps) {
    std::string json = "[";
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const logic::Step& step = steps[i];
        json +=
            std::string(i > 0 ? "," : "") +
            "{\"technique\":" + jsonString(std::string(logic::techniqueInfo(step.technique).name)) +
            ",\"text\":" + jsonString(step.text) + ",\"placements\":" + pairsJson(step.placements) +
            ",\"eliminations\":" + pairsJson(step.eliminations) + "}";
    }
    return json + "]";
}

std::string hintJson(const PuzzleLine& puzzle) {
    const logic::LogicPath path = logic::hintPath(puzzle.kind, puzzle.values);
    std::string json = "{\"size\":" + std::to_string(puzzle.kind.side) + ",\"technique\":";
    if (path.end != logic::PathEnd::Placed)
        return json + "null,\"message\":" + jsonString(std::string(logic::pathMessage(path.end))) +
               "}";
    const logic::Step& last = path.steps.back();
    return json + jsonString(std::string(logic::techniqueInfo(last.technique).name)) +
           ",\"cell\":" + std::to_string(last.placements.front().cell) +
           ",\"value\":" + std::to_string(last.placements.front().value) +
           ",\"steps\":" + stepsJson(path.steps) + "}";
}

std::string explainJson(const PuzzleLine& puzzle) {
    const logic::LogicPath path = logic::explainPath(puzzle.kind, puzzle.values);
    return "{\"size\":" + std::to_string(puzzle.kind.side) +
           ",\"solved\":" + (path.end == logic::PathEnd::Solved ? "true" : "false") +
           ",\"grid\":" + jsonString(formatPuzzleLine(puzzle.kind, path.values)) +
           ",\"steps\":" + stepsJson(path.steps) + "}";
}

int runOnPuzzles(const std::string& command, const std::vector<std::string>& args,
                 std::string (*describe)(const PuzzleLine&)) {
    if (args.empty())
        return failCommand(command, "missing puzzle (a puzzle line, or - for standard input)");
    if (args.size() > 1) return failCommand(command, "unexpected argument '" + args[1] + "'");
    return answerPuzzles(command, args[0], describe);
}

const bool hintRegistered = registerCommand(
    "hint",
    {[](const std::vector<std::string>& args) { return runOnPuzzles("hint", args, hintJson); },
     "hint PUZZLE|-"});
const bool explainRegistered =
    registerCommand("explain", {[](const std::vector<std::string>& args) {
                                    return runOnPuzzles("explain", args, explainJson);
                                },
                                "explain PUZZLE|-"});

}  // namespace
}  // namespace quorvel::tool
