// .opensudoku collections: an <opensudoku> element with optional name, author, description,
// level, comment, created, source and sourceURL elements (or attributes) and one
// <game data="..."/> per puzzle (81 digits, 0 for empty; 9 x 9 only).
// Games inside <folder> elements are read too. The text goes through a real XML parser.

#include <pugixml.hpp>

#include <algorithm>
#include <sstream>

#include "storage/puzzle_format_parts.h"

namespace quorvel::formats {

namespace {

struct InfoElement {
    char tag;
    const char* name;
};
constexpr InfoElement kInfoElements[] = {{'N', "name"},   {'A', "author"},   {'D', "description"},
                                         {'L', "level"},  {'C', "comment"},  {'B', "created"},
                                         {'S', "source"}, {'U', "sourceURL"}};
// Every game gets a copy of the collection's info, so a long text is cut to keep the copies small.
constexpr std::size_t kMaxInfoBytes = 500;

// An info text as one line of plain text: control characters (character references can make
// them) become blanks, and a long text is cut, between characters, to kMaxInfoBytes.
std::string infoText(std::string_view text) {
    text = trimmed(text);
    std::size_t cut = std::min(text.size(), kMaxInfoBytes);
    while (cut < text.size() && cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    std::string note(text.substr(0, cut));
    std::replace_if(
        note.begin(), note.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, ' ');
    return std::string(trimmed(note));
}

// Line numbers of offsets met in increasing order, counted once over the whole text.
class LineCounter {
  public:
    explicit LineCounter(std::string_view text) : text_(text) {}
    int lineAt(std::ptrdiff_t offset) {
        const std::size_t end = std::min(static_cast<std::size_t>(std::max<std::ptrdiff_t>(
                                             offset, static_cast<std::ptrdiff_t>(counted_))),
                                         text_.size());
        line_ += static_cast<int>(std::count(text_.begin() + counted_, text_.begin() + end, '\n'));
        counted_ = end;
        return line_;
    }

  private:
    std::string_view text_;
    std::size_t counted_ = 0;
    int line_ = 1;
};

std::vector<PuzzleInfo> infoOf(const pugi::xml_node& root) {
    std::vector<PuzzleInfo> info;
    for (const InfoElement& element : kInfoElements) {
        std::string_view text = root.child(element.name).child_value();
        if (text.empty()) text = root.attribute(element.name).value();
        std::string line = infoText(text);
        if (!line.empty()) info.push_back({element.tag, std::move(line)});
    }
    return info;
}

void readGame(const pugi::xml_node& game, const std::vector<PuzzleInfo>& info, int line,
              PuzzleTextRead& read) {
    const pugi::xml_attribute data = game.attribute("data");
    if (!data) return refuse(read, line, "game without data");
    PuzzleLineResult parsed = parsePuzzleLine(data.value());
    if (!parsed.puzzle) return refuse(read, line, parsed.error);
    if (!parsed.puzzle->kind.isNine()) {
        return refuse(read, line,
                      cellCountProblem(parsed.puzzle->values.size(), kNineGrid.cellCount(),
                                       kNineGrid.cellCount()));
    }
    read.puzzles.push_back({std::move(*parsed.puzzle), line, info, {}});
}

}  // namespace

void readOpenSudoku(std::string_view text, PuzzleTextRead& read) {
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_buffer(text.data(), text.size());
    LineCounter lines(text);
    if (!parsed) {
        read.failure = "line " + std::to_string(lines.lineAt(parsed.offset)) + ": broken XML (" +
                       parsed.description() + ")";
        return;
    }
    const pugi::xml_node root = document.document_element();
    if (std::string_view(root.name()) != "opensudoku") {
        read.failure = "line " + std::to_string(lines.lineAt(root.offset_debug())) + ": <" +
                       root.name() + "> is not an opensudoku document";
        return;
    }
    const std::vector<PuzzleInfo> info = infoOf(root);
    for (const pugi::xml_node& child : root.children()) {
        const std::string_view name = child.name();
        if (name == "game") readGame(child, info, lines.lineAt(child.offset_debug()), read);
        if (name != "folder") continue;
        for (const pugi::xml_node& game : child.children("game"))
            readGame(game, info, lines.lineAt(game.offset_debug()), read);
    }
}

PuzzleTextWrite writeOpenSudoku(const std::vector<FilePuzzle>& puzzles) {
    pugi::xml_document document;
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    pugi::xml_node root = document.append_child("opensudoku");
    if (!puzzles.empty()) {
        for (const InfoElement& element : kInfoElements) {
            for (const PuzzleInfo& info : puzzles.front().info) {
                if (info.tag == element.tag)
                    root.append_child(element.name).text().set(info.text.c_str());
            }
        }
    }
    for (const FilePuzzle& entry : puzzles) {
        if (!entry.puzzle.kind.isNine()) return {"", "opensudoku holds 9 x 9 puzzles only"};
        std::string data = formatPuzzleLine(entry.puzzle.kind, entry.puzzle.values);
        std::replace(data.begin(), data.end(), '.', '0');
        root.append_child("game").append_attribute("data") = data.c_str();
    }
    std::ostringstream out;
    document.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
    return {out.str(), ""};
}

}  // namespace quorvel::formats
