#include "application/session/session_dump.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "application/commands/explain_step.h"
#include "application/composition/application.h"
#include "application/grid/grid_window.h"
#include "application/session/menu_paths.h"
#include "application/session/open_dialog.h"

namespace quorvel {

namespace {

// The dump is written into one string, each part appended where it belongs: a dump names every
// menu item, so building it from temporaries would cost more than the command it reports on.

// `text` as a JSON string literal.
void appendQuoted(std::string& json, std::string_view text) {
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

void appendBool(std::string& json, bool value) {
    json += value ? "true" : "false";
}

// Appends "," unless `json` has just opened an object or array.
void separate(std::string& json) {
    if (json.back() != '{' && json.back() != '[') json += ',';
}

// The key of the next member of an open object.
void appendKey(std::string& json, std::string_view key) {
    separate(json);
    appendQuoted(json, key);
    json += ':';
}

// One character per cell: "." empty, the digit, "A".."F" for 10..15, "?" for any other text.
char cellCharacter(const std::string& text) {
    if (text.empty()) return '.';
    if (text.size() == 1 && text[0] >= '1' && text[0] <= '9') return text[0];
    if (text.size() == 2 && text[0] == '1' && text[1] >= '0' && text[1] <= '5') {
        return static_cast<char>('A' + (text[1] - '0'));
    }
    return '?';
}

void appendPanel(std::string& json, const GridWindow& window) {
    if (!window.panelVisible()) {
        json += "null";
        return;
    }
    json += '[';
    for (int value = 1; value <= window.kind().side; ++value) {
        if (window.panelMark(value).backColour == kPanelPossibleBack) {
            separate(json);
            json += std::to_string(value);
        }
    }
    json += ']';
}

void appendTips(std::string& json, const GridWindow& window) {
    json += '{';
    for (int cell = 1; cell <= window.kind().cellCount(); ++cell) {
        if (!window.tipShown(cell)) continue;
        appendKey(json, std::to_string(cell));
        appendQuoted(json, window.tipText(cell));
    }
    json += '}';
}

// Cell number to the ascending list of the values in maskOf(cell), for every cell with any.
template <typename MaskOf>
void appendCellValues(std::string& json, const GridKind& kind, const MaskOf& maskOf) {
    json += '{';
    for (int cell = 1; cell <= kind.cellCount(); ++cell) {
        const ValueMask mask = maskOf(cell);
        if (mask == 0) continue;
        appendKey(json, std::to_string(cell));
        json += '[';
        for (int value = 1; value <= kind.side; ++value) {
            if ((mask >> value) & 1u) {
                separate(json);
                json += std::to_string(value);
            }
        }
        json += ']';
    }
    json += '}';
}

void appendPuzzle(std::string& json, const ProgramState& session) {
    if (session.puzzleNumber == 0) {
        json += "null";
        return;
    }
    json += "{\"number\":" + std::to_string(session.puzzleNumber) +
            ",\"kind\":" + std::to_string(session.puzzleKind) +
            ",\"level\":" + std::to_string(session.puzzleLevel) + "}";
}

void appendDialog(std::string& json, const OpenDialog* dialog) {
    if (dialog == nullptr) {
        json += "null";
        return;
    }
    json += '{';
    appendKey(json, "title");
    appendQuoted(json, dialog->title());
    appendKey(json, "prompt");
    appendQuoted(json, dialog->prompt());
    appendKey(json, "answer");
    const std::optional<std::string> answer = dialog->answer();
    if (answer) {
        appendQuoted(json, *answer);
    } else {
        json += "null";
    }
    json += '}';
}

// The optional techniques turned on, in the order the solver tries them.
void appendOptional(std::string& json, const logic::OptionalTechniques& turnedOn) {
    json += '[';
    bool first = true;
    for (const logic::TechniqueInfo& info : logic::optionalTechniques()) {
        if (!turnedOn.contains(info.technique)) continue;
        if (!first) json += ',';
        first = false;
        appendQuoted(json, info.name);
    }
    json += ']';
}

void appendEnabled(std::string& json, const MenuBar& menus) {
    json += '{';
    forEachMenuPath(menus, [&](const MenuItem& item, std::string_view path) {
        appendKey(json, path);
        appendBool(json, menus.isEffective(item));
    });
    json += '}';
}

// The hint panel: its title, the step it shows, that step's summary and, while unfolded, its
// details; null while it is closed.
void appendHint(std::string& json, const HintPanel& panel) {
    if (!panel.shown) {
        json += "null";
        return;
    }
    json += '{';
    appendKey(json, "title");
    appendQuoted(json, panel.title);
    appendKey(json, "step");
    appendQuoted(json, panel.stepLabel());
    appendKey(json, "summary");
    appendQuoted(json, panel.summary);
    appendKey(json, "details");
    if (panel.detailsOpen) {
        appendQuoted(json, panel.details);
    } else {
        json += "null";
    }
    json += '}';
}

// The cells Explain Next Step marks and the exposed cells of a puzzle being composed (the
// givens Save My Su Doku stores), by kind of mark; kinds without cells are left out.
void appendMarks(std::string& json, const Board& board) {
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
                appendKey(json, name);
                json += '[';
                any = true;
            }
            separate(json);
            json += std::to_string(cell);
        }
        if (any) json += ']';
    }
    json += '}';
}

