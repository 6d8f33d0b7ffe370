#include "storage/data_location.h"

#include <unistd.h>
#include <cstdlib>

#include <string_view>
#include <system_error>

#include "storage/data_file.h"
#include "storage/shipped_files.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kFolderName = "quorvel";

// The delivered originals of an installed program, in a folder of their own: installed into
// ~/.local, share/quorvel is also the user's data folder, whose files the user changes.
fs::path installedShippedFolder(const fs::path& executableFolder) {
    return executableFolder.parent_path() / "share" / kFolderName / "delivered";
}

// Permission bits say little on some file systems; creating a file settles it.
bool canWriteIn(const fs::path& folder) {
    std::error_code error;
    if (!fs::is_directory(folder, error)) return false;
    std::string probe = (folder / ".quorvel-write-test-XXXXXX").string();
    const int handle = mkstemp(probe.data());
    if (handle < 0) return false;
    close(handle);
    fs::remove(probe, error);
    return true;
}

// The per-user data folder; empty when neither variable names an absolute folder.
fs::path userDataFolder(const DataLocationRequest& request) {
    // Relative values of XDG_DATA_HOME are invalid and ignored, as for HOME.
    const fs::path xdg(request.xdgDataHome);
    if (xdg.is_absolute()) return xdg / kFolderName;
    const fs::path home(request.home);
    if (home.is_absolute()) return home / ".local" / "share" / kFolderName;
    return {};
}

// An absolute, normal path without a trailing separator, so parent_path() is the folder above.
fs::path normalized(const fs::path& path) {
    fs::path normal = fs::absolute(path).lexically_normal();
    return normal.has_filename() || !normal.has_relative_path() ? normal : normal.parent_path();
}

bool isInstalled(const fs::path& executableFolder) {
    return shippedDataFolder(executableFolder) == installedShippedFolder(executableFolder);
}

}  // namespace

fs::path executableFolder() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::current_path() : executable.parent_path();
}

fs::path shippedDataFolder(const fs::path& executableFolder) {
    fs::path folder = normalized(executableFolder);
    for (const fs::path& candidate : {installedShippedFolder(folder), folder / "shipped-data"}) {
        std::error_code error;
        if (fs::is_directory(candidate, error)) return candidate;
    }
    return folder;
}

PreparedDataLocation prepareDataLocation(const DataLocationRequest& request) {
    const fs::path executableFolder = normalized(request.executableFolder);
    DataLocation location{{}, shippedDataFolder(executableFolder)};
    if (!request.dataDirOption.empty()) {
        location.dataFolder = normalized(request.dataDirOption);
    } else if (!isInstalled(executableFolder) && canWriteIn(executableFolder)) {
        location.dataFolder = executableFolder;
    } else {
        location.dataFolder = userDataFolder(request);
        if (location.dataFolder.empty()) {
            return {{},
                    "no folder for your data: neither XDG_DATA_HOME nor HOME names one; "
                    "give one with --data-dir DIR"};
        }
    }
    std::error_code error;
    fs::create_directories(location.dataFolder, error);
    if (error || !canWriteIn(location.dataFolder)) {
        return {{},
                "cannot write in the data folder " + location.dataFolder.string() +
                    (error ? ": " + error.message() : "")};
    }
    // A database that could not be copied stays missing; the commands that need it say so.
    if (location.dataFolder != location.shippedFolder)
        seedMissingDataFiles(location.shippedFolder, location.dataFolder, kShippedDatabases);
    return {std::move(location), ""};
}

std::string dataFolderNote(const fs::path& dataFolder) {
    return "Your puzzles and settings are kept in " + dataFolder.string();
}

}  // namespace quorvel
