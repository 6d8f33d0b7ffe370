#include "program.h"

#include "create/random_source.h"
#include "ui/commands/compose_commands.h"
#include "ui/commands/database_commands.h"
#include "ui/commands/grid_setup.h"
#include "ui/commands/solve_menu.h"
#include "ui/commands/text_file_commands.h"
#include "ui/print/print_command.h"

#include <chrono>

namespace quorvel {

Program::Program(Host& host, std::filesystem::path programFolder)
    : application_(host, std::move(programFolder)),
      aids_(host, application_.mainWindow(), application_.dialogs(), application_.nineGrid(),
            [this] { return activeGrid(); }) {
    MDI1& main = application_.mainWindow();
    const ActiveGridWindow active = [this] { return activeGrid(); };
    registerGridSetupCommands(main, active);
    registerSolveMenuCommands(main, active);
    aids_.registerCommands();
    registerPrintCommand(main, host, active);
    // Generated puzzles differ from run to run.
    const auto seed =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    registerDatabaseCommands(main, application_.dialogs(), active,
                             std::make_shared<SeededRandom>(seed));
    // Test Screen presses the 9x9 window's row and column buttons.
    MarkingControls& controls = aids_.nineControls();
    ComposingButtons buttons;
    buttons.columnUp = [&controls](int column, int button) {
        controls.CBnDC_MouseUp(column, button);
    };
    buttons.rowUp = [&controls](int row, int button) { controls.CBnDR_MouseUp(row, button); };
    registerComposeCommands(main, application_.dialogs(), application_.nineGrid(), buttons);
    registerTextFileCommands(main, application_.dialogs(), active);
}

GridWindow* Program::activeGrid() {
    const GridChild* child = mainWindow().activeChild();
    if (child == &application_.nineChild()) return &application_.nineGrid();
    if (child == &application_.fifteenChild()) return &application_.fifteenGrid();
    return nullptr;
}

}  // namespace quorvel
