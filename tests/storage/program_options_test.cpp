#include "storage/program_options.h"

#include <gtest/gtest.h>

#include "storage/data_file.h"
#include "storage_fixtures.h"

namespace quorvel {
namespace {

using ProgramOptionsFile = testing::TempFolderTest;

TEST(ProgramOptions, UnusableLinesKeepTheDefault) {
    const struct {
        const char* text;
        bool uniquePuzzlesOnly;
    } cases[] = {
        {"", true},
        {"UniquePuzzlesOnly=False\n", false},
        {"Other=1\r\nUniquePuzzlesOnly=False\r\n", false},
        {"UniquePuzzlesOnly=no\n", true},
        {"UniquePuzzlesOnly False\nUniquePuzzlesOnly=\n", true},
        {"uniquepuzzlesonly=False", true},
        {"RemoveNotesOnEntry=False\n", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseProgramOptions(c.text).uniquePuzzlesOnly, c.uniquePuzzlesOnly) << c.text;
    EXPECT_FALSE(parseProgramOptions("RemoveNotesOnEntry=False").removeNotesOnEntry);
}

// Zoom and Theme take only the sizes and looks the menu offers.
TEST(ProgramOptions, AppearanceLines) {
    const struct {
        const char* text;
        int zoomPercent;
        Theme theme;
    } cases[] = {
        {"", 100, Theme::Classic},
        {"Zoom=150\nTheme=Dark\n", 150, Theme::Dark},
        {"Zoom=200\r\nTheme=Follow Desktop\r\n", 200, Theme::FollowDesktop},
        {"Zoom=175\nTheme=dark\n", 100, Theme::Classic},
        {"Zoom=\nTheme=\n", 100, Theme::Classic},
    };
    for (const auto& c : cases) {
        const ProgramOptions options = parseProgramOptions(c.text);
        EXPECT_EQ(options.zoomPercent, c.zoomPercent) << c.text;
        EXPECT_EQ(options.theme, c.theme) << c.text;
        EXPECT_EQ(parseProgramOptions(formatProgramOptions(options)), options);
    }
}

// Open Recent: the latest first, each file once, eight at most, read back as written; a file
// written before the list existed (no RecentFile line) reads as an empty list.
TEST(ProgramOptions, RecentFilesKeepTheirOrderAndLimit) {
    std::vector<std::string> files;
    for (const char* file : {"a.sdk", "b.ss", "a.sdk", "", "bad\nname.txt"})
        addRecentFile(files, file);
    EXPECT_EQ(files, (std::vector<std::string>{"a.sdk", "b.ss"}));
    for (int index = 1; index <= 9; ++index)
        addRecentFile(files, "/p/" + std::to_string(index) + ".sdk");
    ASSERT_EQ(files.size(), kMostRecentFiles);
    EXPECT_EQ(files.front(), "/p/9.sdk");
    EXPECT_EQ(files.back(), "/p/2.sdk");

    ProgramOptions options;
    options.recentFiles = files;
    EXPECT_EQ(parseProgramOptions(formatProgramOptions(options)), options);
    EXPECT_TRUE(parseProgramOptions("UniquePuzzlesOnly=False\n").recentFiles.empty());
    EXPECT_EQ(
        parseProgramOptions("RecentFile=x.sdk\r\nRecentFile=\nRecentFile=x.sdk\n").recentFiles,
        std::vector<std::string>{"x.sdk"});
}

// The optional techniques turned on: one line each, read back once each in their order; a file
// without such lines turns none on.
TEST(ProgramOptions, OptionalTechniquesReadBackAsWritten) {
    ProgramOptions options;
    options.optionalTechniques = {"ALS-AIC", "ALS Continuous Nice Loop"};
    options.recentFiles = {"a.sdk"};
    const std::string text = formatProgramOptions(options);
    EXPECT_NE(text.find("Technique=ALS-AIC\nTechnique=ALS Continuous Nice Loop\nRecentFile="),
              std::string::npos);
    EXPECT_EQ(parseProgramOptions(text), options);
    EXPECT_EQ(parseProgramOptions("Technique=X\nTechnique=\nTechnique=X\n").optionalTechniques,
              std::vector<std::string>{"X"});
    EXPECT_TRUE(formatProgramOptions({}).find("Technique") == std::string::npos);
}

TEST_F(ProgramOptionsFile, SurvivesSaveAndLoadBesideTheSettings) {
    EXPECT_EQ(loadProgramOptions(folder()), ProgramOptions{});
    for (const bool unique : {false, true}) {
        ProgramOptions options;
        options.uniquePuzzlesOnly = unique;
        ASSERT_FALSE(saveProgramOptions(folder(), options).has_value());
        EXPECT_EQ(loadProgramOptions(folder()), options);
    }
    EXPECT_FALSE(saveProgramOptions(folder() / "missing" / "folder", {}) == std::nullopt);
}

}  // namespace
}  // namespace quorvel
