#include "ui/session/session_dump.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "ui/app/application.h"
#include "ui/commands/explain_step.h"
#include "ui/grid/grid_window.h"
#include "ui/session/menu_paths.h"
#include "ui/session/open_dialog.h"

namespace quorvel {

namespace {

// The dump is written into one string, each part appended where it belongs: a dump names every
// menu item, so building it from temporaries would cost more than the command it reports on.

// `text` as a JSON string literal.
void AppendQuoted(std::string& json, std::string_view text) {
    static constexpr auto kEscaped = [] {
        std::array<bool, 256> escaped{};
        for (int c = 0; c < 0x20; ++c)
            escaped[static_cast<std::size_t>(c)] = true;
        escaped['"'] = escaped['\\'] = true;
        return escaped;
    }();
    json += '"';
    std::size_t plain = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto c = static_cast<unsigned char>(text[at]);
        if (!kEscaped[c]) continue;
        json.append(text.substr(plain, at - plain));
        plain = at + 1;
        if (c < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            json += escape;
        } else {
            json += '\\';
            json += static_cast<char>(c);
        }
    }
    json.append(text.substr(plain));
    json += '"';
}

void AppendBool(std::string& json, bool value) {
    json += value ? "true" : "false";
}

// Appends "," unless `json` has just opened an object or array.
void Separate(std::string& json) {
    if (json.back() != '{' && json.back() != '[') json += ',';
}

// The key of the next member of an open object.
void AppendKey(std::string& json, std::string_view key) {
    Separate(json);
    AppendQuoted(json, key);
    json += ':';
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

void AppendPanel(std::string& json, const GridWindow& window) {
    if (!window.panelVisible()) {
        json += "null";
        return;
    }
    json += '[';
    for (int value = 1; value <= window.kind().side; ++value) {
        if (window.panelMark(value).backColour == kPanelPossibleBack) {
            Separate(json);
            json += std::to_string(value);
        }
    }
    json += ']';
}

void AppendTips(std::string& json, const GridWindow& window) {
    json += '{';
    for (int cell = 1; cell <= window.kind().cellCount(); ++cell) {
        if (!window.tipShown(cell)) continue;
        AppendKey(json, std::to_string(cell));
        AppendQuoted(json, window.tipText(cell));
    }
    json += '}';
}

// Cell number to the ascending list of the values in maskOf(cell), for every cell with any.
template <typename MaskOf>
void AppendCellValues(std::string& json, const GridKind& kind, const MaskOf& maskOf) {
    json += '{';
    for (int cell = 1; cell <= kind.cellCount(); ++cell) {
        const ValueMask mask = maskOf(cell);
        if (mask == 0) continue;
        AppendKey(json, std::to_string(cell));
        json += '[';
        for (int value = 1; value <= kind.side; ++value) {
            if ((mask >> value) & 1u) {
                Separate(json);
                json += std::to_string(value);
            }
        }
        json += ']';
    }
    json += '}';
}

void AppendPuzzle(std::string& json, const Session& session) {
    if (session.puzzleNumber == 0) {
        json += "null";
        return;
    }
    json += "{\"number\":" + std::to_string(session.puzzleNumber) +
            ",\"kind\":" + std::to_string(session.puzzleKind) +
            ",\"level\":" + std::to_string(session.puzzleLevel) + "}";
}

void AppendDialog(std::string& json, const OpenDialog* dialog) {
    if (dialog == nullptr) {
        json += "null";
        return;
    }
    json += '{';
    AppendKey(json, "title");
    AppendQuoted(json, dialog->title());
    AppendKey(json, "prompt");
    AppendQuoted(json, dialog->prompt());
    AppendKey(json, "answer");
    const std::optional<std::string> answer = dialog->answer();
    if (answer) {
        AppendQuoted(json, *answer);
    } else {
        json += "null";
    }
    json += '}';
}

void AppendEnabled(std::string& json, const MenuBar& menus) {
    json += '{';
    ForEachMenuPath(menus, [&](const MenuItem& item, std::string_view path) {
        AppendKey(json, path);
        AppendBool(json, menus.isEffective(item));
    });
    json += '}';
}

// The hint panel's title and lines, or null while it is closed.
void AppendHint(std::string& json, const HintPanel& panel) {
    if (!panel.shown) {
        json += "null";
        return;
    }
    json += '{';
    AppendKey(json, "title");
    AppendQuoted(json, panel.title);
    AppendKey(json, "lines");
    json += '[';
    for (const std::string& line : panel.lines) {
        Separate(json);
        AppendQuoted(json, line);
    }
    json += "]}";
}

// The cells Explain Next Step marks and the exposed cells of a puzzle being composed (the
// givens Save My Su Doku stores), by kind of mark; kinds without cells are left out.
void AppendMarks(std::string& json, const Board& board) {
    static constexpr std::pair<const char*, Colour> kKinds[] = {
        {"unit", kHintUnitBack},
        {"pattern", kHintPatternBack},
        {"eliminated", kHintEliminationBack},
        {"target", kHintTargetBack},
        {"mistake", kMistakeCellBack},
        {"exposed", kMarkedBack},
    };
    json += '{';
    for (const auto& [name, colour] : kKinds) {
        bool any = false;
        for (int cell = 1; cell <= board.cellCount(); ++cell) {
            if (board.cell(cell).backColour != colour) continue;
            if (!any) {
                AppendKey(json, name);
                json += '[';
                any = true;
            }
            Separate(json);
            json += std::to_string(cell);
        }
        if (any) json += ']';
    }
    json += '}';
}

void AppendNode(std::string& json, const std::vector<CandidateMark>& node) {
    json += '[';
    for (const CandidateMark& candidate : node) {
        Separate(json);
        json += '[' + std::to_string(candidate.cell) + ',' + std::to_string(candidate.value) + ']';
    }
    json += ']';
}

// The chains Explain Next Step draws, or null while it draws none.
void AppendChain(std::string& json, const GridWindow& window) {
    const ChainMarks& chain = window.chainMarks();
    if (chain.empty()) {
        json += "null";
        return;
    }
    json += '{';
    for (const auto& [key, masks] :
         {std::pair{"candidates", &chain.shown}, std::pair{"rings", &chain.ringed},
          std::pair{"removed", &chain.removed}}) {
        AppendKey(json, key);
        AppendCellValues(json, window.kind(),
                         [of = masks](int cell) { return (*of)[static_cast<std::size_t>(cell)]; });
    }
    AppendKey(json, "links");
    json += '[';
    for (const LinkMark& link : chain.links) {
        Separate(json);
        json += '{';
        AppendKey(json, "from");
        AppendNode(json, link.from);
        AppendKey(json, "to");
        AppendNode(json, link.to);
        AppendKey(json, "strong");
        AppendBool(json, link.strong);
        json += '}';
    }
    json += "]}";
}

}  // namespace

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

