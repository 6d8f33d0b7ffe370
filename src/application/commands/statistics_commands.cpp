#include "application/commands/statistics_commands.h"

#include "application/grid/message_dialog.h"
#include "application/shell/main_window.h"

namespace quorvel {

namespace {

constexpr const char* kStatisticsTitle = "Statistics";

}  // namespace

void registerStatisticsCommands(MainWindow& mainWindow, Host& host) {
    CommandTable& table = mainWindow.commands();
    table.setAction(Command::ShowStatistics, [&mainWindow, &host] {
        std::string text;
        for (const std::string& line : statisticsLines(mainWindow.statistics().record()))
            text += (text.empty() ? "" : "\n") + line;
        showNotice(host, kStatisticsTitle, text);
    });
    table.setAction(Command::ResetStatistics, [&mainWindow, &host] {
        if (!askYesNo(host, kStatisticsTitle,
                      "Forget every game counted so far, on both grids and all levels?"))
            return;
        if (FileStatus error = mainWindow.statistics().reset()) {
            mainWindow.showMessage(error->message(), colour::kRed, Alignment::Centre);
            return;
        }
        mainWindow.showMessage("Statistics reset.", colour::kBlue, Alignment::Centre);
    });
}

}  // namespace quorvel
