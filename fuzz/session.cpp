// Fuzzes the session script reader with the program's core behind it: any text either runs to
// its end or stops at a line it names, and whatever it did, the databases and the settings file
// still read completely. Each input starts from the same small databases in a fresh folder in
// memory (/dev/shm where there is one); saves may only touch that folder.

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "fuzz_check.h"
#include "storage/data_file.h"
#include "storage/file_system.h"
#include "storage/puzzle_database.h"
#include "storage/settings.h"
#include "ui/session/script_session.h"

using namespace quorvel;
namespace fs = std::filesystem;

namespace {

// Saves outside the session's folder are refused, so no script can write elsewhere.
class FolderOnlyFileSystem : public FileSystem {
  public:
    explicit FolderOnlyFileSystem(fs::path folder) : folder_(std::move(folder)) {}
    int writeNewFile(const fs::path& path, std::string_view bytes) override {
        return inside(path) ? FileSystem::writeNewFile(path, bytes) : EACCES;
    }
    int rename(const fs::path& from, const fs::path& to) override {
        return inside(from) && inside(to) ? FileSystem::rename(from, to) : EACCES;
    }

  private:
    bool inside(const fs::path& path) const {
        const fs::path normal = path.lexically_normal();
        return normal.has_filename() && normal.parent_path() == folder_ &&
               normal.filename() != "..";
    }
    fs::path folder_;
};

std::string SourceFile(const char* name) {
    std::ifstream in(fs::path(QUORVEL_SOURCE_DIR) / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct Setup {
    fs::path folder;
    std::string nine = SourceFile("fuzz/corpus/database/nine.pxz");
    std::string fifteen = SourceFile("fuzz/corpus/database/fifteen.pxz");
    FolderOnlyFileSystem files{folder};
    FileSystemOverride override{files};

    static fs::path MakeFolder() {
        const fs::path memory = "/dev/shm";
        const fs::path base = fs::is_directory(memory) ? memory : fs::temp_directory_path();
        fs::path folder = base / ("quorvel-fuzz-session-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        return folder.lexically_normal();
    }
    Setup() : folder(MakeFolder()) {}
    ~Setup() { fs::remove_all(folder); }

    void fresh() const {
        for (const auto& entry : fs::directory_iterator(folder))
            fs::remove_all(entry.path());
        std::ofstream(folder / "type3.pxz", std::ios::binary) << nine;
        std::ofstream(folder / "type5.pxz", std::ios::binary) << fifteen;
    }
};

// A script line may name a file only inside the folder.
bool NamesOnlyFolderFiles(const std::string& script) {
    std::istringstream lines(script);
    for (std::string line; std::getline(lines, line);) {
        const auto start = line.find_first_not_of(" \t");
        if (start == std::string::npos) continue;
        const std::string_view command = std::string_view(line).substr(start);
        if ((command.starts_with("file") || command.starts_with("print")) &&
            line.find_first_of("/\\", start) != std::string::npos) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Setup setup;
    const std::string script(reinterpret_cast<const char*>(data), size);
    if (!NamesOnlyFolderFiles(script)) return -1;
    setup.fresh();

    std::istringstream in(script);
    std::ostringstream dumps;
    std::optional<ScriptError> error;
    {
        ScriptSession session(setup.folder, dumps);
        error = session.run(in);
    }
    if (error) {
        const int lines = static_cast<int>(std::count(script.begin(), script.end(), '\n')) + 1;
        FUZZ_CHECK(error->line >= 1 && error->line <= lines && !error->what.empty());
    }

    // Whatever the script did, every data file still reads completely.
    for (const GridKind* kind : {&kNineGrid, &kFifteenGrid}) {
        const Result<Database> database = LoadDatabase(databaseFolder(setup.folder), *kind);
        FUZZ_CHECK(database.ok());
        for (std::size_t line = 1; line < database.value().lines.size(); ++line) {
            const std::string& text = database.value().lines[line];
            FUZZ_CHECK(text.empty() || ReadRecord(text, *kind).has_value());
        }
    }
    const LoadedSettings settings = LoadSettings(settingsFolder(setup.folder));
    FUZZ_CHECK(!settings.error && settings.movedAside.empty() &&
               ParseSettings(FormatSettings(settings.settings)) == settings.settings);
    return 0;
}
