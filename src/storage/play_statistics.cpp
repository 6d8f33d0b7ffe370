#include "storage/play_statistics.h"

#include <algorithm>
#include <charconv>

#include "storage/data_file.h"

namespace quorvel {

namespace {

constexpr std::string_view kHeading = "QuorvelStatistics 1";

// The whitespace-separated whole numbers of a line; nullopt when any word is not one.
std::optional<std::vector<int>> numbersOf(std::string_view line) {
    std::vector<int> numbers;
    while (true) {
        const std::size_t start = line.find_first_not_of(' ');
        if (start == std::string_view::npos) return numbers;
        line.remove_prefix(start);
        const std::size_t end = std::min(line.find(' '), line.size());
        int number = 0;
        const auto [rest, error] = std::from_chars(line.data(), line.data() + end, number);
        if (error != std::errc() || rest != line.data() + end || number < 0) return std::nullopt;
        numbers.push_back(number);
        line.remove_prefix(end);
    }
}

bool consistent(const GridLevel& key, const LevelStatistics& level) {
    return (key.first == 9 || key.first == 15) && key.second <= 4 &&
           level.solvedUnaided <= level.solved && level.solved <= level.started &&
           static_cast<int>(level.solveSeconds.size()) == level.solved;
}

}  // namespace

std::optional<int> LevelStatistics::bestSeconds() const {
    if (solveSeconds.empty()) return std::nullopt;
    return *std::min_element(solveSeconds.begin(), solveSeconds.end());
}

std::optional<int> LevelStatistics::medianSeconds() const {
    if (solveSeconds.empty()) return std::nullopt;
    std::vector<int> sorted = solveSeconds;
    std::sort(sorted.begin(), sorted.end());
    return sorted[(sorted.size() - 1) / 2];
}

std::optional<PlayStatistics> parsePlayStatistics(std::string_view text) {
    PlayStatistics statistics;
    bool headed = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!headed) {
            if (line != kHeading) return std::nullopt;
            headed = true;
            continue;
        }
        if (line.empty()) continue;
        const std::optional<std::vector<int>> numbers = numbersOf(line);
        if (!numbers || numbers->size() < 5) return std::nullopt;
        const GridLevel key{(*numbers)[0], (*numbers)[1]};
        LevelStatistics level{
            (*numbers)[2], (*numbers)[3], (*numbers)[4], {numbers->begin() + 5, numbers->end()}};
        if (!consistent(key, level) || statistics.contains(key)) return std::nullopt;
        statistics.emplace(key, std::move(level));
    }
    if (!headed) return std::nullopt;
    return statistics;
}

std::string formatPlayStatistics(const PlayStatistics& statistics) {
    std::string text = std::string(kHeading) + "\n";
    for (const auto& [key, level] : statistics) {
        text += std::to_string(key.first) + " " + std::to_string(key.second) + " " +
                std::to_string(level.started) + " " + std::to_string(level.solved) + " " +
                std::to_string(level.solvedUnaided);
        for (int seconds : level.solveSeconds)
            text += " " + std::to_string(seconds);
        text += "\n";
    }
    return text;
}

LoadedStatistics loadPlayStatistics(const std::filesystem::path& folder) {
    const std::filesystem::path path = resolveDataFile(folder, kStatisticsFileName);
    LoadedStatistics loaded;
    std::string bytes;
    const FileStatus readError = transferTextFile(bytes, path, TextFileMode::ReadRaw);
    if (!readError && bytes.empty()) return loaded;
    const std::optional<PlayStatistics> parsed =
        readError ? std::nullopt : parsePlayStatistics(bytes);
    if (parsed) {
        loaded.statistics = *parsed;
        return loaded;
    }
    moveUnreadableAside(path, loaded.movedAside, loaded.error);
    return loaded;
}

FileStatus savePlayStatistics(const std::filesystem::path& folder,
                              const PlayStatistics& statistics) {
    return replaceFileAtomically(resolveDataFile(folder, kStatisticsFileName),
                                 formatPlayStatistics(statistics));
}

}  // namespace quorvel
