// The help window: reading the help file, the layout thresholds, the scrolling switch and the
// geometry kept for the run.

#include "application/shell/help_window.h"
#include "storage/data_file.h"
#include "storage/data_location.h"
#include "ui/shell_fixture.h"

namespace quorvel::testing {
namespace {

using HelpTest = ShellFixture;

// The delivered help wins over a copy in the program folder; without any nothing shows, and
// neither blocks the solve commands.
TEST_F(HelpTest, ShowsTheHelpFileBesideTheMainWindow) {
    const std::filesystem::path shipped = folder.path() / "share";
    std::filesystem::create_directories(shipped);
    loadAndActivate();
    HelpWindow& help = mainWindow.helpWindow();
    for (const char* file : {"", "Type digits.", "Delivered help."}) {
        SCOPED_TRACE(file);
        if (file == std::string("Type digits.")) {
            ASSERT_FALSE(writeDataFile(folder.path() / HelpWindow::kHelpFileName, file));
        } else if (*file != 0) {
            ASSERT_FALSE(writeDataFile(shipped / HelpWindow::kHelpFileName, file));
            mainWindow.setShippedFolder(shipped);
        }
        mainWindow.showMessage("old", colour::kBlue, Alignment::Left);
        mainWindow.runMenuItem(WindowAction::GeneralHelp);
        EXPECT_EQ(help.visible(), *file != 0);
        EXPECT_FALSE(session.loadBusy);
        EXPECT_FALSE(mainWindow.databaseBusy());
        if (*file == 0) continue;
        EXPECT_EQ(help.text(), file);
        EXPECT_EQ(mainWindow.messageLine().text, "");
        EXPECT_EQ(help.geometry().width, mainWindow.widthTwips());
        EXPECT_EQ(help.geometry().left, 0);
        EXPECT_FALSE(help.scrolling());
        EXPECT_EQ(help.dataFolderNote(), dataFolderNote(folder.path()));
        help.unload();
    }
}

TEST_F(HelpTest, OpensAgainstTheMainWindowWhollyInsideTheWorkAreaTitleBarIncluded) {
    ASSERT_FALSE(writeDataFile(folder.path() / HelpWindow::kHelpFileName, "Type digits."));
    // Frames 4 px wide with a 30 px title bar; the expected places are the inside, in twips.
    const auto placed = [](ScreenRect frame, ScreenRect area) {
        return WindowPlacement{
            {frame.left + 4, frame.top + 30, frame.width - 8, frame.height - 34}, frame, area};
    };
    const ScreenRect screen{0, 0, 1024, 768};
    const struct {
        const char* what;
        WindowPlacement place;
        TwipsRect expected;
    } cases[] = {
        {"fits", placed({0, 0, 600, 720}, screen), {60, 450, 8880, 10290}},
        {"too low", placed({100, 50, 600, 760}, screen), {1560, 570, 8880, 10890}},
        {"off the right", placed({700, 0, 600, 700}, screen), {6420, 450, 8880, 9990}},
        {"panel on top", placed({0, 0, 600, 720}, {0, 40, 1024, 728}), {60, 1050, 8880, 10290}},
        {"too big", placed({-50, -40, 1100, 900}, screen), {60, 450, 15240, 11010}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        host.placement = c.place;
        MainWindow main(host, session, dialogs, folder.path());  // a new run: no place remembered
        HelpWindow& help = main.helpWindow();
        main.runMenuItem(WindowAction::GeneralHelp);
        EXPECT_EQ(help.geometry(), c.expected);
        help.moved(-3000, -2000);  // left off the screen, remembered so
        help.unload();
        main.runMenuItem(WindowAction::GeneralHelp);
        EXPECT_EQ(help.geometry().left, 60);
        EXPECT_EQ(help.geometry().top, c.place.workArea.top * 15 + 450);
    }
}

TEST_F(HelpTest, LayoutKeepsTheTextBoxBelowTheThresholds) {
    // Inner height = height - 15 * 23 - 60 * 4 = height - 585 with the fake metrics.
    struct Case {
        int width;
        int height;
        TwipsRect frame;
        int boxWidth;
        int boxHeight;
    };
    const Case cases[] = {
        {6000, 5000, {50, 50, 5775, 4385}, 5220, 3485},
        {400, 5000, {50, 50, 175, 4385}, 5220, 3485},   // too narrow: width kept
        {6000, 1200, {50, 50, 5775, 585}, 5220, 3485},  // too low: height kept
        {600, 5000, {50, 50, 375, 4385}, 5220, 3485},   // would be negative: kept
        {100, 300, {50, 50, 125, 315}, 5220, 3485},     // negative sizes taken as absolute
        {3000, 2000, {50, 50, 2775, 1385}, 2220, 485},
    };
    HelpWindow help(host, session);
    help.show("short", {{0, 0, 9000, 10000}, {}, {}});
    for (const Case& c : cases) {
        help.resized(c.width, c.height);
        SCOPED_TRACE(::testing::Message() << c.width << "x" << c.height);
        EXPECT_EQ(help.frame(), c.frame);
        EXPECT_EQ(help.panel().width, c.frame.width - 100);
        EXPECT_EQ(help.textBox().width, c.boxWidth);
        EXPECT_EQ(help.textBox().height, c.boxHeight);
        EXPECT_EQ(help.fontButtonsRight(), 200 + c.boxWidth);
    }
}

TEST_F(HelpTest, LargeFontScrollsWhenTheTextNoLongerFitsAndTheRunKeepsPlaceSizeAndFont) {
    // 10 lines: 180 twips a line at 9 points (1800 high), 240 at 12 points (2400 high).
    host.measure = [](const std::string&, const std::string&, int points, int) {
        return TextMeasure{10, points * 20};
    };
    HelpWindow help(host, session);
    help.show("ten lines",
              {{0, 0, 9000, 3000}, {}, {}});  // box height 3000 - 585 - 30 - 900 = 1485
    help.resized(9000, 3600);                 // box height 2085
    EXPECT_FALSE(help.scrolling());
    help.fontButtonClicked(1);
    EXPECT_EQ(help.fontPoints(), 12);
    EXPECT_TRUE(help.scrolling());
    help.fontButtonClicked(0);
    EXPECT_FALSE(help.scrolling());

    // Place, size and font are remembered for the run; a new window object starts afresh.
    help.moved(1500, 300);
    help.resized(5000, 6000);
    help.fontButtonClicked(1);
    help.unload();
    EXPECT_EQ(help.rememberedGeometry(), "1500,300,5000,6000,12");
    EXPECT_FALSE(help.visible());
    help.show("text", {{0, 0, 9000, 10000}, {}, {}});
    EXPECT_EQ(help.geometry(), (TwipsRect{1500, 300, 5000, 6000}));
    EXPECT_EQ(help.fontPoints(), 12);
    HelpWindow fresh(host, session);
    fresh.show("text", {{0, 0, 9000, 10000}, {}, {}});
    EXPECT_EQ(fresh.geometry(), (TwipsRect{0, 0, 9000, 10000}));
}

}  // namespace
}  // namespace quorvel::testing
