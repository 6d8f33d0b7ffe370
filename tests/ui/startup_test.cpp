// Start-up: the resolution question and its outcomes, the splash window and the hand-over to
// the main window, and the grid windows that close for good only when the program ends.

#include <filesystem>

#include "application/composition/application.h"
#include "application/shell/startup.h"
#include "storage/settings.h"
#include "ui/shell_fixture.h"

namespace quorvel::testing {
namespace {

TEST(StartupResolution, QuestionAndOutcomes) {
    const std::string ask = "ask:Screen Resolution Settings";
    const DisplayMode wide{1280, 1024, 32};
    struct Case {
        std::optional<DisplayMode> screen;
        std::deque<bool> answers;
        DisplayChange change;
        bool opensWindow;
        std::vector<std::string> asked;  // titles of questions and notices, in order
        int widthAfter;
    };
    const Case cases[] = {
        {DisplayMode{1024, 600, 32}, {}, DisplayChange::Changed, true, {}, 1024},
        {wide, {false}, DisplayChange::Changed, true, {ask}, 1280},
        {wide, {true}, DisplayChange::Changed, true, {ask}, 1024},
        {wide, {true}, DisplayChange::Failed, true, {ask, "notice:Error"}, 1280},
        {wide,
         {true, true},
         DisplayChange::NeedsRestart,
         false,
         {ask, "ask:Info", "notice:Info"},
         1024},
        {wide, {true, false}, DisplayChange::NeedsRestart, false, {ask, "ask:Info"}, 1024},
        {std::nullopt, {}, DisplayChange::Changed, true, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        FakeHost host;
        host.screen = c.screen;
        host.yesNoAnswers = c.answers;
        host.displayChange = c.change;
        Startup startup(host);
        EXPECT_EQ(startup.run(), c.opensWindow);
        EXPECT_EQ(host.loggedWith("ask:").size() + host.loggedWith("notice:").size(),
                  c.asked.size());
        for (const std::string& entry : c.asked)
            EXPECT_TRUE(host.logged(entry)) << entry;
        EXPECT_EQ(host.screen ? host.screen->width : 0, c.widthAfter);
        EXPECT_EQ(startup.originalMode().has_value(), c.screen.has_value());
    }
    FakeHost host;
    host.screen = DisplayMode{800, 600, 16};
    Startup(host).run();
    EXPECT_TRUE(
        host.logged("text:This Program is best viewed at 1024 x 768 Screen Resolution \r\n"
                    "The Current Screen Resolution is 800 x 600\r\n"
                    "Do you want to change the Screen Resolution to 1024 x 768"));
}

TEST(StartupSplash, LabelsLightUpOneByOneThenStartAgain) {
    FakeHost host;
    ProgramState session;
    Splash splash(host, session);
    splash.create({});
    splash.load();
    EXPECT_EQ(splash.version(), "Version 1.02");
    for (int step = 1; step <= 8; ++step) {
        splash.animationTick();
        EXPECT_TRUE(splash.labelVisible(step - 1));
        EXPECT_EQ(splash.step(), step);
    }
    splash.animationTick();
    EXPECT_EQ(splash.step(), 0);
    for (int index = 0; index < Splash::kAnimatedLabels; ++index) {
        EXPECT_FALSE(splash.labelVisible(index));
    }
}

TEST(StartupApplication, SplashHandsOverToTheMainWindowAndARestartEndsBeforeAnyWindow) {
    for (const bool restart : {false, true}) {
        TempFolder folder;
        FakeHost host;
        host.screen = DisplayMode{1280, 1024, 32};
        host.yesNoAnswers = {true, true};
        host.displayChange = restart ? DisplayChange::NeedsRestart : DisplayChange::Changed;
        Application app(host, folder.path());
        FakeChild nine("NineGrid"), fifteen("FifteenGrid");
        app.mainWindow().setGrids(nine, fifteen);
        const std::filesystem::path settings = folder.path() / std::string(kSettingsFileName);
        ASSERT_EQ(app.start(), !restart);
        EXPECT_EQ(app.splash().visible(), !restart);
        // The splash window read the settings, creating the file with the defaults.
        EXPECT_EQ(std::filesystem::exists(settings), !restart);
        if (restart) continue;
        EXPECT_TRUE(app.session().loadBusy);
        EXPECT_FALSE(app.mainWindow().visible());

        app.splash().handOverDue();
        EXPECT_FALSE(app.splash().visible());
        EXPECT_FALSE(app.splash().animating());
        EXPECT_FALSE(app.splash().active());
        EXPECT_FALSE(app.session().loadBusy);
        EXPECT_TRUE(app.mainWindow().visible());
        EXPECT_FALSE(app.mainWindow().firstActivate());
        EXPECT_TRUE(nine.shown);

        // Closing switches the screen back to the mode found at start.
        host.log.clear();
        app.mainWindow().unload();
        EXPECT_EQ(host.loggedWith("mode:"), std::vector<std::string>{"mode:1280x1024"});
    }
}

TEST(StartupApplication, GridWindowsCloseForGoodOnlyWhenTheProgramEnds) {
    TempFolder folder;
    FakeHost host;
    Application app(host, folder.path());
    ASSERT_TRUE(app.start());
    app.splash().handOverDue();
    GridWindow& nine = app.nineGrid();
    GridWindow& fifteen = app.fifteenGrid();
    EXPECT_FALSE(fifteen.loaded());
    // Closing a grid window while the program runs shows the other kind instead.
    EXPECT_FALSE(nine.requestClose());
    EXPECT_TRUE(fifteen.shown());
    EXPECT_FALSE(nine.shown());
    EXPECT_TRUE(app.mainWindow().isActiveChild(fifteen));
    EXPECT_EQ(app.session().activeSizeCode, 5);

    host.aboutScripts.push_back([](AboutWindow& about) { about.exitAnswerClicked(0); });
    app.mainWindow().Quit();
    EXPECT_TRUE(nine.closed());
    EXPECT_TRUE(fifteen.closed());
    EXPECT_TRUE(host.logged("quit"));
}

}  // namespace
}  // namespace quorvel::testing
