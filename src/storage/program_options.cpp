#include "storage/program_options.h"

#include "storage/data_file.h"

namespace quorvel {

ProgramOptions ParseProgramOptions(std::string_view text) {
    ProgramOptions options;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string_view value = line.substr(equals + 1);
        for (const auto& [name, option] : kProgramOptionNames) {
            if (line.substr(0, equals) == name && (value == "True" || value == "False"))
                options.*option = value == "True";
        }
    }
    return options;
}

std::string FormatProgramOptions(const ProgramOptions& options) {
    std::string text;
    for (const auto& [name, option] : kProgramOptionNames)
        text += std::string(name) + "=" + (options.*option ? "True" : "False") + "\n";
    return text;
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
