#include "ui/session/session_dump.h"

#include <cstdio>

#include "ui/app/application.h"
#include "ui/commands/explain_step.h"
#include "ui/grid/grid_window.h"
#include "ui/session/menu_paths.h"
#include "ui/session/open_dialog.h"

namespace quorvel {

namespace {

// A JSON string literal.
std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string Bool(bool value) {
    return value ? "true" : "false";
}

// One character per cell: "." empty, the digit, "A".."F" for 10..15, "?" for any other text.
char CellCharacter(const std::string& text) {
    if (text.empty()) return '.';
    if (text.size() == 1 && text[0] >= '1' && text[0] <= '9') return text[0];
    if (text.size() == 2 && text[0] == '1' && text[1] >= '0' && text[1] <= '5') {
        return static_cast<char>('A' + (text[1] - '0'));
    }
    return '?';
}

std::string Panel(const GridWindow& window) {
    if (!window.panelVisible()) return "null";
    std::string values;
    for (int value = 1; value <= window.kind().side; ++value) {
        if (window.board().panelMark(value) == PanelMark{kPanelPossibleBack, kPanelPossibleFore}) {
            values += (values.empty() ? "" : ",") + std::to_string(value);
        }
    }
    return "[" + values + "]";
}

std::string Tips(const GridWindow& window) {
    std::string tips;
    for (int cell = 1; cell <= window.kind().cellCount(); ++cell) {
        if (!window.tipShown(cell)) continue;
        tips += (tips.empty() ? "" : ",") + Quoted(std::to_string(cell)) + ":" +
                Quoted(window.tipText(cell));
    }
    return "{" + tips + "}";
}

std::string Puzzle(const Session& session) {
    if (session.puzzleNumber == 0) return "null";
    return "{\"number\":" + std::to_string(session.puzzleNumber) +
           ",\"kind\":" + std::to_string(session.puzzleKind) +
           ",\"level\":" + std::to_string(session.puzzleLevel) + "}";
}

std::string Dialog(const OpenDialog* dialog) {
    if (dialog == nullptr) return "null";
    const std::optional<std::string> answer = dialog->answer();
    return "{\"title\":" + Quoted(dialog->title()) + ",\"prompt\":" + Quoted(dialog->prompt()) +
           ",\"answer\":" + (answer ? Quoted(*answer) : std::string("null")) + "}";
}

std::string Enabled(const MenuBar& menus) {
    std::string enabled;
    for (const MenuPath& path : AllMenuPaths(menus)) {
        enabled += (enabled.empty() ? "" : ",") + Quoted(path.text) + ":" +
                   Bool(menus.isEffective(*path.item));
    }
    return "{" + enabled + "}";
}

}  // namespace

// The hint panel's title and lines, or null while it is closed.
std::string Hint(const HintPanel& panel) {
    if (!panel.shown) return "null";
    std::string lines;
    for (const std::string& line : panel.lines)
        lines += (lines.empty() ? "" : ",") + Quoted(line);
    return "{\"title\":" + Quoted(panel.title) + ",\"lines\":[" + lines + "]}";
}

// The cells Explain Next Step marks and the exposed cells of a puzzle being composed (the
// givens Save My Su Doku stores), by kind of mark; kinds without cells are left out.
std::string Marks(const Board& board) {
    static constexpr std::pair<const char*, Colour> kKinds[] = {
        {"unit", kHintUnitBack},
        {"pattern", kHintPatternBack},
        {"eliminated", kHintEliminationBack},
        {"target", kHintTargetBack},
        {"exposed", kMarkedBack},
    };
    std::string json;
    for (const auto& [name, colour] : kKinds) {
        std::string cells;
        for (int cell = 1; cell <= board.cellCount(); ++cell)
            if (board.cell(cell).backColour == colour)
                cells += (cells.empty() ? "" : ",") + std::to_string(cell);
        if (!cells.empty())
            json += (json.empty() ? "\"" : ",\"") + std::string(name) + "\":[" + cells + "]";
    }
    return "{" + json + "}";
}

std::string SessionDump(Application& program, const OpenDialog* dialog) {
    GridWindow* active = program.activeGrid();
    const GridWindow& window = active != nullptr ? *active : program.nineGrid();
    const Board& board = window.board();
    std::string cells;
    std::string locked;
    for (int cell = 1; cell <= board.cellCount(); ++cell) {
        cells += CellCharacter(board.cell(cell).text);
        locked += board.cell(cell).locked ? '1' : '0';
    }
    const MainWindow& main = program.mainWindow();
    const int focus = window.focusedCell();
    return "{\"grid\":" + std::to_string(window.kind().side) + ",\"cells\":" + Quoted(cells) +
           ",\"locked\":" + Quoted(locked) +
           ",\"focus\":" + (focus > 0 ? std::to_string(focus) : std::string("null")) +
           ",\"message\":" + Quoted(main.messageLine().text) +
           ",\"caption\":" + Quoted(window.puzzleNumberLabel()) +
           ",\"title\":" + Quoted(main.caption()) + ",\"gauge\":" + Quoted(board.percentText()) +
           ",\"complete\":" + Bool(board.statusImageVisible(0)) + ",\"panel\":" + Panel(window) +
           ",\"tips\":" + Tips(window) + ",\"puzzle\":" + Puzzle(program.session()) +
           ",\"dialog\":" + Dialog(dialog) + ",\"enabled\":" + Enabled(main.menus()) +
           ",\"hint\":" + Hint(main.hintPanel()) + ",\"marks\":" + Marks(board) +
           ",\"elapsed\":" + Quoted(main.elapsedLabel()) + "}";
}

}  // namespace quorvel
