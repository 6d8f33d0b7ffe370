// Reading a puzzle text: the size limit, the recognition of the format by content, and the
// hand-over to the reader of that format; writing one in a chosen format.

#include "storage/puzzle_formats.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <istream>
#include <utility>

#include "storage/file_system.h"
#include "storage/puzzle_format_parts.h"
#include "storage/text_encoding.h"
#include "storage/text_records.h"

namespace quorvel {

namespace formats {

bool TextLines::next() {
    if (done_) return false;
    const std::size_t end = rest_.find('\n');
    line_ = rest_.substr(0, end);
    if (!line_.empty() && line_.back() == '\r') line_.remove_suffix(1);
    if (end == std::string_view::npos) {
        done_ = true;
        rest_ = {};
    } else {
        rest_.remove_prefix(end + 1);
    }
    ++number_;
    return true;
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool isBlank(std::string_view line) {
    return trimmed(line).empty();
}

bool isBorder(std::string_view line) {
    if (line.find_first_not_of("-+=*|.:' \t\r") != std::string_view::npos ||
        line.find_first_of("-+=") == std::string_view::npos)
        return false;
    // "---------" and "- - - | - - - | - - -" are rows of empty cells.
    const auto marks = std::count_if(line.begin(), line.end(),
                                     [](char c) { return c == '-' || c == '.' || c == '*'; });
    const bool emptyRow = line.find_first_of("+=:'") == std::string_view::npos &&
                          (marks == kNineGrid.side || marks == kFifteenGrid.side);
    return !emptyRow;
}

bool isComment(std::string_view line) {
    return line.starts_with('%') || line.starts_with('#') || line.starts_with(';') ||
           line.starts_with("//");
}

std::string_view commentText(std::string_view line) {
    return trimmed(line.substr(line.starts_with("//") ? 2 : 1));
}

bool isSection(std::string_view line) {
    return line.size() > 2 && line.front() == '[' && line.back() == ']';
}

bool isCsvHeader(std::string_view line) {
    return line.find(',') != std::string_view::npos &&
           std::any_of(line.begin(), line.end(), [](char c) {
               return std::isalpha(static_cast<unsigned char>(c)) != 0 &&
                      cellCharacterValue(c) > kMaxSide;
           });
}

void refuse(PuzzleTextRead& read, int line, const std::string& problem) {
    if (read.refusals.size() < kMaxListedRefusals) read.refusals.push_back({line, problem});
    ++read.refusedCount;
}

}  // namespace formats

namespace {

using formats::TextLines;
using formats::trimmed;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// The program's own scrambled record files read as noise or binary data: say what they are.
const std::string kRecordFile = "This is a Quorvel record file: use Import Text File.";
const std::string kTooLarge =
    "file too large (over " + std::to_string(kMaxPuzzleTextBytes / (1024 * 1024)) + " MiB)";

// A grid row holds at most this many cells; it is this long even for the grids the program does
// not play (16 x 16, 25 x 25), so that such a grid is read as one and refused once.
constexpr std::size_t kLongestGridRow = 2 * kMaxSide;

// Whether the text holds one puzzle a line: the first line that holds cells starts with a word
// longer than a grid row (comments, borders, section names and a CSV header hold no cells).
bool isLineCollection(std::string_view text) {
    TextLines lines(text);
    bool first = true;
    while (lines.next()) {
        std::string_view line = trimmed(lines.line());
        if (line.empty() || formats::isComment(line) || formats::isSection(line) ||
            formats::isBorder(line))
            continue;
        if (std::exchange(first, false) && formats::isCsvHeader(line)) continue;
        line.remove_prefix(std::min(line.find_first_not_of("| \t"), line.size()));
        return line.substr(0, line.find_first_of("| \t#,")).size() > kLongestGridRow;
    }
    return false;
}

// Control characters other than tabs and line ends mark a binary file.
std::size_t firstControlCharacter(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') return i;
    }
    return std::string_view::npos;
}

std::string notTextProblem(std::string_view text, std::size_t at) {
    static const char* digits = "0123456789abcdef";
    const auto byte = static_cast<unsigned char>(text[at]);
    const auto line = std::count(text.begin(), text.begin() + at, '\n') + 1;
    return "line " + std::to_string(line) + ": not a text file (byte 0x" + digits[byte >> 4] +
           digits[byte & 15] + ")";
}

// The text read by its content alone.
PuzzleTextRead readTextAsGiven(std::string_view text) {
    PuzzleTextRead read;
    if (text.size() > kMaxPuzzleTextBytes) {
        read.failure = kTooLarge;
        return read;
    }
    std::string decoded;
    if (std::optional<std::string> utf8 = utf16AsUtf8(text)) {
        decoded = std::move(*utf8);
        text = decoded;
    }
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    if (const std::size_t control = firstControlCharacter(text);
        control != std::string_view::npos) {
        read.failure = notTextProblem(text, control);
        return read;
    }
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    if (start != std::string_view::npos && text[start] == '<') {
        formats::readOpenSudoku(text, read);
    } else if (isLineCollection(text)) {
        formats::readLineCollection(text, read);
    } else {
        formats::readGrids(text, read);
    }
    if (read.failure.empty() && read.puzzles.empty() && read.refusedCount == 0)
        read.failure = "no puzzle found";
    if (!read.failure.empty()) {
        read.puzzles.clear();
        read.refusals.clear();
        read.refusedCount = 0;
    }
    return read;
}

}  // namespace

std::string PuzzleRefusal::text() const {
    return "line " + std::to_string(line) + ": " + problem;
}

std::string PuzzleTextRead::firstProblem() const {
    if (!failure.empty()) return failure;
    return refusals.empty() ? "" : refusals.front().text();
}

PuzzleTextRead readPuzzleText(std::string_view text) {
    PuzzleTextRead read = readTextAsGiven(text);
    if (read.puzzles.empty() && text.size() <= kMaxPuzzleTextBytes && isPuzzleTextFile(text)) {
        read = {};
        read.failure = kRecordFile;
    }
    return read;
}

PuzzleTextRead readPuzzleStream(std::istream& in) {
    std::string text;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (text.size() > kMaxPuzzleTextBytes) {
            PuzzleTextRead read;
            read.failure = kTooLarge;
            return read;
        }
    }
    if (in.bad()) {
        PuzzleTextRead read;
        read.failure = "cannot read the input";
        return read;
    }
    return readPuzzleText(text);
}

