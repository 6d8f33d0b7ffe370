// The experimental run's colours and the steps that cannot apply, which no scripted session
// reaches (its toolbar buttons are off then).

#include "ui/aids_fixture.h"
#include "ui/grid/marking_aids.h"

namespace quorvel::testing {
namespace {

class ExperimentTest : public AidsTest {
  protected:
    void press(int button) {
        answerOk();
        main().toolbarClicked(button, kMouseLeft, 0);
    }
};

TEST_F(ExperimentTest, EntriesDuringTheRunArePurpleAndBlueOnceItEnds) {
    load(kNinePuzzle);
    enter(3, "4");
    for (const int end : {17, 18}) {  // Reject, Confirm
        SCOPED_TRACE(end);
        press(16);
        enter(4, "6");
        EXPECT_EQ(cell(4).foreColour, kExperimentPurple);
        press(end);
        EXPECT_EQ(cell(3).foreColour, kEntryBlue);
        EXPECT_EQ(cell(1).foreColour, kGivenRed);
        if (end == 18) {
            EXPECT_EQ(cell(4).foreColour, kEntryBlue) << "a confirmed guess";
        }
        for (int button = 16; button <= 18; ++button)
            EXPECT_EQ(main().toolbar().at(button).backColour, colour::kButtonGrey);
    }
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

}  // namespace
}  // namespace quorvel::testing
