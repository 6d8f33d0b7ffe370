// Check Puzzle, Show Mistakes, Exact Solve and Lock Grid's note on headless grids: unique, two
// solutions and no solution, with right and wrong entries beside the givens.

#include "application/commands/exact_commands.h"

#include <gtest/gtest.h>

#include "engines/solver/solve_texts.h"
#include "model/units.h"
#include "support/solve_fixtures.h"

namespace quorvel::testing {
namespace {

const std::string kSolved =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

// kSolved with an unavoidable rectangle (cells 4, 5, 31, 32) left open.
std::string twoWays() {
    std::string line = kSolved;
    for (const int index : {3, 4, 30, 31})
        line[index] = '.';
    return line;
}

TEST(ExactCommands, AnswerFromTheGivens) {
    struct Case {
        const char* name;
        std::string givens;
        std::vector<std::pair<int, int>> entries;  // typed beside the givens
        std::vector<int> differ;                   // Check Puzzle's marks
        std::string checkText;
        std::vector<int> mistakes;
        std::string mistakesText;
        std::string exactText;  // empty: Exact Solve fills the grid
    };
    const Case cases[] = {
        {"unique, one wrong entry",
         kEasy,
         {{3, 4}, {4, 5}},
         {},
         kUniqueSolutionText,
         {4},
         "1 entry differs from the solution.",
         ""},
        {"unique, right entries",
         kEasy,
         {{3, 4}, {4, 6}},
         {},
         kUniqueSolutionText,
         {},
         "No entry differs from the solution.",
         ""},
        {"two solutions",
         twoWays(),
         {{4, 6}},
         {4, 5, 31, 32},
         kSeveralSolutionsText,
         {},
         kMistakesUntoldText,
         kNoUniqueSolutionText},
        {"clashing givens",
         "55" + kEasy.substr(2),
         {},
         {},
         kCheckGivensText,
         {},
         kCheckGivensText,
         kNoExactSolutionText},
    };
    for (const Case& c : cases) {
        TestGrid grid(c.givens);
        for (const auto& [cell, value] : c.entries)
            grid.board->setCellValue(cell, valueText(value));
        const std::vector<int> before = grid.shown();
        EXPECT_EQ(checkPuzzleCommand(*grid.board), c.differ) << c.name;
        EXPECT_EQ(grid.events.messageText(), c.checkText) << c.name;
        EXPECT_EQ(showMistakesCommand(*grid.board), c.mistakes) << c.name;
        EXPECT_EQ(grid.events.messageText(), c.mistakesText) << c.name;
        EXPECT_EQ(grid.shown(), before) << c.name << ": neither changes a cell";

        const bool filled = exactSolveCommand(*grid.board);
        EXPECT_EQ(filled, c.exactText.empty()) << c.name;
        if (filled) {
            EXPECT_EQ(grid.shownLine(), kSolved) << c.name;
            EXPECT_EQ(grid.layer(1), grid.shown()) << c.name;
        } else {
            EXPECT_EQ(grid.events.messageText(), c.exactText) << c.name;
            EXPECT_EQ(grid.shown(), before) << c.name;
        }
    }
}

// A puzzle typed in without locks counts every filled cell as a given; Lock Grid's note speaks
// only when the givens do not allow exactly one solution.
TEST(ExactCommands, TypedInGridsAndTheLockNote) {
    TestGrid typed(kNineGrid);
    const std::vector<int> values = TestGrid::parsed(twoWays()).values;
    for (int cell = 1; cell <= 81; ++cell) {
        if (values[cell - 1] != 0) typed.board->setCellValue(cell, valueText(values[cell - 1]));
    }
    EXPECT_EQ(givenValues(*typed.board), values);
    noteWhenNotUnique(*typed.board);
    EXPECT_EQ(typed.events.messageText(), kSeveralSolutionsText);

    TestGrid unique(kEasy);
    unique.events.messageLine("before", colour::kBlue, Alignment::Centre);
    noteWhenNotUnique(*unique.board);
    EXPECT_EQ(unique.events.messageText(), "before");
}

}  // namespace
}  // namespace quorvel::testing
