#include "application/print/booklet_source.h"

#include <optional>

#include "engines/create/generated_puzzle.h"
#include "engines/logic/puzzle_rating.h"
#include "engines/logic/rating_scale.h"
#include "engines/solver/solution_count.h"
#include "storage/cell_lists.h"
#include "storage/file_system.h"
#include "storage/puzzle_database.h"
#include "storage/puzzle_formats.h"

namespace quorvel {

namespace {

std::vector<int> values(const std::vector<std::string>& entries) {
    std::vector<int> values;
    values.reserve(entries.size());
    for (const std::string& entry : entries)
        values.push_back(entry.empty() ? 0 : std::stoi(entry));
    return values;
}

// The only solution of the givens, or nothing when they have none or several.
std::optional<std::vector<int>> onlySolution(const GridKind& kind, const std::vector<int>& givens) {
    SolutionCount counted = countSolutions(kind, givens, 2);
    if (counted.count != 1) return std::nullopt;
    return std::move(counted.firstSolution);
}

// A record's stored values when they complete its givens; otherwise the only solution.
std::optional<std::vector<int>> solutionOf(const GridKind& kind, const std::vector<int>& givens,
                                           const std::vector<int>& stored) {
    bool complete = stored.size() == givens.size();
    for (std::size_t index = 0; complete && index < stored.size(); ++index)
        complete = stored[index] != 0 && (givens[index] == 0 || givens[index] == stored[index]);
    if (complete && countSolutions(kind, stored, 1).count == 1) return stored;
    return onlySolution(kind, givens);
}

// The rating to print: known only when logic finished the puzzle (otherwise it is a lower bound).
int knownRating(const logic::PuzzleRating& rating) {
    return rating.logicSolved ? rating.rating : 0;
}

// Whether a rated puzzle is one the request asks for: in its band, or of its level.
bool wanted(const BookletRequest& request, const logic::PuzzleRating& rating) {
    if (request.band) return logic::bandOffset(rating, *request.band) == 0;
    return request.level == 0 || rating.level == request.level;
}

class Collector {
  public:
    Collector(const BookletRequest& request, const BookletProgress& progress)
        : request_(request), progress_(progress) {}

    bool full() const {
        return result_.stopped || static_cast<int>(result_.puzzles.size()) >= request_.count;
    }
    void add(BookletPuzzle puzzle) {
        result_.puzzles.push_back(std::move(puzzle));
        if (!progress_(static_cast<int>(result_.puzzles.size()))) result_.stopped = true;
    }
    void skip() { ++result_.skipped; }
    BookletPuzzles& result() { return result_; }

  private:
    const BookletRequest& request_;
    const BookletProgress& progress_;
    BookletPuzzles result_;
};

void fromDatabase(const GridKind& kind, const BookletRequest& request, Collector& collector) {
    // A missing database would load as an empty one, ready for a first record: here it is an
    // error.
    if (!currentFileSystem().exists(request.file)) {
        collector.result().failure =
            FileError{request.file, "read", "No such file or directory"}.message();
        return;
    }
    Result<Database> database = loadDatabaseFile(request.file, kind);
    if (!database) {
        collector.result().failure = database.error().message();
        return;
    }
    int ordinal = 0;
    for (const FoundRecord& found : fetchableRecords(database.value(), request.level)) {
        const PuzzleRecord& record = found.record;
        if (++ordinal < request.start) continue;
        if (collector.full()) return;
        const std::optional<CellLists> lists = parseCellText(record.cellText, kind);
        std::vector<int> givens = values(lists->givens);
        std::optional<std::vector<int>> solution = solutionOf(kind, givens, values(lists->values));
        if (!solution) {
            collector.skip();
            continue;
        }
        if (!request.band) {
            collector.add({ordinal, record.level, 0, std::move(givens), std::move(*solution)});
            continue;
        }
        const logic::PuzzleRating rating = logic::ratePuzzle(kind, givens);
        if (wanted(request, rating)) {
            collector.add({ordinal, rating.level, knownRating(rating), std::move(givens),
                           std::move(*solution)});
        }
    }
}

void fromPuzzleFile(const GridKind& kind, const BookletRequest& request, Collector& collector) {
    PuzzleTextRead read = readPuzzleFile(request.file);
    if (!read.failure.empty()) {
        collector.result().failure = read.failure;
        return;
    }
    for (int index = 0; index < read.refusedCount; ++index)
        collector.skip();
    int number = 0;
    for (FilePuzzle& filePuzzle : read.puzzles) {
        if (++number < request.start) continue;
        if (collector.full()) return;
        Puzzle& puzzle = filePuzzle.puzzle;
        std::optional<std::vector<int>> solution;
        if (puzzle.kind == kind) solution = onlySolution(kind, puzzle.values);
        if (!solution) {
            collector.skip();
            continue;
        }
        const logic::PuzzleRating rating = logic::ratePuzzle(kind, puzzle.values);
        if (!wanted(request, rating)) continue;
        collector.add({number, rating.level, knownRating(rating), std::move(puzzle.values),
                       std::move(*solution)});
    }
}

// Full grids per puzzle: an aim that ends short of the level (now and then on 15 x 15) is tried
// again on a fresh grid; after the last the closest puzzle is kept, with the level it has.
constexpr int kGenerationTries = 4;

void generate(const GridKind& kind, const BookletRequest& request, RandomSource& random,
              Collector& collector) {
    // With a band the level is 0, which has no band of its own.
    const logic::RatingBand band = request.band ? *request.band : logic::levelBand(request.level);
    for (int number = request.start; !collector.full(); ++number) {
        BandPuzzle made = generateInBand(kind, band, random, kGenerationTries);
        collector.add({number, made.rating.level, knownRating(made.rating),
                       std::move(made.made.puzzle), std::move(made.made.solution)});
    }
}

}  // namespace

BookletPuzzles collectBookletPuzzles(const GridKind& kind, const BookletRequest& request,
                                     RandomSource& random, const BookletProgress& progress) {
    Collector collector(request, progress);
    switch (request.source) {
        case BookletSource::Database:
            fromDatabase(kind, request, collector);
            break;
        case BookletSource::PuzzleFile:
            fromPuzzleFile(kind, request, collector);
            break;
        case BookletSource::Generated:
            generate(kind, request, random, collector);
            break;
    }
    return std::move(collector.result());
}

std::string bookletTitle(const GridKind& kind, const BookletRequest& request) {
    std::string chosen = request.level == 0 ? "" : logic::levelName(request.level);
    if (request.band) {
        const logic::RatingBand& band = *request.band;
        chosen = "Rated " + logic::formatRating(band.low) +
                 (band.high == logic::RatingBand::kNoHigh ? " and above"
                                                          : "-" + logic::formatRating(band.high));
    }
    std::string title =
        "Quorvel " + std::to_string(kind.side) + " x " + std::to_string(kind.side) + " - ";
    if (request.source == BookletSource::PuzzleFile) {
        title += request.file.filename().string();
        return chosen.empty() ? title : title + ", " + chosen;
    }
    return title + (chosen.empty() ? "All levels" : chosen);
}

}  // namespace quorvel
