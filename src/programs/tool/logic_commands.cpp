// quorvel-tool hint, explain, find and techniques: the logic solver's next placement with the
// steps leading to it, its whole path, every instance of one technique, and the techniques in the
// order the solver tries them; one compact JSON object a line.

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "engines/logic/logic_solver.h"
#include "engines/solver/solution_count.h"
#include "model/puzzle_line.h"
#include "programs/tool/command_registry.h"
#include "programs/tool/optional_options.h"
#include "programs/tool/ordered_answers.h"
#include "programs/tool/puzzle_input.h"

namespace quorvel::tool {

namespace {

std::string pairsJson(const std::vector<logic::CellValue>& pairs) {
    std::string json = "[";
    for (std::size_t i = 0; i < pairs.size(); ++i)
        json += (i > 0 ? ",[" : "[") + std::to_string(pairs[i].cell) + "," +
                std::to_string(pairs[i].value) + "]";
    return json + "]";
}

// {"cells":[...],"value":v,"on":b}: the node's cells hold v (on) or none of them does.
std::string nodeJson(const std::vector<logic::CellValue>& node, bool on) {
    std::string cells;
    for (const logic::CellValue& candidate : node)
        cells += (cells.empty() ? "" : ",") + std::to_string(candidate.cell);
    return "{\"cells\":[" + cells +
           "],\"value\":" + std::to_string(node.empty() ? 0 : node.front().value) +
           ",\"on\":" + (on ? "true" : "false") + "}";
}

// ,"chain":[...] for a step with a chain; nothing for one without. A link concludes its end true
// when strong, false when weak.
std::string chainJson(const std::vector<logic::ChainLink>& chain) {
    if (chain.empty()) return {};
    std::string json = ",\"chain\":[";
    for (std::size_t i = 0; i < chain.size(); ++i) {
        const logic::ChainLink& link = chain[i];
        json += std::string(i > 0 ? "," : "") + "{\"from\":" + nodeJson(link.from, link.fromOn) +
                ",\"to\":" + nodeJson(link.to, link.strong) +
                ",\"strong\":" + (link.strong ? "true" : "false") + "}";
    }
    return json + "]";
}

// The steps as JSON objects; `withSummary` adds each step's one-sentence summary before its text.
std::string stepsJson(const std::vector<logic::Step>& steps, bool withSummary) {
    std::string json = "[";
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const logic::Step& step = steps[i];
        json +=
            std::string(i > 0 ? "," : "") +
            "{\"technique\":" + jsonString(std::string(logic::techniqueInfo(step.technique).name)) +
            (withSummary ? ",\"summary\":" + jsonString(step.summary) : std::string()) +
            ",\"text\":" + jsonString(step.text) + ",\"placements\":" + pairsJson(step.placements) +
            ",\"eliminations\":" + pairsJson(step.eliminations) + chainJson(step.chain) + "}";
    }
    return json + "]";
}

std::string hintJson(const Puzzle& puzzle, const logic::OptionalTechniques& turnedOn) {
    const logic::LogicPath path =
        logic::hintPath(puzzle.kind, puzzle.values, puzzle.candidates, puzzle.givens, turnedOn);
    std::string json = "{\"size\":" + std::to_string(puzzle.kind.side) + ",\"technique\":";
    if (path.end != logic::PathEnd::Placed)
        return json + "null,\"message\":" + jsonString(logic::pathMessage(path)) + "}";
    const logic::Step& last = path.steps.back();
    return json + jsonString(std::string(logic::techniqueInfo(last.technique).name)) +
           ",\"cell\":" + std::to_string(last.placements.front().cell) +
           ",\"value\":" + std::to_string(last.placements.front().value) +
           ",\"steps\":" + stepsJson(path.steps, true) + "}";
}

std::string explainJson(const Puzzle& puzzle, const logic::OptionalTechniques& turnedOn) {
    const logic::LogicPath path =
        logic::explainPath(puzzle.kind, puzzle.values, puzzle.candidates, puzzle.givens, turnedOn);
    const bool solved = path.end == logic::PathEnd::Solved;
    return "{\"size\":" + std::to_string(puzzle.kind.side) +
           ",\"solved\":" + (solved ? "true" : "false") +
           (solved ? "" : ",\"message\":" + jsonString(logic::pathMessage(path))) +
           ",\"grid\":" + jsonString(formatPuzzleLine(puzzle.kind, path.values)) +
           ",\"steps\":" + stepsJson(path.steps, true) + "}";
}

// Every instance of `technique` in the state as given, nothing applied before.
std::string findJson(const logic::TechniqueInfo& technique, const Puzzle& puzzle) {
    logic::LogicGrid grid(puzzle.kind, puzzle.values, puzzle.candidates, puzzle.givens);
    const SolutionCount solutions =
        countSolutions(puzzle.kind, puzzle.values, 2, puzzle.candidates);
    grid.setOneSolution(solutions.count == 1);
    grid.setSolution(solutions.firstSolution);
    std::vector<logic::Step> steps;
    logic::findSteps(technique.technique, grid, [&](logic::Step&& step) {
        steps.push_back(std::move(step));
        return true;
    });
    return "{\"size\":" + std::to_string(puzzle.kind.side) +
           ",\"technique\":" + jsonString(std::string(technique.name)) +
           ",\"steps\":" + stepsJson(steps, false) + "}";
}

int runOnPuzzles(const std::string& command, std::vector<std::string> args,
                 std::string (*describe)(const Puzzle&, const logic::OptionalTechniques&)) {
    const std::optional<int> jobs = takeJobs(command, args);
    if (!jobs) return kUsageError;
    const std::optional<logic::OptionalTechniques> turnedOn = takeOptionalTechniques(command, args);
    if (!turnedOn) return kUsageError;
    if (args.empty())
        return failCommand(command, "missing puzzle (a puzzle line, or - for standard input)");
    if (args.size() > 1) return failCommand(command, "unexpected argument '" + args[1] + "'");
    return answerPuzzles(
        command, args[0], [&](const Puzzle& puzzle) { return describe(puzzle, *turnedOn); },
        PuzzleInput::States, *jobs);
}

int runFind(const std::vector<std::string>& args) {
    if (args.size() != 2)
        return failCommand("find",
                           "takes a technique and a puzzle (a puzzle line, or - for "
                           "standard input)");
    const std::optional<logic::Technique> named = logic::techniqueNamed(args[0]);
    if (!named)
        return failCommand(
            "find", "unknown technique '" + args[0] + "' (quorvel-tool techniques lists them)");
    const logic::TechniqueInfo& technique = logic::techniqueInfo(*named);
    return answerPuzzles(
        "find", args[1], [&](const Puzzle& puzzle) { return findJson(technique, puzzle); },
        PuzzleInput::States);
}

int runTechniques(const std::vector<std::string>& args) {
    if (!args.empty()) return failCommand("techniques", "unexpected argument '" + args[0] + "'");
    for (const logic::TechniqueInfo& info : logic::allTechniques())
        std::cout << "{\"name\":" << jsonString(std::string(info.name))
                  << ",\"score\":" << info.score
                  << ",\"group\":" << jsonString(std::string(logic::groupName(info.group)))
                  << "}\n";
    return 0;
}

const bool hintRegistered = registerCommand(
    "hint",
    {[](const std::vector<std::string>& args) { return runOnPuzzles("hint", args, hintJson); },
     "hint [--jobs N] [--with TECHNIQUE] PUZZLE|-"});
const bool explainRegistered =
    registerCommand("explain", {[](const std::vector<std::string>& args) {
                                    return runOnPuzzles("explain", args, explainJson);
                                },
                                "explain [--jobs N] [--with TECHNIQUE] PUZZLE|-"});
const bool findRegistered = registerCommand("find", {runFind, "find TECHNIQUE PUZZLE|-"});
const bool techniquesRegistered =
    registerCommand("techniques", {runTechniques, "techniques   (name, score, group in order)"});

}  // namespace
}  // namespace quorvel::tool
