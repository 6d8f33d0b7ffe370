#pragma once
// Subcommands of quorvel-tool register themselves here, each from its own source file, so the
// tool grows without one file knowing every command.

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace quorvel::tool {

// Receives the arguments after the subcommand name; returns the process exit status.
using CommandHandler = std::function<int(const std::vector<std::string>& args)>;

struct CommandInfo {
    CommandHandler handler;
    std::string usage;  // one line, shown by `quorvel-tool help`
};

std::map<std::string, CommandInfo>& commandRegistry();

// Usage at namespace scope in a command's file:
//   const bool registered = registerCommand("solve", {runSolve, "solve --mode ... PUZZLE|-"});
bool registerCommand(const std::string& name, CommandInfo info);

// Exit status for bad arguments, malformed input and unreadable files.
inline constexpr int kUsageError = 2;

}  // namespace quorvel::tool
