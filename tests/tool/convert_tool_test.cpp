// quorvel-tool convert: puzzles in, the chosen format out; refusals on standard error naming the
// line, with exit status 2 and nothing on standard output.

#include <gtest/gtest.h>

#include <string>

#include "tool_process.h"

namespace {

const std::string kEasy =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

TEST(ConvertTool, WritesEveryPuzzleInTheChosenFormat) {
    const ToolRun sdk = runTool("convert --to sdk -", kEasy + "\n" + kEasy + "\n");
    EXPECT_EQ(sdk.status, 0);
    EXPECT_EQ(sdk.out.substr(0, 20), "53..7....\n6..195...\n");
    EXPECT_EQ(sdk.out.size(), 2 * 90 + 1);
    const ToolRun line = runTool("convert -", sdk.out);
    EXPECT_EQ(line.out, kEasy + "\n" + kEasy + "\n");
    EXPECT_EQ(line.err, "");
}

struct Refusal {
    std::string args;
    std::string input;
    std::string error;
};

TEST(ConvertTool, RefusalsNameTheLineAndExitWithTwo) {
    const std::string fifteen(225, '.');
    const Refusal cases[] = {
        {"convert -", kEasy + "\n" + kEasy.substr(1) + "\n12\n",
         "quorvel-tool convert: line 2: 80 cells, expected 81\n"
         "quorvel-tool convert: line 3: 2 cells, expected 81\n"},
        {"convert -", "", "quorvel-tool convert: no puzzle found\n"},
        {"convert --to opensudoku -", fifteen,
         "quorvel-tool convert: opensudoku holds 9 x 9 puzzles only\n"},
        {"convert --to xml -", kEasy,
         "quorvel-tool convert: --to needs line, sdk, ss or opensudoku\n"},
        {"convert /no/such.sdk", "", "quorvel-tool convert: cannot read such.sdk\n"},
        {"convert", "",
         "quorvel-tool convert: missing file (a puzzle file, or - for standard input)\n"},
    };
    for (const Refusal& c : cases) {
        const ToolRun run = runTool(c.args, c.input);
        EXPECT_EQ(run.status, 2) << c.args;
        EXPECT_EQ(run.out, "") << c.args;
        EXPECT_EQ(run.err, c.error) << c.args;
    }
}

}  // namespace
