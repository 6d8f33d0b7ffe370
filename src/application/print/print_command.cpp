#include "application/print/print_command.h"

#include "application/host.h"
#include "application/print/print_layout.h"
#include "application/shell/main_window.h"

namespace quorvel {

void registerPrintCommand(MainWindow& mainWindow, Host& host, ActiveGridWindow activeGrid) {
    mainWindow.commands().setAction(Command::Print, [&host, activeGrid = std::move(activeGrid)] {
        GridWindow* window = activeGrid();
        if (window == nullptr) return;
        // The printer output warns of a PDF it could not write and the scripted session stops
        // at that line; a page a printer refuses is the printing system's to report.
        static_cast<void>(host.printPage(layoutPrintPage(*window)));
    });
}

}  // namespace quorvel
