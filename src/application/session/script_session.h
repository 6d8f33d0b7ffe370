#pragma once
// A scripted session: the program's core started as after its splash window, driven one script
// line at a time (menus, keys, toolbar buttons, cell clicks, typing, dialog answers, file and
// print targets, dumps of what the program shows). A command that opens a modal window leaves
// it open, and the following lines act on it until it closes. docs/session.md holds the command
// reference.

#include <deque>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "application/composition/application.h"
#include "application/session/script_host.h"

namespace quorvel {

class GridWindow;

// The first line that could not be carried out, and why.
struct ScriptError {
    int line = 0;
    std::string what;
};

// Gives the session's lines one at a time; nullopt ends the script. Called between lines, with
// the previous line carried out and the program settled, so a driver can look at the program
// before it chooses the next line.
using ScriptLines = std::function<std::optional<std::string>()>;

class ScriptSession : private DialogServer {
  public:
    // `dataFolder` is the program folder: its data files are used, relative file and print
    // paths lie inside it. Dumps go to `out`.
    ScriptSession(const std::filesystem::path& dataFolder, std::ostream& out);
    ScriptSession(const ScriptSession&) = delete;
    ScriptSession& operator=(const ScriptSession&) = delete;

    // Starts the program and runs every line of `script`; stops at the first line that cannot
    // be carried out and returns its error.
    [[nodiscard]] std::optional<ScriptError> run(std::istream& script);
    [[nodiscard]] std::optional<ScriptError> run(const ScriptLines& lines);

    // What a driver choosing the lines looks at: the program, the modal window open now
    // (innermost; nullptr when none), and whether the program has ended.
    Application& program() { return *program_; }
    OpenDialog* openDialog() const { return open_.empty() ? nullptr : open_.back(); }
    bool ended() const { return ended_; }

  private:
    struct FileAnswer {
        int line;
        std::optional<std::string> path;  // nullopt: cancel
    };

    void start();
    void runLines();
    void execute(const std::string& line);
    void restart(const std::string& file);
    void serve(OpenDialog& dialog) override;
    void checkNothingLeftOver() const;

    void chooseMenu(const std::string& path);
    void pressButton(const std::string& name, int mouseButton, int shift = 0);
    void pressHintButton(const std::string& name);
    void clickCell(const std::string& number, int shift);
    void sendKey(const std::string& name);
    void typeText(const std::string& text);
    void answer(const std::string& caption);
    void answerFile(const std::string& argument);
    void keyToCell(const KeyEvent& event);
    void moveFocusByTab(bool backwards);

    [[noreturn]] void fail(const std::string& what) const;
    void requireNoDialog() const;
    void restoreMainWindow();
    void settleFocus();
    GridWindow& activeGrid();
    int focusedCell();
    std::string resolved(const std::string& path) const;

    std::filesystem::path dataFolder_;
    std::ostream& out_;
    ScriptHost host_;
    std::unique_ptr<Application> program_;
    const ScriptLines* lines_ = nullptr;
    int lineNumber_ = 0;
    std::vector<OpenDialog*> open_;  // modal windows open now, innermost last
    int dialogsServed_ = 0;
    std::deque<FileAnswer> fileAnswers_;
    int printLine_ = 0;
    bool minimised_ = false;
    bool ended_ = false;
};

}  // namespace quorvel
