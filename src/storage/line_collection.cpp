// Puzzles one a line (.sdm, .txt, a line copied from a web page, a spreadsheet's column): the
// cells (or a candidate line) come first, and anything after them following a blank, "#" or ","
// is a comment or another column. Comment lines and a CSV header row are skipped.

#include <utility>

#include "storage/puzzle_format_parts.h"

namespace quorvel::formats {

void readLineCollection(std::string_view text, PuzzleTextRead& read) {
    TextLines lines(text);
    bool first = true;
    while (lines.next()) {
        const std::string_view line = trimmed(lines.line());
        if (line.empty() || isComment(line)) continue;
        if (std::exchange(first, false) && isCsvHeader(line)) continue;
        PuzzleLineResult parsed = parseStateLine(line.substr(0, line.find_first_of(" \t#,")));
        if (parsed.puzzle)
            read.puzzles.push_back({std::move(*parsed.puzzle), lines.number(), {}, {}});
        else
            refuse(read, lines.number(), parsed.error);
    }
}

std::string writeLineCollection(const std::vector<FilePuzzle>& puzzles) {
    std::string text;
    for (const FilePuzzle& entry : puzzles)
        text += formatPuzzleLine(entry.puzzle.kind, entry.puzzle.values) + "\n";
    return text;
}

std::string writeCandidateLines(const std::vector<FilePuzzle>& puzzles) {
    std::string text;
    for (const FilePuzzle& entry : puzzles)
        text += formatCandidateLine(entry.puzzle.kind, cellCandidates(entry)) + "\n";
    return text;
}

}  // namespace quorvel::formats
