// quorvel-tool generate: marks the givens pattern of a level and runs the generator headless, as
// the Computer Generated Puzzle command does on a grid window, and prints the puzzle as one
// compact JSON line. The full grid the window would store in its database is printed as the
// solution instead; no file is written. The same seed always gives the same puzzle. With
// --unique, the puzzle is made unique and aimed at the level by its computed rating, as the
// program's Unique Puzzles Only option does (create/level_aim.h). `unique` tells whether the
// printed puzzle has exactly one solution; `rating` (on the shared scale), `score` and `hardest`
// are its computed difficulty.

#include <chrono>
#include <cstdint>
#include <iostream>
#include <optional>
#include <string>

#include "create/headless_generation.h"
#include "create/random_source.h"
#include "logic/puzzle_rating.h"
#include "logic/rating_scale.h"
#include "model/puzzle_line.h"
#include "tool/command_registry.h"
#include "tool/puzzle_input.h"

namespace quorvel::tool {

namespace {

int fail(const std::string& problem) {
    std::cerr << "quorvel-tool generate: " << problem << "\n";
    return kUsageError;
}

// A whole decimal number and nothing else.
std::optional<std::uint64_t> parseNumber(const std::string& text) {
    if (text.empty() || text.size() > 19 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stoull(text);
}

int runGenerate(const std::vector<std::string>& args) {
    std::optional<std::uint64_t> size, level, seed;
    bool wantUnique = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--unique") {
            wantUnique = true;
            continue;
        }
        std::optional<std::uint64_t>* target = option == "--size"    ? &size
                                               : option == "--level" ? &level
                                               : option == "--seed"  ? &seed
                                                                     : nullptr;
        if (target == nullptr) return fail("unexpected argument '" + option + "'");
        if (i + 1 == args.size()) return fail(option + " needs a value");
        *target = parseNumber(args[++i]);
        if (!*target) return fail(option + " takes a whole number, not '" + args[i] + "'");
    }
    if (!size || (*size != 9 && *size != 15)) return fail("--size must be 9 or 15");
    if (!level || *level < 1 || *level > 4) return fail("--level must be 1, 2, 3 or 4");
    if (!seed) {
        seed =
            static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    }

    const GridKind& kind = *size == 9 ? kNineGrid : kFifteenGrid;
    SeededRandom random(*seed);
    const GeneratedPuzzle made = GeneratePuzzle(kind, static_cast<int>(*level), random, wantUnique);
    const logic::PuzzleRating rating = logic::ratePuzzle(kind, made.puzzle);
    std::cout << "{\"size\":" << kind.side << ",\"level\":" << *level
              << ",\"givens\":" << made.givens << ",\"puzzle\":\""
              << formatPuzzleLine(kind, made.puzzle) << "\",\"solution\":\""
              << formatPuzzleLine(kind, made.solution)
              << "\",\"unique\":" << (made.unique ? "true" : "false")
              << ",\"rating\":" << logic::formatRating(rating.rating)
              << ",\"score\":" << rating.score << ",\"hardest\":" << jsonString(rating.hardest)
              << "}\n";
    return 0;
}

const bool registered = registerCommand(
    "generate", {runGenerate, "generate --size 9|15 --level 1..4 [--seed N] [--unique]"});

}  // namespace
}  // namespace quorvel::tool
