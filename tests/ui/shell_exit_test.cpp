// Quit with its exit confirmation, and closing the main window.

#include <filesystem>

#include "storage/settings.h"
#include "ui/shell/about_window.h"
#include "ui/shell_fixture.h"

namespace quorvel::testing {
namespace {

using ShellExit = ShellFixture;

TEST_F(ShellExit, QuitAsksThroughTheAboutWindowInExitMode) {
    struct Case {
        const char* name;
        std::function<void(AboutWindow&)> answer;
        bool ends;
    };
    const Case cases[] = {
        {"Yes", [](AboutWindow& about) { about.exitAnswerClicked(0); }, true},
        {"No", [](AboutWindow& about) { about.exitAnswerClicked(1); }, false},
        {"closed by its frame", [](AboutWindow& about) { about.closeByFrame(); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeChild nineGrid("NineGrid"), fifteenGrid("FifteenGrid");
        MainWindow window(host, session, dialogs, folder.path());
        window.setGrids(nineGrid, fifteenGrid);
        window.load();
        window.activate();
        host.log.clear();
        std::string caption;
        bool panel = false;
        host.aboutScripts.push_back([&](AboutWindow& about) {
            caption = about.caption();
            panel = about.exitPanelVisible();
            c.answer(about);
        });
        window.menuChosen(WindowAction::Quit);
        EXPECT_EQ(caption, "Exit.. Quorvel");
        EXPECT_TRUE(panel);
        EXPECT_EQ(host.logged("quit"), c.ends);
        EXPECT_EQ(window.applicationClosing(), c.ends);
        bool gridsClosed = !nineGrid.calls.empty() && nineGrid.calls.back() == "closeForExit" &&
                           fifteenGrid.calls.back() == "closeForExit";
        EXPECT_EQ(gridsClosed, c.ends);
        EXPECT_EQ(std::filesystem::exists(folder.path() / std::string(kSettingsFileName)), c.ends);
        std::filesystem::remove(folder.path() / std::string(kSettingsFileName));
    }
}

TEST_F(ShellExit, ClosingRestoresTheModeFoundAtStartAndWritesTheSettings) {
    struct Case {
        const char* name;
        std::optional<DisplayMode> original;
        std::vector<std::string> modeChanges;
    };
    const Case cases[] = {
        {"mode was changed at start", DisplayMode{1280, 1024, 32}, {"mode:1280x1024"}},
        {"same width as at start", DisplayMode{1024, 600, 32}, {}},
        {"mode unknown at start", std::nullopt, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
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
        LoadedSettings saved = LoadSettings(folder.path());
        EXPECT_EQ(saved.settings.currentLevel, 3);
    }
}

TEST_F(ShellExit, AboutFromHelpShowsNoExitPanel) {
    loadAndActivate();
    std::string caption;
    bool panel = true;
    host.aboutScripts.push_back([&](AboutWindow& about) {
        caption = about.caption();
        panel = about.exitPanelVisible();
    });
    mainWindow.runMenuItem(WindowAction::About);
    EXPECT_EQ(caption, "About Quorvel");
    EXPECT_FALSE(panel);
    EXPECT_FALSE(host.logged("quit"));
}

TEST_F(ShellExit, AboutWindowButtons) {
    AboutWindow& about = mainWindow.aboutWindow();
    about.load(false);
    EXPECT_EQ(about.version(), "Version 1.0.2");
    EXPECT_EQ(about.title(), "Quorvel");

    about.webSiteClicked();
    EXPECT_EQ(about.webSiteColour(), colour::kPurple);
    EXPECT_EQ(host.openedUrls.size(), 1u);
    EXPECT_FALSE(about.closed());

    struct Case {
        bool available;
        std::vector<std::string> dialogs;
    };
    for (Case c : {Case{false, {"Quorvel"}}, Case{true, {}}}) {
        host.dialogTitles.clear();
        host.systemInfoAvailable = c.available;
        about.systemInfoClicked();
        EXPECT_EQ(host.dialogTitles, c.dialogs);
    }
    EXPECT_EQ(dialogs.dialogPrompt, "System Information Is Unavailable At This Time");
    about.okClicked();
    EXPECT_TRUE(about.closed());
    EXPECT_EQ(about.answer(), ExitAnswer::None);
}

}  // namespace
}  // namespace quorvel::testing
