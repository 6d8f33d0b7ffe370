// quorvel-tool convert: reads puzzles in any of the standard formats (every puzzle of a
// collection) and writes them in the chosen one, by default one puzzle line each.

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "programs/tool/command_registry.h"
#include "programs/tool/puzzle_input.h"
#include "storage/puzzle_formats.h"

namespace quorvel::tool {
namespace {

int fail(const std::string& problem) {
    return failCommand("convert", problem);
}

// "line, sdk, ss, opensudoku, candidates or candidate-line"
const std::string kFormatNames = [] {
    std::string names;
    for (const PuzzleFormatName& entry : kPuzzleFormats) {
        const bool last = &entry == &kPuzzleFormats[std::size(kPuzzleFormats) - 1];
        names += std::string(names.empty() ? "" : last ? " or " : ", ") + std::string(entry.name);
    }
    return names;
}();

int runConvert(const std::vector<std::string>& args) {
    PuzzleFormat format = PuzzleFormat::Line;
    std::optional<std::string> source;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--to") {
            const std::optional<PuzzleFormat> named =
                i + 1 < args.size() ? puzzleFormatNamed(args[++i]) : std::nullopt;
            if (!named) return fail("--to needs " + kFormatNames);
            format = *named;
        } else if (!source) {
            source = args[i];
        } else {
            return fail("unexpected argument '" + args[i] + "'");
        }
    }
    if (!source) return fail("missing file (a puzzle file, or - for standard input)");
    const PuzzleTextRead read =
        *source == "-" ? readPuzzleStream(std::cin) : readPuzzleFile(*source);
    if (!read.complete()) {
        if (!read.failure.empty()) return fail(read.failure);
        for (const PuzzleRefusal& refusal : read.refusals)
            fail(refusal.text());
        const std::size_t unlisted = read.refusedCount - read.refusals.size();
        if (unlisted > 0) fail("and " + std::to_string(unlisted) + " more puzzles refused");
        return kUsageError;
    }
    const PuzzleTextWrite written = writePuzzleText(format, read.puzzles);
    if (!written.error.empty()) return fail(written.error);
    std::cout << written.text;
    return 0;
}

const bool registered = registerCommand(
    "convert", {runConvert,
                "convert [--to line|sdk|ss|opensudoku|candidates|candidate-line] FILE|-   "
                "(puzzles to stdout)"});

}  // namespace
}  // namespace quorvel::tool
