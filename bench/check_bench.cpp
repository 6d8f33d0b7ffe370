// Speed of the exact solution counter as `quorvel-tool check` uses it: count up to two
// solutions and find the cells where they differ. BM_CheckSpread times each puzzle once and
// reports median, p99 and worst in thread CPU microseconds, over top1465 (from the puzzle folder)
// and over 300 generated 15x15 puzzles (level 4, seeds 1..300, as the generator leaves them).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "engines/create/generated_puzzle.h"
#include "engines/create/random_source.h"
#include "engines/solver/solution_count.h"
#include "puzzle_files.h"

namespace {

using namespace quorvel;

std::vector<Puzzle> generatedFifteen() {
    std::vector<Puzzle> puzzles;
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        SeededRandom random(seed);
        puzzles.push_back({kFifteenGrid, generatePuzzle(kFifteenGrid, 4, random).puzzle, {}, {}});
    }
    return puzzles;
}

void checkSpread(benchmark::State& state, const std::vector<Puzzle>& puzzles) {
    std::vector<double> micros;
    int unique = 0;
    for (auto _ : state) {
        micros.clear();
        unique = 0;
        for (const Puzzle& puzzle : puzzles) {
            const double start = bench::threadCpuMillis();
            const SolutionCount count = countSolutions(puzzle.kind, puzzle.values, 2);
            benchmark::DoNotOptimize(differingCells(count));
            micros.push_back((bench::threadCpuMillis() - start) * 1e3);
            unique += count.count == 1 ? 1 : 0;
        }
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = bench::percentile(micros, 0.5);
    state.counters["p99_us"] = bench::percentile(micros, 0.99);
    state.counters["worst_us"] = micros.back();
    state.counters["unique"] = unique;
    state.counters["puzzles"] = static_cast<double>(puzzles.size());
}

void BM_CheckSpread_top1465(benchmark::State& state) {
    static const std::vector<Puzzle> puzzles =
        bench::readPuzzles(bench::puzzleFolder() / "top1465.txt");
    checkSpread(state, puzzles);
}
BENCHMARK(BM_CheckSpread_top1465)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_CheckSpread_generated15(benchmark::State& state) {
    static const std::vector<Puzzle> puzzles = generatedFifteen();
    checkSpread(state, puzzles);
}
BENCHMARK(BM_CheckSpread_generated15)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
