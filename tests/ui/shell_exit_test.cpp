// Quit and closing the main window, where a session script cannot see it: the settings written,
// the grid windows closed for good, the display mode given back; and the about window's own
// buttons. The questions asked are in tests/session/dialogs.script.

#include <filesystem>

#include "application/shell/about_window.h"
#include "storage/settings.h"
#include "ui/shell_fixture.h"

namespace quorvel::testing {
namespace {

using ShellExit = ShellFixture;

TEST_F(ShellExit, QuitEndsOnlyOnYesClosingTheGridsAndWritingTheSettings) {
    const std::filesystem::path settings = folder.path() / std::string(kSettingsFileName);
    for (const int answer : {0, 1}) {  // Yes, No
        FakeChild nineGrid("NineGrid"), fifteenGrid("FifteenGrid");
        MainWindow window(host, session, dialogs, folder.path());
        window.setGrids(nineGrid, fifteenGrid);
        window.load();
        window.activate();
        host.log.clear();
        host.aboutScripts.push_back([answer](AboutWindow& about) {
            EXPECT_TRUE(about.exitPanelVisible());
            about.exitAnswerClicked(answer);
        });
        window.menuChosen(WindowAction::Quit);
        const bool ends = answer == 0;
        EXPECT_EQ(host.logged("quit"), ends);
        EXPECT_EQ(window.applicationClosing(), ends);
        EXPECT_EQ(!nineGrid.calls.empty() && nineGrid.calls.back() == "closeForExit" &&
                      fifteenGrid.calls.back() == "closeForExit",
                  ends);
        EXPECT_EQ(std::filesystem::exists(settings), ends);
        std::filesystem::remove(settings);
    }
}

TEST_F(ShellExit, ClosingRestoresTheModeFoundAtStartAndWritesTheSettings) {
    struct Case {
        std::optional<DisplayMode> original;
        std::vector<std::string> modeChanges;
    };
    const Case cases[] = {
        {DisplayMode{1280, 1024, 32}, {"mode:1280x1024"}},
        {DisplayMode{1024, 600, 32}, {}},  // the same width as now
        {std::nullopt, {}},                // unknown at start
    };
    for (const Case& c : cases) {
        host.log.clear();
        host.screen = DisplayMode{1024, 768, 32};
        MainWindow window(host, session, dialogs, folder.path());
        window.setOriginalDisplayMode(c.original);
        session.currentLevel = 3;
        window.unload();  // the close box asks nothing
        window.unload();  // and closes only once
        EXPECT_EQ(host.loggedWith("mode:"), c.modeChanges);
        EXPECT_EQ(host.loggedWith("about:"), std::vector<std::string>{});
        EXPECT_EQ(host.loggedWith("quit"), std::vector<std::string>{"quit"});
        EXPECT_EQ(loadSettings(folder.path()).settings.currentLevel, 3);
    }
}

TEST_F(ShellExit, AboutWindowButtons) {
    AboutWindow& about = mainWindow.aboutWindow();
    about.load(false);
    EXPECT_EQ(about.version(), "Version 1.0.2");
    about.webSiteClicked();
    EXPECT_EQ(about.webSiteColour(), colour::kPurple);
    EXPECT_EQ(host.openedUrls.size(), 1u);
    EXPECT_FALSE(about.closed());
    host.systemInfoAvailable = true;
    about.systemInfoClicked();
    EXPECT_EQ(host.dialogTitles, std::vector<std::string>{});
    about.okClicked();
    EXPECT_TRUE(about.closed());
    EXPECT_EQ(about.answer(), ExitAnswer::None);
}

}  // namespace
}  // namespace quorvel::testing
