// The elapsed time where a session script cannot reach it: its format, the time kept while
// composing, minimising with the timer stopped, and the activation rule.

#include <filesystem>

#include "storage/settings.h"
#include "ui/shell_fixture.h"

namespace quorvel::testing {
namespace {

using MainWindowElapsed = ShellFixture;

constexpr std::int64_t kSecond = 1000;
constexpr double kSecondInDays = 1.0 / 86400;

TEST(ElapsedFormat, HoursMinutesSeconds) {
    struct Case {
        double seconds;
        const char* text;
    };
    const Case cases[] = {
        {0, "00:00:00"},     {59.4, "00:00:59"},  {59.6, "00:01:00"}, {3661, "01:01:01"},
        {86399, "23:59:59"}, {90000, "25:00:00"}, {-5, "00:00:00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatElapsed(c.seconds * kSecondInDays), c.text);
}

// Ticking, Pause Timer and restoring are in tests/session/elapsed.script; here the time kept
// while composing, and a resize that is no restore.
TEST_F(MainWindowElapsed, ComposingKeepsTheTimeAndOnlyARestoreResumes) {
    loadAndActivate();
    mainWindow.restartElapsedTime();
    host.tick += 75 * kSecond;
    mainWindow.elapsedTick();
    EXPECT_DOUBLE_EQ(mainWindow.elapsedAtCompose(), 0);  // only kept while composing
    session.createMode = true;
    host.tick += kSecond;
    mainWindow.elapsedTick();
    EXPECT_NEAR(mainWindow.elapsedAtCompose(), 76 * kSecondInDays, 1e-9);

    mainWindow.resize(true);
    EXPECT_TRUE(std::filesystem::exists(folder.path() / std::string(kSettingsFileName)));
    mainWindow.resize(false);
    host.tick += 5 * kSecond;
    mainWindow.resize(false);  // not a restore: the time runs on from the restore
    mainWindow.elapsedTick();
    EXPECT_EQ(mainWindow.elapsedLabel(), "00:01:21");
}

TEST_F(MainWindowElapsed, MinimiseWithTheTimerStoppedBanksNothing) {
    loadAndActivate();
    mainWindow.restartElapsedTime();
    host.tick += 30 * kSecond;
    mainWindow.elapsedTick();
    mainWindow.setElapsedTimerRunning(false);  // e.g. a Set Puzzle command
    mainWindow.resize(true);
    mainWindow.resize(false);
    EXPECT_FALSE(mainWindow.elapsedTimerRunning());
    EXPECT_DOUBLE_EQ(session.bankedElapsed, 0);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / std::string(kSettingsFileName)));
}

TEST_F(MainWindowElapsed, ActivationStartsTheTimerOnlyWithTimeShown) {
    struct Case {
        double shown;
        double banked;
        double timerStart;
        bool running;
        double startAfter;
    };
    const std::int64_t now = host.tick;
    const Case cases[] = {
        {0, 0, 0, false, static_cast<double>(now)},
        {0.01, 0.005, 500, true, 500},
        {0, 0.02, 700, false, 700},
    };
    for (const Case& c : cases) {
        MainWindow window(host, session, dialogs, folder.path());
        session.elapsedShown = c.shown;
        session.bankedElapsed = c.banked;
        session.timerStart = c.timerStart;
        window.activate();
        EXPECT_EQ(window.elapsedTimerRunning(), c.running) << c.shown;
        EXPECT_DOUBLE_EQ(session.elapsedShown, c.banked);
        EXPECT_DOUBLE_EQ(session.timerStart, c.startAfter);
    }
}

}  // namespace
}  // namespace quorvel::testing