PuzzleTextRead readPuzzleFile(const std::filesystem::path& path) {
    std::string text;
    const int failure = currentFileSystem().readFile(path, text, kMaxPuzzleTextBytes);
    if (failure == 0) return readPuzzleText(text);
    PuzzleTextRead read;
    read.failure = failure == EFBIG ? kTooLarge : "cannot read " + path.filename().string();
    return read;
}

std::optional<PuzzleFormat> puzzleFormatNamed(std::string_view name) {
    for (const PuzzleFormatName& entry : kPuzzleFormats) {
        if (entry.name == name) return entry.format;
    }
    return std::nullopt;
}

PuzzleTextWrite writePuzzleText(PuzzleFormat format, const std::vector<FilePuzzle>& puzzles) {
    switch (format) {
        case PuzzleFormat::Line:
            return {formats::writeLineCollection(puzzles), ""};
        case PuzzleFormat::Sdk:
            return {formats::writeSdk(puzzles), ""};
        case PuzzleFormat::Boxed:
            return {formats::writeBoxed(puzzles), ""};
        case PuzzleFormat::OpenSudoku:
            return formats::writeOpenSudoku(puzzles);
        case PuzzleFormat::Candidates:
            return {formats::writeCandidateGrids(puzzles), ""};
        case PuzzleFormat::CandidateLine:
            return {formats::writeCandidateLines(puzzles), ""};
    }
    return {};
}

}  // namespace quorvel
