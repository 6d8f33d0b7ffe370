// Show Possibilities as Tip or Panel, and Pause Timer, from the Visual Aid menu.

#include "storage/data_file.h"
#include "storage/settings.h"
#include "ui/aids_fixture.h"

namespace quorvel::testing {
namespace {

using VisualMenuTest = AidsTest;

TEST_F(VisualMenuTest, TipAndPanelSwitchesToggleAndPersist) {
    load(kNinePuzzle);
    main().setTipSwitch(false);
    main().setMenuChecked({MenuArray::VisualAid, 2}, false);
    grid().requestFocus(4);
    grid().requestFocus(3);

    main().visualAidItemClicked(1);  // tip on: only the selected cell shows its tip
    EXPECT_TRUE(main().tipSwitchOn());
    EXPECT_TRUE(grid().tipShown(3));
    EXPECT_FALSE(grid().tipShown(4));
    grid().requestFocus(4);
    EXPECT_TRUE(grid().tipShown(4));
    main().visualAidItemClicked(1);  // off: every tip goes at once
    EXPECT_FALSE(grid().tipShown(3));
    EXPECT_FALSE(grid().tipShown(4));

    main().visualAidItemClicked(2);
    EXPECT_TRUE(grid().panelVisible());
    Settings saved = LoadSettings(settingsFolder(folder)).settings;
    EXPECT_FALSE(saved.showPossibilitiesTip);
    EXPECT_TRUE(saved.showPossibilitiesPanel);
    main().visualAidItemClicked(2);
    EXPECT_FALSE(grid().panelVisible());
    EXPECT_FALSE(LoadSettings(settingsFolder(folder)).settings.showPossibilitiesPanel);
}

TEST_F(VisualMenuTest, PauseTimerMinimisesAndBanksTheTime) {
    load(kNinePuzzle);
    host.tick += 65'000;
    main().elapsedTick();
    const double shown = session().elapsedShown;
    ASSERT_GT(shown, 0);
    main().visualAidItemClicked(4);
    EXPECT_TRUE(host.logged("minimise"));
    EXPECT_FALSE(main().elapsedTimerRunning());
    EXPECT_DOUBLE_EQ(session().bankedElapsed, shown);

    host.tick += 600'000;  // time away does not count
    main().resize(true);
    main().resize(false);
    EXPECT_TRUE(main().elapsedTimerRunning());
    host.tick += 1'000;
    main().elapsedTick();
    EXPECT_EQ(main().elapsedLabel(), "00:01:06");
}

}  // namespace
}  // namespace quorvel::testing
