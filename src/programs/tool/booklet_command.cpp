// quorvel-tool booklet: a booklet of puzzles as a PDF file, as the program's Print Booklet makes
// it (application/print/booklet_source.h, booklet_plan.h, booklet.h): from a database, a puzzle
// file or freshly generated, several a page, the solutions on the pages after, with a heading line,
// a footer line and the date when asked (the PDF's Title is the heading, its Author the footer).
// Prints one JSON line:
// `pages`, `puzzles`, the puzzle `numbers` in booklet order and how many the source `skipped`.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "application/print/booklet.h"
#include "application/print/booklet_source.h"
#include "application/print/pdf_document.h"
#include "engines/logic/puzzle_rating.h"
#include "programs/tool/command_registry.h"
#include "programs/tool/puzzle_input.h"

namespace quorvel::tool {
namespace {

int fail(const std::string& problem) {
    return failCommand("booklet", problem);
}

// A whole number from 1 to `most`, and nothing else.
std::optional<int> parseCount(const std::string& text, int most) {
    if (text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int value = std::stoi(text);
    if (value < 1 || value > most) return std::nullopt;
    return value;
}

// Today's local date as the booklet prints it.
std::string todayText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return bookletDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

struct BookletArgs {
    std::optional<int> size, count, perPage;
    std::optional<std::string> level, out, title, footer;
    bool date = false;
    std::optional<std::uint64_t> seed;
    BookletRequest request;
    int sources = 0;
    BookletLayout layout;
};

// Reads the options into `parsed`; the problem with them, or "".
std::string parseArgs(const std::vector<std::string>& args, BookletArgs& parsed) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--no-solutions") {
            parsed.layout.solutions = false;
            continue;
        }
        if (option == "--date") {
            parsed.date = true;
            continue;
        }
        if (option == "--generate") {
            parsed.request.source = BookletSource::Generated;
            ++parsed.sources;
            continue;
        }
        static const std::vector<std::string> kValued{
            "--size",  "--level", "--rating", "--count", "--per-page", "--from-db", "--from",
            "--start", "--seed",  "--paper",  "--out",   "--title",    "--footer"};
        if (std::find(kValued.begin(), kValued.end(), option) == kValued.end())
            return "unexpected argument '" + option + "'";
        if (i + 1 == args.size()) return option + " needs a value";
        const std::string& value = args[++i];
        if (option == "--rating") {
            parsed.request.band = logic::parseRatingBand(value);
            if (!parsed.request.band)
                return "--rating takes MIN or MIN-MAX (such as 7.0-8.0), not '" + value + "'";
        } else if (option == "--size") {
            parsed.size = value == "9" ? 9 : value == "15" ? 15 : 0;
            if (parsed.size == 0) return "--size must be 9 or 15";
        } else if (option == "--level") {
            if (value != "all" && !parseCount(value, 4)) return "--level must be 1, 2, 3, 4 or all";
            parsed.level = value;
        } else if (option == "--count") {
            parsed.count = parseCount(value, kMaxBookletPuzzles);
            if (!parsed.count) {
                return "--count must be a whole number from 1 to " +
                       std::to_string(kMaxBookletPuzzles);
            }
        } else if (option == "--per-page") {
            parsed.perPage = parseCount(value, 6);
            if (!parsed.perPage) return "--per-page takes a whole number, not '" + value + "'";
        } else if (option == "--from-db" || option == "--from") {
            parsed.request.source =
                option == "--from" ? BookletSource::PuzzleFile : BookletSource::Database;
            parsed.request.file = value;
            ++parsed.sources;
        } else if (option == "--start") {
            const std::optional<int> start = parseCount(value, kMaxBookletStart);
            if (!start) return "--start must be a whole number from 1";
            parsed.request.start = *start;
        } else if (option == "--seed") {
            if (value.empty() || value.size() > 19 ||
                value.find_first_not_of("0123456789") != std::string::npos)
                return "--seed takes a whole number, not '" + value + "'";
            parsed.seed = std::stoull(value);
        } else if (option == "--title") {
            parsed.title = value;
        } else if (option == "--footer") {
            parsed.footer = value;
        } else if (option == "--paper") {
            if (value != "a4" && value != "letter") return "--paper must be a4 or letter";
            parsed.layout.paper = value == "a4" ? Paper::A4 : Paper::Letter;
        } else {
            parsed.out = value;
        }
    }
    if (!parsed.size) return "--size must be 9 or 15";
    if (parsed.level && parsed.request.band) return "give --level or --rating, not both";
    if (!parsed.level && !parsed.request.band)
        return "--level (1, 2, 3, 4 or all) or --rating is needed";
    if (!parsed.count) return "--count is needed";
    if (!parsed.out) return "--out FILE.pdf is needed";
    if (std::string problem =
            bookletLinesProblem(parsed.title.value_or(""), parsed.footer.value_or(""));
        !problem.empty())
        return problem;
    if (parsed.sources > 1) return "choose one of --from-db, --from and --generate";
    parsed.request.level = parsed.level.value_or("all") == "all" ? 0 : std::stoi(*parsed.level);
    if (parsed.request.level == 0 && !parsed.request.band &&
        parsed.request.source == BookletSource::Generated)
        return "--level all needs --from-db or --from; generated puzzles need a level";
    return "";
}

