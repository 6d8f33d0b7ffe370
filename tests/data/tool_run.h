#pragma once
// Runs quorvel-tool as a child process and collects its standard output and exit status.

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace quorvel {

struct ToolRun {
    int status = -1;  // exit status, -1 when it did not exit normally
    std::string output;
};

// `arguments` go to the shell as they are; standard error is discarded.
inline ToolRun runTool(const std::string& arguments) {
    const std::string command = std::string(QUORVEL_TOOL_PATH) + " " + arguments + " 2>/dev/null";
    ToolRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    for (std::size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        run.output.append(buffer, got);
    }
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

}  // namespace quorvel
