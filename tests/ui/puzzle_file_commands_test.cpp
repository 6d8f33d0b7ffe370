// Open Puzzle File, Save Puzzle As, Copy Puzzle, Copy Givens and Paste Puzzle through the Puzzle
// Grid menu: what is saved in each format opens again unchanged, the grid follows the puzzle's
// size, and text that is no puzzle changes nothing.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "model/puzzle_board.h"
#include "model/puzzle_line.h"
#include "ui/commands/puzzle_file_commands.h"
#include "ui/compose_fixture.h"

namespace quorvel::testing {
namespace {

constexpr int kOpen = 11;
constexpr int kSaveAs = 12;
constexpr int kCopy = 13;
constexpr int kCopyGivens = 14;
constexpr int kPaste = 15;

const std::string kEasy =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

struct PuzzleFileTest : ComposeFixture {
    PuzzleFileTest() {
        registerPuzzleFileCommands(mainWindow, dialogs, [this] { return active(); });
    }
    std::string file(const std::string& name) const { return (folder.path() / name).string(); }
    std::string shownLine() {
        const GridWindow& window = *active();
        return formatPuzzleLine(window.kind(), shownValues(window.board()));
    }
    int lockedCount() {
        int locked = 0;
        for (int cell = 1; cell <= active()->kind().cellCount(); ++cell)
            locked += active()->board().cell(cell).locked ? 1 : 0;
        return locked;
    }
    void paste(const std::string& text) {
        host.clipboard = text;
        mainWindow.puzzleGridItemClicked(kPaste);
    }
};

TEST_F(PuzzleFileTest, EveryFormatSavedOpensAgainUnchangedOnBothGrids) {
    std::string fifteen(225, '.');
    for (std::size_t i = 0; i < fifteen.size(); i += 4)
        fifteen[i] = "123456789ABCDEF"[i % 15];
    for (const std::string& puzzle : {kEasy, fifteen}) {
        paste(puzzle);
        ASSERT_EQ(shownLine(), puzzle);
        EXPECT_EQ(active()->kind().cellCount(), static_cast<int>(puzzle.size()));
        EXPECT_EQ(lockedCount(),
                  static_cast<int>(puzzle.size() - std::count(puzzle.begin(), puzzle.end(), '.')));
        for (const std::string suffix : {".txt", ".sdk", ".SS", ".opensudoku", ""}) {
            const std::string name = std::to_string(puzzle.size()) + suffix;
            paste(puzzle);
            host.fileChoices.push_back(file(name));
            mainWindow.puzzleGridItemClicked(kSaveAs);
            if (name == "225.opensudoku") {
                EXPECT_FALSE(std::filesystem::exists(file(name)));
                continue;
            }
            paste(std::string(puzzle.size(), '.'));
            host.fileChoices.push_back(file(suffix.empty() ? name + ".txt" : name));
            mainWindow.puzzleGridItemClicked(kOpen);
            EXPECT_EQ(shownLine(), puzzle) << name;
        }
    }
    EXPECT_EQ(mainWindow.messageLine().text, "225.opensudoku: opensudoku holds 9 x 9 puzzles only");
}

TEST_F(PuzzleFileTest, CopyTakesEntriesOrGivensAndBadTextChangesNothing) {
    paste(kEasy);
    active()->setCellValue(3, "4");
    mainWindow.puzzleGridItemClicked(kCopy);
    EXPECT_EQ(host.clipboard, "534" + kEasy.substr(3));
    mainWindow.puzzleGridItemClicked(kCopyGivens);
    EXPECT_EQ(host.clipboard, kEasy);

    paste(kEasy.substr(1) + "\n");
    EXPECT_EQ(mainWindow.messageLine().text, "Clipboard: line 1: 80 cells, expected 81");
    EXPECT_EQ(shownLine(), "534" + kEasy.substr(3));

    std::string prompt;
    host.dialogScripts.push_back([&prompt](InputDialog& dialog) {
        prompt = dialog.prompt();
        dialog.answerKeyPress("2");
        dialog.okClicked();
    });
    paste("# two\n" + std::string(81, '.') + "\n" + kEasy + "\n");
    EXPECT_EQ(prompt, "Puzzle Number?   (1 ~ 2)");
    EXPECT_EQ(shownLine(), kEasy);
}

}  // namespace
}  // namespace quorvel::testing
