#pragma once
// A loaded, shown and active grid window wired to a scripted host and main window, with key
// helpers that step the clock past the repeat guard.

#include <gtest/gtest.h>

#include "application/grid/dialog_exchange.h"
#include "application/grid/grid_window.h"
#include "model/program_state.h"
#include "support/fake_host.h"
#include "support/fake_main_window.h"

namespace quorvel::testing {

class GridWindowTest : public ::testing::Test {
  protected:
    static constexpr int kMainWidth = 9000;
    static constexpr int kMainHeight = 10000;

    void open(const GridKind& kind) {
        dialogs.connect(&mainWindow, {});
        window = std::make_unique<GridWindow>(
            kind, GridWindowContext{host, session, mainWindow, dialogs, entry});
        window->load(kMainWidth, kMainHeight);
        window->show();
        window->activate();
        window->focusCell(1);
    }

    // One key as the view hands it over: down (with its character) and up, 100 ms later.
    void press(int code, const std::string& text = "") {
        host.tick += 100;
        const int cell = window->focusedCell();
        window->cellKey(cell, {code, 0, text});
        window->cellKeyUp(window->focusedCell());
    }
    void type(const std::string& characters) {
        for (char c : characters)
            press(0, std::string(1, c));
    }
    const std::string& text(int cell) const { return window->board().cell(cell).text; }

    ProgramState session;
    FakeHost host;
    FakeMainWindow mainWindow{session};
    DialogExchange dialogs{host, session};
    CellEntryState entry;
    std::unique_ptr<GridWindow> window;
};

}  // namespace quorvel::testing
