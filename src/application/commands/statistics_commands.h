#pragma once
// Help > Statistics... shows the games played on each grid and level; Help > Reset Statistics...
// asks first, then starts the record afresh.

namespace quorvel {

class Host;
class MainWindow;

void registerStatisticsCommands(MainWindow& mainWindow, Host& host);

}  // namespace quorvel
