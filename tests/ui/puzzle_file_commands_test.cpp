// Open Puzzle File and Paste Puzzle place the entries and notes a file holds beside its givens,
// and Save Puzzle As keeps what the file said about its puzzle while that puzzle is on the grid.

#include <gtest/gtest.h>

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
        return ReadPuzzleFile(folder / name).puzzles.at(0).info;
    };
    EXPECT_EQ(saved("kept.opensudoku"), (std::vector<PuzzleInfo>{{'A', "Anna"}, {'S', "a book"}}));
    main().runMenuItem(Command::BlankGrid);
    EXPECT_TRUE(saved("blank.sdk").empty());
}

}  // namespace
}  // namespace quorvel::testing
