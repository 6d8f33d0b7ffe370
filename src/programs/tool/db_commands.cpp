// quorvel-tool db: look into and build puzzle databases.
//   db dump FILE         one JSON object a record, in file order
//   db build SOURCE OUT  builds a database from a readable source (see FormatOfSource below)

#include <fstream>
#include <iostream>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "model/puzzle_line.h"
#include "programs/tool/command_registry.h"
#include "storage/cell_lists.h"
#include "storage/data_file.h"
#include "storage/number_text.h"
#include "storage/puzzle_database.h"

namespace quorvel::tool {
namespace {

constexpr const char* kDumpUsage = "usage: quorvel-tool db dump FILE";
constexpr const char* kBuildUsage = "usage: quorvel-tool db build SOURCE OUT";

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte >= 0x7f) {
            static const char* hex = "0123456789abcdef";
            out += "\\u00";
            out += hex[byte >> 4];
            out += hex[byte & 15];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// A cell list in the puzzle line format (entries were checked to be "" or 1..N).
std::string listAsPuzzleLine(const GridKind& kind, const std::vector<std::string>& entries) {
    std::vector<int> values;
    for (const std::string& entry : entries)
        values.push_back(parseInt16(entry).value_or(0));
    return formatPuzzleLine(kind, values);
}

int runDump(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::cerr << kDumpUsage << "\n";
        return kUsageError;
    }
    const std::optional<std::string> bytes = readFileBytes(args[0]);
    if (!bytes) {
        std::cerr << "quorvel-tool db dump: cannot read '" << args[0] << "'\n";
        return kUsageError;
    }
    const Database database = parseDatabase(unscrambleFileBytes(*bytes), kNineGrid);
    for (std::size_t i = 1; i < database.lines.size(); ++i) {
        const std::string& line = database.lines[i];
        if (line.empty()) continue;
        const std::vector<std::string> fields = splitFields(line);
        const std::optional<int> sizeCode =
            fields.size() > 2 ? parseInt16(fields[2]) : std::nullopt;
        const GridKind* kind = sizeCode ? kindForSizeCode(*sizeCode) : nullptr;
        const std::optional<PuzzleRecord> record = kind ? readRecord(line, *kind) : std::nullopt;
        if (!record) {
            std::cerr << "quorvel-tool db dump: line " << i << ": unreadable record skipped\n";
            continue;
        }
        const CellLists lists = *parseCellText(record->cellText, *kind);
        std::cout << "{\"number\":" << record->number << ",\"size\":" << record->sizeCode
                  << ",\"level\":" << record->level << ",\"kind\":" << record->kind
                  << ",\"givens\":" << jsonString(listAsPuzzleLine(*kind, lists.givens))
                  << ",\"values\":" << jsonString(listAsPuzzleLine(*kind, lists.values))
                  << ",\"elapsed\":" << jsonString(record->elapsed) << "}\n";
    }
    return 0;
}

// FormatOfSource: one puzzle a line, "LEVEL GIVENS SOLUTION [KIND]" separated by blanks:
// LEVEL 1..4; GIVENS and SOLUTION in the puzzle line format, all of one size; KIND defaults to
// 1 (pre-defined). Blank lines and lines starting with "#" are skipped. The solution must be a
// complete valid grid agreeing with every given.
struct SourcePuzzle {
    int level = 0;
    Puzzle givens;
    Puzzle solution;
    int kind = kKindPredefined;
};

std::string solutionProblem(const SourcePuzzle& puzzle) {
    const GridKind& kind = puzzle.solution.kind;
    if (!(puzzle.givens.kind == kind)) return "givens and solution differ in size";
    std::set<std::pair<int, int>> seen[3];  // (unit, value) per row, column and block
    for (int cell = 1; cell <= kind.cellCount(); ++cell) {
        const int value = puzzle.solution.values[cell - 1];
        const int given = puzzle.givens.values[cell - 1];
        if (value == 0) return "solution is not complete at cell " + std::to_string(cell);
        if (given != 0 && given != value)
            return "given differs from solution at cell " + std::to_string(cell);
        const int units[3] = {kind.rowOf(cell), kind.columnOf(cell), kind.blockOf(cell)};
        for (int type = 0; type < 3; ++type) {
            if (!seen[type].insert({units[type], value}).second) {
                return "solution repeats " + std::to_string(value) + " at cell " +
                       std::to_string(cell);
            }
        }
    }
    return "";
}

// The puzzle of a source line, or the problem that stops the build.
struct ParsedSource {
    std::optional<SourcePuzzle> puzzle;
    std::string problem;
};

ParsedSource parseSourceLine(const std::string& line) {
    std::istringstream words(line);
    std::string level, givens, solution, kind, extra;
    words >> level >> givens >> solution >> kind >> extra;
    if (solution.empty() || !extra.empty()) return {{}, "expected LEVEL GIVENS SOLUTION [KIND]"};
    SourcePuzzle puzzle;
    const std::optional<int> levelValue = parseInt16(level);
    if (!levelValue || *levelValue < 1 || *levelValue > 4) return {{}, "level must be 1..4"};
    puzzle.level = *levelValue;
    PuzzleLineResult parsedGivens = parsePuzzleLine(givens);
    PuzzleLineResult parsedSolution = parsePuzzleLine(solution);
    if (!parsedGivens.puzzle) return {{}, "givens: " + parsedGivens.error};
    if (!parsedSolution.puzzle) return {{}, "solution: " + parsedSolution.error};
    puzzle.givens = std::move(*parsedGivens.puzzle);
    puzzle.solution = std::move(*parsedSolution.puzzle);
    if (!kind.empty()) {
        const std::optional<int> kindValue = parseInt16(kind);
        if (kindValue != kKindPredefined && kindValue != kKindComposed &&
            kindValue != kKindStored) {
            return {{}, "kind must be 1, 5 or 9"};
        }
        puzzle.kind = *kindValue;
    }
    std::string problem = solutionProblem(puzzle);
    if (!problem.empty()) return {{}, std::move(problem)};
    return {std::move(puzzle), ""};
}

std::vector<std::string> asCellList(const GridKind& kind, const std::vector<int>& values) {
    std::vector<std::string> entries;
    for (const int value : values)
        entries.push_back(value >= 1 && value <= kind.side ? std::to_string(value) : "");
    return entries;
}

int runBuild(const std::vector<std::string>& args) {
    if (args.size() != 2) {
        std::cerr << kBuildUsage << "\n";
        return kUsageError;
    }
    std::ifstream source(args[0], std::ios::binary);
    if (!source) {
        std::cerr << "quorvel-tool db build: cannot read '" << args[0] << "'\n";
        return kUsageError;
    }
    std::optional<GridKind> kind;
    Database database{args[1], kNineGrid, {}};
    std::string line;
    int lineNumber = 0;
    int puzzles = 0;
    int number = 0;
    while (std::getline(source, line)) {
        ++lineNumber;
        const std::size_t start = line.find_first_not_of(" \t\r");
        if (start == std::string::npos || line[start] == '#') continue;
        auto [puzzle, problem] = parseSourceLine(line);
        if (puzzle && kind && !(puzzle->solution.kind == *kind))
            problem = "puzzles of both sizes in one source";
        // Numbers skip the incomplete puzzle's 32000 and end at 32767.
        number = numberAfter(number);
        if (puzzle && number == 0) problem = "too many puzzles for one database";
        if (!problem.empty()) {
            std::cerr << "quorvel-tool db build: " << args[0] << ":" << lineNumber << ": "
                      << problem << "\n";
            return kUsageError;
        }
        kind = puzzle->solution.kind;
        database.kind = *kind;
        const std::string cellText = joinCellList(asCellList(*kind, puzzle->givens.values)) + "#" +
                                     joinCellList(asCellList(*kind, puzzle->solution.values));
        ++puzzles;
        appendRecord(database, formatRecord({number, kind->sizeCode, puzzle->level, cellText,
                                             puzzle->kind, ""}));
    }
    if (!kind) {
        std::cerr << "quorvel-tool db build: " << args[0] << ": no puzzles\n";
        return kUsageError;
    }
    if (const FileStatus error = writeBack(database)) {
        std::cerr << "quorvel-tool db build: " << error->message() << "\n";
        return kUsageError;
    }
    std::cout << args[1] << ": " << puzzles << " puzzles\n";
    return 0;
}

int runDb(const std::vector<std::string>& args) {
    const std::vector<std::string> rest(args.empty() ? args.end() : args.begin() + 1, args.end());
    if (!args.empty() && args[0] == "dump") return runDump(rest);
    if (!args.empty() && args[0] == "build") return runBuild(rest);
    std::cerr << kDumpUsage << "\n" << kBuildUsage << "\n";
    return kUsageError;
}

const bool registered =
    registerCommand("db", {runDb, "db dump FILE | db build SOURCE OUT   (puzzle databases)"});

}  // namespace
}  // namespace quorvel::tool
