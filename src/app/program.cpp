#include "program.h"

#include "create/random_source.h"
#include "ui/commands/database_commands.h"
#include "ui/commands/grid_setup.h"
#include "ui/commands/solve_menu.h"

#include <chrono>

namespace quorvel {

void HostedGrid::showIn(int frameWidthTwips, int frameHeightTwips) {
    if (!window_.loaded()) window_.Form_Load(frameWidthTwips, frameHeightTwips);
    window_.placeIn(frameWidthTwips, frameHeightTwips);
    window_.show();
    window_.Form_Activate();
}

Program::Program(Host& host, std::filesystem::path programFolder)
    : application_(host, std::move(programFolder)) {
    const GridWindowContext context{host, application_.session(), application_.mainWindow(),
                                    application_.dialogs(), entry_};
    nine_ = std::make_unique<GridWindow>(kNineGrid, context);
    fifteen_ = std::make_unique<GridWindow>(kFifteenGrid, context);
    nineChild_ = std::make_unique<HostedGrid>(*nine_);
    fifteenChild_ = std::make_unique<HostedGrid>(*fifteen_);
    MDI1& main = application_.mainWindow();
    main.setGrids(*nineChild_, *fifteenChild_);

    const ActiveGridWindow active = [this] { return activeGrid(); };
    registerGridSetupCommands(main, active);
    registerSolveMenuCommands(main, active);
    // Generated puzzles differ from run to run.
    const auto seed =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    registerDatabaseCommands(main, application_.dialogs(), active,
                             std::make_shared<SeededRandom>(seed));
}

GridWindow* Program::activeGrid() {
    const GridChild* child = mainWindow().activeChild();
    if (child == nineChild_.get()) return nine_.get();
    if (child == fifteenChild_.get()) return fifteen_.get();
    return nullptr;
}

}  // namespace quorvel
