// Speed of puzzle generation: the givens pattern and the generator without a window, as
// `quorvel-tool generate` runs them. One puzzle per iteration, each from its own seed; the
// median over repetitions is the figure to compare with the goals (9x9 below 1 ms, 15x15 below
// 20 ms).
//
// BM_UniqueShare makes 200 puzzles per size and level (seeds 1..200) and reports the share that
// has exactly one solution as the generator leaves them (counted with the exact solution
// counter, limit 2), the share with unique givens asked for, and how many givens the unique
// puzzle has more (or fewer, once aimed at the level) on average.
//
// BM_GenerateUnique makes 1000 unique puzzles per size and level (seeds 1..1000) as
// `quorvel-tool generate --unique` does, aimed at the level, and reports the share rated at the
// level, the givens on average, and median, p99 and worst in thread CPU ms.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "engines/create/generated_puzzle.h"
#include "engines/create/random_source.h"
#include "engines/logic/puzzle_rating.h"
#include "puzzle_files.h"

namespace {

using namespace quorvel;

constexpr int kUniqueSeeds = 1000;

const GridKind& kindOfSide(std::int64_t side) {
    return side == 9 ? kNineGrid : kFifteenGrid;
}

void BM_Generate(benchmark::State& state) {
    const GridKind& kind = kindOfSide(state.range(0));
    const int level = static_cast<int>(state.range(1));
    std::uint64_t seed = 1;
    for (auto _ : state) {
        SeededRandom random(seed++);
        GeneratedPuzzle made = generatePuzzle(kind, level, random);
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
    const GridKind& kind = kindOfSide(state.range(0));
    const int level = static_cast<int>(state.range(1));
    int unique = 0;
    int madeUnique = 0;
    int added = 0;
    for (auto _ : state) {
        unique = madeUnique = added = 0;
        for (std::uint64_t seed = 1; seed <= kSeeds; ++seed) {
            SeededRandom random(seed);
            const GeneratedPuzzle plain = generatePuzzle(kind, level, random);
            SeededRandom again(seed);
            const GeneratedPuzzle made = generatePuzzle(kind, level, again, true);
            unique += plain.unique ? 1 : 0;
            madeUnique += made.unique ? 1 : 0;
            added += made.givens - plain.givens;
        }
    }
    state.counters["unique_share"] = static_cast<double>(unique) / kSeeds;
    state.counters["unique_after"] = static_cast<double>(madeUnique) / kSeeds;
    state.counters["givens_change"] = static_cast<double>(added) / kSeeds;
}
BENCHMARK(BM_UniqueShare)
    ->ArgsProduct({{9, 15}, {1, 2, 3, 4}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void BM_GenerateUnique(benchmark::State& state) {
    const GridKind& kind = kindOfSide(state.range(0));
    const int level = static_cast<int>(state.range(1));
    std::vector<double> millis;
    int reached = 0;
    double givens = 0;
    for (auto _ : state) {
        millis.clear();
        reached = 0;
        givens = 0;
        for (std::uint64_t seed = 1; seed <= kUniqueSeeds; ++seed) {
            const double start = bench::threadCpuMillis();
            SeededRandom random(seed);
            const GeneratedPuzzle made = generatePuzzle(kind, level, random, true);
            millis.push_back(bench::threadCpuMillis() - start);
            reached += logic::ratePuzzle(kind, made.puzzle).level == level ? 1 : 0;
            givens += made.givens;
        }
    }
    std::sort(millis.begin(), millis.end());
    state.counters["reached"] = static_cast<double>(reached) / kUniqueSeeds;
    state.counters["givens"] = givens / kUniqueSeeds;
    state.counters["median_ms"] = bench::percentile(millis, 0.5);
    state.counters["p99_ms"] = bench::percentile(millis, 0.99);
    state.counters["worst_ms"] = millis.back();
}
BENCHMARK(BM_GenerateUnique)
    ->ArgsProduct({{9, 15}, {1, 2, 3, 4}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
