// quorvel-tool generate: marks the givens pattern of a level and runs the generator headless, as
// the Computer Generated Puzzle command does on a grid window, and prints the puzzle as one
// compact JSON line. The full grid the window would store in its database is printed as the
// solution instead; no file is written. The same seed always gives the same puzzle. With
// --unique, the puzzle is made unique and aimed at the level by its computed rating, as the
// program's Unique Puzzles Only option does (engines/create/level_aim.h); with --rating instead of
// --level it is aimed at that band of ratings, over fresh full grids until one reaches it.
// `unique` tells whether the printed puzzle has exactly one solution; `rating` (on the shared
// scale), `score` and `hardest` are its computed difficulty. --count N makes N puzzles, the i-th
// (from 0) with seed + i, on --jobs threads, printed in seed order. --needs TECHNIQUE makes
// unique puzzles whose hardest step is that technique (engines/create/technique_practice.h) and
// adds `technique` to the line; a miss is a line with `message` instead of the puzzle.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

#include "engines/create/generated_puzzle.h"
#include "engines/create/random_source.h"
#include "engines/create/technique_practice.h"
#include "engines/logic/puzzle_rating.h"
#include "engines/logic/rating_scale.h"
#include "model/puzzle_line.h"
#include "programs/tool/command_registry.h"
#include "programs/tool/ordered_answers.h"
#include "programs/tool/puzzle_input.h"

