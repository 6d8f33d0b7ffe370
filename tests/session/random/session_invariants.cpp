#include "session/random/session_invariants.h"

#include <set>
#include <sstream>

#include "application/session/menu_paths.h"
#include "application/session/script_keys.h"
#include "application/session/script_session.h"
#include "storage/data_file.h"
#include "storage/program_options.h"
#include "storage/puzzle_database.h"
#include "storage/settings.h"

namespace quorvel {

namespace {

namespace fs = std::filesystem;

constexpr const GridKind* kKinds[] = {&kNineGrid, &kFifteenGrid};

// Commands that may add records, and those of them that may rewrite a record they find again.
bool addsRecords(const std::string& command) {
    for (const char* name : {"Store Solution in Database", "Save Incomplete Puzzle",
                             "Save My Su Doku", "Import", "Computer Generated Puzzle"}) {
        if (command.find(name) != std::string::npos) return true;
    }
    return false;
}
bool storesRecords(const std::string& command) {
    return command.ends_with("Store Solution in Database") ||
           command.ends_with("Save Incomplete Puzzle") || command.ends_with("Save My Su Doku");
}

Breach broken(std::string kind, const std::string& detail) {
    return {std::move(kind), detail};
}

// The value a cell's text shows: exactly the digits of 1..side, else 0.
int valueOf(const std::string& text, int side) {
    if (text.empty() || text.size() > 2 || text[0] == '0') return 0;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return 0;
        value = value * 10 + (c - '0');
    }
    return value <= side ? value : 0;
}

// The values no cell of the same row, column or block shows (the cell's own value counts).
std::set<int> candidates(const GridKind& kind, const std::vector<int>& values, int cell) {
    std::set<int> free;
    for (int value = 1; value <= kind.side; ++value)
        free.insert(value);
    for (int other = 1; other <= kind.cellCount(); ++other) {
        if (kind.rowOf(other) == kind.rowOf(cell) || kind.columnOf(other) == kind.columnOf(cell) ||
            kind.blockOf(other) == kind.blockOf(cell)) {
            free.erase(values[other]);
        }
    }
    return free;
}

bool complete(const GridKind& kind, const std::vector<int>& values) {
    for (int cell = 1; cell <= kind.cellCount(); ++cell) {
        if (values[cell] == 0) return false;
        for (int other = cell + 1; other <= kind.cellCount(); ++other) {
            const bool peer = kind.rowOf(other) == kind.rowOf(cell) ||
                              kind.columnOf(other) == kind.columnOf(cell) ||
                              kind.blockOf(other) == kind.blockOf(cell);
            if (peer && values[other] == values[cell]) return false;
        }
    }
    return true;
}

std::string listed(const std::set<int>& values) {
    std::string text;
    for (int value : values)
        text += (text.empty() ? "" : ",") + std::to_string(value);
    return "[" + text + "]";
}

std::set<int> valuesOfList(const std::string& list) {
    std::set<int> values;
    std::istringstream in(list);
    for (std::string entry; std::getline(in, entry, ',');)
        values.insert(std::stoi(entry));
    return values;
}

// The menu path a line chooses: by its caption, or by a shortcut key of an item it can choose.
std::string commandName(const MenuBar& menus, const std::string& line) {
    if (line.starts_with("menu ")) return line.substr(5);
    if (!line.starts_with("key ")) return line;
    const std::optional<KeyEvent> event = keyNamed(line.substr(4));
    if (!event) return line;
    for (const MenuPath& path : allMenuPaths(menus)) {
        const MenuItem& item = *path.item;
        const std::optional<KeyEvent> shortcut =
            item.shortcut.empty() ? std::nullopt : keyNamed(item.shortcut);
        if (shortcut && shortcut->code == event->code && shortcut->modifiers == event->modifiers &&
            menus.isEffective(item)) {
            return path.text;
        }
    }
    return line;
}

}  // namespace

