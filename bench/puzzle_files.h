#pragma once
// Puzzle files and per-puzzle timing shared by the benchmarks. Files come from bench/puzzles, or
// from the folder named by QUORVEL_PUZZLES.

#include <time.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/puzzle_line.h"

namespace quorvel::bench {

inline std::filesystem::path puzzleFolder() {
    const char* folder = std::getenv("QUORVEL_PUZZLES");
    return folder != nullptr ? folder : QUORVEL_BENCH_PUZZLES;
}

inline std::vector<Puzzle> readPuzzles(const std::filesystem::path& file) {
    std::vector<Puzzle> puzzles;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        PuzzleLineResult parsed = parsePuzzleLine(line);
        if (parsed.puzzle) puzzles.push_back(std::move(*parsed.puzzle));
    }
    return puzzles;
}

// CPU time of this thread: the per-puzzle figures stay meaningful on a busy shared machine.
inline double threadCpuMillis() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The value below which `share` of the sorted times fall.
inline double percentile(const std::vector<double>& sorted, double share) {
    const auto at = static_cast<std::size_t>(share * static_cast<double>(sorted.size()));
    return sorted[std::min(sorted.size() - 1, at)];
}

}  // namespace quorvel::bench
