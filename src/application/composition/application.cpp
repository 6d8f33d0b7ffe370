#include "application/composition/application.h"

#include "application/commands/compose_commands.h"
#include "application/commands/database_commands.h"
#include "application/commands/exact_menu.h"
#include "application/commands/explain_step.h"
#include "application/commands/grid_aid_commands.h"
#include "application/commands/grid_setup.h"
#include "application/commands/grid_setup_generator.h"
#include "application/commands/kept_game_commands.h"
#include "application/commands/puzzle_file_commands.h"
#include "application/commands/solve_menu.h"
#include "application/commands/statistics_commands.h"
#include "application/commands/text_file_commands.h"
#include "application/print/print_booklet.h"
#include "application/print/print_command.h"
#include "storage/data_file.h"
#include "storage/puzzle_commands.h"
#include "storage/puzzle_database.h"

namespace quorvel {

Application::Application(Host& host, std::filesystem::path programFolder)
    : host_(host),
      programFolder_(std::move(programFolder)),
      dialogs_(host, session_),
      startup_(host),
      splash_(host, session_),
      mainWindow_(host, session_, dialogs_, programFolder_),
      nineGrid_(kNineGrid, {host, session_, mainWindow_, dialogs_, cellEntry_}),
      fifteenGrid_(kFifteenGrid, {host, session_, mainWindow_, dialogs_, cellEntry_}),
      nineChild_(nineGrid_),
      fifteenChild_(fifteenGrid_),
      aids_(host, mainWindow_, dialogs_, nineGrid_, [this] { return activeGrid(); }) {
    mainWindow_.setGrids(nineChild_, fifteenChild_);
    splash_.setHandOver([this] {
        mainWindow_.load();
        mainWindow_.activate();
    });
    splash_.setOnGone([this] {
        if (!startFile_.empty()) mainWindow_.openPuzzleFile(std::exchange(startFile_, {}));
        mainWindow_.commands().run(Command::OfferKeptGame);
    });
    mainWindow_.setOnFirstActivation([this] { splash_.setInactive(); });
    wireDialogServices();
    registerCommands();
}

GridWindow* Application::activeGrid() {
    const GridChild* child = mainWindow_.activeChild();
    if (child == &nineChild_) return &nineGrid_;
    if (child == &fifteenChild_) return &fifteenGrid_;
    return nullptr;
}

void Application::registerCommands() {
    const ActiveGridWindow active = [this] { return activeGrid(); };
    registerGridSetupCommands(mainWindow_, active);
    registerSolveMenuCommands(mainWindow_, host_, active);
    registerExactCommands(mainWindow_, active);
    registerExplainNextStep(mainWindow_, active);
    aids_.registerCommands();
    registerGridAidCommands(mainWindow_, host_, active);
    registerPrintCommand(mainWindow_, host_, active);
    registerBookletCommand(mainWindow_, host_, session_, active);
    // Generated puzzles differ from run to run.
    registerDatabaseCommands(mainWindow_, dialogs_, active, clockSeededRandom(host_));
    // Test Screen presses the 9x9 window's row and column buttons, Quit Create My Su Doku its
    // clear button.
    MarkingControls& controls = aids_.nineControls();
    ComposingButtons buttons;
    buttons.columnUp = [&controls](int column, int button) {
        controls.columnButtonReleased(column, button);
    };
    buttons.rowUp = [&controls](int row, int button) { controls.rowButtonReleased(row, button); };
    buttons.clearUp = [&controls](int button) { controls.clearButtonReleased(button); };
    registerComposeCommands(mainWindow_, dialogs_, nineGrid_, buttons);
    registerTextFileCommands(mainWindow_, dialogs_, active);
    registerPuzzleFileCommands(mainWindow_, dialogs_, active);
    registerGameKeeper(mainWindow_, dialogs_, active, nineGrid_, fifteenGrid_);
    registerStatisticsCommands(mainWindow_, host_);
}

bool Application::start() {
    if (!startup_.run()) return false;
    mainWindow_.setOriginalDisplayMode(startup_.originalMode());
    openSplash();
    return true;
}

void Application::openSplash() {
    splash_.create([this] { mainWindow_.loadSettings(); });
    splash_.load();
}

void Application::wireDialogServices() {
    auto activeDatabase = [this]() -> Result<Database> {
        const GridKind& kind =
            session_.activeSizeCode == kFifteenGrid.sizeCode ? kFifteenGrid : kNineGrid;
        return loadDatabase(databaseFolder(programFolder_), kind);
    };
    InputDialogServices services;
    services.countLevel = [this, activeDatabase](int level) {
        Result<Database> database = activeDatabase();
        if (!database) {
            mainWindow_.showMessage(database.error().message(), colour::kRed, Alignment::Centre);
            return 0;
        }
        return countLevel(session_, database.value(), level);
    };
    services.pickPuzzle = [this, activeDatabase](int level, int ordinal) {
        Result<Database> database = activeDatabase();
        if (!database) return PickOutcome::NoRecord;
        const LevelPick pick = getPuzzleByOrdinal(session_, database.value(), level, ordinal);
        if (pick.count == 0) return PickOutcome::LevelEmpty;
        if (!pick.found) return PickOutcome::NoRecord;
        dialogs_.dialogText = std::to_string(pick.reached);
        return PickOutcome::Picked;
    };
    services.writeSettings = [this] { mainWindow_.writeSettings(); };
    dialogs_.connect(&mainWindow_, std::move(services));
}

}  // namespace quorvel