SessionInvariants::SessionInvariants(fs::path folder) : folder_(std::move(folder)) {}

void SessionInvariants::beforeLine(ScriptSession& session, const std::string& line) {
    if (session.openDialog() != nullptr || session.ended()) return;
    Application& program = session.program();
    const GridWindow* grid = program.activeGrid();
    command_ = {commandName(program.mainWindow().menus(), line), program.session().puzzleNumber,
                program.session().puzzleRecordKind, grid ? grid->kind().sizeCode : 0};
}

std::optional<Breach> SessionInvariants::check(ScriptSession& session) {
    for (int index = 0; index < 2; ++index) {
        if (std::optional<Breach> breach = checkDatabase(index)) return breach;
    }
    if (std::optional<Breach> breach = checkDataFiles()) return breach;
    if (session.openDialog() != nullptr || session.ended()) return std::nullopt;
    return checkGrid(session);
}

std::optional<Breach> SessionInvariants::checkDatabase(int index) {
    const GridKind& kind = *kKinds[index];
    const fs::path path = databasePath(databaseFolder(folder_), kind);
    const std::string name = path.filename().string();
    DatabaseState state{readFileBytes(path).value_or(""), {}};
    if (databases_[index] && databases_[index]->bytes == state.bytes) return std::nullopt;

    const Database database = parseDatabase(unscrambleFileBytes(state.bytes), kind, path);
    for (std::size_t line = 1; line < database.lines.size(); ++line) {
        const std::string& text = database.lines[line];
        if (text.empty()) continue;
        const std::optional<PuzzleRecord> record = readRecord(text, kind);
        if (!record) return broken("unreadable record", name + ": " + text);
        if (!state.records.emplace(record->number, text).second) {
            return broken("number repeated", name + ": " + std::to_string(record->number));
        }
        if ((record->number == kIncompletePuzzleNumber) != (record->kind == kKindIncomplete)) {
            return broken("incomplete record", name + ": " + text);
        }
    }
    std::optional<DatabaseState> before = std::move(databases_[index]);
    databases_[index] = std::move(state);
    if (!before) return std::nullopt;
    if (std::optional<Breach> breach = checkChanges(kind.sizeCode, *before, *databases_[index])) {
        breach->detail = name + ", " + breach->detail;
        return breach;
    }
    return std::nullopt;
}

std::optional<Breach> SessionInvariants::checkChanges(int sizeCode, const DatabaseState& before,
                                                      const DatabaseState& after) const {
    const std::string by = " by " + command_.name;
    int removed = 0;
    for (const auto& [number, line] : before.records) {
        const auto now = after.records.find(number);
        if (now == after.records.end()) {
            const bool named = command_.name.ends_with("Delete Puzzle from Database") &&
                               number == command_.puzzleNumber && sizeCode == command_.sizeCode &&
                               command_.puzzleRecordKind != kKindPredefined && ++removed == 1;
            if (!named) return broken("record removed", line + by);
        } else if (now->second != line) {
            const auto givens = [sizeCode](const std::string& text) {
                return std::string(givensList(readRecord(text, *kKinds[sizeCode == 5])->cellText));
            };
            const bool stored =
                storesRecords(command_.name) &&
                (number == kIncompletePuzzleNumber || givens(line) == givens(now->second));
            if (!stored) return broken("record changed", line + " -> " + now->second + by);
        }
    }
    for (const auto& [number, line] : after.records) {
        if (!before.records.contains(number) && !addsRecords(command_.name)) {
            return broken("record added", line + by);
        }
    }
    return std::nullopt;
}

