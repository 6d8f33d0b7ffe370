#pragma once
// Options of this program that the fourteen-field settings file has no room for, kept in a small
// file of their own beside it ("QuorvelOptions.txt"): one "Name=True" or "Name=False" line per
// option. A missing file, an unknown line or an unusable value leaves the default.

#include <filesystem>
#include <string>
#include <string_view>

#include "storage/file_error.h"

namespace quorvel {

inline constexpr std::string_view kOptionsFileName = "QuorvelOptions.txt";

struct ProgramOptions {
    bool uniquePuzzlesOnly = true;   // Database > Unique Puzzles Only
    bool removeNotesOnEntry = true;  // Visual Aid > Remove Notes On Entry

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
};

ProgramOptions ParseProgramOptions(std::string_view text);
std::string FormatProgramOptions(const ProgramOptions& options);

// Reads the file in `settingsFolder`; the defaults when it is missing or unreadable.
ProgramOptions LoadProgramOptions(const std::filesystem::path& settingsFolder);
// Replaces the file atomically, so a failed write keeps the old one.
FileStatus SaveProgramOptions(const std::filesystem::path& settingsFolder,
                              const ProgramOptions& options);

}  // namespace quorvel
