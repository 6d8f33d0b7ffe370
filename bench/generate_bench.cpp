// Speed of puzzle generation: the givens pattern and MakeSudoku, headless, as
// `quorvel-tool generate` runs them. One puzzle per iteration, each from its own seed; the
// median over repetitions is the figure to compare with the goals (9x9 below 1 ms, 15x15 below
// 20 ms).
//
// BM_UniqueShare makes 200 puzzles per size and level (seeds 1..200) and reports the share that
// has exactly one solution, counted with the exact solution counter (limit 2).

#include <benchmark/benchmark.h>

#include <cstdint>

#include "create/headless_generation.h"
#include "create/random_source.h"
#include "solver/solution_count.h"

namespace {

using namespace quorvel;

const GridKind& KindOfSide(std::int64_t side) {
    return side == 9 ? kNineGrid : kFifteenGrid;
}

void BM_Generate(benchmark::State& state) {
    const GridKind& kind = KindOfSide(state.range(0));
    const int level = static_cast<int>(state.range(1));
    std::uint64_t seed = 1;
    for (auto _ : state) {
        SeededRandom random(seed++);
        GeneratedPuzzle made = GeneratePuzzle(kind, level, random);
        benchmark::DoNotOptimize(made);
    }
}
BENCHMARK(BM_Generate)
    ->ArgsProduct({{9, 15}, {1, 4}})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_UniqueShare(benchmark::State& state) {
    constexpr int kSeeds = 200;
    const GridKind& kind = KindOfSide(state.range(0));
    const int level = static_cast<int>(state.range(1));
    int unique = 0;
    for (auto _ : state) {
        unique = 0;
        for (std::uint64_t seed = 1; seed <= kSeeds; ++seed) {
            SeededRandom random(seed);
            const GeneratedPuzzle made = GeneratePuzzle(kind, level, random);
            unique += countSolutions(kind, made.puzzle, 2).count == 1 ? 1 : 0;
        }
    }
    state.counters["unique_share"] = static_cast<double>(unique) / kSeeds;
}
BENCHMARK(BM_UniqueShare)
    ->ArgsProduct({{9, 15}, {1, 2, 3, 4}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
