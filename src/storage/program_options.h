#pragma once
// Options of this program that the fourteen-field settings file has no room for, kept in a small
// file of their own beside it ("QuorvelOptions.txt"): one "Name=True" or "Name=False" line per
// option, "Zoom=150" and "Theme=Dark", one "Technique=NAME" line per optional technique turned
// on (Assist Solve > Optional Techniques), then one "RecentFile=PATH" line per file of Puzzle
// Grid > Open Recent, the latest first. A missing file, an unknown line or an unusable value
// leaves the default, so a file written before a line existed reads as before.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "model/theme.h"
#include "storage/file_error.h"

namespace quorvel {

inline constexpr std::string_view kOptionsFileName = "QuorvelOptions.txt";
// Visual Aid > Zoom offers these sizes, in percent of the designed one.
inline constexpr int kZoomPercents[] = {100, 125, 150, 200};
// Open Recent lists this many files.
inline constexpr std::size_t kMostRecentFiles = 8;

struct ProgramOptions {
    bool uniquePuzzlesOnly = true;                // Database > Unique Puzzles Only
    bool removeNotesOnEntry = true;               // Visual Aid > Remove Notes On Entry
    bool showConflicts = true;                    // Visual Aid > Show Conflicts
    std::vector<std::string> optionalTechniques;  // turned on, by name, in the order turned on
    std::vector<std::string> recentFiles;         // Puzzle Grid > Open Recent, the latest first
    int zoomPercent = 100;                        // Visual Aid > Zoom, one of kZoomPercents
    Theme theme = Theme::Classic;                 // Visual Aid > Theme

    bool operator==(const ProgramOptions&) const = default;
};

// Each option by the name its line carries, in the order the file lists them.
struct ProgramOptionName {
    std::string_view name;
    bool ProgramOptions::*option;
};
inline constexpr ProgramOptionName kProgramOptionNames[] = {
    {"UniquePuzzlesOnly", &ProgramOptions::uniquePuzzlesOnly},
    {"RemoveNotesOnEntry", &ProgramOptions::removeNotesOnEntry},
    {"ShowConflicts", &ProgramOptions::showConflicts},
};

// `file` at the head of the list, once, and no more than kMostRecentFiles files; a name that
// a line of the options file cannot hold (a line break in it) is left out.
void addRecentFile(std::vector<std::string>& files, const std::string& file);

ProgramOptions parseProgramOptions(std::string_view text);
std::string formatProgramOptions(const ProgramOptions& options);

// Reads the file in `settingsFolder`; the defaults when it is missing or unreadable.
ProgramOptions loadProgramOptions(const std::filesystem::path& settingsFolder);
// Replaces the file atomically, so a failed write keeps the old one.
FileStatus saveProgramOptions(const std::filesystem::path& settingsFolder,
                              const ProgramOptions& options);

}  // namespace quorvel
