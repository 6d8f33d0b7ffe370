// Open Puzzle File and Paste Puzzle place the entries and notes a file holds beside its givens,
// and Save Puzzle As keeps what the file said about its puzzle while that puzzle is on the grid.

#include <gtest/gtest.h>

#include "storage/data_file.h"
#include "storage/program_options.h"
#include "storage/puzzle_formats.h"
#include "ui/database_fixture.h"

namespace quorvel::testing {
namespace {

using PuzzleFileCommandsTest = WindowCommandsTest;

TEST_F(PuzzleFileCommandsTest, EntriesAndNotesArePlacedAndTheFilesInfoIsSavedWithItsPuzzle) {
    const std::string rows =
        "53..7....\n6..195...\n.98....6.\n8...6...3\n4..8.3..1\n7...2...6\n.6....28.\n"
        "...419..5\n....8..79\n";
    host.clipboard = "[Puzzle]\n#AAnna\n#S a book\n" + rows + "[State]\n534.7....\n" +
                     rows.substr(10) + "[PencilMarks]\n,,4,26,,,,,\n" + rows.substr(10);
    main().runMenuItem(Command::PastePuzzle);
    EXPECT_EQ(active().board().cell(3).text, "4");
    EXPECT_FALSE(active().board().cell(3).locked);
    // The marks of empty cells become notes; a cell without marks has none.
    EXPECT_EQ(active().storedNotes(4), (1u << 2) | (1u << 6));
    EXPECT_EQ(active().storedNotes(3) | active().storedNotes(6), 0);
    const auto saved = [this](const std::string& name) {
        host.fileChoices.push_back((folder / name).string());
        main().runMenuItem(Command::SavePuzzleAs);
        return readPuzzleFile(folder / name).puzzles.at(0).info;
    };
    EXPECT_EQ(saved("kept.opensudoku"), (std::vector<PuzzleInfo>{{'A', "Anna"}, {'S', "a book"}}));
    main().runMenuItem(Command::BlankGrid);
    EXPECT_TRUE(saved("blank.sdk").empty());
}

// Open Recent lists the files opened, the latest first, kept in the options file; a file that
// is gone is named when chosen and leaves the list.
TEST_F(PuzzleFileCommandsTest, OpenRecentListsTheFilesOpenedAndDropsOneThatIsGone) {
    const std::string puzzle =
        "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79\n";
    for (const char* name : {"a.txt", "b.txt"}) {
        ASSERT_FALSE(replaceFileAtomically(folder / name, puzzle).has_value());
        host.fileChoices.push_back((folder / name).string());
        main().runMenuItem(Command::OpenPuzzleFile);
    }
    const auto caption = [this](std::size_t place) {
        const MenuItem& item = main().menus().at(RecentFile{place});
        return item.visible ? item.caption : "";
    };
    EXPECT_EQ(caption(0) + "|" + caption(1) + "|" + caption(2), "&1 b.txt|&2 a.txt|");
    EXPECT_EQ(loadProgramOptions(settingsFolder(folder)).recentFiles,
              (std::vector<std::string>{(folder / "b.txt").string(), (folder / "a.txt").string()}));

    main().runMenuItem(Command::BlankGrid);
    main().menuChosen(RecentFile{1});
    EXPECT_EQ(active().board().cell(1).text, "5");
    EXPECT_EQ(caption(0), "&1 a.txt");

    std::filesystem::remove(folder / "b.txt");
    main().menuChosen(RecentFile{1});
    EXPECT_EQ(message(), "b.txt is no longer there: taken off Open Recent");
    EXPECT_EQ(caption(0) + "|" + caption(1), "&1 a.txt|");
    EXPECT_EQ(loadProgramOptions(settingsFolder(folder)).recentFiles,
              std::vector<std::string>{(folder / "a.txt").string()});
}

}  // namespace
}  // namespace quorvel::testing
