#include "programs/tool/puzzle_maker.h"

#include <random>
#include <utility>

namespace quorvel::tool {
namespace {

bool solves(const EngineVerdict& verdict, const CellValues& solution) {
    return verdict.result && verdict.grid == solution;
}

// Whether a thinned puzzle still stays at or below the level being aimed at. Checking this at
// every removal lets the easy levels keep the givens they need (a 15x15 puzzle that singles alone
// solve usually needs many more givens than one merely unique).
bool withinTarget(const EngineRunner& engine, const GridKind& kind, const CellValues& puzzle,
                  const CellValues& solution, int target) {
    switch (target) {
        case 1:
            return solves(engine(kind, puzzle, EngineStrength::MildAttack), solution);
        case 2:
            return solves(engine(kind, puzzle, EngineStrength::BruteForce), solution);
        case 3: {
            const EngineVerdict verdict = engine(kind, puzzle, EngineStrength::NumberCrunch);
            return solves(verdict, solution) && verdict.guesses <= kHardGuessLimit;
        }
        default:
            return solves(engine(kind, puzzle, EngineStrength::NumberCrunch), solution);
    }
}

// Removes givens in point-symmetric pairs, in random order, keeping a removal only while the
// puzzle keeps exactly one solution and stays within the target level.
CellValues thinOut(const EngineRunner& engine, const GridKind& kind, const CellValues& solution,
                   int target, std::mt19937_64& random) {
    const int cellCount = kind.cellCount();
    std::vector<int> pairStarts;  // cell index i stands for the pair (i, last - i)
    for (int index = 0; index <= (cellCount - 1) / 2; ++index)
        pairStarts.push_back(index);
    for (int last = static_cast<int>(pairStarts.size()) - 1; last > 0; --last) {
        const auto pick = static_cast<int>(random() % static_cast<std::uint64_t>(last + 1));
        std::swap(pairStarts[last], pairStarts[pick]);
    }

    CellValues puzzle = solution;
    for (int first : pairStarts) {
        const int second = cellCount - 1 - first;
        puzzle[first] = 0;
        puzzle[second] = 0;
        const bool keep = countSolutions(kind, puzzle, 2).count == 1 &&
                          withinTarget(engine, kind, puzzle, solution, target);
        if (!keep) {
            puzzle[first] = solution[first];
            puzzle[second] = solution[second];
        }
    }
    return puzzle;
}

// The level that still misses the most puzzles (the lower one on a tie); 0 when none misses any.
int neediestLevel(const std::array<int, 5>& made, int countPerLevel) {
    int neediest = 0;
    int largestNeed = 0;
    for (int level = 1; level <= 4; ++level) {
        const int need = countPerLevel - made[level];
        if (need > largestNeed) {
            largestNeed = need;
            neediest = level;
        }
    }
    return neediest;
}

}  // namespace

int classifyLevel(const EngineRunner& engine, const GridKind& kind, const CellValues& puzzle,
                  const CellValues& solution) {
    if (solves(engine(kind, puzzle, EngineStrength::MildAttack), solution)) return 1;
    const bool bruteSolves = solves(engine(kind, puzzle, EngineStrength::BruteForce), solution);
    const EngineVerdict crunch = engine(kind, puzzle, EngineStrength::NumberCrunch);
    if (!solves(crunch, solution)) return 0;
    if (bruteSolves) return 2;
    return crunch.guesses <= kHardGuessLimit ? 3 : 4;
}

MakeReport makePuzzles(const GridKind& kind, const MakeOptions& options,
                       const EngineRunner& engine) {
    std::mt19937_64 random(options.seed);
    std::array<std::vector<MadePuzzle>, 5> byLevel;
    MakeReport report;
    while (report.candidates < options.maxCandidates) {
        const int target = neediestLevel(report.perLevel, options.countPerLevel);
        if (target == 0) break;
        ++report.candidates;
        const CellValues solution = randomCompleteGrid(kind, random);
        const CellValues puzzle = thinOut(engine, kind, solution, target, random);
        const int level = classifyLevel(engine, kind, puzzle, solution);
        if (level == 0 || report.perLevel[level] >= options.countPerLevel) continue;
        ++report.perLevel[level];
        byLevel[level].push_back({level, puzzle, solution});
    }
    for (const auto& made : byLevel) {
        report.puzzles.insert(report.puzzles.end(), made.begin(), made.end());
    }
    return report;
}

}  // namespace quorvel::tool
