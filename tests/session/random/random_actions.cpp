#include "session/random/random_actions.h"

#include <algorithm>
#include <utility>

#include "application/session/menu_paths.h"
#include "application/session/open_dialog.h"
#include "application/session/script_session.h"

namespace quorvel {

namespace {

// Closing a modal window takes a few lines at most (Escape, then its buttons); more means it
// cannot be closed.
constexpr int kClosingTries = 12;

const std::vector<std::string> kCellKeys = {
    "Left",   "Right",   "Up",        "Down",   "Home",      "End",      "PageUp", "PageDown",
    "Delete", "Tab",     "Shift+Tab", "Enter",  "Escape",    "F1",       "F2",     "F3",
    "F4",     "F5",      "F6",        "F7",     "F8",        "F9",       "F10",    "F11",
    "F12",    "Ctrl+F2", "Shift+F2",  "Alt+F4", "Backspace", "Ctrl+Left"};
const std::vector<std::string> kDialogKeys = {"Enter", "Escape", "Backspace", "Delete", "Left",
                                              "Right", "Up",     "Down",      "Tab",    "Home"};
const std::vector<std::string> kSaveNames = {"out.txt", "out.sdk", "grid.ss", "second.txt",
                                             "page.opensudoku"};
// Files that are not puzzle texts, or not of the grid asking; some may not exist yet.
const std::vector<std::string> kMalformedNames = {
    "type3.pxz", "type5.pxz", "DaDododa.pxz", "sudokuhelp.pxz", "page.pdf", "QuorvelOptions.txt"};

// Texts put on the clipboard for Paste Puzzle: good puzzles of both grids, two puzzles at once,
// a line a cell short, givens in conflict, words.
const std::string kNine =
    "..9...63......3.597...4.2...9...6..5..12.89..6..4...2...8.9...245.1......62...5..";
const std::vector<std::string> kClipboardTexts = {kNine,
                                                  kNine + "\\n" + kNine,
                                                  kNine.substr(1),
                                                  "11" + kNine.substr(2),
                                                  "F" + std::string(224, '.'),
                                                  "no puzzle here"};

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::optional<std::string> RandomActions::next(ScriptSession& session) {
    if (session.ended()) return std::nullopt;
    if (!queued_.empty()) {
        std::string line = std::move(queued_.front());
        queued_.pop_front();
        return line;
    }
    OpenDialog* dialog = session.openDialog();
    if (stepsLeft_ <= 0) {
        if (dialog == nullptr) return std::nullopt;
        return closingLine(*dialog);
    }
    --stepsLeft_;
    if (dialog != nullptr) return dialogLine(*dialog);
    if (!openedMenu_.empty()) {
        if (std::optional<std::string> item = menuItemLine(session)) return item;
    }
    return mainWindowLine(session);
}

std::string RandomActions::mainWindowLine(ScriptSession& session) {
    Application& program = session.program();
    const auto& main = program.mainWindow();
    const GridWindow* grid = program.activeGrid();
    const bool focused = grid != nullptr && grid->focusedCell() > 0;
    const int roll = below(100);

    if (roll < 3) return "clipboard " + any(kClipboardTexts);
    if (roll >= 30 && roll < 45) {
        std::vector<std::string> buttons;
        for (const ToolButton& button : main.toolbar().all()) {
            if (!button.visible || !button.enabled) continue;
            const std::string tip = trimmed(button.toolTip);
            buttons.push_back(tip.empty() ? trimmed(button.caption) : tip);
        }
        if (!buttons.empty()) return (chance(15) ? "press right " : "press ") + any(buttons);
    }
    if (roll >= 45 && roll < 65 && grid != nullptr) {
        std::vector<int> cells;
        for (int cell = 1; cell <= grid->kind().cellCount(); ++cell)
            if (grid->cellVisible(cell) && grid->board().cell(cell).enabled) cells.push_back(cell);
        if (!cells.empty())
            return (chance(10) ? "ctrl-click " : "click ") + std::to_string(any(cells));
    }
    if (roll >= 65 && roll < 85 && focused) return "type " + typedValue(grid->kind().side);
    if (roll >= 85 && focused) return "key " + any(kCellKeys);

    // A person opens a menu, which brings its items up to date, and then chooses one of them.
    std::vector<std::string> menus;
    for (const MenuPath& path : allMenuPaths(main.menus())) {
        if (path.item->menu != Menu::Bar || !main.menus().isEffective(*path.item)) continue;
        if (path.text == "Quit" && !chance(3)) continue;
        menus.push_back(path.text);
    }
    openedMenu_ = any(menus);
    return "menu " + openedMenu_;
}

std::optional<std::string> RandomActions::menuItemLine(ScriptSession& session) {
    const MenuBar& menus = session.program().mainWindow().menus();
    const std::string prefix = std::exchange(openedMenu_, "") + " > ";
    std::vector<std::string> items;
    for (const MenuPath& path : allMenuPaths(menus)) {
        // Print Booklet may generate a thousand puzzles and Practise a Technique search a
        // hundred grids, minutes of a run; their session scripts cover them.
        if (path.text.starts_with(prefix) && !path.item->submenu && menus.isEffective(*path.item) &&
            path.item->target != Target{Command::PrintBooklet} &&
            path.item->target != Target{Command::PractiseTechnique}) {
            items.push_back(path.text);
        }
    }
    if (items.empty()) return std::nullopt;
    const std::string item = any(items);
    if (item.ends_with("> Print")) {
        queued_.push_back("menu " + item);
        return "print page.pdf";
    }
    return "menu " + item;
}

std::string RandomActions::dialogLine(OpenDialog& dialog) {
    if (const auto* files = dynamic_cast<const FileDialogWindow*>(&dialog)) {
        return fileAnswer(files->request().save);
    }
    const int roll = below(100);
    const std::vector<std::string> buttons = dialog.buttons();
    if (roll < 45 && !buttons.empty()) return "answer " + any(buttons);
    if (roll < 75 && dialog.answer()) {
        switch (below(6)) {
            case 0:
                return "type -" + std::to_string(below(5));
            case 1:
                return "type 99999";
            case 2:
                return "type abc";
            default:
                return "type " + std::to_string(below(41));
        }
    }
    return "key " + any(kDialogKeys);
}

std::optional<std::string> RandomActions::closingLine(OpenDialog& dialog) {
    if (++closingTries_ > kClosingTries) return std::nullopt;
    if (dynamic_cast<const FileDialogWindow*>(&dialog) != nullptr) return "file cancel";
    if (closingTries_ % 3 == 1) return "key Escape";
    const std::vector<std::string> buttons = dialog.buttons();
    for (const char* caption : {"Cancel", "No", "OK"}) {
        if (std::find(buttons.begin(), buttons.end(), caption) != buttons.end())
            return "answer " + std::string(caption);
    }
    return buttons.empty() ? "key Escape" : "answer " + buttons.front();
}

std::string RandomActions::fileAnswer(bool save) {
    if (chance(10)) return "file cancel";
    if (save) {
        // Now and then the user picks a file that is already there, the program's own included.
        const std::string name = chance(5)                         ? any(kMalformedNames)
                                 : chance(20) && !written_.empty() ? any(written_)
                                                                   : any(kSaveNames);
        written_.push_back(name);
        return "file " + name;
    }
    const int roll = below(100);
    if (roll < 50 && !written_.empty()) return "file " + any(written_);
    if (roll < 80) return "file " + any(kMalformedNames);
    return "file missing.txt";
}

std::string RandomActions::typedValue(int side) {
    switch (below(10)) {
        case 0:
            return "0";
        case 1:
            return std::to_string(side + 1 + below(90));
        case 2:
            return std::string(1, "aZx"[below(3)]);
        case 3:
            return std::string(1, ".-+/"[below(4)]);
        case 4:
            return std::to_string(1 + below(side)) + std::to_string(1 + below(9));
        default:
            return std::to_string(1 + below(side));
    }
}

}  // namespace quorvel
