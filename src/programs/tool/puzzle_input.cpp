#include "programs/tool/puzzle_input.h"

#include <iostream>
#include <iterator>

#include "storage/puzzle_formats.h"

#include "programs/tool/command_registry.h"
#include "programs/tool/ordered_answers.h"

namespace quorvel::tool {

int failCommand(const std::string& command, const std::string& problem) {
    std::cerr << "quorvel-tool " << command << ": " << problem << "\n";
    return kUsageError;
}

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            static const char* hex = "0123456789abcdef";
            out += "\\u00";
            out += hex[(c >> 4) & 15];
            out += hex[c & 15];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

namespace {

// The state of a puzzle as a SadMan file's [State] leaves it: its entries join the values, the
// givens marked apart from them.
Puzzle withEntries(const FilePuzzle& entry) {
    Puzzle puzzle = entry.puzzle;
    if (entry.entries.empty()) return puzzle;
    puzzle.givens.assign(puzzle.values.size(), false);
    for (std::size_t i = 0; i < puzzle.values.size(); ++i) {
        puzzle.givens[i] = puzzle.values[i] != 0;
        if (i < entry.entries.size() && entry.entries[i] != 0) puzzle.values[i] = entry.entries[i];
    }
    return puzzle;
}

}  // namespace

int answerPuzzles(const std::string& command, const std::string& source,
                  const std::function<std::string(const Puzzle&)>& answer, PuzzleInput input,
                  int jobs) {
    const auto parse = input == PuzzleInput::States ? parseStateLine : parsePuzzleLine;
    if (source != "-") {
        const PuzzleLineResult parsed = parse(source);
        if (!parsed.puzzle) return failCommand(command, parsed.error);
        std::cout << answer(*parsed.puzzle) << "\n";
        return 0;
    }
    OrderedAnswers answers(jobs);
    const auto add = [&](Puzzle puzzle) {
        answers.add([&answer, puzzle = std::move(puzzle)] { return answer(puzzle); });
    };
    std::string line;
    std::string text;  // what was read while no puzzle line was answered
    bool answered = false;
    for (long number = 1; std::getline(std::cin, line); ++number) {
        if (!answered) text += line + "\n";
        if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
        PuzzleLineResult parsed = parse(line);
        if (!parsed.puzzle) {
            if (input == PuzzleInput::States && !answered) {
                // Perhaps the first row of a grid drawn over several lines.
                text += std::string(std::istreambuf_iterator<char>(std::cin), {});
                const PuzzleTextRead read = readPuzzleText(text);
                if (read.complete()) {
                    for (const FilePuzzle& entry : read.puzzles)
                        add(withEntries(entry));
                    return 0;
                }
            }
            answers.finish();
            return failCommand(command, "line " + std::to_string(number) + ": " + parsed.error);
        }
        answered = true;
        add(std::move(*parsed.puzzle));
    }
    return 0;
}

}  // namespace quorvel::tool
