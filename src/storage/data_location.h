#pragma once
// Where the program keeps its files. A program run from its build folder keeps them beside
// itself, as it always did. An installed program keeps them in the user's data folder
// ($XDG_DATA_HOME/quorvel, by default ~/.local/share/quorvel), which at first start receives a
// copy of each shipped puzzle database it lacks; the delivered originals in share/quorvel/delivered
// are only ever read. A folder named on the command line (--data-dir) overrides both.

#include <filesystem>
#include <optional>
#include <string>

namespace quorvel {

struct DataLocation {
    // The databases, the settings file and the "txt Files" folder: read and written.
    std::filesystem::path dataFolder;
    // The delivered originals (databases and help text): only read.
    std::filesystem::path shippedFolder;
};

struct DataLocationRequest {
    std::filesystem::path executableFolder;
    std::filesystem::path dataDirOption;  // --data-dir; empty when not given
    std::string xdgDataHome;              // $XDG_DATA_HOME
    std::string home;                     // $HOME
};

struct PreparedDataLocation {
    std::optional<DataLocation> location;
    std::string error;  // why no location could be prepared
};

// The folder of the running executable.
std::filesystem::path executableFolder();

// The delivered originals for an executable in `executableFolder`: share/quorvel/delivered beside
// an installed bin/, the build's untouched copies in shipped-data/, else the executable's folder.
std::filesystem::path shippedDataFolder(const std::filesystem::path& executableFolder);

// Chooses the data folder, makes it when missing and copies into it each shipped database it
// lacks (a file that exists, under any case of its name, is never overwritten).
PreparedDataLocation prepareDataLocation(const DataLocationRequest& request);

// The one line the help and about windows show.
std::string dataFolderNote(const std::filesystem::path& dataFolder);

}  // namespace quorvel
