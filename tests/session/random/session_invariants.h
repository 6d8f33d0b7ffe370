#pragma once
// What must hold after every step of a session, whatever the user did: the data files still read
// completely; a record goes only by a confirmed Delete of that record, changes only by the command
// that stores it, and appears only by a command that adds records; record numbers stay unique and
// 32000 belongs to the incomplete record alone; and, with no modal window open, the grid's givens
// are locked values, the tips and the panel show the candidates of what the cells show (a value
// being typed included), the gauge is full exactly when the grid is complete (a value being typed
// counting once it is entered), and a stored puzzle on the grid has the givens of its record.

#include <array>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace quorvel {

class ScriptSession;

// A broken invariant: `kind` names which one (a shrunk script must break the same), `detail`
// says where and how.
struct Breach {
    std::string kind;
    std::string detail;
};

class SessionInvariants {
  public:
    explicit SessionInvariants(std::filesystem::path folder);

    // Before `line` is carried out: a line given while no modal window is open starts a
    // command, and the lines answering the windows it opens belong to it.
    void beforeLine(ScriptSession& session, const std::string& line);
    // After the line (and before the first line, with `line` empty).
    std::optional<Breach> check(ScriptSession& session);

  private:
    struct DatabaseState {
        std::string bytes;
        std::map<int, std::string> records;  // number -> record line
    };
    struct Command {
        std::string name;  // the menu path it chose, or the line itself
        int puzzleNumber = 0;
        int puzzleRecordKind = 0;
        int sizeCode = 0;  // of the grid shown
    };

    std::optional<Breach> checkDatabase(int index);
    std::optional<Breach> checkChanges(int sizeCode, const DatabaseState& before,
                                       const DatabaseState& after) const;
    std::optional<Breach> checkDataFiles() const;
    std::optional<Breach> checkGrid(ScriptSession& session) const;

    std::filesystem::path folder_;
    std::array<std::optional<DatabaseState>, 2> databases_;  // 9x9, 15x15
    Command command_;
};

}  // namespace quorvel
