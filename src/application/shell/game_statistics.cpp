#include "application/shell/game_statistics.h"

#include <algorithm>
#include <array>

#include "application/shell/elapsed_time.h"

namespace quorvel {

namespace {

constexpr const char* kLevelNames[] = {"No level", "Easy", "Medium", "Hard", "Very Hard"};

// The chart's bands of solve time, in minutes from the lower bound.
struct TimeBand {
    int fromMinutes;
    const char* label;
};
constexpr std::array<TimeBand, 5> kTimeBands = {{{0, "under 5 min"},
                                                 {5, "5 to 10 min"},
                                                 {10, "10 to 20 min"},
                                                 {20, "20 to 40 min"},
                                                 {40, "40 min or more"}}};
constexpr int kLongestBar = 20;

std::string timeText(std::optional<int> seconds) {
    return seconds ? formatElapsed(*seconds / 86400.0) : "--:--:--";
}

void appendChart(std::vector<std::string>& lines, const PlayStatistics& statistics, int side) {
    std::array<int, kTimeBands.size()> counts{};
    for (const auto& [key, level] : statistics) {
        if (key.first != side) continue;
        for (int seconds : level.solveSeconds) {
            std::size_t band = kTimeBands.size() - 1;
            while (band > 0 && seconds < kTimeBands[band].fromMinutes * 60)
                --band;
            ++counts[band];
        }
    }
    const int most = *std::max_element(counts.begin(), counts.end());
    if (most == 0) return;
    lines.push_back("Solve times, " + std::to_string(side) + " x " + std::to_string(side) + ":");
    for (std::size_t band = 0; band < kTimeBands.size(); ++band) {
        const int length = (counts[band] * kLongestBar + most - 1) / most;
        std::string bar;
        for (int block = 0; block < length; ++block)
            bar += "\u2588";
        lines.push_back("  " + bar + (length > 0 ? " " : "") + std::to_string(counts[band]) + "  " +
                        kTimeBands[band].label);
    }
}

}  // namespace

bool countsAsHelp(Command command) {
    switch (command) {
        case Command::GetNext:
        case Command::MildAttack:
        case Command::BruteForce:
        case Command::NumberCrunch:
        case Command::ExactSolve:
        case Command::ExplainNextStep:
        case Command::ShowMistakes:
            return true;
        default:
            return false;
    }
}

std::vector<std::string> statisticsLines(const PlayStatistics& statistics) {
    std::vector<std::string> lines;
    if (statistics.empty()) return {"No games played yet."};
    for (const auto& [key, level] : statistics) {
        lines.push_back(std::to_string(key.first) + " x " + std::to_string(key.first) + ", " +
                        kLevelNames[key.second] + ": " + std::to_string(level.started) +
                        " started, " + std::to_string(level.solved) + " solved (" +
                        std::to_string(level.solvedUnaided) + " without help), best " +
                        timeText(level.bestSeconds()) + ", median " +
                        timeText(level.medianSeconds()));
    }
    for (int side : {9, 15})
        appendChart(lines, statistics, side);
    return lines;
}

LoadedStatistics GameStatistics::load() {
    LoadedStatistics loaded = loadPlayStatistics(folder_);
    record_ = loaded.statistics;
    return loaded;
}

FileStatus GameStatistics::gameStarted(int side, int level) {
    game_ = Game{{side, std::clamp(level, 0, 4)}};
    PlayStatistics next = record_;
    ++next[game_->key].started;
    return commit(std::move(next));
}

FileStatus GameStatistics::gridSolved(int side, int seconds) {
    if (!game_ || game_->key.first != side) return std::nullopt;
    const Game game = *game_;
    game_.reset();
    PlayStatistics next = record_;
    LevelStatistics& level = next[game.key];
    // A start the file could not take is not counted: the solve is not either.
    if (level.solved >= level.started) return std::nullopt;
    ++level.solved;
    if (!game.helped) ++level.solvedUnaided;
    level.solveSeconds.push_back(std::max(0, seconds));
    return commit(std::move(next));
}

FileStatus GameStatistics::reset() {
    game_.reset();
    return commit({});
}

FileStatus GameStatistics::commit(PlayStatistics next) {
    if (FileStatus error = savePlayStatistics(folder_, next)) return error;
    record_ = std::move(next);
    return std::nullopt;
}

}  // namespace quorvel