    std::string json = "{";
    AppendKey(json, "grid");
    json += std::to_string(window.kind().side);
    AppendKey(json, "cells");
    AppendQuoted(json, cells);
    AppendKey(json, "locked");
    AppendQuoted(json, locked);
    AppendKey(json, "focus");
    json += focus > 0 ? std::to_string(focus) : std::string("null");
    AppendKey(json, "message");
    // The program folder, wherever the session runs, reads as DIR.
    std::string message = main.messageLine().text;
    const std::string folder = main.programFolder().string();
    for (std::size_t at = message.find(folder); !folder.empty() && at != std::string::npos;
         at = message.find(folder, at + 3))
        message.replace(at, folder.size(), "DIR");
    AppendQuoted(json, message);
    AppendKey(json, "caption");
    AppendQuoted(json, window.puzzleNumberLabel());
    AppendKey(json, "title");
    AppendQuoted(json, main.caption());
    AppendKey(json, "gauge");
    AppendQuoted(json, board.percentText());
    AppendKey(json, "complete");
    AppendBool(json, board.statusImageVisible(0));
    AppendKey(json, "panel");
    AppendPanel(json, window);
    AppendKey(json, "tips");
    AppendTips(json, window);
    AppendKey(json, "notes");
    AppendCellValues(json, window.kind(), [&window](int cell) { return window.notes(cell); });
    AppendKey(json, "puzzle");
    AppendPuzzle(json, program.session());
    AppendKey(json, "dialog");
    AppendDialog(json, dialog);
    AppendKey(json, "enabled");
    AppendEnabled(json, main.menus());
    AppendKey(json, "hint");
    AppendHint(json, main.hintPanel());
    AppendKey(json, "marks");
    AppendMarks(json, board);
    AppendKey(json, "chain");
    AppendChain(json, window);
    AppendKey(json, "elapsed");
    AppendQuoted(json, main.elapsedLabel());
    json += '}';
    return json;
}

}  // namespace quorvel
