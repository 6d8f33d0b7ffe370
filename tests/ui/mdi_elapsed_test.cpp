// The elapsed time: ticking, banking on minimise, continuing after restore, and the activation
// and restart rules.

#include <filesystem>

#include "storage/settings.h"
#include "ui/shell_fixture.h"

namespace quorvel::testing {
namespace {

using MdiElapsed = ShellFixture;

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
        EXPECT_EQ(FormatElapsed(c.seconds * kSecondInDays), c.text);
}

TEST_F(MdiElapsed, TicksFromTheRestartPlusTheBankedTime) {
    loadAndActivate();
    mdi.RestartTimer();
    host.tick += 75 * kSecond;
    mdi.onTimer1();
    EXPECT_EQ(mdi.elapsedLabel(), "00:01:15");
    EXPECT_NEAR(session.elapsedShown, 75 * kSecondInDays, 1e-9);
    EXPECT_DOUBLE_EQ(mdi.ElapsedAtCompose(), 0);  // only kept while composing

    session.createMode = true;
    host.tick += kSecond;
    mdi.onTimer1();
    EXPECT_NEAR(mdi.ElapsedAtCompose(), 76 * kSecondInDays, 1e-9);

    mdi.setElapsedTimerRunning(false);
    host.tick += 10 * kSecond;
    mdi.onTimer1();
    EXPECT_EQ(mdi.elapsedLabel(), "00:01:16");
}

TEST_F(MdiElapsed, MinimiseBanksAndRestoreContinuesFromTheBankedTime) {
    loadAndActivate();
    mdi.RestartTimer();
    host.tick += 100 * kSecond;
    mdi.onTimer1();

    mdi.MDIForm_Resize(true);
    EXPECT_FALSE(mdi.elapsedTimerRunning());
    EXPECT_NEAR(session.bankedElapsed, 100 * kSecondInDays, 1e-9);
    EXPECT_TRUE(std::filesystem::exists(folder.path() / std::string(kSettingsFileName)));

    host.tick += 3600 * kSecond;  // time spent minimised does not count
    mdi.MDIForm_Resize(false);
    EXPECT_TRUE(mdi.elapsedTimerRunning());
    host.tick += 5 * kSecond;
    mdi.onTimer1();
    EXPECT_EQ(mdi.elapsedLabel(), "00:01:45");

    // A later resize that is not a restore keeps the time running on.
    host.tick += 5 * kSecond;
    mdi.MDIForm_Resize(false);
    mdi.onTimer1();
    EXPECT_EQ(mdi.elapsedLabel(), "00:01:50");
}

TEST_F(MdiElapsed, MinimiseWithTheTimerStoppedBanksNothing) {
    loadAndActivate();
    mdi.RestartTimer();
    host.tick += 30 * kSecond;
    mdi.onTimer1();
    mdi.setElapsedTimerRunning(false);  // e.g. a Set Puzzle command
    mdi.MDIForm_Resize(true);
    mdi.MDIForm_Resize(false);
    EXPECT_FALSE(mdi.elapsedTimerRunning());
    EXPECT_DOUBLE_EQ(session.bankedElapsed, 0);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / std::string(kSettingsFileName)));
}

TEST_F(MdiElapsed, ActivationStartsTheTimerOnlyWithTimeShown) {
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
        MDI1 window(host, session, dialogs, folder.path());
        session.elapsedShown = c.shown;
        session.bankedElapsed = c.banked;
        session.timerStart = c.timerStart;
        window.MDIForm_Activate();
        EXPECT_EQ(window.elapsedTimerRunning(), c.running) << c.shown;
        EXPECT_DOUBLE_EQ(session.elapsedShown, c.banked);
        EXPECT_DOUBLE_EQ(session.timerStart, c.startAfter);
    }
}

}  // namespace
}  // namespace quorvel::testing
