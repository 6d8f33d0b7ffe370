// The tool's storage subcommands refuse bad input with exit status 2 and write nothing. (What
// they print for good input is checked by the interop check against an independent reader.)

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "storage_fixtures.h"

namespace quorvel {
namespace {

int toolStatus(const std::string& arguments) {
    const std::string command =
        std::string(QUORVEL_TOOL_PATH) + " " + arguments + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string validGrid() {
    std::string grid;
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c)
            grid += char('1' + (r * 3 + r / 3 + c) % 9);
    }
    return grid;
}

using ToolCommands = testing::TempFolderTest;

TEST_F(ToolCommands, BadArgumentsAndUnreadableFilesExitWithTwo) {
    const char* cases[] = {"db",
                           "db dump",
                           "db dump a b",
                           "db frobnicate x",
                           "scramble",
                           "unscramble",
                           "unscramble /no/such/file",
                           "scramble --crlf",
                           "db build only-one"};
    for (const char* arguments : cases)
        EXPECT_EQ(toolStatus(arguments), 2) << arguments;
    EXPECT_EQ(toolStatus("db dump " + (folder() / "missing.pxz").string()), 2);
    EXPECT_EQ(toolStatus("db dump " + folder().string()), 2);
}

TEST_F(ToolCommands, BuildRefusesBadSourcesWithoutWriting) {
    const std::string solution = validGrid();
    const std::string empty(81, '.');
    std::string wrongGiven = solution;
    wrongGiven[0] = wrongGiven[0] == '9' ? '1' : char(wrongGiven[0] + 1);
    std::string repeated = solution;
    repeated[1] = repeated[0];
    const struct {
        const char* what;
        std::string source;
    } cases[] = {
        {"given differs from solution", "1 " + wrongGiven + " " + solution},
        {"solution repeats a value", "1 " + empty + " " + repeated},
        {"solution incomplete", "1 " + empty + " " + empty},
        {"level 5", "5 " + empty + " " + solution},
        {"kind 8", "1 " + empty + " " + solution + " 8"},
        {"no puzzles", "# nothing\n"},
        {"both sizes", "1 " + empty + " " + solution + "\n1 " + std::string(225, '.') + " " +
                           std::string(225, '1')},
        // 32766 numbers below 32768 skip the incomplete puzzle's 32000; one more cannot fit.
        {"too many puzzles",
         [&] {
             std::string many;
             for (int i = 0; i < 32767; ++i)
                 many += "1 " + empty + " " + solution + "\n";
             return many;
         }()},
    };
    const auto out = folder() / "out.pxz";
    for (const auto& c : cases) {
        std::ofstream(folder() / "source.txt") << c.source << "\n";
        EXPECT_EQ(toolStatus("db build " + (folder() / "source.txt").string() + " " + out.string()),
                  2)
            << c.what;
        EXPECT_FALSE(std::filesystem::exists(out)) << c.what;
    }
}

}  // namespace
}  // namespace quorvel
