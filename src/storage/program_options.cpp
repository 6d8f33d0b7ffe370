#include "storage/program_options.h"

#include "storage/data_file.h"

namespace quorvel {

namespace {

constexpr std::string_view kUniquePuzzlesOnly = "UniquePuzzlesOnly";

}  // namespace

ProgramOptions ParseProgramOptions(std::string_view text) {
    ProgramOptions options;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || line.substr(0, equals) != kUniquePuzzlesOnly)
            continue;
        const std::string_view value = line.substr(equals + 1);
        if (value == "True" || value == "False") options.uniquePuzzlesOnly = value == "True";
    }
    return options;
}

std::string FormatProgramOptions(const ProgramOptions& options) {
    return std::string(kUniquePuzzlesOnly) + "=" + (options.uniquePuzzlesOnly ? "True" : "False") +
           "\n";
}

ProgramOptions LoadProgramOptions(const std::filesystem::path& settingsFolder) {
    const std::optional<std::string> bytes =
        ReadFileBytes(ResolveDataFile(settingsFolder, kOptionsFileName));
    return bytes ? ParseProgramOptions(*bytes) : ProgramOptions{};
}

FileStatus SaveProgramOptions(const std::filesystem::path& settingsFolder,
                              const ProgramOptions& options) {
    return ReplaceFileAtomically(ResolveDataFile(settingsFolder, kOptionsFileName),
                                 FormatProgramOptions(options));
}

}  // namespace quorvel