void appendNode(std::string& json, const std::vector<CandidateMark>& node) {
    json += '[';
    for (const CandidateMark& candidate : node) {
        separate(json);
        json += '[' + std::to_string(candidate.cell) + ',' + std::to_string(candidate.value) + ']';
    }
    json += ']';
}

// The chains Explain Next Step draws, or null while it draws none.
void appendChain(std::string& json, const GridWindow& window) {
    const ChainMarks& chain = window.chainMarks();
    if (chain.empty()) {
        json += "null";
        return;
    }
    json += '{';
    for (const auto& [key, masks] :
         {std::pair{"candidates", &chain.shown}, std::pair{"rings", &chain.ringed},
          std::pair{"removed", &chain.removed}}) {
        appendKey(json, key);
        appendCellValues(json, window.kind(),
                         [of = masks](int cell) { return (*of)[static_cast<std::size_t>(cell)]; });
    }
    appendKey(json, "links");
    json += '[';
    for (const LinkMark& link : chain.links) {
        separate(json);
        json += '{';
        appendKey(json, "from");
        appendNode(json, link.from);
        appendKey(json, "to");
        appendNode(json, link.to);
        appendKey(json, "strong");
        appendBool(json, link.strong);
        json += '}';
    }
    json += "]}";
}

// Per grid and level, "SIDE/LEVEL": started, solved and solved without help.
void appendStatistics(std::string& json, const PlayStatistics& statistics) {
    json += '{';
    for (const auto& [key, level] : statistics) {
        appendKey(json, std::to_string(key.first) + "/" + std::to_string(key.second));
        json += "[" + std::to_string(level.started) + "," + std::to_string(level.solved) + "," +
                std::to_string(level.solvedUnaided) + "]";
    }
    json += '}';
}

