#pragma once
// Where a booklet's puzzles come from, each with its solution:
//   Database   the puzzles of one level (or of every level) of a puzzle database, from a number
//              onward. A puzzle's number counts the puzzles of its level as Get Puzzle does;
//              with every level it counts all the database's puzzles in their order.
//   PuzzleFile the puzzles of a file in any format the program reads, numbered by their place in
//              it; with a level, only those whose computed level it is.
//   Generated  freshly generated puzzles with exactly one solution, aimed at the level.
// Puzzles of another grid size, or without exactly one solution, are left out and counted.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "create/random_source.h"
#include "model/grid_kind.h"
#include "ui/print/booklet.h"

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
    std::filesystem::path file;  // the database or the puzzle file
};

// Called with the number of puzzles collected so far, after each one; false stops the work.
using BookletProgress = std::function<bool(int collected)>;

struct BookletPuzzles {
    std::vector<BookletPuzzle> puzzles;
    int skipped = 0;       // puzzles left out (another size, not exactly one solution)
    bool stopped = false;  // the progress call asked to stop
    std::string failure;   // why the source could not be read; no puzzles then
};

BookletPuzzles CollectBookletPuzzles(const GridKind& kind, const BookletRequest& request,
                                     RandomSource& random, const BookletProgress& progress);

// The title line: "Quorvel 9 x 9 - Hard", "Quorvel 15 x 15 - All levels", or with a puzzle file
// its name ("Quorvel 9 x 9 - club.sdk").
std::string BookletTitle(const GridKind& kind, const BookletRequest& request);

}  // namespace quorvel
