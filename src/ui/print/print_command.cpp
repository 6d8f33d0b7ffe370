#include "ui/print/print_command.h"

#include "ui/host.h"
#include "ui/print/print_layout.h"
#include "ui/shell/mdi1.h"

namespace quorvel {

void registerPrintCommand(MDI1& mainWindow, Host& host, ActiveGridWindow activeGrid) {
    mainWindow.commands().setAction(Command::Print, [&host, activeGrid = std::move(activeGrid)] {
        GridWindow* window = activeGrid();
        if (window == nullptr) return;
        host.printPage(PrintF(*window));
    });
}

}  // namespace quorvel
