#pragma once
// A main window over a scripted Host, two scripted grid windows and a temporary program folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "application/grid/dialog_exchange.h"
#include "application/shell/grid_child.h"
#include "application/shell/main_window.h"
#include "model/program_state.h"
#include "support/fake_host.h"

namespace quorvel::testing {

// Records what the main window asked of a grid window.
class FakeChild : public GridChild {
  public:
    explicit FakeChild(std::string name) : name_(std::move(name)) {}

    std::string name() const override { return name_; }
    bool is(const GridWindow&) const override { return false; }
    void showIn(int, int) override {
        shown = true;
        calls.push_back("show");
    }
    void hide() override {
        shown = false;
        calls.push_back("hide");
    }
    void placeIn(int, int) override { calls.push_back("place"); }
    void setFrameColour(Colour colour) override { frameColour = colour; }
    void unloadTips() override { calls.push_back("unloadTips"); }
    void refreshPossibilities() override {}
    void setPanelVisible(bool) override {}
    void leaveFocusedCell() override {}
    void setComposingControlsVisible(bool visible) override { composing = visible; }
    void closeForExit() override { calls.push_back("closeForExit"); }

    bool shown = false;
    bool composing = false;
    Colour frameColour = 0xFFFFFFFF;
    std::vector<std::string> calls;

  private:
    std::string name_;
};

// A fresh temporary folder per test, removed afterwards.
class TempFolder {
  public:
    TempFolder() {
        // Random, not the test's name: the same test may run in several builds at once.
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() /
                ("quorvel-shell-" + std::to_string(seed()) + "-" + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

struct ShellFixture : ::testing::Test {
    TempFolder folder;
    FakeHost host;
    ProgramState session;
    DialogExchange dialogs{host, session};
    FakeChild nine{"NineGrid"};
    FakeChild fifteen{"FifteenGrid"};
    MainWindow mainWindow{host, session, dialogs, folder.path()};
    std::vector<MainWindowChange> changes;

    ShellFixture() {
        mainWindow.setGrids(nine, fifteen);
        dialogs.connect(&mainWindow, {});
        mainWindow.subscribe([this](MainWindowChange change) { changes.push_back(change); });
    }

    // The main window as the splash window leaves it: loaded and activated once.
    void loadAndActivate() {
        mainWindow.load();
        mainWindow.activate();
        host.log.clear();
        changes.clear();
    }

    const ToolButton& button(const Target& target) const { return mainWindow.toolbar().at(target); }
    const ToolButton& number(int number) const { return mainWindow.toolbar().number(number); }
    const MenuItem& item(const Target& target) const { return mainWindow.menus().at(target); }
    const MenuItem& title(Menu menu) const { return *mainWindow.menus().title(menu); }
};

}  // namespace quorvel::testing
