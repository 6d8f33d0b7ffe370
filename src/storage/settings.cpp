#include "storage/settings.h"

#include <vector>

#include "model/grid_kind.h"
#include "storage/data_file.h"
#include "storage/number_text.h"

namespace quorvel {

namespace {

std::vector<std::string> splitSettingsFields(std::string_view text) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(kSettingsSeparator, start)) != std::string_view::npos;) {
        fields.emplace_back(text.substr(start, at - start));
        start = at + kSettingsSeparator.size();
    }
    fields.emplace_back(text.substr(start));
    return fields;
}

int numberInRange(const std::string& field, int low, int high, int fallback) {
    const std::optional<int> value = parseInt16(field);
    return value && *value >= low && *value <= high ? *value : fallback;
}

bool flag(const std::string& field, bool fallback) {
    if (field == "True") return true;
    if (field == "False") return false;
    return fallback;
}

const char* flagText(bool value) {
    return value ? "True" : "False";
}

// "^" has no place in any field; dropping it keeps every field one field when read back.
std::string withoutCarets(std::string text) {
    std::erase(text, '^');
    return text;
}

}  // namespace

Settings parseSettings(std::string_view plainText) {
    std::vector<std::string> fields = splitSettingsFields(plainText);
    fields.resize(kSettingsFieldCount);  // missing fields read as empty
    Settings settings;
    const Settings defaults;
    for (std::size_t i = 0; i < settings.reserved.size(); ++i)
        settings.reserved[i] = fields[i];
    settings.currentLevel = numberInRange(fields[3], 1, 4, defaults.currentLevel);
    settings.gradeLevel = numberInRange(fields[4], 1, 4, defaults.gradeLevel);
    settings.exposedCount = numberInRange(fields[5], 1, kMaxCells, defaults.exposedCount);
    if (!fields[6].empty()) settings.effortText = fields[6];
    settings.elapsedAtCompose = parseDecimal(fields[7]).value_or(defaults.elapsedAtCompose);
    for (std::size_t i = 0; i < settings.storedGrids.size(); ++i) {
        settings.storedGrids[i] = fields[8 + i];
    }
    settings.showPossibilitiesTip = flag(fields[12], defaults.showPossibilitiesTip);
    settings.showPossibilitiesPanel = flag(fields[13], defaults.showPossibilitiesPanel);
    return settings;
}

std::string formatSettings(const Settings& settings) {
    std::vector<std::string> fields(settings.reserved.begin(), settings.reserved.end());
    fields.push_back(std::to_string(settings.currentLevel));
    fields.push_back(std::to_string(settings.gradeLevel));
    fields.push_back(std::to_string(settings.exposedCount));
    fields.push_back(settings.effortText);
    fields.push_back(formatDecimal(settings.elapsedAtCompose));
    fields.insert(fields.end(), settings.storedGrids.begin(), settings.storedGrids.end());
    fields.emplace_back(flagText(settings.showPossibilitiesTip));
    fields.emplace_back(flagText(settings.showPossibilitiesPanel));
    std::string text;
    for (const std::string& field : fields)
        text += withoutCarets(field) + std::string(kSettingsSeparator);
    return text;
}

LoadedSettings loadSettings(const std::filesystem::path& settingsFolder) {
    const std::filesystem::path path = resolveDataFile(settingsFolder, kSettingsFileName);
    LoadedSettings loaded;
    std::string bytes;
    const FileStatus readError = transferTextFile(bytes, path, TextFileMode::ReadRaw);
    const std::string text = readError ? "" : unscrambleFileBytes(bytes);
    if (readError || (bytes.size() > 2 && !text.ends_with(kSettingsSeparator))) {
        moveUnreadableAside(path, loaded.movedAside, loaded.error);
        return loaded;
    }
    if (bytes.size() > 2) {
        loaded.settings = parseSettings(text);
        return loaded;
    }
    loaded.created = true;
    loaded.error = saveSettings(settingsFolder, loaded.settings);
    return loaded;
}

FileStatus saveSettings(const std::filesystem::path& settingsFolder, const Settings& settings) {
    return writeDataFile(resolveDataFile(settingsFolder, kSettingsFileName),
                         formatSettings(settings));
}

}  // namespace quorvel
