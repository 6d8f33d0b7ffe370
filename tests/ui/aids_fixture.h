#pragma once
// The program as the visual aids see it: the Application over a scripted Host and a temporary
// program folder, with the Set Puzzle grid commands and the visual aids registered.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "model/puzzle_board.h"
#include "model/puzzle_line.h"
#include "support/fake_host.h"
#include "ui/commands/grid_setup.h"
#include "ui/commands/visual_aid_commands.h"
#include "ui/grid/grid_window.h"
#include "ui/grid/input_dialog.h"
#include "ui/shell/application.h"

namespace quorvel::testing {

// A 9x9 puzzle with one solution, and the same grid with a cell or two filled in by hand.
inline constexpr const char* kNinePuzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

class AidsTest : public ::testing::Test {
  protected:
    AidsTest() {
        std::random_device seed;
        folder = std::filesystem::temp_directory_path() /
                 ("quorvel-aids-" + std::to_string(seed()) + "-" + std::to_string(seed()));
        std::filesystem::create_directories(folder);
        app = std::make_unique<Application>(host, folder);
        main().loadSettings();
        main().load();
        main().activate();
        aids = &app->aids();
    }
    ~AidsTest() override {
        app.reset();
        std::filesystem::remove_all(folder);
    }

    MainWindow& main() { return app->mainWindow(); }
    Session& session() { return app->session(); }
    GridWindow& grid() {
        return main().activeChild() == &app->fifteenChild() ? app->fifteenGrid() : app->nineGrid();
    }
    const CellView& cell(int number) { return grid().board().cell(number); }
    void openFifteen() { main().puzzleGridItemClicked(1); }

    // Puts the puzzle's givens into the active window and locks the grid.
    void load(const std::string& line) {
        const PuzzleLineResult parsed = parsePuzzleLine(line);
        ASSERT_TRUE(parsed.puzzle) << parsed.error;
        loadGivens(grid().board(), parsed.puzzle->values);
        lockGrid(grid(), main());
    }
    // Types `value` into `cell` and moves on, which commits it.
    void enter(int cell, const std::string& value) {
        grid().requestFocus(cell);
        for (char digit : value) {
            host.tick += 100;
            grid().cellKey(cell, {0, 0, std::string(1, digit)});
        }
        grid().requestFocus(cell == 1 ? 2 : 1);
    }

    void answerOk() {
        host.dialogScripts.push_back([this](InputDialog& dialog) {
            prompts.push_back(dialog.prompt());
            dialog.okClicked();
        });
    }
    void answerCancel() {
        host.dialogScripts.push_back([this](InputDialog& dialog) {
            prompts.push_back(dialog.prompt());
            dialog.cancelClicked();
        });
    }

    std::filesystem::path folder;
    FakeHost host;
    std::unique_ptr<Application> app;
    VisualAids* aids = nullptr;        // the application's
    std::vector<std::string> prompts;  // of every dialog answered by answerOk or answerCancel
};

}  // namespace quorvel::testing
