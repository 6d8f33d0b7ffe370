// The experimental run through toolbar buttons 16, 17 and 18, and its end after a Database
// command.

#include "ui/aids_fixture.h"
#include "ui/commands/database_commands.h"
#include "ui/grid/marking_aids.h"

namespace quorvel::testing {
namespace {

class ExperimentTest : public AidsTest {
  protected:
    void press(int button) { main().toolbarClicked(button, kMouseLeft, 0); }
    bool enabled(int button) { return main().toolbar().at(button).enabled; }
    void start() {
        answerOk();
        press(16);
        ASSERT_TRUE(session().experimentColours);
    }
};

TEST_F(ExperimentTest, StartIsOffUntilAGridIsLockedWithGivens) {
    EXPECT_FALSE(enabled(16));
    load(kNinePuzzle);
    EXPECT_TRUE(enabled(16));
    EXPECT_FALSE(enabled(17));
    EXPECT_FALSE(enabled(18));
}

TEST_F(ExperimentTest, EntriesDuringTheRunArePurpleAndRejectBringsTheStartBack) {
    load(kNinePuzzle);
    enter(3, "4");
    start();
    EXPECT_EQ(prompts.back(), "Do you want to start an experimental run?");
    EXPECT_FALSE(enabled(16));
    EXPECT_TRUE(enabled(17));
    EXPECT_TRUE(enabled(18));
    EXPECT_EQ(aids->experiment().snapshot()[3], "4");

    enter(4, "6");
    enter(3, "1");
    EXPECT_EQ(cell(4).foreColour, kExperimentPurple);

    answerOk();
    press(17);
    EXPECT_EQ(prompts.back(), "Do you want to reject the experimental run?");
    EXPECT_FALSE(session().experimentColours);
    EXPECT_EQ(cell(3).text, "4");
    EXPECT_EQ(cell(4).text, "");
    EXPECT_EQ(grid().board().cellValue(3), 4);
    EXPECT_EQ(cell(3).foreColour, kEntryBlue);
    EXPECT_EQ(cell(1).text, "5");
    EXPECT_EQ(cell(1).foreColour, kGivenRed);
    EXPECT_TRUE(enabled(16));
    EXPECT_FALSE(enabled(17));
    for (int button = 16; button <= 18; ++button)
        EXPECT_EQ(main().toolbar().at(button).backColour, colour::kButtonGrey);
}

TEST_F(ExperimentTest, ConfirmKeepsTheGuessesAsBlueEntries) {
    load(kNinePuzzle);
    start();
    enter(4, "6");
    answerOk();
    press(18);
    EXPECT_EQ(prompts.back(), "Do you want to confirm the experimental run?");
    EXPECT_FALSE(session().experimentColours);
    EXPECT_EQ(cell(4).text, "6");
    EXPECT_EQ(cell(4).foreColour, kEntryBlue);
    EXPECT_FALSE(enabled(17));
    EXPECT_EQ(aids->experiment().snapshot()[1], "");
}

TEST_F(ExperimentTest, CancelledOrInapplicableStepsChangeNothing) {
    load(kNinePuzzle);
    struct Case {
        const char* name;
        Command command;
        bool runActive;
        bool cancel;
    };
    const Case cases[] = {
        {"start cancelled", Command::StartExperiment, false, true},
        {"start while running", Command::StartExperiment, true, false},
        {"reject cancelled", Command::RejectExperiment, true, true},
        {"reject while idle", Command::RejectExperiment, false, false},
        {"confirm while idle", Command::ConfirmExperiment, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        session().experimentColours = c.runActive;
        prompts.clear();
        if (c.cancel) answerCancel();
        EXPECT_FALSE(main().commands().run(c.command));
        EXPECT_EQ(session().experimentColours, c.runActive);
        EXPECT_EQ(prompts.size(), c.cancel ? 1u : 0u);
        host.dialogScripts.clear();
    }
}

TEST_F(ExperimentTest, ADatabaseCommandRejectsTheRunButLeavesANewPuzzleAlone) {
    load(kNinePuzzle);
    start();
    enter(4, "6");
    // Another puzzle arrives (as Get Puzzle loads it) before the run is rejected.
    blankGrid(grid(), main(), false);
    load("1........" + std::string(72, '.'));
    answerOk();
    RejectExperimentAfterDatabaseCommand(main(), session());
    EXPECT_FALSE(session().experimentColours);
    EXPECT_EQ(cell(1).text, "1");
    EXPECT_EQ(cell(2).text, "");
}

}  // namespace
}  // namespace quorvel::testing
