// Fuzzes the session script reader with the program's core behind it: any text either runs to
// its end or stops at a line it names, and whatever it did, the databases and the settings file
// still read completely. Each input starts from the same small databases and settings in a folder
// that exists only in memory: every read, save, rename and folder listing of the program goes to an
// in-memory file system, so no script reaches the disk whatever file it names.
//
// A few commands search for solutions and take far longer in this build than a whole ordinary
// script (about 1 ms): Computer Generated Puzzle (some 5 ms for a 9 x 9 puzzle, 0.1 s for a
// 15 x 15 one) and, on the 15 x 15 grid, the solving, checking and rating commands (Number
// Crunch there takes seconds), and Print Booklet, which may generate a thousand puzzles. So that
// the fuzzer spends its time on many scripts rather than on a few searches, a script ends before
// the line that would choose one of those on the 15 x 15 grid, a second Computer Generated Puzzle
// or Print Booklet; what ran up to there is checked as usual. The random sessions, the session
// scripts and the solver's own tests cover those commands.

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "application/grid/grid_window.h"
#include "application/session/menu_paths.h"
#include "application/session/script_keys.h"
#include "application/session/script_session.h"
#include "fuzz_check.h"
#include "memory_file_system.h"
#include "storage/data_file.h"
#include "storage/puzzle_database.h"
#include "storage/settings.h"

using namespace quorvel;
namespace fs = std::filesystem;

namespace {

std::string sourceFile(const char* name) {
    std::ifstream in(fs::path(QUORVEL_SOURCE_DIR) / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Stops the run unless the data file of `kind` in `folder` and every record in it read completely.
void checkDatabaseReads(const fs::path& folder, const GridKind& kind) {
    const Result<Database> database = loadDatabase(databaseFolder(folder), kind);
    FUZZ_CHECK(database.ok());
    for (std::size_t line = 1; line < database.value().lines.size(); ++line) {
        const std::string& text = database.value().lines[line];
        FUZZ_CHECK(text.empty() || readRecordFields(text, kind).has_value());
    }
}

// Stops the run unless the settings file in `folder` reads completely and writes back the same.
void checkSettingsRead(const fs::path& folder) {
    const LoadedSettings settings = loadSettings(settingsFolder(folder));
    FUZZ_CHECK(!settings.error && settings.movedAside.empty() &&
               parseSettings(formatSettings(settings.settings)) == settings.settings);
}

struct DataFile {
    const GridKind* database;  // nullptr for the settings file
    std::string name;
    std::string bytes;  // what each input starts with
};

class Setup {
  public:
    const fs::path folder = "/memory/quorvel";

    Setup() {
        files_.reset(folder, {});
        // The settings file a first start writes: every input starts as after an earlier run.
        FUZZ_CHECK(!saveSettings(settingsFolder(folder), Settings{}));
        seeded_[2].bytes = *files_.contents(folder / kSettingsFileName);
        fresh();
        for (const DataFile& file : seeded_)
            check(file);
    }

    // Only the seeded data files, as they were before any input.
    void fresh() {
        files_.reset(folder, {{seeded_[0].name, &seeded_[0].bytes},
                              {seeded_[1].name, &seeded_[1].bytes},
                              {seeded_[2].name, &seeded_[2].bytes}});
    }

    // Whatever the input did, every data file still reads completely. A file that still holds
    // its seeded bytes reads as it did when the setup checked it, so only changed files are read.
    void checkDataFiles() const {
        for (const DataFile& file : seeded_) {
            const std::string* now = files_.contents(folder / file.name);
            if (now == nullptr || *now != file.bytes) check(file);
        }
    }

  private:
    void check(const DataFile& file) const {
        if (file.database != nullptr) {
            checkDatabaseReads(folder, *file.database);
        } else {
            checkSettingsRead(folder);
        }
    }

    MemoryFileSystem files_;
    FileSystemOverride override_{files_};
    std::array<DataFile, 3> seeded_{
        {{&kNineGrid, "type3.pxz", sourceFile("fuzz/corpus/database/nine.pxz")},
         {&kFifteenGrid, "type5.pxz", sourceFile("fuzz/corpus/database/fifteen.pxz")},
         {nullptr, std::string(kSettingsFileName), ""}}};
};

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The menu item a script line chooses, by its path or its shortcut key, read as the session
// reads the line; nullptr for any other line.
const MenuItem* itemChosen(ScriptSession& session, std::string_view line) {
    if (line.ends_with('\r')) line.remove_suffix(1);
    line = trimmed(line);
    const std::size_t blank = line.find(' ');
    const std::string_view word = line.substr(0, blank);
    const std::string_view rest =
        blank == std::string_view::npos ? "" : trimmed(line.substr(blank));
    const MenuBar& menus = session.program().mainWindow().menus();
    if (word == "menu") return findMenuPath(menus, rest);
    if (word != "key" || session.openDialog() != nullptr) return nullptr;
    const std::optional<KeyEvent> key = keyNamed(rest);
    if (!key) return nullptr;
    for (const MenuItem& item : menus.all()) {
        if (item.shortcut.empty()) continue;
        const std::optional<KeyEvent> shortcut = keyNamed(item.shortcut);
        if (shortcut && shortcut->code == key->code && shortcut->modifiers == key->modifiers &&
            menus.isEffective(item)) {
            return &item;
        }
    }
    return nullptr;
}

// Hands the script to the session line by line, ending it before a slow search (see above).
class ScriptFeed {
  public:
    ScriptFeed(const std::string& script, ScriptSession& session)
        : lines_(script), session_(session) {}

    std::optional<std::string> next() {
        std::string line;
        if (!std::getline(lines_, line) || slow(line)) return std::nullopt;
        return line;
    }

  private:
    bool slow(std::string_view line) {
        const MenuItem* item = itemChosen(session_, line);
        if (item == nullptr) return false;
        const GridWindow* grid = session_.program().activeGrid();
        const bool fifteen = grid != nullptr && !grid->kind().isNine();
        if (item->target == Target{Command::ComputerGeneratedPuzzle}) {
            return fifteen || generated_++ > 0;
        }
        if (item->target == Target{Command::PrintBooklet} ||
            item->target == Target{Command::PractiseTechnique})
            return true;
        static constexpr Command kSearches[] = {
            Command::MildAttack,  Command::BruteForce,   Command::NumberCrunch, Command::ExactSolve,
            Command::CheckPuzzle, Command::ShowMistakes, Command::RatePuzzle};
        return fifteen && std::ranges::any_of(kSearches, [&](Command command) {
                   return item->target == Target{command};
               });
    }

    std::istringstream lines_;
    ScriptSession& session_;
    int generated_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Setup setup;
    const std::string script(reinterpret_cast<const char*>(data), size);
    setup.fresh();

    // A dump line still reads everything the program shows; its text goes nowhere.
    std::ostream discarded(nullptr);
    std::optional<ScriptError> error;
    {
        ScriptSession session(setup.folder, discarded);
        ScriptFeed feed(script, session);
        error = session.run([&feed] { return feed.next(); });
    }
    if (error) {
        const int lines = static_cast<int>(std::count(script.begin(), script.end(), '\n')) + 1;
        FUZZ_CHECK(error->line >= 1 && error->line <= lines && !error->what.empty());
    }

    setup.checkDataFiles();
    return 0;
}
