#include "storage/play_statistics.h"

#include <gtest/gtest.h>

#include "storage/data_file.h"
#include "storage_fixtures.h"

namespace quorvel {
namespace {

using PlayStatisticsFile = testing::TempFolderTest;

// Only a file this program wrote is taken: anything else is refused whole, not half read.
TEST(PlayStatistics, RefusesWhatItDidNotWrite) {
    const struct {
        const char* text;
        bool read;
    } cases[] = {
        {"QuorvelStatistics 1\n", true},
        {"QuorvelStatistics 1\r\n9 2 3 2 1 300 95\r\n15 0 1 0 0\r\n", true},
        {"QuorvelStatistics 1\n9 4 1 1 1 60\n", true},  // every game solved, without help
        {"", false},
        {"9 2 3 2 1 300 95\n", false},                       // no first line
        {"QuorvelStatistics 1\n9 2 3 2 1 300\n", false},     // two solved, one time
        {"QuorvelStatistics 1\n9 2 1 2 1 300 95\n", false},  // more solved than started
        {"QuorvelStatistics 1\n9 2 3 2 3 300 95\n", false},  // more without help than solved
        {"QuorvelStatistics 1\n8 2 1 0 0\n", false},         // no such grid
        {"QuorvelStatistics 1\n9 5 1 0 0\n", false},         // no such level
        {"QuorvelStatistics 1\n9 2 1 0 -1\n", false},
        {"QuorvelStatistics 1\n9 2 1 0 x\n", false},
        {"QuorvelStatistics 1\n9 2 1 0\n", false},
        {"QuorvelStatistics 1\n9 2 1 0 0\n9 2 1 0 0\n", false},  // the same level twice
    };
    for (const auto& c : cases)
        EXPECT_EQ(parsePlayStatistics(c.text).has_value(), c.read) << c.text;
}

TEST(PlayStatistics, BestAndMedianTimes) {
    const struct {
        std::vector<int> seconds;
        std::optional<int> best, median;
    } cases[] = {
        {{}, std::nullopt, std::nullopt},
        {{300}, 300, 300},
        {{500, 100, 300}, 100, 300},
        {{400, 100, 300, 200}, 100, 200},  // the lower of the two middle times
    };
    for (const auto& c : cases) {
        LevelStatistics level;
        level.solveSeconds = c.seconds;
        EXPECT_EQ(level.bestSeconds(), c.best);
        EXPECT_EQ(level.medianSeconds(), c.median);
    }
}

TEST_F(PlayStatisticsFile, ReadsBackWhatItWroteAndMovesAnUnreadableFileAside) {
    EXPECT_TRUE(loadPlayStatistics(folder()).statistics.empty());
    const PlayStatistics written = {{{9, 1}, {4, 2, 1, {610, 95}}}, {{15, 0}, {1, 0, 0, {}}}};
    ASSERT_FALSE(savePlayStatistics(folder(), written).has_value());
    LoadedStatistics loaded = loadPlayStatistics(folder());
    EXPECT_EQ(loaded.statistics, written);
    EXPECT_TRUE(loaded.movedAside.empty());

    ASSERT_FALSE(replaceFileAtomically(folder() / kStatisticsFileName, "garbage"));
    loaded = loadPlayStatistics(folder());
    EXPECT_TRUE(loaded.statistics.empty());
    EXPECT_EQ(loaded.movedAside.filename(), std::string(kStatisticsFileName) + ".unreadable");
    EXPECT_EQ(readFileBytes(loaded.movedAside), "garbage");
    EXPECT_FALSE(std::filesystem::exists(folder() / kStatisticsFileName));
}

}  // namespace
}  // namespace quorvel
