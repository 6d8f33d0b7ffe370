// Speed of the logic solver over the puzzle files (one puzzle line each), from bench/puzzles or
// the folder named by QUORVEL_PUZZLES. BM_Logic/<set>/hint finds the next placement of every
// puzzle from its starting position, BM_Logic/<set>/explain runs each whole path; both report
// median, p99 and worst puzzle (thread CPU milliseconds) and how many puzzles reached their goal
// (a placement, or a solved grid).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engines/logic/logic_solver.h"
#include "model/puzzle_line.h"
#include "thread_clock.h"

namespace {

using namespace quorvel;

std::vector<Puzzle> readPuzzles(const std::filesystem::path& file) {
    std::vector<Puzzle> puzzles;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        PuzzleLineResult parsed = parsePuzzleLine(line);
        if (parsed.puzzle) puzzles.push_back(std::move(*parsed.puzzle));
    }
    return puzzles;
}

void spreadBench(benchmark::State& state, const std::vector<Puzzle>& puzzles, bool hint) {
    std::vector<double> millis;
    int reached = 0;
    for (auto _ : state) {
        millis.clear();
        reached = 0;
        for (const Puzzle& puzzle : puzzles) {
            const double start = threadCpuMillis();
            const logic::LogicPath path = hint ? logic::hintPath(puzzle.kind, puzzle.values)
                                               : logic::explainPath(puzzle.kind, puzzle.values);
            millis.push_back(threadCpuMillis() - start);
            reached += path.end == (hint ? logic::PathEnd::Placed : logic::PathEnd::Solved);
        }
    }
    std::sort(millis.begin(), millis.end());
    const auto at = [&](double share) {
        return millis[std::min(millis.size() - 1, static_cast<std::size_t>(share * millis.size()))];
    };
    state.counters["median_ms"] = at(0.5);
    state.counters["p99_ms"] = at(0.99);
    state.counters["worst_ms"] = millis.back();
    state.counters["reached"] = reached;
    state.counters["puzzles"] = static_cast<double>(puzzles.size());
}

const bool registered = [] {
    const char* folder = std::getenv("QUORVEL_PUZZLES");
    const std::filesystem::path dir = folder != nullptr ? folder : QUORVEL_BENCH_PUZZLES;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        if (entry.path().extension() == ".txt") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        const auto puzzles = std::make_shared<std::vector<Puzzle>>(readPuzzles(file));
        if (puzzles->empty()) continue;
        for (const bool hint : {true, false}) {
            const std::string name =
                "BM_Logic/" + file.stem().string() + (hint ? "/hint" : "/explain");
            benchmark::RegisterBenchmark(
                name.c_str(),
                [puzzles, hint](benchmark::State& s) { spreadBench(s, *puzzles, hint); })
                ->Iterations(1)
                ->Unit(benchmark::kMillisecond);
        }
    }
    return true;
}();

}  // namespace
