// What Blank Grid, Lock Grid and Unlock Grid do that a session script cannot see: the cell
// colours, composeMode and a fresh history. The cells, givens, enabling and the elapsed time are
// in tests/session/grid_setup.script and elapsed.script.

#include <gtest/gtest.h>

#include "ui/database_fixture.h"

namespace quorvel::testing {
namespace {

using GridSetup = WindowCommandsTest;

TEST_F(GridSetup, CommandsSetColoursComposeModeAndHistory) {
    struct Case {
        const char* name;
        Command item;
        bool composeMode;
        Colour givenColour, openColour;  // cell 2 (holding 4) and cell 3 (empty)
    };
    const Case cases[] = {
        {"Blank", Command::BlankGrid, true, kGivenRed, kGivenRed},
        {"Lock", Command::LockGrid, false, kGivenRed, kEntryBlue},
        {"Unlock", Command::UnlockGrid, true, kEntryBlue, kEntryBlue},
    };
    std::vector<GridWindow*> restarted;  // histories started afresh
    main().setHistoryRestarter([&](GridWindow& window) { restarted.push_back(&window); });
    for (const GridKind* kind : {&kNineGrid, &kFifteenGrid}) {
        GridWindow& window = open(*kind);
        for (const Case& c : cases) {
            SCOPED_TRACE(::testing::Message() << kind->side << " " << c.name);
            window.setCellValue(2, "4");
            main().runMenuItem(Command::LockGrid);
            window.setPuzzleNumberLabel("Puzzle No : 3 of 9");
            session().composeMode = !c.composeMode;
            restarted.clear();
            main().runMenuItem(c.item);
            EXPECT_EQ(session().composeMode, c.composeMode);
            EXPECT_EQ(restarted,
                      (std::vector<GridWindow*>(c.item == Command::UnlockGrid ? 0 : 1, &window)));
            EXPECT_EQ(window.board().cell(2).foreColour, c.givenColour);
            EXPECT_EQ(window.board().cell(3).foreColour, c.openColour);
            if (c.item == Command::BlankGrid) {
                EXPECT_TRUE(window.statusImageVisible(1));
            }
        }
    }
}

}  // namespace
}  // namespace quorvel::testing
