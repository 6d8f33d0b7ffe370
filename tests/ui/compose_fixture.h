#pragma once
// The grid command fixture with the composing and text-file commands registered as the program
// registers them, a scripted pattern source, and helpers for the settings file and the cells.

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "create/random_source.h"
#include "storage/settings.h"
#include "ui/commands/compose_commands.h"
#include "ui/commands/text_file_commands.h"
#include "ui/grid/input_dialog.h"
#include "ui/grid_setup_fixture.h"

namespace quorvel::testing {

// Draws the queued cells first (k in 1..80 of the 9x9 pattern), then falls back to a fixed seed.
class ScriptedCells : public RandomSource {
  public:
    std::deque<int> cells;
    double uniform() override {
        if (cells.empty()) return fallback_.uniform();
        const int cell = cells.front();
        cells.pop_front();
        return (cell + 0.5) / 81.0;
    }

  private:
    SeededRandom fallback_{7};
};

struct ComposeFixture : GridCommandFixture {
    std::shared_ptr<ScriptedCells> random = std::make_shared<ScriptedCells>();
    std::vector<std::string> buttonPresses;

    ComposeFixture() {
        ComposingButtons buttons;
        buttons.columnUp = [this](int column, int button) {
            buttonPresses.push_back("C" + std::to_string(column) + "/" + std::to_string(button));
        };
        buttons.rowUp = [this](int row, int button) {
            buttonPresses.push_back("R" + std::to_string(row) + "/" + std::to_string(button));
        };
        registerComposeCommands(mainWindow, dialogs, nine, buttons, random);
        registerTextFileCommands(mainWindow, dialogs, [this] { return active(); });
    }

    // Set Puzzle menu items by index, through the main window's frame.
    static constexpr int kCreateMySudoku = 4;
    static constexpr int kStoreEffort = 6;
    static constexpr int kGetEffort = 7;
    static constexpr int kTestScreen = 13;
    static constexpr int kQuitCreate = 15;
    void setPuzzle(int index) { mainWindow.setPuzzleItemClicked(index); }

    // Answers the next "My Su Doku." dialog by typing `count` over the preset text.
    void answerExposed(const std::string& count) {
        host.dialogScripts.push_back([count](InputDialog& dialog) {
            for (char digit : count)
                dialog.answerKeyPress(std::string(1, digit));
            dialog.okClicked();
        });
    }

    Settings settingsFile() const { return LoadSettings(folder.path()).settings; }
    bool exposed(int cell) const {
        const CellView& view = nine.board().cell(cell);
        return view.backColour == kMarkedBack && view.foreColour == kGivenRed &&
               view.dataField == "15658929";
    }
    bool plain(int cell) const {
        const CellView& view = nine.board().cell(cell);
        return view.backColour == kPlainBack && view.dataField == "16777215";
    }
    std::vector<int> exposedCells() const {
        std::vector<int> cells;
        for (int cell = 1; cell <= 81; ++cell) {
            if (exposed(cell)) cells.push_back(cell);
        }
        return cells;
    }
    bool setPuzzleEnabled(int index) const {
        return mainWindow.menus().at({MenuArray::SetPuzzle, index}).enabled;
    }
};

}  // namespace quorvel::testing
