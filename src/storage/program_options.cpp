#include "storage/program_options.h"

#include <algorithm>

#include "storage/data_file.h"

namespace quorvel {

namespace {

constexpr std::string_view kRecentFileName = "RecentFile";
constexpr std::string_view kZoomName = "Zoom";
constexpr std::string_view kThemeName = "Theme";

// The appearance lines; false for any other line.
bool parseAppearance(std::string_view name, std::string_view value, ProgramOptions& options) {
    if (name == kZoomName) {
        for (int percent : kZoomPercents)
            if (value == std::to_string(percent)) options.zoomPercent = percent;
        return true;
    }
    if (name == kThemeName) {
        if (const std::optional<Theme> theme = themeNamed(value)) options.theme = *theme;
        return true;
    }
    return false;
}

constexpr std::string_view kTechniqueName = "Technique";

}  // namespace

void addRecentFile(std::vector<std::string>& files, const std::string& file) {
    if (file.empty() || file.find_first_of("\r\n") != std::string::npos) return;
    std::erase(files, file);
    files.insert(files.begin(), file);
    if (files.size() > kMostRecentFiles) files.resize(kMostRecentFiles);
}

ProgramOptions parseProgramOptions(std::string_view text) {
    ProgramOptions options;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string_view value = line.substr(equals + 1);
        if (parseAppearance(line.substr(0, equals), value, options)) continue;
        if (line.substr(0, equals) == kTechniqueName) {
            if (!value.empty() &&
                std::find(options.optionalTechniques.begin(), options.optionalTechniques.end(),
                          value) == options.optionalTechniques.end())
                options.optionalTechniques.emplace_back(value);
            continue;
        }
        if (line.substr(0, equals) == kRecentFileName) {
            if (options.recentFiles.size() < kMostRecentFiles && !value.empty() &&
                std::find(options.recentFiles.begin(), options.recentFiles.end(), value) ==
                    options.recentFiles.end())
                options.recentFiles.emplace_back(value);
            continue;
        }
        for (const auto& [name, option] : kProgramOptionNames) {
            if (line.substr(0, equals) == name && (value == "True" || value == "False"))
                options.*option = value == "True";
        }
    }
    return options;
}

std::string formatProgramOptions(const ProgramOptions& options) {
    std::string text;
    for (const auto& [name, option] : kProgramOptionNames)
        text += std::string(name) + "=" + (options.*option ? "True" : "False") + "\n";
    text += std::string(kZoomName) + "=" + std::to_string(options.zoomPercent) + "\n";
    text += std::string(kThemeName) + "=" + std::string(themeName(options.theme)) + "\n";
    for (const std::string& technique : options.optionalTechniques)
        text += std::string(kTechniqueName) + "=" + technique + "\n";
    for (const std::string& file : options.recentFiles)
        text += std::string(kRecentFileName) + "=" + file + "\n";
    return text;
}

ProgramOptions loadProgramOptions(const std::filesystem::path& settingsFolder) {
    const std::optional<std::string> bytes =
        readFileBytes(resolveDataFile(settingsFolder, kOptionsFileName));
    return bytes ? parseProgramOptions(*bytes) : ProgramOptions{};
}

FileStatus saveProgramOptions(const std::filesystem::path& settingsFolder,
                              const ProgramOptions& options) {
    return replaceFileAtomically(resolveDataFile(settingsFolder, kOptionsFileName),
                                 formatProgramOptions(options));
}

}  // namespace quorvel
