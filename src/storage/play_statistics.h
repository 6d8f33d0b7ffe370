#pragma once
// The record of games played, per grid and level, kept in one file in the data folder
// ("QuorvelStatistics.txt"): a first line naming the file's kind, then one line per grid and
// level that saw a game, "SIDE LEVEL STARTED SOLVED UNAIDED SECONDS...", the solve time of each
// solved game in the order they were solved. Level 0 holds the puzzles that carry no level (typed
// in, opened from a file, pasted).

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "storage/file_error.h"

namespace quorvel {

inline constexpr std::string_view kStatisticsFileName = "QuorvelStatistics.txt";

struct LevelStatistics {
    int started = 0;
    int solved = 0;
    int solvedUnaided = 0;          // solved without Get Next, Solve, Explain or Show Mistakes
    std::vector<int> solveSeconds;  // one per solved game, oldest first

    std::optional<int> bestSeconds() const;
    // The middle time; of two middle times, the lower.
    std::optional<int> medianSeconds() const;
    bool operator==(const LevelStatistics&) const = default;
};

// By grid side (9 or 15) and level (0 for none, 1 Easy .. 4 Very Hard).
using GridLevel = std::pair<int, int>;
using PlayStatistics = std::map<GridLevel, LevelStatistics>;

// nullopt when the text is not a statistics file this program wrote (a wrong first line, a
// line that does not parse, counts that contradict each other).
std::optional<PlayStatistics> parsePlayStatistics(std::string_view text);
std::string formatPlayStatistics(const PlayStatistics& statistics);

struct LoadedStatistics {
    PlayStatistics statistics;
    // The unreadable file's new name, when it was moved aside (empty otherwise).
    std::filesystem::path movedAside;
    FileStatus error;  // the move aside failed
};
// Empty statistics when the file is missing; a file that cannot be read is moved aside.
LoadedStatistics loadPlayStatistics(const std::filesystem::path& folder);
// Replaces the file atomically, so a failed write keeps the old one.
FileStatus savePlayStatistics(const std::filesystem::path& folder,
                              const PlayStatistics& statistics);

}  // namespace quorvel
