#pragma once
// Runs quorvel-tool as a child process with the given standard input and collects its standard
// output, standard error and exit status.

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs quorvel-tool with the arguments (shell-quoted by the caller) and optional standard input.
ToolRun runTool(const std::string& args, const std::string& input = "") {
    const auto dir = std::filesystem::temp_directory_path();
    const auto in = dir / ("tool_in_" + std::to_string(::getpid()));
    const auto err = dir / ("tool_err_" + std::to_string(::getpid()));
    std::ofstream(in) << input;
    const std::string command =
        std::string(QUORVEL_TOOL_PATH) + " " + args + " < " + in.string() + " 2> " + err.string();
    ToolRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    std::array<char, 4096> buffer{};
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        run.out.append(buffer.data(), n);
    const int raw = ::pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream errors(err);
    run.err.assign(std::istreambuf_iterator<char>(errors), {});
    std::filesystem::remove(in);
    std::filesystem::remove(err);
    return run;
}

}  // namespace
