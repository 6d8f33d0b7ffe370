#include "ui/print/print_command.h"

#include "ui/host.h"
#include "ui/print/print_layout.h"
#include "ui/shell/main_window.h"

namespace quorvel {

void registerPrintCommand(MainWindow& mainWindow, Host& host, ActiveGridWindow activeGrid) {
    mainWindow.commands().setAction(Command::Print, [&host, activeGrid = std::move(activeGrid)] {
        GridWindow* window = activeGrid();
        if (window == nullptr) return;
        host.printPage(layoutPrintPage(*window));
    });
}

}  // namespace quorvel
