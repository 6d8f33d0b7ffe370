// quorvel-tool session: the program's core driven by a script (command reference in
// docs/session.md). Runs in the folder given with --data-dir (or --data), or in a fresh temporary
// folder holding the shipped data files, removed at the end.

#include <cstdlib>

#include <fstream>
#include <iostream>

#include "application/session/script_session.h"
#include "programs/tool/command_registry.h"
#include "storage/data_location.h"
#include "storage/shipped_files.h"

namespace quorvel::tool {

namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage = "session [--data-dir DIR] [SCRIPT|-]";

// A new empty folder for a session without --data-dir.
fs::path makeTemporaryFolder() {
    std::string pattern = (fs::temp_directory_path() / "quorvel-session-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw fs::filesystem_error("cannot make a temporary folder", pattern,
                                   std::error_code(errno, std::generic_category()));
    }
    return pattern;
}

// Removes the temporary folder however the session ends.
struct TemporaryFolder {
    fs::path path;
    ~TemporaryFolder() {
        std::error_code ignored;
        if (!path.empty()) fs::remove_all(path, ignored);
    }
};

int runScript(const fs::path& folder, std::istream& script) {
    const fs::path shipped = shippedDataFolder(executableFolder());
    const std::vector<std::string> missing = seedMissingDataFiles(shipped, folder);
    if (!missing.empty()) {
        std::cerr << "quorvel-tool session: cannot copy the shipped file " << missing.front()
                  << " from " << shipped.string() << " into " << folder.string() << '\n';
        return kUsageError;
    }
    ScriptSession session(folder, std::cout);
    const std::optional<ScriptError> error = session.run(script);
    std::cout.flush();
    if (!error) return 0;
    std::cerr << "line " << error->line << ": " << error->what << '\n';
    return kUsageError;
}

int runSession(const std::vector<std::string>& args) {
    std::optional<fs::path> dataFolder;
    std::optional<std::string> scriptName;
    for (std::size_t index = 0; index < args.size(); ++index) {
        // --data is the option's first spelling, kept for scripts that use it.
        const bool dataOption = args[index] == "--data-dir" || args[index] == "--data";
        if (dataOption && index + 1 < args.size() && !dataFolder) {
            dataFolder = args[++index];
        } else if (!scriptName && (args[index] == "-" || !args[index].starts_with("--"))) {
            scriptName = args[index];
        } else {
            std::cerr << "usage: quorvel-tool " << kUsage << '\n';
            return kUsageError;
        }
    }
    std::ifstream file;
    if (scriptName && *scriptName != "-") {
        file.open(*scriptName);
        if (!file) {
            std::cerr << "quorvel-tool session: cannot read " << *scriptName << '\n';
            return kUsageError;
        }
    }
    std::istream& script = file.is_open() ? static_cast<std::istream&>(file) : std::cin;
    try {
        TemporaryFolder temporary;
        if (!dataFolder) temporary.path = makeTemporaryFolder();
        const fs::path folder = dataFolder ? fs::absolute(*dataFolder) : temporary.path;
        fs::create_directories(folder);
        return runScript(folder, script);
    } catch (const fs::filesystem_error& error) {
        std::cerr << "quorvel-tool session: " << error.what() << '\n';
        return kUsageError;
    }
}

const bool registered = registerCommand("session", {runSession, kUsage});

}  // namespace

}  // namespace quorvel::tool
