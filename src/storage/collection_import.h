#pragma once
// Import Collection: the puzzles of a collection stored in a puzzle database as the user's own
// (Kind 9), each with its solution, so that Get Puzzle and Show Solution (Stored) work on them as
// on every other stored puzzle. Storage does not solve: the caller judges each puzzle.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "model/puzzle_line.h"
#include "storage/file_error.h"
#include "storage/puzzle_database.h"
#include "storage/puzzle_formats.h"

namespace quorvel {

// What the solver says about a puzzle.
struct PuzzleJudgement {
    int solutions = 0;          // 0, 1 or 2 (two or more)
    std::vector<int> solution;  // the values of the one solution, cell order; empty otherwise
    int level = 0;              // the computed level 1..4; 0 when none was computed
};
using JudgePuzzle = std::function<PuzzleJudgement(const Puzzle&)>;

struct CollectionImport {
    int imported = 0;
    std::array<int, 4> importedAtLevel{};  // of them, at levels 1..4
    std::vector<int> skippedLines;         // puzzles stored already (or earlier in the file)
    // Puzzles not stored: unreadable, of the other grid size, without a solution or with more
    // than one; in line order, those the reading could not list left out.
    std::vector<PuzzleRefusal> refusals;
    int refusedCount = 0;  // every refused puzzle
};

inline constexpr std::string_view kNoSolutionProblem = "no solution";
inline constexpr std::string_view kSeveralSolutionsProblem = "more than one solution";

// Stores every puzzle of `read` that is of the database's grid size, is not stored yet (a record
// with the same givens, the incomplete record left out) and has exactly one solution: a Kind 9
// record "givens # solution" under a new number, at its computed level, or `fallbackLevel` when
// none was computed. Puzzles are judged only once they pass the other checks.
// The database is written once, only when a puzzle was imported. When fewer numbers are free
// than there are puzzles to store, or the write fails, the error is returned and nothing is
// written.
Result<CollectionImport> importCollection(Database& database, const PuzzleTextRead& read,
                                          int fallbackLevel, const JudgePuzzle& judge);

// The message that reports an import: three lines counting the puzzles imported (by level),
// skipped (with their lines) and refused (with their lines and problems); long lists are cut
// short with the number left out.
std::string importReport(const CollectionImport& import);

}  // namespace quorvel
