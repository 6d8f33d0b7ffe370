#include "storage/settings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "storage/data_file.h"
#include "storage_fixtures.h"

namespace quorvel {
namespace {

using SettingsFile = testing::TempFolderTest;

TEST_F(SettingsFile, MissingFileGivesDefaultsAndIsCreated) {
    const LoadedSettings loaded = loadSettings(folder());
    EXPECT_FALSE(loaded.error.has_value());
    EXPECT_TRUE(loaded.created);
    EXPECT_EQ(loaded.settings, Settings{});
    EXPECT_EQ(loaded.settings.currentLevel, 1);
    EXPECT_EQ(loaded.settings.exposedCount, 28);
    EXPECT_EQ(loaded.settings.effortText, "28");
    EXPECT_TRUE(loaded.settings.showPossibilitiesTip && loaded.settings.showPossibilitiesPanel);
    EXPECT_EQ(readDataFile(folder() / "DaDododa.pxz"), formatSettings(Settings{}));
    EXPECT_FALSE(loadSettings(folder()).created);

    // A file holding only its final line break counts as missing too.
    ASSERT_FALSE(writeDataFile(folder() / "DaDododa.pxz", "").has_value());
    EXPECT_TRUE(loadSettings(folder()).created);
}

TEST_F(SettingsFile, EveryFieldSurvivesSaveAndLoad) {
    Settings settings;
    settings.reserved = {"a", "", "c"};
    settings.currentLevel = 4;
    settings.gradeLevel = 3;
    settings.exposedCount = 116;
    settings.effortText =
        ",5" + std::string(80, ',') + "#,5" + std::string(80, ',') + "#,L" + std::string(80, ',');
    settings.elapsedAtCompose = 0.0123456789;
    settings.storedGrids = {",1,2" + std::string(79, ','), "", std::string(81, ','), ",9"};
    settings.showPossibilitiesTip = false;
    settings.showPossibilitiesPanel = true;
    ASSERT_FALSE(saveSettings(folder(), settings).has_value());
    EXPECT_EQ(loadSettings(folder()).settings, settings);
}

TEST(Settings, TextHasFourteenFieldsEndingInSeparator) {
    const std::string text = formatSettings(Settings{});
    EXPECT_EQ(text, "^^^^^^1^^1^^28^^28^^0^^^^^^^^^^True^^True^^");
}

TEST(Settings, UnusableFieldsTakeDefaults) {
    const struct {
        const char* text;
        int currentLevel, gradeLevel, exposedCount;
        double elapsed;
        bool tip;
    } cases[] = {
        {"", 1, 1, 28, 0, true},
        {"^^^^^^2^^3^^30^^", 2, 3, 30, 0, true},
        {"^^^^^^x^^0^^-5^^^^abc^^^^^^^^^^False^^", 1, 1, 28, 0, false},
        {"^^^^^^5^^4^^226^^^^0.5^^^^^^^^^^true^^", 1, 4, 28, 0.5, true},
        {"^^^^^^3^^2^^1^^e^^1e400", 3, 2, 1, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const Settings settings = parseSettings(c.text);
        EXPECT_EQ(settings.currentLevel, c.currentLevel);
        EXPECT_EQ(settings.gradeLevel, c.gradeLevel);
        EXPECT_EQ(settings.exposedCount, c.exposedCount);
        EXPECT_EQ(settings.elapsedAtCompose, c.elapsed);
        EXPECT_EQ(settings.showPossibilitiesTip, c.tip);
    }
    EXPECT_EQ(parseSettings("^^^^^^1^^1^^28^^e^^").effortText, "e");
}

TEST(Settings, StrayCaretsNeverShiftFieldsWhenWrittenBack) {
    // A truncated file can leave a field ending in "^"; written back it must not merge with the
    // separator after it.
    Settings read = parseSettings("^^^^^^2^^3^^30^^effort^");
    ASSERT_EQ(read.effortText, "effort^");
    read.elapsedAtCompose = 0.5;
    const Settings again = parseSettings(formatSettings(read));
    EXPECT_EQ(again.effortText, "effort");
    EXPECT_EQ(again.elapsedAtCompose, 0.5);
    EXPECT_EQ(again.currentLevel, 2);
    EXPECT_TRUE(again.showPossibilitiesTip);
}

TEST_F(SettingsFile, UnreadableFileIsMovedAsideAndNothingWritten) {
    const auto file = folder() / "DaDododa.pxz";
    const struct {
        const char* what;
        std::function<void()> make;
        std::string keptAs;
    } cases[] = {
        {"cannot be read", [&] { std::filesystem::create_directories(file); },
         "DaDododa.pxz.unreadable"},
        {"not a settings text", [&] { std::ofstream(file, std::ios::binary) << "garbage\r\n"; },
         "DaDododa.pxz.unreadable-2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.make();
        const LoadedSettings loaded = loadSettings(folder());
        EXPECT_FALSE(loaded.error.has_value());
        EXPECT_FALSE(loaded.created);
        EXPECT_EQ(loaded.settings, Settings{});
        EXPECT_EQ(loaded.movedAside, folder() / c.keptAs);
        EXPECT_TRUE(std::filesystem::exists(folder() / c.keptAs));
        EXPECT_FALSE(std::filesystem::exists(file));
    }
    EXPECT_EQ(readFileBytes(folder() / "DaDododa.pxz.unreadable-2"), "garbage\r\n");
}

}  // namespace
}  // namespace quorvel
