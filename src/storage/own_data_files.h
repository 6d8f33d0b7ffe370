#pragma once
// The files the program keeps its own data in: the two databases, the settings, the options, the
// notes files and the help text, in the data folder. A file the user names for a save (an exported
// text, a saved puzzle) must never replace one of them, or the user's puzzles or settings would be
// gone.

#include <filesystem>

#include "storage/file_error.h"

namespace quorvel {

// True when `file` is one of those files in the data folder `dataFolder`, whatever the case of its
// name.
bool isOwnDataFile(const std::filesystem::path& dataFolder, const std::filesystem::path& file);

// What a save onto such a file reports; nothing is written.
FileError ownDataFileError(const std::filesystem::path& file);

}  // namespace quorvel