std::optional<Breach> SessionInvariants::checkDataFiles() const {
    const fs::path settingsPath = resolveDataFile(settingsFolder(folder_), kSettingsFileName);
    const std::optional<std::string> settings = readFileBytes(settingsPath);
    if (!settings) return broken("settings unreadable", "missing");
    const std::string text = unscrambleFileBytes(*settings);
    if (!text.ends_with(kSettingsSeparator) || formatSettings(parseSettings(text)) != text) {
        return broken("settings unreadable", text);
    }
    const fs::path optionsPath = resolveDataFile(settingsFolder(folder_), kOptionsFileName);
    if (const std::optional<std::string> options = readFileBytes(optionsPath)) {
        if (formatProgramOptions(parseProgramOptions(*options)) != *options) {
            return broken("options unreadable", *options);
        }
    }
    return std::nullopt;
}

std::optional<Breach> SessionInvariants::checkGrid(ScriptSession& session) const {
    Application& program = session.program();
    const GridWindow* grid = program.activeGrid();
    if (grid == nullptr) return std::nullopt;
    const GridKind& kind = grid->kind();
    const Board& board = grid->board();
    const int focus = grid->focusedCell();
    std::vector<int> values(kind.cellCount() + 1, 0);
    for (int cell = 1; cell <= kind.cellCount(); ++cell) {
        values[cell] = valueOf(board.cell(cell).text, kind.side);
        if (board.cell(cell).locked && values[cell] == 0) {
            return broken("given not a value",
                          "cell " + std::to_string(cell) + " \"" + board.cell(cell).text + "\"");
        }
    }
    for (int cell = 1; cell <= kind.cellCount(); ++cell) {
        if (!grid->tipShown(cell)) continue;
        const std::set<int> shown = valuesOfList(grid->tipToolTip(cell));
        if (shown != candidates(kind, values, cell)) {
            return broken("tip differs from the grid", "cell " + std::to_string(cell) + " tip " +
                                                           listed(shown) + ", candidates " +
                                                           listed(candidates(kind, values, cell)));
        }
    }
    // A given's panel shows its own value alone, an empty cell's the candidates its notes keep.
    if (grid->panelVisible() && focus > 0) {
        std::set<int> shown;
        for (int value = 1; value <= kind.side; ++value) {
            if (grid->panelMark(value).backColour == kPanelPossibleBack) shown.insert(value);
        }
        std::set<int> expected = board.cell(focus).locked ? std::set<int>{values[focus]}
                                                          : candidates(kind, values, focus);
        if (const ValueMask noted = grid->notes(focus); noted != 0)
            std::erase_if(expected, [noted](int value) { return ((noted >> value) & 1u) == 0; });
        if (shown != expected) {
            return broken("panel differs from the grid", "cell " + std::to_string(focus) +
                                                             " panel " + listed(shown) +
                                                             ", expected " + listed(expected));
        }
    }
    // The gauge counts a value typed into the focused cell once the focus leaves it.
    std::vector<int> entered = values;
    if (focus > 0) entered[focus] = board.cellValue(focus);
    std::string percent;
    for (char c : board.percentText())
        if (c >= '0' && c <= '9') percent += c;
    if ((percent == "100") != complete(kind, entered)) {
        return broken("gauge", "shows " + percent + " % on a grid that is " +
                                   (complete(kind, entered) ? "complete" : "not complete"));
    }
    const ProgramState& state = program.session();
    const std::optional<DatabaseState>& database = databases_[kind.isNine() ? 0 : 1];
    if (state.puzzleNumber == 0 || state.puzzleSizeCode != kind.sizeCode || !database) {
        return std::nullopt;
    }
    const auto record = database->records.find(state.puzzleNumber);
    if (record == database->records.end()) return std::nullopt;
    std::string givens;
    for (int cell = 1; cell <= kind.cellCount(); ++cell)
        givens += "," + (board.cell(cell).locked ? board.cell(cell).text : std::string());
    if (givens != givensList(readRecord(record->second, kind)->cellText)) {
        return broken("grid differs from its record",
                      "puzzle " + std::to_string(state.puzzleNumber) + " grid givens " + givens);
    }
    return std::nullopt;
}

}  // namespace quorvel
