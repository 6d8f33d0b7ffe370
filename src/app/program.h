#pragma once
// The whole program put together: the Application (main window, splash, dialogs and the two grid
// windows) with the commands of the menus registered in the main window's table.

#include "ui/commands/visual_aid_commands.h"
#include "ui/shell/application.h"

#include <filesystem>

namespace quorvel {

class Program {
  public:
    Program(Host& host, std::filesystem::path programFolder);

    Application& application() { return application_; }
    MDI1& mainWindow() { return application_.mainWindow(); }
    // The visual aids, the experimental run, Undo/Redo and the marking controls.
    VisualAids& aids() { return aids_; }

  private:
    GridWindow* activeGrid();

    Application application_;
    VisualAids aids_;
};

}  // namespace quorvel
