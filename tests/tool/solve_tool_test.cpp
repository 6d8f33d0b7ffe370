#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tool_process.h"

namespace {

const std::string kEasy =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string kSolved =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

struct OutputCase {
    std::string args;
    std::string input;
    std::string out;
};

TEST(SolveTool, PrintsOneCompactObjectPerPuzzle) {
    const OutputCase cases[] = {
        {"solve --mode mild " + kEasy, "",
         R"({"size":9,"result":true,"message":"D  o  n  e   !","reason":"","guesses":0,"grid":")" +
             kSolved + "\"}\n"},
        {"solve --mode crunch " + kEasy, "",
         R"({"size":9,"result":true,"message":"","reason":"","guesses":0,"grid":")" + kSolved +
             "\"}\n"},
        {"solve --mode next " + kEasy, "",
         R"({"size":9,"result":false,"message":"Reason : Single candidate in cell",)"
         R"("reason":"Reason : Single candidate in cell","guesses":0,"grid":")" +
             kEasy.substr(0, 40) + "5" + kEasy.substr(41) + R"(","cell":41,"value":5})" + "\n"},
        {"solve --mode mild -", "\n  " + kEasy + "  \r\n\n" + std::string(81, '0') + "\n",
         R"({"size":9,"result":true,"message":"D  o  n  e   !","reason":"","guesses":0,"grid":")" +
             kSolved + "\"}\n" +
             R"({"size":9,"result":false,"message":"Solution Incomplete - Try Brute Force.",)"
             R"("reason":"","guesses":0,"grid":")" +
             std::string(81, '.') + "\"}\n"},
        {"solve --mode brute " + std::string(225, '.'), "",
         R"({"size":15,"result":false,"message":"Solution Incomplete - Try Number Crunch.",)"
         R"("reason":"","guesses":0,"grid":")" +
             std::string(225, '.') + "\"}\n"},
    };
    for (const OutputCase& c : cases) {
        const ToolRun run = runTool(c.args, c.input);
        EXPECT_EQ(run.status, 0) << c.args;
        EXPECT_EQ(run.out, c.out) << c.args;
        EXPECT_EQ(run.err, "");
    }
}

// Unique, two solutions (an unavoidable rectangle blanked), clashing givens, and errors.
TEST(CheckTool, CountsUpToTwoAndNamesTheCellsThatDiffer) {
    std::string twoWays = kSolved;
    for (const int index : {3, 4, 30, 31})
        twoWays[index] = '.';
    const std::string clash = "11" + kEasy.substr(2);
    struct CheckCase {
        std::string args;
        std::string input;
        std::string out;
        int status;
    };
    const CheckCase cases[] = {
        {"check " + kEasy, "",
         R"({"size":9,"solutions":1,"solution":")" + kSolved + R"(","differ":[]})" + "\n", 0},
        {"check -", twoWays + "\n\n" + clash + "\n",
         R"({"size":9,"solutions":2,"solution":null,"differ":[4,5,31,32]})"
         "\n"
         R"({"size":9,"solutions":0,"solution":null,"differ":[]})"
         "\n",
         0},
        {"check", "", "", 2},
        {"check -", kEasy + "\n" + kEasy + "?\n",
         R"({"size":9,"solutions":1,"solution":")" + kSolved + R"(","differ":[]})" + "\n", 2},
    };
    for (const CheckCase& c : cases) {
        const ToolRun run = runTool(c.args, c.input);
        EXPECT_EQ(run.status, c.status) << c.args;
        EXPECT_EQ(run.out, c.out) << c.args;
    }
}

// One puzzle per band: singles only, subsets, a wing, and one logic cannot finish; then no
// solution and two solutions.
TEST(RateTool, LevelsFollowTheHardestTechniqueNeeded) {
    std::string twoWays = kSolved;
    for (const int index : {3, 4, 30, 31})
        twoWays[index] = '.';
    const std::string input =
        kEasy + "\n" +
        "3.7.4...........918........4.....7.....16.......25..........38..9....5...2.6.....\n"
        "5.7....3.....61...1.8......62..4.......7...8...........1....6.43..5...........2..\n"
        "4...3.......6..8..........1....5..9..8....6...7.2........1.27..5.3....4.9........\n" +
        "55" + kEasy.substr(2) + "\n" + twoWays + "\n";
    const ToolRun run = runTool("rate -", input);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              R"({"size":9,"solutions":1,"level":1,"score":660,"hardest":"Naked Single",)"
              R"("logic_solved":true})"
              "\n"
              R"({"size":9,"solutions":1,"level":2,"score":1875,"hardest":"Hidden Pair",)"
              R"("logic_solved":true})"
              "\n"
              R"({"size":9,"solutions":1,"level":3,"score":2365,"hardest":"W-Wing",)"
              R"("logic_solved":true})"
              "\n"
              R"({"size":9,"solutions":1,"level":4,"score":1100,"hardest":"Skyscraper",)"
              R"("logic_solved":false})"
              "\n"
              R"({"size":9,"solutions":0,"level":0,"score":0,"hardest":"","logic_solved":false})"
              "\n"
              R"({"size":9,"solutions":2,"level":4,"score":0,"hardest":"","logic_solved":false})"
              "\n");
}

struct ErrorCase {
    std::string args;
    std::string input;
    std::string error;
};

TEST(SolveTool, MalformedInputIsOneLineAndExitStatusTwo) {
    const ErrorCase cases[] = {
        {"solve --mode mild " + kEasy.substr(1), "", "quorvel-tool solve: 80 cells, expected 81\n"},
        {"solve --mode mild ?" + kEasy.substr(1), "",
         "quorvel-tool solve: cell r1c1: bad character '?'\n"},
        {"solve --mode next " + kEasy.substr(0, 80) + "A", "",
         "quorvel-tool solve: cell r9c9: 10 is not a value of a 9 x 9 grid\n"},
        {"solve --mode crunch -", kEasy + "\n\n" + kEasy + "?\n",
         "quorvel-tool solve: line 3: 82 cells, expected 81\n"},
        {"solve --mode fast " + kEasy, "",
         "quorvel-tool solve: unknown mode 'fast' (mild, brute, crunch or next)\n"},
        {"solve " + kEasy, "", "quorvel-tool solve: missing --mode mild|brute|crunch|next\n"},
        {"solve --mode mild", "",
         "quorvel-tool solve: missing puzzle (a puzzle line, or - for standard input)\n"},
    };
    for (const ErrorCase& c : cases) {
        const ToolRun run = runTool(c.args, c.input);
        EXPECT_EQ(run.status, 2) << c.args;
        EXPECT_EQ(run.err, c.error);
    }
    // Lines before the malformed one are still answered.
    const ToolRun partial = runTool(cases[3].args, cases[3].input);
    EXPECT_EQ(std::count(partial.out.begin(), partial.out.end(), '\n'), 1);
}

}  // namespace
