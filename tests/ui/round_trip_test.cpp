// A puzzle's whole life through the windows' menus: generated, found again by level and number,
// its stored solution shown and stored, work saved unfinished and resumed, then deleted.

#include <algorithm>

#include "storage/puzzle_record.h"
#include "ui/database_fixture.h"

namespace quorvel::testing {
namespace {

class RoundTripTest : public WindowCommandsTest,
                      public ::testing::WithParamInterface<const GridKind*> {};

TEST_P(RoundTripTest, GenerateGetShowStoreSaveResumeDelete) {
    const GridKind& kind = *GetParam();
    if (!kind.isNine()) openFifteen();
    Board& board = active().board();
    const int n = kind.cellCount();

    session().currentLevel = 3;
    main().menuChosen({MenuArray::Database, 9});
    const std::vector<int> givens = shownValues(board);
    const int generatedNumber = session().puzzleNumber;
    ASSERT_GT(generatedNumber, 0);

    // Back by level and ordinal: the one level-3 puzzle.
    active().setCellValue(1, "");
    answerPuzzle(3, "1");
    main().menuChosen({MenuArray::Database, 0});
    EXPECT_EQ(session().puzzleNumber, generatedNumber);
    EXPECT_EQ(shownValues(board), givens);
    EXPECT_EQ(active().puzzleNumberLabel(), "Puzzle No : 1 of 1");

    // Its stored solution is a complete grid that keeps the givens.
    main().menuChosen({MenuArray::Database, 1});
    const std::vector<int> solution = shownValues(board);
    EXPECT_TRUE(active().statusImageVisible(0));
    for (int cell = 1; cell <= n; ++cell) {
        if (givens[cell - 1] != 0) {
            EXPECT_EQ(solution[cell - 1], givens[cell - 1]);
        }
    }

    // Storing the solved grid replaces the record: same number, the new grade.
    answerGrade(4);
    main().menuChosen({MenuArray::Database, 2});
    EXPECT_EQ(session().puzzleNumber, generatedNumber);
    const auto sameNumber = [&](const std::string& line) {
        return RecordNumber(line) == generatedNumber;
    };
    const std::vector<std::string> lines = database(kind).lines;
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), sameNumber), 1);

    // Half the open cells filled, saved unfinished, the grid cleared, then resumed.
    answerPuzzle(4, "1");
    main().menuChosen({MenuArray::Database, 0});
    std::vector<int> work = givens;
    for (int cell = 1, open = 0; cell <= n; ++cell) {
        if (givens[cell - 1] == 0 && open++ % 2 == 0) {
            work[cell - 1] = solution[cell - 1];
            active().setCellValue(cell, std::to_string(work[cell - 1]));
        }
    }
    // Saved unfinished, the loaded puzzle stays current: Show Solution still shows its own.
    main().menuChosen({MenuArray::Database, 4});
    EXPECT_EQ(session().puzzleNumber, generatedNumber);
    main().menuChosen({MenuArray::Database, 1});
    EXPECT_EQ(shownValues(board), solution);
    answerPuzzle(4, "1");
    main().menuChosen({MenuArray::Database, 0});
    EXPECT_EQ(shownValues(board), givens);
    main().menuChosen({MenuArray::Database, 5});
    EXPECT_EQ(shownValues(board), work);
    EXPECT_EQ(session().puzzleNumber, kIncompletePuzzleNo);

    // Deleting the puzzle (found again by level) leaves only the unfinished work.
    answerPuzzle(4, "1");
    main().menuChosen({MenuArray::Database, 0});
    answerOk();
    main().menuChosen({MenuArray::Database, 7});
    const std::vector<std::string> left = database(kind).lines;
    EXPECT_EQ(std::count_if(left.begin(), left.end(), sameNumber), 0);
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(RecordNumber(left[1]), kIncompletePuzzleNo);
    EXPECT_EQ(shownValues(board), std::vector<int>(n, 0));
}

INSTANTIATE_TEST_SUITE_P(BothGrids, RoundTripTest, ::testing::Values(&kNineGrid, &kFifteenGrid),
                         [](const auto& info) {
                             return info.param->isNine() ? "NineGrid" : "FifteenGrid";
                         });

}  // namespace
}  // namespace quorvel::testing
