// The message line: a text whose trimmed form equals the one shown changes nothing; an
// unreadable settings file is reported there and kept.

#include "storage/data_file.h"
#include "storage/settings.h"
#include "ui/shell_fixture.h"

namespace quorvel::testing {
namespace {

using MainWindowMessage = ShellFixture;

TEST_F(MainWindowMessage, EqualTrimmedTextLeavesTheLineAlone) {
    struct Case {
        const char* shown;
        const char* written;
        Colour colour;
        bool changes;
    };
    const Case cases[] = {
        {"D  o  n  e   !", "D  o  n  e   !", colour::kRed, false},
        {"D  o  n  e   !", "  D  o  n  e   !  ", colour::kRed, false},
        {"Interrupted!", "Interrupted! Entries may be invalid", colour::kRed, true},
        {"", "   ", colour::kBlue, false},
        {"Reason : 1 Guess", "", colour::kWhite, true},
        {"a  b", "a b", colour::kBlue, true},  // inner blanks count
        {"x", "\tx", colour::kBlue, true},     // only blanks are trimmed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.written);
        MainWindow window(host, session, dialogs, folder.path());
        window.showMessage(c.shown, colour::kBlue, Alignment::Left);
        int events = host.processEventsCount;
        int notified = 0;
        window.subscribe([&](MainWindowChange change) {
            if (change == MainWindowChange::MessageLine) ++notified;
        });
        window.showMessage(c.written, c.colour, Alignment::Centre);
        EXPECT_EQ(notified, c.changes ? 1 : 0);
        EXPECT_EQ(host.processEventsCount - events, c.changes ? 1 : 0);
        EXPECT_EQ(window.messageLine().text, c.changes ? c.written : c.shown);
        EXPECT_EQ(window.messageLine().colour, c.changes ? c.colour : colour::kBlue);
        EXPECT_EQ(window.messageLine().alignment, c.changes ? Alignment::Centre : Alignment::Left);
    }
}

TEST_F(MainWindowMessage, UnreadableSettingsAreKeptAsideAndTheUserIsTold) {
    const std::filesystem::path file = folder.path() / std::string(kSettingsFileName);
    ASSERT_FALSE(replaceFileAtomically(file, "not settings\r\n"));
    mainWindow.loadSettings();
    EXPECT_TRUE(host.logged("notice:Quorvel"));
    EXPECT_EQ(mainWindow.messageLine().text,
              "DaDododa.pxz could not be read; kept as "
              "DaDododa.pxz.unreadable");
    EXPECT_EQ(readFileBytes(folder.path() / "DaDododa.pxz.unreadable"), "not settings\r\n");
    const LoadedSettings fresh = loadSettings(folder.path());
    EXPECT_TRUE(fresh.movedAside.empty());
    EXPECT_FALSE(fresh.error.has_value());
}

TEST_F(MainWindowMessage, SuspendedDrawingResumesOnlyOutsideLoading) {
    struct Case {
        DrawingMode mode;
        bool loadBusy;
        std::vector<bool> calls;
    };
    const Case cases[] = {
        {DrawingMode::Suspended, false, {true}},
        {DrawingMode::Suspended, true, {true}},
        {DrawingMode::Normal, false, {false}},
        {DrawingMode::Normal, true, {}},
    };
    for (const Case& c : cases) {
        host.freezeCalls.clear();
        session.loadBusy = c.loadBusy;
        mainWindow.setDrawingMode(c.mode);
        EXPECT_EQ(host.freezeCalls, c.calls) << static_cast<int>(c.mode) << c.loadBusy;
    }
}

}  // namespace
}  // namespace quorvel::testing
