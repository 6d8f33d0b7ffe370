#pragma once
// A main window hosting the two real grid windows over a scripted Host and a temporary program
// folder, with the Set Puzzle grid commands registered, for the grid setup, Grade and Save and
// composing tests.

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "solver/solution_count.h"
#include "storage/data_file.h"
#include "storage/puzzle_database.h"
#include "ui/commands/grid_setup.h"
#include "ui/grid/cell_entry_state.h"
#include "ui/grid/grid_window.h"
#include "ui/shell/grid_child.h"
#include "ui/shell_fixture.h"

namespace quorvel::testing {

// Hosts a grid window in the main window as the program does.
class HostedWindow : public GridChild {
  public:
    explicit HostedWindow(GridWindow& window) : window_(window) {}
    std::string name() const override { return std::string(window_.name()); }
    bool is(const GridWindow& window) const override { return &window == &window_; }
    void showIn(int width, int height) override {
        if (!window_.loaded()) window_.load(width, height);
        window_.placeIn(width, height);
        window_.show();
        window_.activate();
    }
    void hide() override { window_.hide(); }
    void placeIn(int width, int height) override { window_.placeIn(width, height); }
    void setFrameColour(std::uint32_t colour) override {
        window_.board().setFrameColour(static_cast<int>(colour));
    }
    void unloadTips() override { window_.unloadTips(); }
    void refreshPossibilities() override { window_.refreshPossibilities(); }
    void setPanelVisible(bool visible) override { window_.setPanelVisible(visible); }
    void leaveFocusedCell() override { window_.leaveFocusedCell(); }
    void setComposingControlsVisible(bool) override {}
    void closeForExit() override { window_.requestClose(); }

  private:
    GridWindow& window_;
};

struct GridCommandFixture : ::testing::Test {
    TempFolder folder;
    FakeHost host;
    Session session;
    DialogExchange dialogs{host, session};
    MainWindow mainWindow{host, session, dialogs, folder.path()};
    CellEntryState entry;
    GridWindowContext context{host, session, mainWindow, dialogs, entry};
    GridWindow nine{kNineGrid, context};
    GridWindow fifteen{kFifteenGrid, context};
    HostedWindow nineChild{nine};
    HostedWindow fifteenChild{fifteen};
    std::vector<GridWindow*> restarted;  // histories started afresh

    GridCommandFixture() {
        mainWindow.setGrids(nineChild, fifteenChild);
        dialogs.connect(&mainWindow, {});
        mainWindow.setHistoryRestarter(
            [this](GridWindow& window) { restarted.push_back(&window); });
        registerGridSetupCommands(mainWindow, [this] { return active(); });
        mainWindow.load();
        mainWindow.activate();
    }

    GridWindow* active() {
        if (mainWindow.activeChild() == &nineChild) return &nine;
        if (mainWindow.activeChild() == &fifteenChild) return &fifteen;
        return nullptr;
    }
    // Opens the grid of `kind` as the Nine / Fifteen menu item does.
    GridWindow& open(const GridKind& kind) {
        mainWindow.openGrid(!(kind.isNine()));
        return *active();
    }
    // Puts a complete valid grid on the window.
    static void FillComplete(GridWindow& window, std::uint64_t seed) {
        std::mt19937_64 random(seed);
        const CellValues values = randomCompleteGrid(window.kind(), random);
        for (int cell = 1; cell <= window.kind().cellCount(); ++cell)
            window.setCellValue(cell, std::to_string(values[static_cast<std::size_t>(cell - 1)]));
    }
    static void Mark(GridWindow& window, const std::vector<int>& cells) {
        for (int cell : cells)
            window.board().setCellColours(cell, kEntryBlue, kMarkedBack);
    }
    std::vector<PuzzleRecord> records(const GridKind& kind) const {
        std::vector<PuzzleRecord> found;
        Result<Database> database = LoadDatabase(databaseFolder(folder.path()), kind);
        if (!database) return found;
        for (const FoundRecord& record : ReadableRecords(database.value()))
            found.push_back(record.record);
        return found;
    }
};

}  // namespace quorvel::testing
