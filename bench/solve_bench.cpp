// Speed of the rule operations and the solve engine over puzzle files (one puzzle line each).
//
// Per file and mode: BM_Mode times whole solve commands as the tool runs them (a fresh grid's
// tables loaded, the engine, the grid shown), one puzzle per iteration in file order,
// and reports the engine's cost per nested guess and per propagation pass; BM_Spread solves every
// puzzle once and reports median, p99 and worst puzzle (thread CPU time) and how many the mode
// solved.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "application/grid/board.h"
#include "application/grid/puzzle_board.h"
#include "engines/solver/puzzle_solve.h"
#include "model/puzzle_line.h"
#include "puzzle_files.h"
#include "thread_clock.h"

namespace {

using namespace quorvel;
using bench::readPuzzles;
using bench::threadCpuMillis;

constexpr int kGetNext = 3;
const char* const kModeNames[] = {"mild", "brute", "crunch", "next"};

// The grid window's board needs somewhere to send its effects; the benchmark drops them.
class DroppedEvents : public GridEvents {
  public:
    void messageLine(const std::string&, Colour, Alignment) override {}
    void messageDialog(const std::string&, const std::string&) override {}
    void focusCell(int) override {}
    void cellClicked(int) override {}
    void cellTextChanged(int) override {}
    void removeTip(int) override {}
    bool tipMenuChecked() override { return false; }
    void setElapsedTimer(bool) override {}
    void setDrawingSuspended(bool) override {}
    void processEvents() override {}
};

SolveOutcome runMode(const Puzzle& puzzle, int mode) {
    return (mode == kGetNext ? nextStepOf(puzzle)
                             : solvePuzzle(puzzle, static_cast<SolveMode>(mode)))
        .outcome;
}

void checkTextBench(benchmark::State& state, const std::vector<Puzzle>& puzzles) {
    ProgramState session;
    DroppedEvents events;
    const auto board = std::make_unique<Board>(puzzles.front().kind, session, events);
    loadGivens(*board, puzzles.front().values);
    const int cells = board->cellCount();
    int cell = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(board->candidatesOf(cell + 1, true));
        cell = (cell + 1) % cells;
    }
}

void modeBench(benchmark::State& state, const std::vector<Puzzle>& puzzles, int mode) {
    std::size_t next = 0;
    double guesses = 0;
    double propagations = 0;
    for (auto _ : state) {
        const SolveOutcome outcome = runMode(puzzles[next], mode);
        next = (next + 1) % puzzles.size();
        guesses += static_cast<double>(outcome.guesses);
        propagations += static_cast<double>(outcome.propagations);
    }
    using benchmark::Counter;
    state.counters["guesses"] = Counter(guesses, Counter::kAvgIterations);
    if (guesses > 0)
        state.counters["per_guess"] = Counter(guesses, Counter::kIsRate | Counter::kInvert);
    state.counters["per_propagation"] = Counter(propagations, Counter::kIsRate | Counter::kInvert);
}

void spreadBench(benchmark::State& state, const std::vector<Puzzle>& puzzles, int mode) {
    std::vector<double> millis;
    int solved = 0;
    for (auto _ : state) {
        millis.clear();
        solved = 0;
        for (const Puzzle& puzzle : puzzles) {
            const double start = threadCpuMillis();
            solved += runMode(puzzle, mode).result ? 1 : 0;
            millis.push_back(threadCpuMillis() - start);
        }
    }
    std::sort(millis.begin(), millis.end());
    state.counters["median_ms"] = bench::percentile(millis, 0.5);
    state.counters["p99_ms"] = bench::percentile(millis, 0.99);
    state.counters["worst_ms"] = millis.back();
    state.counters["solved"] = solved;
    state.counters["puzzles"] = static_cast<double>(puzzles.size());
}

void registerFile(const std::filesystem::path& file) {
    const auto puzzles = std::make_shared<std::vector<Puzzle>>(readPuzzles(file));
    if (puzzles->empty()) return;
    const std::string name = file.stem().string();
    benchmark::RegisterBenchmark(("BM_CandidatesOf/" + name).c_str(),
                                 [puzzles](benchmark::State& s) { checkTextBench(s, *puzzles); });
    for (int mode = 0; mode <= kGetNext; ++mode) {
        const std::string suffix = name + "/" + kModeNames[mode];
        benchmark::RegisterBenchmark(("BM_Mode/" + suffix).c_str(), [puzzles,
                                                                     mode](benchmark::State& s) {
            modeBench(s, *puzzles, mode);
        })->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(
            ("BM_Spread/" + suffix).c_str(),
            [puzzles, mode](benchmark::State& s) { spreadBench(s, *puzzles, mode); })
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::filesystem::path dir = bench::puzzleFolder();
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        if (entry.path().extension() == ".txt") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const auto& file : files)
        registerFile(file);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
