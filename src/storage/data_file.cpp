#include "storage/data_file.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>

#include "storage/file_system.h"
#include "storage/scramble.h"

#if __has_include(<unistd.h>)
#include <unistd.h>
#define QUORVEL_HAVE_GETPID 1
#endif

namespace quorvel {
namespace fs = std::filesystem;

namespace {

fs::path withTrailingSeparator(const fs::path& folder) {
    fs::path result = folder;
    if (result.empty()) result = ".";
    if (!result.has_filename()) return result;  // already ends in a separator
    result += fs::path::preferred_separator;
    return result;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

FileError errorFor(const fs::path& path, std::string action, int errorNumber) {
    return FileError{path, std::move(action),
                     errorNumber ? std::strerror(errorNumber) : "unknown error"};
}

// A temporary name beside the target, unique within this process and among processes.
fs::path temporaryBeside(const fs::path& path) {
    static std::atomic<unsigned> counter{0};
    std::string name = "." + path.filename().string() + ".tmp";
#ifdef QUORVEL_HAVE_GETPID
    name += "-" + std::to_string(::getpid());
#endif
    name += "-" + std::to_string(counter++);
    return path.parent_path() / name;
}

}  // namespace

fs::path databaseFolder(const fs::path& programFolder) {
    return withTrailingSeparator(programFolder);
}

fs::path settingsFolder(const fs::path& programFolder) {
    return withTrailingSeparator(programFolder);
}

fs::path resolveDataFile(const fs::path& folder, std::string_view name) {
    FileSystem& files = currentFileSystem();
    fs::path exact = folder / fs::path(std::string(name));
    if (files.exists(exact)) return exact;
    std::optional<std::string> found;
    for (std::string& candidate : files.folderNames(folder)) {
        // Among several case variants take the lowest name, so the choice is stable.
        if (equalIgnoringCase(candidate, name) && (!found || candidate < *found)) {
            found = std::move(candidate);
        }
    }
    return found ? folder / *found : exact;
}

std::optional<std::string> readFileBytes(const fs::path& path) {
    std::string bytes;
    if (currentFileSystem().readFile(path, bytes, bytes.max_size()) != 0) return std::nullopt;
    return bytes;
}

FileStatus replaceFileAtomically(const fs::path& path, std::string_view bytes) {
    FileSystem& files = currentFileSystem();
    const fs::path temporary = temporaryBeside(path);
    int failure = files.writeNewFile(temporary, bytes);
    if (!failure) failure = files.rename(temporary, path);
    if (!failure) return std::nullopt;
    files.remove(temporary);
    return errorFor(path, "save", failure);
}

Result<fs::path> moveAside(const fs::path& path, std::string_view suffix) {
    FileSystem& files = currentFileSystem();
    for (int copy = 1; copy < 1000; ++copy) {
        fs::path target = path;
        target += std::string(suffix) + (copy > 1 ? "-" + std::to_string(copy) : "");
        if (files.exists(target)) continue;
        if (const int failure = files.rename(path, target)) {
            return errorFor(path, "move aside", failure);
        }
        return target;
    }
    return errorFor(path, "move aside", EEXIST);
}

void moveUnreadableAside(const fs::path& path, fs::path& movedAside, FileStatus& error) {
    Result<fs::path> moved = moveAside(path, kUnreadableSuffix);
    if (moved)
        movedAside = moved.value();
    else
        error = moved.error();
}

FileStatus transferTextFile(std::string& text, const fs::path& path, TextFileMode mode) {
    if (mode == TextFileMode::Write) return replaceFileAtomically(path, text + "\r\n");
    const int failure = currentFileSystem().readFile(path, text, text.max_size());
    if (failure == 0 || failure == ENOENT) return std::nullopt;
    return errorFor(path, "read", failure);
}

std::string unscrambleFileBytes(std::string_view bytes) {
    const std::size_t kept = bytes.size() >= 2 ? bytes.size() - 2 : 0;
    return scramble(bytes.substr(0, kept), true);
}

std::string readDataFile(const fs::path& path) {
    return unscrambleFileBytes(readFileBytes(path).value_or(""));
}

FileStatus writeDataFile(const fs::path& path, std::string_view plainText) {
    std::string scrambled = scramble(plainText, false);
    return transferTextFile(scrambled, path, TextFileMode::Write);
}

}  // namespace quorvel
