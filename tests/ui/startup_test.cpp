// Start-up: the resolution question and its outcomes, the splash window and the hand-over to
// the main window.

#include <filesystem>

#include "storage/settings.h"
#include "ui/shell/application.h"
#include "ui/shell/startup.h"
#include "ui/shell_fixture.h"

namespace quorvel::testing {
namespace {

TEST(StartupResolution, QuestionAndOutcomes) {
    struct Case {
        const char* name;
        std::optional<DisplayMode> screen;
        std::deque<bool> answers;
        DisplayChange change;
        bool opensWindow;
        std::vector<std::string> asked;  // titles of questions and notices, in order
        int widthAfter;
    };
    const DisplayMode wide{1280, 1024, 32};
    const Case cases[] = {
        {"1024 wide, any height",
         DisplayMode{1024, 600, 32},
         {},
         DisplayChange::Changed,
         true,
         {},
         1024},
        {"answered No",
         wide,
         {false},
         DisplayChange::Changed,
         true,
         {"ask:Screen Resolution Settings"},
         1280},
        {"changed",
         wide,
         {true},
         DisplayChange::Changed,
         true,
         {"ask:Screen Resolution Settings"},
         1024},
        {"not supported",
         wide,
         {true},
         DisplayChange::Failed,
         true,
         {"ask:Screen Resolution Settings", "notice:Error"},
         1280},
        {"restart needed, Yes",
         wide,
         {true, true},
         DisplayChange::NeedsRestart,
         false,
         {"ask:Screen Resolution Settings", "ask:Info", "notice:Info"},
         1024},
        {"restart needed, No",
         wide,
         {true, false},
         DisplayChange::NeedsRestart,
         false,
         {"ask:Screen Resolution Settings", "ask:Info"},
         1024},
        {"mode unreadable", std::nullopt, {}, DisplayChange::Changed, true, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeHost host;
        host.screen = c.screen;
        host.yesNoAnswers = c.answers;
        host.displayChange = c.change;
        Startup startup(host);
        EXPECT_EQ(startup.run(), c.opensWindow);
        std::vector<std::string> asked;
        for (const std::string& entry : host.log) {
            if (entry.rfind("ask:", 0) == 0 || entry.rfind("notice:", 0) == 0)
                asked.push_back(entry);
        }
        EXPECT_EQ(asked, c.asked);
        EXPECT_EQ(host.screen ? host.screen->width : 0, c.widthAfter);
        EXPECT_EQ(startup.originalMode().has_value(), c.screen.has_value());
    }
}

TEST(StartupResolution, QuestionTextNamesTheCurrentMode) {
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
    Session session;
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

TEST(StartupApplication, SplashHandsOverToTheMainWindowWithTheNineGrid) {
    TempFolder folder;
    FakeHost host;
    host.screen = DisplayMode{1280, 1024, 32};
    host.yesNoAnswers = {true};
    Application app(host, folder.path());
    FakeChild nine("NineGrid"), fifteen("FifteenGrid");
    app.mainWindow().setGrids(nine, fifteen);

    ASSERT_TRUE(app.start());
    EXPECT_TRUE(app.session().loadBusy);
    EXPECT_TRUE(app.splash().visible());
    EXPECT_FALSE(app.mainWindow().visible());
    // The splash window read the settings, creating the file with the defaults.
    EXPECT_TRUE(std::filesystem::exists(folder.path() / std::string(kSettingsFileName)));
    EXPECT_EQ(app.session().currentLevel, 1);

    app.splash().handOverDue();
    EXPECT_FALSE(app.splash().visible());
    EXPECT_FALSE(app.splash().animating());
    EXPECT_FALSE(app.splash().active());
    EXPECT_FALSE(app.session().loadBusy);
    EXPECT_TRUE(app.mainWindow().visible());
    EXPECT_FALSE(app.mainWindow().firstActivate());
    EXPECT_TRUE(nine.shown);
    EXPECT_EQ(app.mainWindow().toolbar().at(WindowAction::StepLevel).caption, "u");

    // Closing switches the screen back to the mode found at start.
    host.log.clear();
    app.mainWindow().unload();
    EXPECT_EQ(host.loggedWith("mode:"), std::vector<std::string>{"mode:1280x1024"});
}

TEST(StartupApplication, ARestartNeededEndsBeforeAnyWindow) {
    TempFolder folder;
    FakeHost host;
    host.screen = DisplayMode{1280, 1024, 32};
    host.yesNoAnswers = {true, true};
    host.displayChange = DisplayChange::NeedsRestart;
    Application app(host, folder.path());
    EXPECT_FALSE(app.start());
    EXPECT_FALSE(app.splash().visible());
    EXPECT_FALSE(std::filesystem::exists(folder.path() / std::string(kSettingsFileName)));
}

}  // namespace
}  // namespace quorvel::testing

namespace quorvel::testing {
namespace {

TEST(StartupApplication, RealGridWindowsOpenSwapAndCloseForGood) {
    TempFolder folder;
    FakeHost host;
    Application app(host, folder.path());
    ASSERT_TRUE(app.start());
    app.splash().handOverDue();
    GridWindow& nine = app.nineGrid();
    GridWindow& fifteen = app.fifteenGrid();
    EXPECT_TRUE(nine.loaded());
    EXPECT_TRUE(nine.shown());
    EXPECT_FALSE(fifteen.loaded());
    EXPECT_TRUE(app.mainWindow().isActiveChild(nine));
    EXPECT_EQ(app.mainWindow().caption(), "Quorvel V1.02 ");

    // Closing a grid window while the program runs shows the other kind instead.
    EXPECT_FALSE(nine.requestClose());
    EXPECT_TRUE(fifteen.shown());
    EXPECT_FALSE(nine.shown());
    EXPECT_TRUE(app.mainWindow().isActiveChild(fifteen));
    EXPECT_EQ(app.session().gridKindCode, 5);
    for (int number = 10; number <= 15; ++number) {
        EXPECT_TRUE(app.mainWindow().toolbar().number(number).visible);
    }

    host.aboutScripts.push_back([](AboutWindow& about) { about.exitAnswerClicked(0); });
    app.mainWindow().Quit();
    EXPECT_TRUE(nine.closed());
    EXPECT_TRUE(fifteen.closed());
    EXPECT_TRUE(host.logged("quit"));
}

}  // namespace
}  // namespace quorvel::testing
