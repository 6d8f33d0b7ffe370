#pragma once
// Where a booklet's puzzles come from, each with its solution:
//   Database   the puzzles of one level (or of every level) of a puzzle database, from a number
//              onward. A puzzle's number counts the puzzles of its level as Get Puzzle does;
//              with every level it counts all the database's puzzles in their order.
//   PuzzleFile the puzzles of a file in any format the program reads, numbered by their place in
//              it; with a level, only those whose computed level it is.
//   Generated  freshly generated puzzles with exactly one solution, aimed at the level.
// Instead of a level, a band of ratings can choose the puzzles: generated ones are aimed at it,
// and of a database or file only those whose rating lies in it are taken.
// Puzzles of another grid size, or without exactly one solution, are left out and counted.
// A puzzle's rating is known when it was computed: always for generated puzzles and those of a
// file, for a database's only when a band chose them (rating every record would slow the
// common case down).

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "application/print/booklet.h"
#include "engines/create/random_source.h"
#include "engines/logic/puzzle_rating.h"
#include "model/grid_kind.h"

namespace quorvel {

enum class BookletSource { Database, PuzzleFile, Generated };

// The most puzzles one booklet holds, and the highest number it can start from.
inline constexpr int kMaxBookletPuzzles = 1000;
inline constexpr int kMaxBookletStart = 1'000'000;

struct BookletRequest {
    BookletSource source = BookletSource::Generated;
    int level = 1;  // 1..4; 0 for every level (not for generated puzzles)
    int start = 1;  // the number of the first puzzle
    int count = 12;
    std::filesystem::path file;             // the database or the puzzle file
    std::optional<logic::RatingBand> band;  // when set, chooses the puzzles instead of `level`
};

// Called with the number of puzzles collected so far, after each one; false stops the work.
using BookletProgress = std::function<bool(int collected)>;

struct BookletPuzzles {
    std::vector<BookletPuzzle> puzzles;
    int skipped = 0;       // puzzles left out (another size, not exactly one solution)
    bool stopped = false;  // the progress call asked to stop
    std::string failure;   // why the source could not be read; no puzzles then
};

BookletPuzzles collectBookletPuzzles(const GridKind& kind, const BookletRequest& request,
                                     RandomSource& random, const BookletProgress& progress);

// The title line: "Quorvel 9 x 9 - Hard", "Quorvel 15 x 15 - All levels", "Quorvel 9 x 9 - Rated
// 7.0-8.0", or with a puzzle file its name ("Quorvel 9 x 9 - club.sdk").
std::string bookletTitle(const GridKind& kind, const BookletRequest& request);

}  // namespace quorvel
