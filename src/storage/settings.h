#pragma once
// The settings file "DaDododa.pxz": one line of fourteen fields, each followed by "^^", holding
// the working state that survives between sessions.

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "storage/file_error.h"

namespace quorvel {

inline constexpr std::string_view kSettingsFileName = "DaDododa.pxz";
inline constexpr std::string_view kSettingsSeparator = "^^";
inline constexpr int kSettingsFieldCount = 14;

struct Settings {
    std::array<std::string, 3> reserved;     // fields 0..2, written back as read
    int currentLevel = 1;                    // level for lookup, 1..4
    int gradeLevel = 1;                      // level last chosen in Grade and Save, 1..4
    int exposedCount = 28;                   // exposed cells of composed and generated puzzles
    std::string effortText = "28";           // givens#values#pattern; no "#" means none stored
    double elapsedAtCompose = 0;             // fraction of a day
    std::array<std::string, 4> storedGrids;  // the 9x9 window's stores 0..3, "," before each cell
    bool showPossibilitiesTip = true;
    bool showPossibilitiesPanel = true;

    bool operator==(const Settings&) const = default;
};

// Reads a plain settings text. Missing, empty or unusable fields take their defaults: a level
// outside 1..4, an exposed count outside 1..225, a Boolean other than True or False.
Settings parseSettings(std::string_view plainText);
// Exactly fourteen fields, each followed by "^^" (a "^" inside a field is left out).
std::string formatSettings(const Settings& settings);

struct LoadedSettings {
    Settings settings;
    bool created = false;  // the file was missing (or held nothing) and has been written anew
    // A file that could not be read, or whose text is not a settings text, renamed to this path
    // so that no write replaces it; empty when nothing was moved. The settings are then the
    // defaults, not yet written: the caller tells the user first.
    std::filesystem::path movedAside;
    FileStatus error;  // a read, rename or write failure; the settings are then the defaults
};

// Loads the settings file in `settingsFolder`; writes it with the defaults when it is missing or
// holds no more than its final line break. A file that cannot be read, or does not end in the
// separator as every settings text does, is moved aside (its name + ".unreadable", numbered when
// that name is taken); when even that fails it stays in place and the failure is reported.
LoadedSettings loadSettings(const std::filesystem::path& settingsFolder);
FileStatus saveSettings(const std::filesystem::path& settingsFolder, const Settings& settings);

}  // namespace quorvel