// The grid aids, each only while it shows something, so that a dump of a grid without them reads
// as before: `conflicts` (the cells and notes drawn as mistakes), `highlight` (the value),
// `filter` (the value and the cells it shades) and `colouring` (cells and notes by colour).
void appendAids(std::string& json, const GridWindow& window) {
    const GridKind& kind = window.kind();
    const auto cellList = [&](const auto& takes) {
        json += '[';
        for (int cell = 1; cell <= kind.cellCount(); ++cell) {
            if (!takes(cell)) continue;
            separate(json);
            json += std::to_string(cell);
        }
        json += ']';
    };
    const auto anyCell = [&](const auto& takes) {
        for (int cell = 1; cell <= kind.cellCount(); ++cell) {
            if (takes(cell)) return true;
        }
        return false;
    };
    const auto conflicted = [&window](int cell) { return window.conflicted(cell); };
    const auto conflictingNotes = [&window](int cell) { return window.conflictingNotes(cell); };
    if (anyCell(conflicted) || anyCell(conflictingNotes)) {
        appendKey(json, "conflicts");
        json += '{';
        appendKey(json, "cells");
        cellList(conflicted);
        appendKey(json, "notes");
        appendCellValues(json, kind, conflictingNotes);
        json += '}';
    }
    if (window.highlightedValue() != 0) {
        appendKey(json, "highlight");
        json += std::to_string(window.highlightedValue());
    }
    if (window.filteredValue() != 0) {
        appendKey(json, "filter");
        json += "{\"value\":" + std::to_string(window.filteredValue());
        appendKey(json, "cells");
        cellList([&window](int cell) { return window.filterShades(cell); });
        json += '}';
    }
    const Colouring& colouring = window.colouring();
    if (colouring.empty()) return;
    appendKey(json, "colouring");
    json += '{';
    for (int colour = 1; colour <= kColouringColours; ++colour) {
        const auto shade = static_cast<std::uint8_t>(colour);
        const auto cellTakes = [&](int cell) {
            return colouring.cells[static_cast<std::size_t>(cell)] == shade;
        };
        const auto notesOf = [&](int cell) {
            ValueMask mask = 0;
            for (int value = 1; value <= kind.side; ++value) {
                if (colouring.notes[static_cast<std::size_t>(cell)]
                                   [static_cast<std::size_t>(value)] == shade)
                    mask |= static_cast<ValueMask>(1u << value);
            }
            return mask;
        };
        if (!anyCell(cellTakes) && !anyCell(notesOf)) continue;
        appendKey(json, std::to_string(colour));
        json += '{';
        appendKey(json, "cells");
        cellList(cellTakes);
        appendKey(json, "notes");
        appendCellValues(json, kind, notesOf);
        json += '}';
    }
    json += '}';
}

}  // namespace

std::string sessionDump(Application& program, const OpenDialog* dialog) {
    GridWindow* active = program.activeGrid();
    const GridWindow& window = active != nullptr ? *active : program.nineGrid();
    const Board& board = window.board();
    std::string cells;
    std::string locked;
    for (int cell = 1; cell <= board.cellCount(); ++cell) {
        cells += cellCharacter(board.cell(cell).text);
        locked += board.cell(cell).locked ? '1' : '0';
    }
    const MainWindow& main = program.mainWindow();
    const int focus = window.focusedCell();

    std::string json = "{";
    appendKey(json, "grid");
    json += std::to_string(window.kind().side);
    appendKey(json, "cells");
    appendQuoted(json, cells);
    appendKey(json, "locked");
    appendQuoted(json, locked);
    appendKey(json, "focus");
    json += focus > 0 ? std::to_string(focus) : std::string("null");
    appendKey(json, "message");
    // The program folder, wherever the session runs, reads as DIR.
    std::string message = main.messageLine().text;
    const std::string folder = main.programFolder().string();
    for (std::size_t at = message.find(folder); !folder.empty() && at != std::string::npos;
         at = message.find(folder, at + 3))
        message.replace(at, folder.size(), "DIR");
    appendQuoted(json, message);
    appendKey(json, "caption");
    appendQuoted(json, window.puzzleNumberLabel());
    appendKey(json, "title");
    appendQuoted(json, main.caption());
    appendKey(json, "gauge");
    appendQuoted(json, board.percentText());
    appendKey(json, "complete");
    appendBool(json, board.statusImageVisible(0));
    appendKey(json, "panel");
    appendPanel(json, window);
    appendKey(json, "tips");
    appendTips(json, window);
    appendKey(json, "notes");
    appendCellValues(json, window.kind(), [&window](int cell) { return window.notes(cell); });
    appendKey(json, "puzzle");
    appendPuzzle(json, program.session());
    appendKey(json, "dialog");
    appendDialog(json, dialog);
    appendKey(json, "enabled");
    appendEnabled(json, main.menus());
    appendKey(json, "hint");
    appendHint(json, main.hintPanel());
    appendKey(json, "marks");
    appendMarks(json, board);
    appendKey(json, "chain");
    appendChain(json, window);
    appendKey(json, "elapsed");
    appendQuoted(json, main.elapsedLabel());
    appendKey(json, "zoom");
    json += std::to_string(main.zoomPercent());
    appendKey(json, "theme");
    appendQuoted(json, themeName(main.theme()));
    appendKey(json, "statistics");
    appendStatistics(json, main.statistics().record());
    appendKey(json, "optional");
    appendOptional(json, main.optionalTechniques());
    appendAids(json, window);
    json += '}';
    return json;
}

}  // namespace quorvel
