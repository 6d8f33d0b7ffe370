// The puzzle sources shipped in data/ and the maker that writes them: every line readable, every
// puzzle with exactly one solution which is the stored one, the levels filled, and each level
// what the program's own solve engine needs.

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "data/tool_run.h"
#include "engines/solver/puzzle_solve.h"
#include "engines/solver/solution_count.h"
#include "model/puzzle_line.h"

namespace quorvel {
namespace {

struct ShippedPuzzle {
    std::string where;  // file:line, for failure messages
    int level = 0;
    std::string givensLine;
    Puzzle givens;
    Puzzle solution;
};

// Reads "level puzzle-line solution-line" lines; a malformed line is a test failure.
std::vector<ShippedPuzzle> readPuzzles(std::istream& in, const std::string& name) {
    std::vector<ShippedPuzzle> puzzles;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        ShippedPuzzle puzzle;
        puzzle.where = name + ":" + std::to_string(number);
        std::istringstream fields(line);
        std::string solutionLine, extra;
        fields >> puzzle.level >> puzzle.givensLine >> solutionLine;
        const bool threeFields = !fields.fail() && !(fields >> extra);
        const PuzzleLineResult givens = parsePuzzleLine(puzzle.givensLine);
        const PuzzleLineResult solution = parsePuzzleLine(solutionLine);
        if (!threeFields || puzzle.level < 1 || puzzle.level > 4 || !givens.puzzle ||
            !solution.puzzle) {
            ADD_FAILURE() << puzzle.where << " is not 'level puzzle solution': " << line;
            continue;
        }
        puzzle.givens = *givens.puzzle;
        puzzle.solution = *solution.puzzle;
        puzzles.push_back(puzzle);
    }
    return puzzles;
}

struct EngineRun {
    bool solved = false;  // reported complete, and the cells hold the stored solution
    long guesses = 0;
};

EngineRun solveWith(const ShippedPuzzle& puzzle, SolveMode mode) {
    const PuzzleSolve solve = solvePuzzle(puzzle.givens, mode);
    return {solve.outcome.result && solve.grid == puzzle.solution.values, solve.outcome.guesses};
}

// Exactly one solution, the stored one; no puzzle twice; and the level the engine gives it:
// 1 Mild Attack solves it, 2 Brute Force is the weakest that does, 3 Number Crunch with at most
// five nested guesses, 4 with more. Number Crunch solves them all. Returns the count per level.
std::vector<int> expectSound(const std::vector<ShippedPuzzle>& puzzles, const GridKind& kind) {
    std::vector<int> perLevel(5, 0);
    std::set<std::string> seen;
    for (const ShippedPuzzle& puzzle : puzzles) {
        const std::string& where = puzzle.where;
        EXPECT_EQ(puzzle.givens.kind, kind) << where;
        EXPECT_EQ(puzzle.solution.kind, kind) << where;
        EXPECT_TRUE(seen.insert(puzzle.givensLine).second) << where << " repeats a puzzle";
        const SolutionCount count = countSolutions(kind, puzzle.givens.values, 2);
        EXPECT_EQ(count.count, 1) << where;
        EXPECT_EQ(count.firstSolution, puzzle.solution.values) << where;

        const EngineRun mild = solveWith(puzzle, SolveMode::MildAttack);
        const EngineRun brute = solveWith(puzzle, SolveMode::BruteForce);
        const EngineRun crunch = solveWith(puzzle, SolveMode::NumberCrunch);
        EXPECT_TRUE(crunch.solved) << where;
        EXPECT_EQ(mild.solved, puzzle.level == 1) << where;
        EXPECT_EQ(brute.solved, puzzle.level <= 2) << where;
        if (puzzle.level == 3) {
            EXPECT_LE(crunch.guesses, 5) << where;
        } else if (puzzle.level == 4) {
            EXPECT_GT(crunch.guesses, 5) << where;
        }
        ++perLevel[puzzle.level];
    }
    return perLevel;
}

TEST(ShippedPuzzles, SourcesAreSoundAndFillEveryLevel) {
    struct Source {
        const char* name;
        const GridKind* kind;
        int minimumPerLevel;
    };
    for (const Source& source :
         {Source{"type3.txt", &kNineGrid, 40}, Source{"type5.txt", &kFifteenGrid, 12}}) {
        std::ifstream in(std::string(QUORVEL_SOURCE_DIR) + "/data/" + source.name);
        ASSERT_TRUE(in) << source.name;
        const std::vector<int> perLevel = expectSound(readPuzzles(in, source.name), *source.kind);
        for (int level = 1; level <= 4; ++level) {
            EXPECT_GE(perLevel[level], source.minimumPerLevel) << source.name << " " << level;
        }
    }
}

TEST(MakePuzzles, FollowsItsSeedAndMakesSoundPuzzles) {
    // The 15 x 15 case stops after two grids (so the levels stay short and the exit status
    // says so): enough to check the puzzles and the seed without a long run.
    struct Case {
        const char* arguments;
        const GridKind* kind;
        int status;
        std::vector<int> perLevel;  // index 1..4; empty: only the total matters
        std::size_t total;
    };
    const Case cases[] = {
        {"--size 9 --count-per-level 2", &kNineGrid, 0, {0, 2, 2, 2, 2}, 8},
        {"--size 15 --count-per-level 1 --max-candidates 2", &kFifteenGrid, 1, {}, 2},
    };
    for (const Case& c : cases) {
        const std::string command = std::string("make-puzzles ") + c.arguments + " --seed ";
        const ToolRun first = runTool(command + "7");
        EXPECT_EQ(first.status, c.status) << c.arguments;
        EXPECT_EQ(runTool(command + "7").output, first.output) << c.arguments;
        EXPECT_NE(runTool(command + "8").output, first.output) << c.arguments;

        std::istringstream made(first.output);
        const std::vector<ShippedPuzzle> puzzles = readPuzzles(made, c.arguments);
        const std::vector<int> perLevel = expectSound(puzzles, *c.kind);
        EXPECT_EQ(puzzles.size(), c.total) << c.arguments;
        if (!c.perLevel.empty()) {
            EXPECT_EQ(perLevel, c.perLevel) << c.arguments;
        }
    }
}

}  // namespace
}  // namespace quorvel
