// quorvel-tool make-puzzles: writes the readable source of a shipped puzzle database, one puzzle
// a line: "level puzzle-line solution-line". Same arguments, same output.

#include <charconv>
#include <chrono>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "model/puzzle_line.h"
#include "programs/tool/command_registry.h"
#include "programs/tool/engine_runner.h"
#include "programs/tool/puzzle_maker.h"

namespace quorvel::tool {
namespace {

constexpr const char* kUsage =
    "make-puzzles --size 9|15 --count-per-level K [--seed N] [--max-candidates M]";

std::optional<std::uint64_t> parseNumber(const std::string& text) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

struct MakeArguments {
    const GridKind* kind = nullptr;
    MakeOptions options;
};

// Reads the arguments; a message on standard error and nullopt when they are wrong.
std::optional<MakeArguments> parseArguments(const std::vector<std::string>& args) {
    MakeArguments parsed;
    bool countGiven = false;
    for (std::size_t at = 0; at < args.size(); at += 2) {
        const std::string& name = args[at];
        if (at + 1 >= args.size()) {
            std::cerr << "make-puzzles: " << name << " needs a value\n";
            return std::nullopt;
        }
        const std::optional<std::uint64_t> value = parseNumber(args[at + 1]);
        if (!value) {
            std::cerr << "make-puzzles: " << name << " wants a whole number, not '" << args[at + 1]
                      << "'\n";
            return std::nullopt;
        }
        if (name == "--size" && (*value == 9 || *value == 15)) {
            parsed.kind = *value == 9 ? &kNineGrid : &kFifteenGrid;
        } else if (name == "--count-per-level" && *value >= 1 && *value <= 1000) {
            parsed.options.countPerLevel = static_cast<int>(*value);
            countGiven = true;
        } else if (name == "--seed") {
            parsed.options.seed = *value;
        } else if (name == "--max-candidates" && *value >= 1 && *value <= 1000000) {
            parsed.options.maxCandidates = static_cast<int>(*value);
        } else {
            std::cerr << "make-puzzles: unknown option or value out of range: " << name << ' '
                      << args[at + 1] << '\n';
            return std::nullopt;
        }
    }
    if (parsed.kind == nullptr || !countGiven) {
        std::cerr << "usage: quorvel-tool " << kUsage << '\n';
        return std::nullopt;
    }
    return parsed;
}

int runMakePuzzles(const std::vector<std::string>& args) {
    const std::optional<MakeArguments> parsed = parseArguments(args);
    if (!parsed) return kUsageError;
    const GridKind& kind = *parsed->kind;
    const auto started = std::chrono::steady_clock::now();
    const MakeReport report = makePuzzles(kind, parsed->options, engineRunner());
    for (const MadePuzzle& puzzle : report.puzzles) {
        std::cout << puzzle.level << ' ' << formatPuzzleLine(kind, puzzle.givens) << ' '
                  << formatPuzzleLine(kind, puzzle.solution) << '\n';
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
    std::cerr << "make-puzzles: " << kind.side << "x" << kind.side;
    bool complete = true;
    for (int level = 1; level <= 4; ++level) {
        std::cerr << "  level " << level << ": " << report.perLevel[level];
        complete = complete && report.perLevel[level] >= parsed->options.countPerLevel;
    }
    std::cerr << "  (" << report.candidates << " grids tried, " << took.count() << " s)\n";
    if (!complete) {
        std::cerr << "make-puzzles: some levels are short; raise --max-candidates or change "
                     "the seed\n";
        return 1;
    }
    return 0;
}

const bool registered = registerCommand("make-puzzles", {runMakePuzzles, kUsage});

}  // namespace
}  // namespace quorvel::tool