namespace quorvel::tool {

namespace {

int fail(const std::string& problem) {
    return failCommand("generate", problem);
}

// A whole decimal number and nothing else.
std::optional<std::uint64_t> parseNumber(const std::string& text) {
    if (text.empty() || text.size() > 19 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stoull(text);
}

struct Request {
    const GridKind* kind = nullptr;
    int level = 0;
    bool unique = false;
    std::optional<logic::RatingBand> band;
    std::optional<logic::Technique> needs;
    int grids = 0;  // full grids at most, with a band or a technique
};

// The fields every generated puzzle's line has, after its size: level, givens, the puzzle and its
// solution, whether it is unique, and its computed difficulty.
void writePuzzle(std::ostream& line, const GridKind& kind, int level,
                 const std::vector<int>& puzzle, const std::vector<int>& solution, bool unique,
                 const logic::PuzzleRating& rating) {
    const auto givens = std::ranges::count_if(puzzle, [](int value) { return value != 0; });
    line << ",\"level\":" << level << ",\"givens\":" << givens << ",\"puzzle\":\""
         << formatPuzzleLine(kind, puzzle) << "\",\"solution\":\""
         << formatPuzzleLine(kind, solution) << "\",\"unique\":" << (unique ? "true" : "false")
         << ",\"rating\":" << logic::formatRating(rating.rating) << ",\"score\":" << rating.score
         << ",\"hardest\":" << jsonString(rating.hardest);
}

// The puzzle line of a practice puzzle, or its miss with a message.
std::string practiseOne(const Request& request, std::uint64_t seed, std::atomic<bool>& missed) {
    const GridKind& kind = *request.kind;
    const std::string name(logic::techniqueInfo(*request.needs).name);
    SeededRandom random(seed);
    const PracticePuzzle made = generateNeeding(kind, *request.needs, random, request.grids);
    std::ostringstream line;
    line << "{\"size\":" << kind.side;
    if (!made.found) {
        missed = true;
        line << ",\"technique\":" << jsonString(name) << ",\"grids\":" << made.grids
             << ",\"message\":" << jsonString(practiceMissedText(name, made.grids)) << "}";
        return line.str();
    }
    const logic::PuzzleRating rating = practiceRating(kind, made.puzzle, *request.needs);
    writePuzzle(line, kind, rating.level, made.puzzle, made.solution, true, rating);
    line << ",\"grids\":" << made.grids << ",\"technique\":" << jsonString(name) << "}";
    return line.str();
}

// "No new puzzle rated 10.0 or more found in 100 full grids": what the line of a miss says.
std::string bandMissedText(const logic::RatingBand& band, int grids) {
    const std::string wanted =
        band.high == logic::RatingBand::kNoHigh
            ? logic::formatRating(band.low) + " or more"
            : logic::formatRating(band.low) + "-" + logic::formatRating(band.high);
    return "No new puzzle rated " + wanted + " found in " + std::to_string(grids) +
           (grids == 1 ? " full grid" : " full grids") + ": kept the closest";
}

// One puzzle from `seed`; `missed` is set when a band was not reached.
std::string generateOne(const Request& request, std::uint64_t seed, std::atomic<bool>& missed) {
    const GridKind& kind = *request.kind;
    SeededRandom random(seed);
    GeneratedPuzzle made;
    logic::PuzzleRating rating;
    int grids = 0;
    bool reached = true;
    if (!request.band) {
        made = generatePuzzle(kind, request.level, random, request.unique);
        rating = made.rating ? *made.rating : logic::ratePuzzle(kind, made.puzzle);
    } else {
        BandPuzzle found = generateInBand(kind, *request.band, random, request.grids);
        made = std::move(found.made);
        rating = std::move(found.rating);
        grids = found.grids;
        reached = found.reached;
        if (!reached) missed = true;
    }
    std::ostringstream line;
    line << "{\"size\":" << kind.side;
    writePuzzle(line, kind, request.band ? rating.level : request.level, made.puzzle, made.solution,
                made.unique, rating);
    if (request.band) line << ",\"grids\":" << grids;
    if (!reached) line << ",\"message\":" << jsonString(bandMissedText(*request.band, grids));
    line << "}";
    return line.str();
}

int runGenerate(std::vector<std::string> args) {
    const std::optional<int> jobs = takeJobs("generate", args);
    if (!jobs) return kUsageError;
    std::optional<std::uint64_t> size, level, seed, count, grids;
    std::optional<logic::RatingBand> band;
    std::optional<logic::Technique> needs;
    bool wantUnique = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--unique") {
            wantUnique = true;
            continue;
        }
        if (option == "--needs") {
            if (i + 1 == args.size()) return fail("--needs needs a technique");
            needs = logic::techniqueNamed(args[++i]);
            if (!needs)
                return fail("unknown technique '" + args[i] +
                            "' (quorvel-tool techniques lists them)");
            continue;
        }
        if (option == "--rating") {
            if (i + 1 == args.size()) return fail("--rating needs a value");
            band = logic::parseRatingBand(args[++i]);
            if (!band)
                return fail("--rating takes MIN or MIN-MAX (such as 7.0-8.0), not '" + args[i] +
                            "'");
            continue;
        }
        std::optional<std::uint64_t>* target = option == "--size"    ? &size
                                               : option == "--level" ? &level
                                               : option == "--seed"  ? &seed
                                               : option == "--count" ? &count
                                               : option == "--grids" ? &grids
                                                                     : nullptr;
        if (target == nullptr) return fail("unexpected argument '" + option + "'");
        if (i + 1 == args.size()) return fail(option + " needs a value");
        *target = parseNumber(args[++i]);
        if (!*target) return fail(option + " takes a whole number, not '" + args[i] + "'");
    }
    if (needs && !size) size = 9;
    if (!size || (*size != 9 && *size != 15)) return fail("--size must be 9 or 15");
    if (needs && (band || level)) return fail("give --needs without --level or --rating");
    if (band && level) return fail("give --level or --rating, not both");
    if (band && !wantUnique) return fail("--rating needs --unique");
    if (!band && !needs && (!level || *level < 1 || *level > 4))
        return fail("--level must be 1, 2, 3 or 4");
    if (count && (*count < 1 || *count > 1000000)) return fail("--count must be 1 to 1000000");
    if (grids && ((!band && !needs) || *grids < 1))
        return fail("--grids needs --rating or --needs and at least 1");
    if (!seed) {
        seed =
            static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    }

    const Request request{*size == 9 ? &kNineGrid : &kFifteenGrid,
                          level ? static_cast<int>(*level) : 0,
                          wantUnique,
                          band,
                          needs,
                          static_cast<int>(std::min<std::uint64_t>(grids.value_or(100), 1000000))};
    std::atomic<bool> missed = false;
    {
        OrderedAnswers answers(*jobs);
        for (std::uint64_t i = 0; i < count.value_or(1); ++i)
            answers.add([&request, &missed, seed = *seed + i] {
                return request.needs ? practiseOne(request, seed, missed)
                                     : generateOne(request, seed, missed);
            });
    }
    return missed ? 1 : 0;
}

const bool registered = registerCommand(
    "generate", {runGenerate,
                 "generate --size 9|15 (--level 1..4 [--unique] | --unique --rating MIN[-MAX] "
                 "[--grids N]) [--seed N] [--count N] [--jobs N]\n  "
                 "generate --needs TECHNIQUE [--size 9|15] [--grids N] [--seed N] [--count N] "
                 "[--jobs N]"});

}  // namespace
}  // namespace quorvel::tool
