// The tool's storage subcommands, run as a separate process.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>

#include "storage/data_file.h"
#include "storage_fixtures.h"

namespace quorvel {
namespace {

struct ToolRun {
    int status = -1;
    std::string output;
};

ToolRun RunTool(const std::string& arguments) {
    const std::string command = std::string(QUORVEL_TOOL_PATH) + " " + arguments + " 2>/dev/null";
    ToolRun run;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            run.output.append(buffer, got);
        }
        const int status = pclose(pipe);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return run;
}

class ToolCommands : public testing::TempFolderTest {
  protected:
    std::string Path(const std::string& name) { return (folder() / name).string(); }
    void WriteText(const std::string& name, const std::string& text) {
        std::ofstream(folder() / name, std::ios::binary) << text;
    }
};

std::string Line(const std::vector<std::string>& entries) {
    std::string line;
    for (const auto& entry : entries) {
        const int value = entry.empty() ? 0 : std::stoi(entry);
        line += value == 0 ? '.' : value <= 9 ? char('0' + value) : char('A' + value - 10);
    }
    return line;
}

std::string ValidGrid() {
    std::string grid;
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c)
            grid += char('1' + (r * 3 + r / 3 + c) % 9);
    }
    return grid;
}

TEST_F(ToolCommands, BadArgumentsAndUnreadableFilesExitWithTwo) {
    const std::string solution = ValidGrid();
    std::string wrongGiven = solution;
    wrongGiven[0] = wrongGiven[0] == '9' ? '1' : char(wrongGiven[0] + 1);
    std::string repeated = solution;
    std::swap(repeated[0], repeated[9]);  // a column now repeats nothing, but rows do
    repeated[1] = repeated[0];
    WriteText("wrong-given.txt", "1 " + wrongGiven + " " + solution + "\n");
    WriteText("repeated.txt", "1 " + std::string(81, '.') + " " + repeated + "\n");
    WriteText("level.txt", "5 " + std::string(81, '.') + " " + solution + "\n");
    WriteText("kind.txt", "1 " + std::string(81, '.') + " " + solution + " 8\n");
    WriteText("empty.txt", "# nothing\n\n");
    WriteText("mixed.txt", "1 " + std::string(81, '.') + " " + solution + "\n1 " +
                               std::string(225, '.') + " " + std::string(225, '1') + "\n");
    const char* cases[] = {
        "db",
        "db dump",
        "db dump a b",
        "db frobnicate x",
        "scramble",
        "unscramble",
        "unscramble /no/such/file",
        "scramble --crlf",
        "db build only-one",
    };
    for (const char* arguments : cases)
        EXPECT_EQ(RunTool(arguments).status, 2) << arguments;
    EXPECT_EQ(RunTool("db dump " + Path("missing.pxz")).status, 2);
    EXPECT_EQ(RunTool("db dump " + folder().string()).status, 2);
    for (const char* source :
         {"wrong-given.txt", "repeated.txt", "level.txt", "kind.txt", "empty.txt", "mixed.txt"}) {
        EXPECT_EQ(RunTool("db build " + Path(source) + " " + Path("out.pxz")).status, 2) << source;
        EXPECT_FALSE(std::filesystem::exists(folder() / "out.pxz")) << source;
    }
}

TEST_F(ToolCommands, BuildThenDumpGivesPuzzlesBackInOrder) {
    const std::string solution = ValidGrid();
    std::string givens(81, '.');
    givens[0] = solution[0];
    givens[80] = solution[80];
    WriteText("source.txt", "# shipped\n2 " + givens + " " + solution + "\n\n  4 " +
                                std::string(81, '0') + " " + solution + " 9\n");
    ASSERT_EQ(RunTool("db build " + Path("source.txt") + " " + Path("type3.pxz")).status, 0);
    const ToolRun dump = RunTool("db dump " + Path("type3.pxz"));
    ASSERT_EQ(dump.status, 0);
    EXPECT_EQ(dump.output, "{\"number\":1,\"size\":3,\"level\":2,\"kind\":1,\"givens\":\"" +
                               givens + "\",\"values\":\"" + solution + "\",\"elapsed\":\"\"}\n" +
                               "{\"number\":2,\"size\":3,\"level\":4,\"kind\":9,\"givens\":\"" +
                               std::string(81, '.') + "\",\"values\":\"" + solution +
                               "\",\"elapsed\":\"\"}\n");
}

TEST_F(ToolCommands, DumpSkipsUnreadableRecordsAndReadsBothSizes) {
    Database database{folder() / "mixed.pxz", kNineGrid, {"H@@@@@@"}};
    database.lines.push_back(testing::RecordLine(1, 1));
    database.lines.push_back("[]2[]3[]1[],1,2#,3");
    database.lines.push_back("[]3[]5[]2[]" + testing::CellTextFor(kFifteenGrid, 0));
    ASSERT_FALSE(WriteBack(database).has_value());
    const ToolRun dump = RunTool("db dump " + database.path.string());
    ASSERT_EQ(dump.status, 0);
    const auto values = testing::FullValues(kFifteenGrid, 0);
    EXPECT_EQ(std::count(dump.output.begin(), dump.output.end(), '\n'), 2);
    EXPECT_NE(dump.output.find("{\"number\":3,\"size\":5,\"level\":2,\"kind\":9,\"givens\":\"" +
                               Line(testing::GivensOf(values))),
              std::string::npos);
}

TEST_F(ToolCommands, ScrambleAndUnscrambleAreInverse) {
    WriteText("plain.txt", "line one\nline two\r\n");
    const ToolRun scrambled = RunTool("scramble --crlf " + Path("plain.txt"));
    ASSERT_EQ(scrambled.status, 0);
    WriteText("data.pxz", scrambled.output);
    EXPECT_EQ(ReadDataFile(folder() / "data.pxz"), "line one\r\nline two\r\n");
    const ToolRun plain = RunTool("unscramble " + Path("data.pxz"));
    EXPECT_EQ(plain.output, "line one\r\nline two\r\n");
}

}  // namespace
}  // namespace quorvel
