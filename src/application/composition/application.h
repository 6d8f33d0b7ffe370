#pragma once
// The program as a whole: process-wide state, the input dialog's exchange, the start-up steps,
// the splash window, the main window and its two grid windows, and every menu and toolbar command
// registered in the main window's table. The Qt layer makes one, calls `start()` and shows what
// the windows' states say; core tests make one over a scripted Host.

#include <filesystem>
#include <string>
#include <utility>

#include "application/commands/visual_aid_commands.h"
#include "application/grid/cell_entry_state.h"
#include "application/grid/dialog_exchange.h"
#include "application/grid/grid_window.h"
#include "application/shell/grid_window_child.h"
#include "application/shell/main_window.h"
#include "application/shell/splash.h"
#include "application/shell/startup.h"
#include "model/program_state.h"

namespace quorvel {

class Application {
  public:
    Application(Host& host, std::filesystem::path programFolder);

    // The entry routine: the resolution question, then the splash window, which reads the
    // settings and starts its timers. False when the program must end at once.
    bool start();
    // The splash window's part of the start: it reads the settings and starts its timers.
    void openSplash();
    // A puzzle file named on the command line: it opens once the splash has gone, as Open
    // Puzzle File opens it, before the question about a kept game.
    void setStartFile(std::string file) { startFile_ = std::move(file); }

    ProgramState& session() { return session_; }
    DialogExchange& dialogs() { return dialogs_; }
    Startup& startup() { return startup_; }
    Splash& splash() { return splash_; }
    MainWindow& mainWindow() { return mainWindow_; }
    GridWindow& nineGrid() { return nineGrid_; }
    GridWindow& fifteenGrid() { return fifteenGrid_; }
    GridWindowChild& nineChild() { return nineChild_; }
    GridWindowChild& fifteenChild() { return fifteenChild_; }
    // The visual aids, the experimental run, Undo/Redo and the 9x9 marking controls.
    VisualAids& aids() { return aids_; }
    // The grid window the main window shows, or nullptr while none is open.
    GridWindow* activeGrid();

  private:
    void wireDialogServices();
    void registerCommands();

    Host& host_;
    std::filesystem::path programFolder_;
    std::string startFile_;
    ProgramState session_;
    DialogExchange dialogs_;
    Startup startup_;
    Splash splash_;
    MainWindow mainWindow_;
    CellEntryState cellEntry_;
    GridWindow nineGrid_;
    GridWindow fifteenGrid_;
    GridWindowChild nineChild_;
    GridWindowChild fifteenChild_;
    VisualAids aids_;
};

}  // namespace quorvel
