#pragma once
// Input and output shared by the subcommands that take a puzzle line or "-" (standard input,
// one puzzle a line) and answer each puzzle with one JSON line.

#include <functional>
#include <string>

#include "model/puzzle_line.h"

namespace quorvel::tool {

// "quorvel-tool COMMAND: PROBLEM" on standard error; returns the usage-error exit status.
int failCommand(const std::string& command, const std::string& problem);

// The text as a JSON string literal, quotes included.
std::string jsonString(const std::string& text);

// What a command takes as a puzzle: puzzle lines only, or candidate states too (candidate lines,
// and on standard input the grids the puzzle formats draw over several lines, candidate grids
// among them).
enum class PuzzleInput { Lines, States };

// Answers the puzzle line `source`, or every non-blank line of standard input when `source` is
// "-", printing what `answer` returns as one line each, in input order. A malformed line stops
// the run with a message naming it (lines before it are answered); returns the exit status.
// Standard input is answered on `jobs` threads (programs/tool/ordered_answers.h): `answer` must
// then be safe to call from several threads at once.
int answerPuzzles(const std::string& command, const std::string& source,
                  const std::function<std::string(const Puzzle&)>& answer,
                  PuzzleInput input = PuzzleInput::Lines, int jobs = 1);

}  // namespace quorvel::tool
