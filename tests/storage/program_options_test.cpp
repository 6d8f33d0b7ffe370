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
        EXPECT_EQ(ParseProgramOptions(c.text).uniquePuzzlesOnly, c.uniquePuzzlesOnly) << c.text;
    EXPECT_FALSE(ParseProgramOptions("RemoveNotesOnEntry=False").removeNotesOnEntry);
}

TEST_F(ProgramOptionsFile, SurvivesSaveAndLoadBesideTheSettings) {
    EXPECT_EQ(LoadProgramOptions(folder()), ProgramOptions{});
    for (const bool unique : {false, true}) {
        ProgramOptions options;
        options.uniquePuzzlesOnly = unique;
        ASSERT_FALSE(SaveProgramOptions(folder(), options).has_value());
        EXPECT_EQ(LoadProgramOptions(folder()), options);
    }
    EXPECT_FALSE(SaveProgramOptions(folder() / "missing" / "folder", {}) == std::nullopt);
}

}  // namespace
}  // namespace quorvel
