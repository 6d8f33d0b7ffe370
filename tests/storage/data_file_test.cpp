#include "storage/data_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <fstream>

#include "storage_fixtures.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using DataFile = testing::TempFolderTest;

std::size_t filesIn(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

TEST_F(DataFile, EmptyAndMissingFilesReadAsEmpty) {
    const fs::path path = folder() / "empty.pxz";
    ASSERT_FALSE(writeDataFile(path, "").has_value());
    EXPECT_EQ(readFileBytes(path), "\r\n");
    EXPECT_EQ(readDataFile(path), "");
    std::string text = "old";
    EXPECT_FALSE(transferTextFile(text, folder() / "none.pxz", TextFileMode::ReadRaw).has_value());
    EXPECT_EQ(text, "");
}

TEST_F(DataFile, OverwritingLongerFileLeavesNoRemainder) {
    const fs::path path = folder() / "type3.pxz";
    ASSERT_FALSE(writeDataFile(path, std::string(5000, 'x')).has_value());
    ASSERT_FALSE(writeDataFile(path, "short").has_value());
    EXPECT_EQ(readDataFile(path), "short");
    EXPECT_EQ(filesIn(folder()), 1u);  // no temporary file left behind
}

TEST_F(DataFile, NamesMatchWithoutRegardToCase) {
    std::ofstream(folder() / "Type3.pxz") << "x";
    EXPECT_EQ(resolveDataFile(folder(), "type3.pxz"), folder() / "Type3.pxz");
    EXPECT_EQ(resolveDataFile(folder(), "TYPE3.PXZ"), folder() / "Type3.pxz");
    EXPECT_EQ(resolveDataFile(folder(), "type5.pxz"), folder() / "type5.pxz");
    std::ofstream(folder() / "type3.pxz") << "y";  // an exact match wins over a case variant
    EXPECT_EQ(resolveDataFile(folder(), "type3.pxz"), folder() / "type3.pxz");
}

TEST_F(DataFile, InterruptedSaveLeavesOldFileIntact) {
    const fs::path path = folder() / "type5.pxz";
    ASSERT_FALSE(writeDataFile(path, "old content").has_value());

    // A file-size limit makes the write fail part way, as a full disk would.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileStatus failed = writeDataFile(path, std::string(100000, 'n'));
    setrlimit(RLIMIT_FSIZE, &saved);

    ASSERT_TRUE(failed.has_value());
    EXPECT_EQ(failed->file, path);
    EXPECT_EQ(readDataFile(path), "old content");
    EXPECT_EQ(filesIn(folder()), 1u);
}

}  // namespace
}  // namespace quorvel