int runBooklet(const std::vector<std::string>& args) {
    BookletArgs parsed;
    if (const std::string problem = parseArgs(args, parsed); !problem.empty()) return fail(problem);
    const GridKind& kind = *parsed.size == 9 ? kNineGrid : kFifteenGrid;
    const std::span<const int> choices = perPageChoices(kind);
    // By default as many a page as the program's dialog offers first: 4 on 9 x 9, 2 on 15 x 15.
    parsed.layout.perPage =
        parsed.perPage.value_or(std::min(BookletLayout{}.perPage, choices.back()));
    if (std::find(choices.begin(), choices.end(), parsed.layout.perPage) == choices.end()) {
        return fail(kind.isNine() ? "--per-page must be 1, 2, 4 or 6 on the 9 x 9 grid"
                                  : "--per-page must be 1 or 2 on the 15 x 15 grid");
    }
    parsed.request.count = *parsed.count;
    SeededRandom random(parsed.seed.value_or(
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count())));

    const BookletPuzzles collected =
        collectBookletPuzzles(kind, parsed.request, random, [](int) { return true; });
    if (!collected.failure.empty()) return fail(collected.failure);
    if (collected.puzzles.empty()) {
        return fail("no puzzle to print (" + std::to_string(collected.skipped) +
                    " left out: another grid size, or not exactly one solution)");
    }
    const Booklet booklet{
        kind,
        parsed.title && !parsed.title->empty() ? *parsed.title : bookletTitle(kind, parsed.request),
        parsed.footer.value_or(""), parsed.date ? todayText() : "", collected.puzzles};
    const BookletPlan plan =
        planBooklet(kind, parsed.layout, static_cast<int>(booklet.puzzles.size()));
    if (const FileStatus error =
            writePdfDocument(drawBooklet(booklet, plan), *parsed.out, bookletPdfInfo(booklet)))
        return fail(error->message());

    std::string numbers;
    for (const BookletPuzzle& puzzle : booklet.puzzles)
        numbers += (numbers.empty() ? "" : ",") + std::to_string(puzzle.number);
    std::cout << "{\"pages\":" << plan.pages.size() << ",\"puzzles\":" << booklet.puzzles.size()
              << ",\"numbers\":[" << numbers << "],\"skipped\":" << collected.skipped << "}\n";
    return 0;
}

const bool registered = registerCommand(
    "booklet", {runBooklet,
                "booklet --size 9|15 (--level 1..4|all | --rating A-B) --count N [--per-page K] "
                "[--from-db FILE | --from FILE | --generate] [--start N] [--seed S] "
                "[--no-solutions] [--paper a4|letter] [--title TEXT] [--footer TEXT] [--date] "
                "--out FILE.pdf"});

}  // namespace
}  // namespace quorvel::tool
