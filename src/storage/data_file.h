#pragma once
// Scrambled data files in the program's folder: raw reads and atomic writes of whole files, the
// one-step read-and-unscramble, and the rule that finds a file whatever the case of its name.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "storage/file_error.h"

namespace quorvel {

// The folder the data files live in: the program folder given by the caller (the application
// passes the directory of its executable, tests a temporary folder), ending in a separator so a
// file name can follow it directly.
std::filesystem::path databaseFolder(const std::filesystem::path& programFolder);
// Where the settings file and the "txt Files" folder live; the same folder as databaseFolder.
std::filesystem::path settingsFolder(const std::filesystem::path& programFolder);

// The file `name` inside `folder`, matched without regard to case: an existing "Type3.pxz"
// answers for "type3.pxz". An exact match wins; without any match, folder / name.
std::filesystem::path resolveDataFile(const std::filesystem::path& folder, std::string_view name);

// The whole content of a file as bytes; nullopt when it is missing or cannot be read.
std::optional<std::string> readFileBytes(const std::filesystem::path& path);

// Replaces the file with `bytes`: writes a temporary file in the same folder, flushes it to disk
// and renames it over the old one, so a failed or interrupted save leaves the old copy intact.
FileStatus replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Renames `path` to the first free name of path + suffix, path + suffix + "-2", "-3" ...
// so that a file the program cannot use is kept rather than overwritten. Returns the new name.
Result<std::filesystem::path> moveAside(const std::filesystem::path& path, std::string_view suffix);

inline constexpr std::string_view kUnreadableSuffix = ".unreadable";
// A data file the program cannot read, moved aside with kUnreadableSuffix: its new name in
// `movedAside`, or why it could not be moved in `error`.
void moveUnreadableAside(const std::filesystem::path& path, std::filesystem::path& movedAside,
                         FileStatus& error);

enum class TextFileMode { Write = 1, ReadRaw = 2 };

// Write: stores `text` followed by CR LF (atomically). ReadRaw: `text` receives the file's whole
// content, CR LF included ("" when the file is missing or unreadable). Returns the failure, if
// any; a missing file is not a failure for ReadRaw.
FileStatus transferTextFile(std::string& text, const std::filesystem::path& path,
                            TextFileMode mode);

// The unscrambled content of a data file: the bytes without the final CR LF, unscrambled.
// "" when the file is missing or cannot be read.
std::string readDataFile(const std::filesystem::path& path);

// Scrambles `plainText` and writes it with transferTextFile in Write mode.
FileStatus writeDataFile(const std::filesystem::path& path, std::string_view plainText);

// The unscrambled text of raw data-file bytes (drops the final two bytes, the writer's CR LF).
std::string unscrambleFileBytes(std::string_view bytes);

}  // namespace quorvel
