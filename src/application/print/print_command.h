#pragma once
// The Puzzle Grid menu's Print: lays out the active grid window's puzzle and hands the page to
// the Host, which prints it on the default printer (or offers a PDF file when none exists).

#include "application/commands/grid_setup.h"  // ActiveGridWindow

namespace quorvel {

class Host;
class MainWindow;

void registerPrintCommand(MainWindow& mainWindow, Host& host, ActiveGridWindow activeGrid);

}  // namespace quorvel
