// quorvel-tool generate: one JSON line, the same puzzle for the same seed, and exit status 2 for
// bad arguments.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "model/puzzle_line.h"

namespace quorvel::testing {
namespace {

struct ToolRun {
    int status = -1;
    std::string out;
};

ToolRun RunTool(const std::string& arguments) {
    ToolRun run;
    const std::string command =
        std::string(QUORVEL_TOOL_PATH) + " generate " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr)
        run.out += buffer;
    run.status = WEXITSTATUS(pclose(pipe));
    return run;
}

std::string Field(const std::string& json, const std::string& key) {
    const std::string lead = "\"" + key + "\":\"";
    const auto start = json.find(lead);
    if (start == std::string::npos) return "";
    return json.substr(start + lead.size(),
                       json.find('"', start + lead.size()) - start - lead.size());
}

TEST(GenerateTool, TheSameSeedGivesTheSamePuzzle) {
    for (const char* size : {"9", "15"}) {
        const std::string arguments = std::string("--size ") + size + " --level 3 --seed 77";
        const ToolRun first = RunTool(arguments);
        ASSERT_EQ(first.status, 0);
        EXPECT_EQ(RunTool(arguments).out, first.out);
        EXPECT_EQ(first.out.rfind(std::string("{\"size\":") + size + ",\"level\":3,\"givens\":", 0),
                  0u)
            << first.out;
        const PuzzleLineResult puzzle = parsePuzzleLine(Field(first.out, "puzzle"));
        const PuzzleLineResult solution = parsePuzzleLine(Field(first.out, "solution"));
        ASSERT_TRUE(puzzle.puzzle && solution.puzzle) << first.out;
        for (std::size_t i = 0; i < puzzle.puzzle->values.size(); ++i) {
            const int given = puzzle.puzzle->values[i];
            ASSERT_TRUE(given == 0 || given == solution.puzzle->values[i]) << i;
        }
    }
}

TEST(GenerateTool, UniqueMakesOneSolutionAtTheLevel) {
    for (const char* size : {"9", "15"}) {
        const ToolRun plain = RunTool(std::string("--size ") + size + " --level 4 --seed 3");
        const ToolRun unique =
            RunTool(std::string("--size ") + size + " --level 4 --seed 3 --unique");
        EXPECT_NE(plain.out.find("\"unique\":false,"), std::string::npos) << plain.out;
        EXPECT_NE(unique.out.find("\"unique\":true,"), std::string::npos) << unique.out;
        EXPECT_NE(unique.out.find("\"rating\":4,"), std::string::npos) << unique.out;
    }
}

TEST(GenerateTool, BadArgumentsExitWithStatusTwo) {
    for (const char* arguments : {"--size 8 --level 1", "--size 9 --level 5", "--size 9",
                                  "--size 9 --level 1 --seed x", "--level 1 --size"}) {
        const ToolRun run = RunTool(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
    }
}

}  // namespace
}  // namespace quorvel::testing
