// Visual Aid switches across a restart of the program, and the time Pause Timer banks: what a
// single scripted session cannot see.

#include "ui/aids_fixture.h"

namespace quorvel::testing {
namespace {

using VisualMenuTest = AidsTest;

TEST_F(VisualMenuTest, ThePanelFollowsItsCheckMarkFromTheStart) {
    for (int round = 0; round < 2; ++round) {
        main().visualAidItemClicked(2);  // switched and written to the settings
        app = std::make_unique<Application>(host, folder);
        main().loadSettings();
        main().load();
        main().activate();
        EXPECT_EQ(grid().panelVisible(), main().panelSwitchOn()) << round;
    }
}

TEST_F(VisualMenuTest, ASetPuzzleCommandThatWritesTheSettingsKeepsTheTipMark) {
    ASSERT_TRUE(main().tipSwitchOn());
    main().menuChosen({MenuArray::SetPuzzle, 13});  // Test Screen
    main().menuChosen({MenuArray::SetPuzzle, 15});  // Quit Create My Su Doku writes the settings
    main().loadSettings();
    EXPECT_TRUE(main().settings().showPossibilitiesTip);
}

TEST_F(VisualMenuTest, PauseTimerBanksTheTimeShown) {
    load(kNinePuzzle);
    host.tick += 65'000;
    main().elapsedTick();
    const double shown = session().elapsedShown;
    ASSERT_GT(shown, 0);
    main().visualAidItemClicked(4);
    EXPECT_FALSE(main().elapsedTimerRunning());
    EXPECT_DOUBLE_EQ(session().bankedElapsed, shown);

    host.tick += 600'000;  // time away does not count
    main().resize(true);
    main().resize(false);
    host.tick += 1'000;
    main().elapsedTick();
    EXPECT_EQ(main().elapsedLabel(), "00:01:06");
}

}  // namespace
}  // namespace quorvel::testing
