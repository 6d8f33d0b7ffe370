#include "storage/own_data_files.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>
#include <system_error>

#include "storage/note_file.h"
#include "storage/program_options.h"
#include "storage/puzzle_database.h"
#include "storage/settings.h"
#include "storage/shipped_files.h"

namespace quorvel {

namespace {

namespace fs = std::filesystem;

bool sameNameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

bool isOwnDataFile(const fs::path& dataFolder, const fs::path& file) {
    const std::string name = file.filename().string();
    const auto notesBesideDatabase = [&name](const GridKind& kind) {
        return sameNameIgnoringCase(
            name, noteFileBeside(std::string(databaseFileName(kind))).filename().string());
    };
    const bool ownName =
        sameNameIgnoringCase(name, kSettingsFileName) ||
        sameNameIgnoringCase(name, kOptionsFileName) ||
        sameNameIgnoringCase(name, kStoreNotesFileName) || notesBesideDatabase(kNineGrid) ||
        notesBesideDatabase(kFifteenGrid) ||
        std::any_of(kShippedDataFiles.begin(), kShippedDataFiles.end(),
                    [&name](std::string_view own) { return sameNameIgnoringCase(name, own); });
    if (!ownName) return false;
    // The same folder however it is spelled (links, "..", a trailing separator).
    const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
    std::error_code error;
    return fs::equivalent(folder, dataFolder, error) && !error;
}

FileError ownDataFileError(const fs::path& file) {
    return {file, "save", "the program keeps its own data in this file"};
}

}  // namespace quorvel
