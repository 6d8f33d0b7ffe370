// The databases the build makes from the puzzle sources: every source line becomes a
// pre-defined record (Kind 1) with its level, givens and full solution, numbered 1, 2, ... in
// file order, and nothing else.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "data/tool_run.h"

namespace quorvel {
namespace {

struct SourceLine {
    std::string level, givens, solution;
};

std::vector<SourceLine> readSource(const std::string& path) {
    std::ifstream in(path);
    std::vector<SourceLine> lines;
    for (SourceLine line; in >> line.level >> line.givens >> line.solution;)
        lines.push_back(line);
    return lines;
}

TEST(ShippedDatabases, HoldEverySourcePuzzleAsAPredefinedRecord) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("quorvel-data-test-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::regex record(
        R"re(\{"number":(\d+),"size":(\d),"level":(\d),"kind":(\d+),"givens":"([^"]*)",)re"
        R"re("values":"([^"]*)","elapsed":""\})re");
    for (const char* size : {"3", "5"}) {
        const std::string source = std::string(QUORVEL_SOURCE_DIR) + "/data/type" + size + ".txt";
        const std::string database = (folder / ("type" + std::string(size) + ".pxz")).string();
        ASSERT_EQ(runTool("db build " + source + " " + database).status, 0) << size;
        const ToolRun dump = runTool("db dump " + database);
        ASSERT_EQ(dump.status, 0) << size;

        const std::vector<SourceLine> expected = readSource(source);
        ASSERT_FALSE(expected.empty()) << size;
        std::istringstream lines(dump.output);
        std::string line;
        std::size_t count = 0;
        for (; std::getline(lines, line); ++count) {
            std::smatch fields;
            ASSERT_TRUE(std::regex_match(line, fields, record)) << line;
            ASSERT_LT(count, expected.size()) << size;
            const SourceLine& want = expected[count];
            EXPECT_EQ(fields[1], std::to_string(count + 1)) << size << " record " << count;
            EXPECT_EQ(fields[2], size);
            EXPECT_EQ(fields[3], want.level) << size << " record " << count;
            EXPECT_EQ(fields[4], "1") << size << " record " << count;
            EXPECT_EQ(fields[5], want.givens) << size << " record " << count;
            EXPECT_EQ(fields[6], want.solution) << size << " record " << count;
        }
        EXPECT_EQ(count, expected.size()) << size;
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace quorvel
