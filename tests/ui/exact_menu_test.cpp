// The cells Check Puzzle and Show Mistakes mark until the next command takes the marks back,
// and Database > Unique Puzzles Only: on by default and kept in its own file. (Their messages
// are in the session script exact_commands.)

#include <fstream>
#include <string>

#include "solver/exact_commands.h"
#include "storage/program_options.h"
#include "ui/commands/exact_menu.h"
#include "ui/database_fixture.h"

namespace quorvel::testing {
namespace {

const std::string kSolved =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
constexpr MenuRef kCheckPuzzle{MenuArray::AssistSolve, 5};
constexpr MenuRef kShowMistakes{MenuArray::AssistSolve, 6};
constexpr MenuRef kExactSolve{MenuArray::Solve, 3};
constexpr MenuRef kUniqueOnly{MenuArray::Database, 10};

using ExactMenuTest = WindowCommandsTest;

TEST_F(ExactMenuTest, MarksLastUntilTheNextCommand) {
    std::string twoWays = kSolved;
    for (const int index : {3, 4, 30, 31})
        twoWays[index] = '.';
    twoWays[80] = '.';
    show(twoWays);
    active().setCellValue(81, "8");  // a wrong entry
    const int restingBack = active().board().cell(4).backColour;

    main().menuChosen(kCheckPuzzle);
    for (const int cell : {4, 5, 31, 32})
        EXPECT_EQ(active().board().cell(cell).backColour, kDifferingCellBack) << cell;
    main().menuChosen(kExactSolve);
    EXPECT_EQ(active().board().cell(4).backColour, restingBack);

    show(kSolved.substr(0, 80) + ".");
    active().setCellValue(81, "8");
    main().menuChosen(kShowMistakes);
    EXPECT_EQ(active().board().cell(81).backColour, kMistakeCellBack);
    main().menuChosen(kExactSolve);
    EXPECT_NE(active().board().cell(81).backColour, kMistakeCellBack);
}

// Generation with the option on and off: see DatabaseCommandsTest.
TEST_F(ExactMenuTest, UniquePuzzlesOnlyIsKeptInItsOwnFile) {
    EXPECT_TRUE(main().menus().at(kUniqueOnly).checked);
    const std::string settingsBefore = [&] {
        std::ifstream in(folder / "DaDododa.pxz", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    main().menuChosen(kUniqueOnly);
    EXPECT_FALSE(main().menus().at(kUniqueOnly).checked);
    EXPECT_FALSE(LoadProgramOptions(folder).uniquePuzzlesOnly);
    main().loadSettings();
    EXPECT_FALSE(main().menus().at(kUniqueOnly).checked);
    std::ifstream settings(folder / "DaDododa.pxz", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(settings), {}), settingsBefore);
}

}  // namespace
}  // namespace quorvel::testing
