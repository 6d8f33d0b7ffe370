#include "storage/data_location.h"

#include <gtest/gtest.h>

#include <fstream>

#include "storage_fixtures.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using DataLocationTest = testing::TempFolderTest;

std::string contents(const fs::path& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void write(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

enum class Layout { Build, Installed, NotAFolder };

struct LocationCase {
    const char* name;
    Layout layout;
    const char* dataDir;      // below the test folder; "" for none
    const char* xdgDataHome;  // absolute values are below the test folder
    const char* home;
    const char* expected;  // the data folder below the test folder; "" when preparing fails
};

// Every way the data folder is chosen: the executable sits in prefix/bin (with
// prefix/share/quorvel/delivered when installed, or with shipped-data/ beside it as in a build).
TEST_F(DataLocationTest, ChoosesSeedsAndNeverOverwrites) {
    const LocationCase cases[] = {
        {"build folder", Layout::Build, "", "/xdg", "/home", "prefix/bin"},
        {"installed, XDG_DATA_HOME", Layout::Installed, "", "/xdg", "/home", "xdg/quorvel"},
        {"installed, no XDG_DATA_HOME", Layout::Installed, "", "", "/home",
         "home/.local/share/quorvel"},
        {"installed into the data home", Layout::Installed, "", "/prefix/share", "/home",
         "prefix/share/quorvel"},
        {"relative XDG_DATA_HOME ignored", Layout::Installed, "", "xdg", "/home",
         "home/.local/share/quorvel"},
        {"--data-dir over a build folder", Layout::Build, "mine/data", "/xdg", "/home",
         "mine/data"},
        {"--data-dir over an installed copy", Layout::Installed, "mine", "", "", "mine"},
        {"unusable program folder", Layout::NotAFolder, "", "/xdg", "/home", "xdg/quorvel"},
        {"no home at all", Layout::Installed, "", "", "", ""},
        {"data folder blocked by a file", Layout::Installed, "blocker", "/xdg", "/home", ""},
    };
    for (const LocationCase& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path root = folder() / c.name;
        const fs::path bin = root / "prefix" / "bin";
        const fs::path shipped = c.layout == Layout::Installed
                                     ? root / "prefix/share/quorvel/delivered"
                                     : bin / "shipped-data";
        for (const char* name : {"type3.pxz", "type5.pxz", "sudokuhelp.pxz"})
            write(shipped / name, std::string("shipped ") + name);
        if (c.layout == Layout::NotAFolder) write(root / "prefix/tool", "a file");
        write(root / "blocker", "a file");
        // The user already has puzzles of their own under another case of the name.
        write(root / "xdg/quorvel/Type3.pxz", "my puzzles");

        const auto below = [&](const char* path) {
            return *path == '/' ? (root / (path + 1)).string() : std::string(path);
        };
        const PreparedDataLocation prepared = prepareDataLocation(
            {c.layout == Layout::NotAFolder ? root / "prefix/tool" : bin,
             *c.dataDir ? root / c.dataDir : fs::path(), below(c.xdgDataHome), below(c.home)});
        if (!*c.expected) {
            EXPECT_FALSE(prepared.location);
            EXPECT_FALSE(prepared.error.empty());
            continue;
        }
        ASSERT_TRUE(prepared.location) << prepared.error;
        const fs::path data = root / c.expected;
        EXPECT_EQ(prepared.location->dataFolder, data);
        if (c.layout == Layout::NotAFolder) continue;
        EXPECT_EQ(prepared.location->shippedFolder, shipped);
        EXPECT_NE(prepared.location->shippedFolder, data);
        // The databases are there; the user's own file is untouched and not doubled.
        const bool usersFolder = data == root / "xdg/quorvel";
        EXPECT_EQ(contents(resolveDataFile(data, "type3.pxz")),
                  usersFolder ? "my puzzles" : "shipped type3.pxz");
        EXPECT_EQ(fs::exists(data / "type3.pxz"), !usersFolder);
        EXPECT_EQ(contents(data / "type5.pxz"), "shipped type5.pxz");
        EXPECT_FALSE(fs::exists(data / "sudokuhelp.pxz"));
    }
}

}  // namespace
}  // namespace quorvel
