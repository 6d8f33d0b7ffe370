// The solver's paths: how they end, and a property over bench puzzles of both sizes, from their
// values and from candidate states: replaying the whole path never removes a solution's value and
// never places a wrong one, and neither does any technique on the grids along the way.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <fstream>
#include <ostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engines/logic/logic_solver.h"
#include "engines/logic/net.h"
#include "engines/logic/step_text.h"
#include "engines/solver/solution_count.h"
#include "model/puzzle_line.h"

namespace quorvel::logic {
namespace {

const std::string kEasy =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string kHard =
    "8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4..";

std::vector<int> valuesOf(const std::string& line) {
    return parsePuzzleLine(line).puzzle->values;
}

std::vector<CellValue> candidatesOf(const LogicGrid& grid) {
    std::vector<CellValue> candidates;
    for (int cell = 1; cell <= grid.cellCount(); ++cell)
        for (unsigned rest = grid.candidates(cell); rest != 0; rest &= rest - 1)
            candidates.push_back({cell, std::countr_zero(rest)});
    return candidates;
}

TEST(LogicPath, EndsAsTheGridAllows) {
    const std::vector<int> easy = valuesOf(kEasy);
    std::vector<int> clash = easy;
    clash[2] = 5;  // a second 5 in row 1
    std::vector<int> dead = easy;
    dead[2] = 1;  // no clash, but the only solution has 4 there
    ASSERT_EQ(countSolutions(kNineGrid, dead, 1).count, 0);
    const std::vector<int> emptyFifteen(225, 0);
    const struct {
        const GridKind* kind;
        std::vector<int> values;
        PathEnd hint;
        PathEnd explain;
    } cases[] = {
        {&kNineGrid, easy, PathEnd::Placed, PathEnd::Solved},
        {&kNineGrid, clash, PathEnd::NoSolution, PathEnd::NoSolution},
        {&kNineGrid, dead, PathEnd::NoSolution, PathEnd::NoSolution},
        {&kNineGrid, std::vector<int>(80, 0), PathEnd::NoSolution, PathEnd::NoSolution},
        {&kFifteenGrid, emptyFifteen, PathEnd::Stuck, PathEnd::Stuck},
        {&kNineGrid, explainPath(kNineGrid, easy).values, PathEnd::Solved, PathEnd::Solved},
    };
    for (const auto& c : cases) {
        const LogicPath hint = hintPath(*c.kind, c.values);
        const LogicPath path = explainPath(*c.kind, c.values);
        EXPECT_EQ(hint.end, c.hint);
        EXPECT_EQ(path.end, c.explain);
        if (c.hint == PathEnd::Placed) {
            ASSERT_FALSE(hint.steps.empty());
            EXPECT_EQ(hint.steps.back().placements.size(), 1u);
        } else {
            EXPECT_TRUE(hint.steps.empty());
        }
    }
    EXPECT_EQ(pathMessage(explainPath(kNineGrid, clash)),
              "This grid has no solution: check your entries");
}

TEST(LogicPath, TakesNoUniquenessStepOnAGridWithTwoSolutions) {
    // Where logic stops on this grid, Unique Rectangle Type 1 would remove 3 and 5 from r8c9,
    // which one of the two solutions holds.
    const std::vector<int> two = valuesOf(
        "...85......5..6.1........5..3......147.9............26.9.6.38...8...1.9...3......");
    ASSERT_EQ(countSolutions(kNineGrid, two, 3).count, 2);
    const LogicPath path = explainPath(kNineGrid, two);
    EXPECT_EQ(path.end, PathEnd::Stuck);
    for (const Step& step : path.steps)
        EXPECT_NE(techniqueInfo(step.technique).group, TechniqueGroup::Uniqueness) << step.text;
}

// A nested net reads one branch a line: its lines stand under the assumption they are inside,
// indented one step deeper, end with the contradiction, and the removal they prove follows at the
// outer depth with the reason in a few words.
TEST(LogicPath, NestedNetsSayWhichAssumptionTheyAreInside) {
    const LogicPath hint = hintPath(kNineGrid, valuesOf(kHard));
    const auto nested = std::find_if(hint.steps.begin(), hint.steps.end(), [](const Step& step) {
        return step.text.find("\ninside: if ") != std::string::npos;
    });
    ASSERT_NE(nested, hint.steps.end());
    std::istringstream text(nested->text);
    std::vector<std::pair<std::size_t, std::string>> open;  // indent and removal still to come
    int blocks = 0;
    for (std::string line; std::getline(text, line);) {
        const std::size_t indent = line.find_first_not_of(' ');
        if (!open.empty() && indent == open.back().first) {
            EXPECT_NE(line.find(open.back().second), std::string::npos) << line;
            open.pop_back();
            ++blocks;
        }
        EXPECT_EQ(indent, open.empty() ? 0 : open.back().first + 2) << line;
        if (line.compare(indent, 11, "inside: if ") == 0) {
            const std::string cell =
                line.substr(indent + 11, line.find(' ', indent + 11) - indent - 11);
            const std::string value =
                line.substr(line.rfind(' ') + 1, line.size() - line.rfind(' ') - 2);
            open.emplace_back(indent,
                              cell + " is not " + value + " (if it were " + value + ", then ");
        }
    }
    EXPECT_TRUE(open.empty());
    EXPECT_GT(blocks, 0);
}

// A net shows only the nested nets its conclusion needs: its assumption, with just the removals
// it shows proved by nested nets allowed to its nested step, still contradicts itself, and
// without any one of them it does not; limited to one fact, it stops short of the contradiction.
TEST(LogicPath, NetsShowOnlyTheNestedNetsTheirContradictionNeeds) {
    const std::vector<int> values = valuesOf(kHard);
    const LogicPath hint = hintPath(kNineGrid, values);
    LogicGrid grid(kNineGrid, values);
    grid.setOneSolution(true);
    int checked = 0;
    for (const Step& step : hint.steps) {
        const bool nestedContradiction =
            step.depth >= 2 && step.eliminations.size() == 1 &&
            step.text.find(": if " + candidateText(kNineGrid, step.eliminations[0], true) +
                           ":\n") != std::string::npos;
        std::vector<int> shown;  // candidate indexes of the outer nested removals
        std::istringstream text(step.text);
        for (std::string line; nestedContradiction && std::getline(text, line);) {
            int row = 0, column = 0, value = 0;
            if (std::sscanf(line.c_str(), "inside: if r%dc%d were %d:", &row, &column, &value) == 3)
                shown.push_back(candidateIndex((row - 1) * 9 + column, value));
        }
        if (!shown.empty()) {
            ++checked;
            const NetState base(grid);
            std::vector<char> allowed(kCandidateCount, 0);
            for (const int candidate : shown)
                allowed[candidate] = 1;
            for (const int left : shown) {
                allowed[left] = 0;
                Net without(grid, base, step.depth, false);
                without.limitNested(&allowed);
                EXPECT_TRUE(without.assume(step.eliminations[0], true)) << step.text;
                allowed[left] = 1;
            }
            Net with(grid, base, step.depth, false);
            with.limitNested(&allowed);
            EXPECT_FALSE(with.assume(step.eliminations[0], true)) << step.text;
            // A net stopped by its limit of facts gives up without claiming a contradiction.
            Net stopped(grid, base, step.depth, false);
            stopped.limitFacts(1, 1);
            EXPECT_TRUE(stopped.assume(step.eliminations[0], true) && stopped.limited());
        }
        grid.apply(step);
    }
    EXPECT_GT(checked, 0);
}

// Knowing the grid's solution only spares work: a net two deep resting on an assumption the
// solution agrees with narrows the copy to the same facts whether or not the solution is known,
// and the forcing nets find the same steps.
TEST(LogicPath, KnowingTheSolutionChangesNoNetNorStep) {
    const std::vector<int> values = valuesOf(kHard);
    LogicGrid unknown(kNineGrid, values);
    unknown.setOneSolution(true);
    LogicGrid known = unknown;
    const CellValues solution = countSolutions(kNineGrid, values, 2).firstSolution;
    known.setSolution(solution);
    const NetState base(unknown);
    int narrowedByNestedNets = 0;
    for (const CellValue& candidate : candidatesOf(unknown)) {
        const bool on = solution[candidate.cell - 1] == candidate.value;
        Net plain(unknown, base, 2, false);
        Net spared(known, base, 2, false);
        for (Net* net : {&plain, &spared}) {
            net->limitFacts(0, 32);
            EXPECT_TRUE(net->assume(candidate, on));
        }
        EXPECT_EQ(plain.state().candidates, spared.state().candidates);
        Net unnested(unknown, base, 1, false);
        unnested.assume(candidate, on);
        narrowedByNestedNets += plain.state().candidates != unnested.state().candidates;
    }
    EXPECT_GT(narrowedByNestedNets, 0);
    const auto stepsOf = [](const LogicGrid& grid) {
        std::vector<std::string> texts;
        findSteps(Technique::ForcingNet, grid, [&](Step&& step) {
            texts.push_back(step.text);
            return true;
        });
        return texts;
    };
    const std::vector<std::string> steps = stepsOf(unknown);
    EXPECT_FALSE(steps.empty());
    EXPECT_EQ(stepsOf(known), steps);
}

// Assuming a candidate false that is one of two in its cell or a unit narrows a net two deep as
// assuming the other true does (the searches follow one for both).
TEST(LogicPath, RemovingOneOfTwoNarrowsAsPlacingTheOther) {
    LogicGrid grid(kNineGrid, valuesOf(kHard));
    grid.setOneSolution(true);
    const NetState base(grid);
    int pairs = 0;
    for (const CellValue& removed : candidatesOf(grid)) {
        const CellValue placed = placedByRemoving(grid, removed);
        if (placed.cell == 0) continue;
        ++pairs;
        EXPECT_TRUE(grid.hasCandidate(placed.cell, placed.value));
        Net off(grid, base, 2, false);
        Net on(grid, base, 2, false);
        off.limitFacts(0, 32);
        on.limitFacts(0, 32);
        const bool held = off.assume(removed, false);
        EXPECT_EQ(on.assume(placed, true), held);
        if (!held) continue;
        EXPECT_EQ(off.state().candidates, on.state().candidates);
        EXPECT_EQ(off.state().placed[placed.cell], placed.value);
    }
    EXPECT_GT(pairs, 0);
}

struct PathFigures {
    int checked = 0;
    int solved = 0;
    long steps = 0;
    long instances = 0;  // of every technique, on every grid of the paths
    bool operator==(const PathFigures&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const PathFigures& f) {
        return out << f.checked << " checked, " << f.solved << " solved, " << f.steps << " steps, "
                   << f.instances << " instances";
    }
};

bool holds(const Step& step, const LogicGrid& grid, const CellValues& solution) {
    return std::all_of(step.eliminations.begin(), step.eliminations.end(),
                       [&](const CellValue& removed) {
                           return grid.hasCandidate(removed.cell, removed.value) &&
                                  solution[removed.cell - 1] != removed.value;
                       }) &&
           std::all_of(
               step.placements.begin(), step.placements.end(),
               [&](const CellValue& placed) { return solution[placed.cell - 1] == placed.value; });
}

// The candidates of each empty cell, without about a tenth of those the solution does not hold
// (the same every run for the same `seed`): a state a user might have reached by hand.
std::vector<ValueMask> thinnedCandidates(const Puzzle& puzzle, const CellValues& solution,
                                         unsigned seed) {
    const LogicGrid fresh(puzzle.kind, puzzle.values);
    std::mt19937 random(seed);
    std::vector<ValueMask> candidates;
    for (int cell = 1; cell <= fresh.cellCount(); ++cell) {
        ValueMask mask = fresh.candidates(cell);
        for (int value = 1; value <= fresh.side(); ++value)
            if (value != solution[cell - 1] && random() % 10 == 0)
                mask &= static_cast<ValueMask>(~(1u << value));
        candidates.push_back(fresh.value(cell) != 0 ? ValueMask(1u << fresh.value(cell)) : mask);
    }
    return candidates;
}

// Replays the path of every `every`-th puzzle against its only solution, from its values or
// (`thinned`) from a candidate state; at each grid on the way of every `probe`-th puzzle where
// a single does not come next, the first instances of every technique must hold too.
constexpr int kInstancesChecked = 8;

PathFigures checkPaths(const std::string& file, int every, int probe, bool thinned = false) {
    std::ifstream in(std::string(QUORVEL_SOURCE_DIR) + "/bench/puzzles/" + file);
    PathFigures figures;
    std::string line;
    for (int number = 0; std::getline(in, line); ++number) {
        if (number % every != 0) continue;
        const Puzzle puzzle = *parsePuzzleLine(line).puzzle;
        const SolutionCount solutions = countSolutions(puzzle.kind, puzzle.values, 2);
        if (solutions.count != 1) continue;
        ++figures.checked;
        const std::vector<ValueMask> candidates =
            thinned ? thinnedCandidates(puzzle, solutions.firstSolution, number)
                    : std::vector<ValueMask>{};
        const LogicPath path = explainPath(puzzle.kind, puzzle.values, candidates);
        LogicGrid grid(puzzle.kind, puzzle.values, candidates);
        grid.setOneSolution(true);
        for (const Step& step : path.steps) {
            for (const TechniqueInfo& info : allTechniques()) {
                if (number % probe != 0 || step.technique <= Technique::HiddenSingle) break;
                int checked = 0;
                findSteps(info.technique, grid, [&](Step&& found) {
                    ++figures.instances;
                    if (!holds(found, grid, solutions.firstSolution))
                        ADD_FAILURE() << file << " line " << number + 1 << ": " << found.text;
                    return ++checked < kInstancesChecked;
                });
            }
            EXPECT_LE(step.summary.size(), kSummaryLength) << step.text;
            if (!holds(step, grid, solutions.firstSolution)) return figures;
            grid.apply(step);
        }
        EXPECT_EQ(grid.values(), path.values);
        figures.solved += path.end == PathEnd::Solved;
        figures.steps += static_cast<long>(path.steps.size());
    }
    return figures;
}

TEST(LogicPath, NeverRemovesOrPlacesAgainstTheSolution) {
    // Known figures: a technique that misses instances or a changed order shows here too.
    EXPECT_EQ(checkPaths("top1465.txt", 20, 100), (PathFigures{74, 74, 6151, 42974}));
    EXPECT_EQ(checkPaths("fifteen_unique135.txt", 5, 50), (PathFigures{20, 20, 4046, 13365}));
    EXPECT_EQ(checkPaths("top1465.txt", 100, 100, true), (PathFigures{15, 15, 952, 14099}));
    EXPECT_EQ(checkPaths("fifteen_unique135.txt", 50, 50, true), (PathFigures{2, 2, 290, 5779}));
}

}  // namespace
}  // namespace quorvel::logic
