// The message line: a text whose trimmed form equals the one shown changes nothing; an
// unreadable settings or statistics file is reported there and kept.

#include "storage/data_file.h"
#include "storage/play_statistics.h"
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

TEST_F(MainWindowMessage, UnreadableFilesAreKeptAsideAndTheUserIsTold) {
    const struct {
        std::string_view file;
        const char* bytes;
    } cases[] = {
        {kSettingsFileName, "not settings\r\n"},
        {kStatisticsFileName, "QuorvelStatistics 1\n9 1 1 1 0\n"},  // a solved game, no time
    };
    for (const auto& c : cases) {
        const std::string name(c.file);
        SCOPED_TRACE(name);
        ASSERT_FALSE(replaceFileAtomically(folder.path() / name, c.bytes));
        host.log.clear();
        MainWindow window(host, session, dialogs, folder.path());
        window.loadSettings();
        EXPECT_TRUE(host.logged("notice:Quorvel"));
        EXPECT_EQ(window.messageLine().text,
                  name + " could not be read; kept as " + name + ".unreadable");
        EXPECT_EQ(readFileBytes(folder.path() / (name + ".unreadable")), c.bytes);
    }
    const LoadedSettings fresh = loadSettings(folder.path());
    EXPECT_TRUE(fresh.movedAside.empty());
    EXPECT_FALSE(fresh.error.has_value());
    EXPECT_TRUE(loadPlayStatistics(folder.path()).movedAside.empty());
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
