// Puzzles one a line (.sdm, .txt, a line copied from a web page): the cells come first, anything
// after them following "#" or a blank is a comment, and lines starting with "#" are comments too.

#include "storage/puzzle_format_parts.h"

namespace quorvel::formats {

void ReadLineCollection(std::string_view text, PuzzleTextRead& read) {
    TextLines lines(text);
    while (lines.next()) {
        const std::string_view line = Trimmed(lines.line());
        if (line.empty() || line.front() == '#') continue;
        PuzzleLineResult parsed = parsePuzzleLine(line.substr(0, line.find_first_of(" \t#")));
        if (parsed.puzzle)
            read.puzzles.push_back({std::move(*parsed.puzzle), lines.number(), {}});
        else
            Refuse(read, lines.number(), parsed.error);
    }
}

std::string WriteLineCollection(const std::vector<FilePuzzle>& puzzles) {
    std::string text;
    for (const FilePuzzle& entry : puzzles)
        text += formatPuzzleLine(entry.puzzle.kind, entry.puzzle.values) + "\n";
    return text;
}

}  // namespace quorvel::formats
