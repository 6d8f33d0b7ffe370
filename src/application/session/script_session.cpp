#include "application/session/script_session.h"

#include <istream>
#include <memory>
#include <ostream>
#include <utility>

#include "application/grid/grid_window.h"
#include "application/grid/main_window_link.h"
#include "application/session/menu_paths.h"
#include "application/session/open_dialog.h"
#include "application/session/script_keys.h"
#include "application/session/session_dump.h"

namespace quorvel {

namespace {

// How far the clock moves for each line: a person takes about that long for one action.
constexpr int kLineMs = 1000;

// Unwinds the session from wherever a line failed, down to `run`.
struct LineFailure {
    ScriptError error;
};

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// The text of a `clipboard` line, each "\n" in it a line break.
std::string clipboardText(std::string text) {
    for (std::size_t at = 0; (at = text.find("\\n", at)) != std::string::npos; ++at)
        text.replace(at, 2, "\n");
    return text;
}

bool showsTextCaption(const ToolButton& button) {
    return button.font == ButtonFont::Arial || button.font == ButtonFont::ArialNarrow;
}

}  // namespace

ScriptSession::ScriptSession(const std::filesystem::path& dataFolder, std::ostream& out)
    : dataFolder_(dataFolder),
      out_(out),
      host_(*this),
      program_(std::make_unique<Application>(host_, dataFolder)) {
    host_.setOnMinimise([this] {
        minimised_ = true;
        program_->mainWindow().resize(true);
    });
    host_.setOnQuit([this] { ended_ = true; });
}

std::optional<ScriptError> ScriptSession::run(std::istream& script) {
    return run([&script]() -> std::optional<std::string> {
        std::string line;
        if (!std::getline(script, line)) return std::nullopt;
        return line;
    });
}

std::optional<ScriptError> ScriptSession::run(const ScriptLines& lines) {
    lines_ = &lines;
    try {
        start();
        runLines();
        checkNothingLeftOver();
    } catch (const LineFailure& failure) {
        return failure.error;
    }
    return std::nullopt;
}

void ScriptSession::start() {
    // The splash window reads the settings and hands over at once: no resolution question, no
    // three seconds.
    program_->openSplash();
    program_->splash().handOverDue();
    settleFocus();
}

void ScriptSession::runLines() {
    while (std::optional<std::string> next = (*lines_)()) {
        std::string& line = *next;
        ++lineNumber_;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string command = trimmed(line);
        if (command.empty() || command[0] == '#') continue;
        execute(command);
        if (!open_.empty() && open_.back()->closed()) return;
    }
}

void ScriptSession::serve(OpenDialog& dialog) {
    ++dialogsServed_;
    if (!fileAnswers_.empty() && dialog.chooseFile(fileAnswers_.front().path)) {
        fileAnswers_.pop_front();
        return;
    }
    const int openedAt = lineNumber_;
    open_.push_back(&dialog);
    runLines();
    open_.pop_back();
    if (!dialog.closed()) {
        throw LineFailure{
            {openedAt, "script ends with the dialog " + quoted(dialog.title()) + " open"}};
    }
}

void ScriptSession::execute(const std::string& line) {
    if (line == "restart" || line.starts_with("restart ")) return restart(trimmed(line.substr(7)));
    if (ended_) fail("the program has ended");
    host_.advanceClock(kLineMs);
    program_->mainWindow().elapsedTick();

    const auto blank = line.find(' ');
    const std::string word = line.substr(0, blank);
    const std::string rest = blank == std::string::npos ? "" : trimmed(line.substr(blank + 1));
    if (word == "menu") {
        chooseMenu(rest);
    } else if (word == "key") {
        sendKey(rest);
    } else if (word == "press") {
        const bool right = rest.starts_with("right ");
        const bool alt = rest.starts_with("alt ");
        pressButton(right || alt ? trimmed(rest.substr(right ? 6 : 4)) : rest,
                    right ? kMouseRight : kMouseLeft, alt ? kShiftAlt : 0);
    } else if (word == "hint") {
        pressHintButton(rest);
    } else if (word == "click") {
        clickCell(rest, 0);
    } else if (word == "ctrl-click") {
        clickCell(rest, kShiftCtrl);
    } else if (word == "type") {
        typeText(blank == std::string::npos ? "" : line.substr(blank + 1));
    } else if (word == "answer") {
        answer(rest);
    } else if (word == "file") {
        answerFile(rest);
    } else if (word == "drop") {
        if (rest.empty()) fail("drop needs a file");
        requireNoDialog();
        program_->mainWindow().openPuzzleFile(resolved(rest));
    } else if (word == "drop-text") {
        requireNoDialog();
        program_->mainWindow().pasteText(clipboardText(rest));
    } else if (word == "clipboard") {
        host_.setClipboardText(clipboardText(rest));
    } else if (word == "print") {
        if (rest.empty()) fail("print needs a file");
        host_.printNextPageTo(resolved(rest));
        printLine_ = lineNumber_;
    } else if (word == "dump") {
        out_ << sessionDump(*program_, openDialog()) << '\n';
    } else {
        fail("unknown command " + quoted(word));
    }
    if (const std::optional<std::string> failure = host_.takePrintFailure()) fail(*failure);
    if (open_.empty()) settleFocus();
}

// The program starts again in the same folder once it has ended, as a user would start it the
// next day: what it kept on disk is all it knows. `file` is the puzzle file named on its command
// line ("" for none).
void ScriptSession::restart(const std::string& file) {
    if (!ended_) fail("restart needs the program to have ended");
    host_.advanceClock(kLineMs);
    program_.reset();
    program_ = std::make_unique<Application>(host_, dataFolder_);
    if (!file.empty()) program_->setStartFile(resolved(file));
    ended_ = false;
    minimised_ = false;
    start();
}

void ScriptSession::checkNothingLeftOver() const {
    if (!fileAnswers_.empty()) {
        throw LineFailure{{fileAnswers_.front().line, "no file dialog took this answer"}};
    }
    if (host_.printPending()) throw LineFailure{{printLine_, "no Print used this file"}};
}

// ---- commands ------------------------------------------------------------------------------

void ScriptSession::chooseMenu(const std::string& path) {
    requireNoDialog();
    restoreMainWindow();
    MainWindow& main = program_->mainWindow();
    const MenuItem* found = findMenuPath(main.menus(), path);
    if (found == nullptr) fail("no menu item " + quoted(path));
    const MenuItem* top = found;
    while (const MenuItem* title = main.menus().title(top->menu))
        top = title;
    const auto check = [&](const MenuItem& item) {
        if (main.menus().isEffective(item)) return;
        fail("menu item " + quoted(path) + (item.visible ? " is disabled" : " is hidden"));
    };
    check(*top);
    if (!top->submenu) {
        main.menuChosen(*top);
        return;
    }
    // Opening the drop-down runs its own step; the item is judged as it shows then.
    main.menuOpened(*top);
    if (found->submenu) return;
    check(*found);
    main.menuChosen(*found);
}

void ScriptSession::pressButton(const std::string& name, int mouseButton, int shift) {
    if (name.empty()) fail("press needs a button");
    requireNoDialog();
    restoreMainWindow();
    MainWindow& main = program_->mainWindow();
    for (const ToolButton& button : main.toolbar().all()) {
        if (trimmed(button.toolTip) != name &&
            !(showsTextCaption(button) && trimmed(button.caption) == name)) {
            continue;
        }
        if (!button.visible) fail("toolbar button " + quoted(name) + " is hidden");
        if (!button.enabled) fail("toolbar button " + quoted(name) + " is disabled");
        main.toolbarClicked(button, mouseButton, shift);
        return;
    }
    fail("no toolbar button " + quoted(name));
}

// A button of Explain Next Step's hint panel: Back, Next or Details.
void ScriptSession::pressHintButton(const std::string& name) {
    requireNoDialog();
    MainWindow& main = program_->mainWindow();
    const HintPanel& panel = main.hintPanel();
    if (!panel.shown) fail("the hint panel is closed");
    static constexpr std::pair<const char*, HintPanelButton> kButtons[] = {
        {"Back", HintPanelButton::Back},
        {"Next", HintPanelButton::Next},
        {"Details", HintPanelButton::Details},
    };
    for (const auto& [caption, button] : kButtons) {
        if (name != caption) continue;
        const bool enabled = button == HintPanelButton::Back   ? panel.canGoBack()
                             : button == HintPanelButton::Next ? panel.canGoNext()
                                                               : true;
        if (!enabled) fail("hint button " + quoted(name) + " is disabled");
        main.hintPanelClicked(button);
        return;
    }
    fail("no hint button " + quoted(name));
}

void ScriptSession::clickCell(const std::string& number, int shift) {
    requireNoDialog();
    restoreMainWindow();
    GridWindow& grid = activeGrid();
    const bool digits = !number.empty() && number.size() <= 3 &&
                        number.find_first_not_of("0123456789") == std::string::npos;
    const int cell = digits ? std::stoi(number) : 0;
    if (!grid.board().validCell(cell)) fail("no cell " + quoted(number));
    if (!grid.cellVisible(cell) || !grid.board().cell(cell).enabled) {
        fail("cell " + number + " is disabled");
    }
    // As the windowing system delivers a click: the press moves the focus, then the press and
    // the release reach the cell. A modal window that opens on the way takes the rest.
    const int served = dialogsServed_;
    if (grid.focusedCell() != cell) grid.requestFocus(cell);
    if (dialogsServed_ != served) return;
    program_->aids().cellMouseDown(grid, cell, kMouseLeft);
    if (dialogsServed_ != served) return;
    if (grid.focusedCell() == cell) grid.clickCell(cell);
    if (dialogsServed_ != served) return;
    program_->aids().cellMouseUp(grid, cell, kMouseLeft, shift);
}

void ScriptSession::sendKey(const std::string& name) {
    const std::optional<KeyEvent> event = keyNamed(name);
    if (!event) fail("unknown key " + quoted(name));
    if (OpenDialog* dialog = openDialog()) {
        dialog->key(*event);
        return;
    }
    restoreMainWindow();
    MainWindow& main = program_->mainWindow();
    // A menu shortcut takes the key while its item can be chosen.
    for (const MenuItem& item : main.menus().all()) {
        const std::optional<KeyEvent> shortcut =
            item.shortcut.empty() ? std::nullopt : keyNamed(item.shortcut);
        if (shortcut && shortcut->code == event->code && shortcut->modifiers == event->modifiers &&
            main.menus().isEffective(item)) {
            main.menuChosen(item);
            return;
        }
    }
    if (event->code == kTabKey) {
        moveFocusByTab((event->modifiers & modifier::kShift) != 0);
    } else {
        keyToCell(*event);
    }
}

void ScriptSession::typeText(const std::string& text) {
    restoreMainWindow();
    for (const std::string& character : utf8Characters(text)) {
        if (OpenDialog* dialog = openDialog()) {
            dialog->key(keyForCharacter(character));
        } else {
            keyToCell(keyForCharacter(character));
        }
    }
}

void ScriptSession::answer(const std::string& caption) {
    OpenDialog* dialog = openDialog();
    if (dialog == nullptr) fail("no dialog to answer");
    if (!dialog->press(caption)) {
        fail("the dialog " + quoted(dialog->title()) + " has no button " + quoted(caption));
    }
}

void ScriptSession::answerFile(const std::string& argument) {
    if (argument.empty()) fail("file needs a path or cancel");
    std::optional<std::string> path;
    if (argument != "cancel") path = resolved(argument);
    OpenDialog* dialog = openDialog();
    if (dialog == nullptr || !dialog->chooseFile(path)) fileAnswers_.push_back({lineNumber_, path});
}

// ---- keys and focus ------------------------------------------------------------------------

void ScriptSession::keyToCell(const KeyEvent& event) {
    GridWindow& grid = activeGrid();
    const int cell = focusedCell();
    const int served = dialogsServed_;
    grid.cellKey(cell, event);
    // The release reaches the cell that has the focus then, unless a modal window took it.
    if (dialogsServed_ == served && !ended_ && grid.focusedCell() > 0) {
        grid.cellKeyUp(grid.focusedCell());
    }
}

void ScriptSession::moveFocusByTab(bool backwards) {
    GridWindow& grid = activeGrid();
    const int count = grid.kind().cellCount();
    int cell = focusedCell();
    for (int step = 1; step < count; ++step) {
        cell = backwards ? (cell == 1 ? count : cell - 1) : (cell == count ? 1 : cell + 1);
        if (grid.cellVisible(cell) && grid.board().cell(cell).enabled) {
            grid.requestFocus(cell);
            return;
        }
    }
}

// ---- helpers -------------------------------------------------------------------------------

void ScriptSession::fail(const std::string& what) const {
    throw LineFailure{{lineNumber_, what}};
}

void ScriptSession::requireNoDialog() const {
    if (const OpenDialog* dialog = openDialog()) {
        fail("the dialog " + quoted(dialog->title()) + " is open");
    }
}

void ScriptSession::restoreMainWindow() {
    if (!minimised_) return;
    minimised_ = false;
    program_->mainWindow().resize(false);
}

void ScriptSession::settleFocus() {
    GridWindow* grid = program_->activeGrid();
    if (ended_ || grid == nullptr || !grid->shown() || grid->focusedCell() != 0) return;
    // A grid window shown for the first time gets the keyboard on its first cell, which the
    // windowing system hands to the first control that takes the focus.
    grid->requestFocus(1);
}

GridWindow& ScriptSession::activeGrid() {
    GridWindow* grid = program_->activeGrid();
    if (grid == nullptr) fail("no grid window is open");
    return *grid;
}

int ScriptSession::focusedCell() {
    const int cell = activeGrid().focusedCell();
    if (cell == 0) fail("no cell has the focus");
    return cell;
}

std::string ScriptSession::resolved(const std::string& path) const {
    const std::filesystem::path given(path);
    return (given.is_relative() ? dataFolder_ / given : given).string();
}

}  // namespace quorvel
