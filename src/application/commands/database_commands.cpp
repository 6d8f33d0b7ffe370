#include "application/commands/database_commands.h"

#include "application/grid/dialog_exchange.h"
#include "application/shell/main_window.h"
#include "model/program_state.h"

namespace quorvel {

DatabaseCommands::DatabaseCommands(MainWindow& mainWindow, DialogExchange& dialogs,
                                   ActiveGridWindow activeGrid)
    : mainWindow_(mainWindow),
      dialogs_(dialogs),
      session_(dialogs.session),
      activeGrid_(std::move(activeGrid)) {}

void DatabaseCommands::runCommand(const std::function<void(GridWindow&)>& body) {
    GridWindow* window = activeGrid_ ? activeGrid_() : nullptr;
    if (window == nullptr) return;
    mainWindow_.writeSettings();
    ScopeGuard drawingSuspended = mainWindow_.suspendDrawing();
    body(*window);
    drawingSuspended.end();
    rejectExperimentAfterDatabaseCommand(mainWindow_, session_);
}

void DatabaseCommands::GetPuzzle() {
    runCommand([this](GridWindow& window) { getPuzzle(window); });
}

void DatabaseCommands::ShowStoredSolution() {
    runCommand([this](GridWindow& window) { showStoredSolution(window); });
}

void DatabaseCommands::storeSolution() {
    runCommand([this](GridWindow& window) { storeSolution(window); });
}

bool DatabaseCommands::DeletePuzzle() {
    bool acted = false;
    runCommand([this, &acted](GridWindow& window) { acted = deletePuzzle(window); });
    return acted;
}

void DatabaseCommands::importCollection() {
    runCommand([this](GridWindow& window) { importCollection(window); });
}

void DatabaseCommands::ComputerGeneratedPuzzle() {
    runCommand([this](GridWindow& window) { computerGeneratedPuzzle(window); });
}

void DatabaseCommands::PractiseTechnique() {
    runCommand([this](GridWindow& window) { practiseTechnique(window); });
}

void rejectExperimentAfterDatabaseCommand(MainWindow& mainWindow, const ProgramState& session) {
    if (session.experimentColours) mainWindow.commands().run(Command::RejectExperiment);
}

void registerDatabaseCommands(MainWindow& mainWindow, DialogExchange& dialogs,
                              ActiveGridWindow activeGrid, std::shared_ptr<RandomSource> random) {
    auto commands = std::make_shared<DatabaseCommands>(mainWindow, dialogs, std::move(activeGrid));
    if (random) commands->setRandomSource(std::move(random));
    CommandTable& table = mainWindow.commands();
    // Two pairs of commands share a routine; the session's incomplete mode tells it which one runs.
    ProgramState& session = dialogs.session;
    const auto inMode = [commands, &session](bool incomplete, void (DatabaseCommands::*routine)()) {
        return [commands, &session, incomplete, routine] {
            session.incompleteMode = incomplete;
            ((*commands).*routine)();
        };
    };
    table.setAction(Command::GetPuzzle, inMode(false, &DatabaseCommands::GetPuzzle));
    table.setAction(Command::GetIncompletePuzzle, inMode(true, &DatabaseCommands::GetPuzzle));
    table.setAction(Command::ShowStoredSolution, [commands] { commands->ShowStoredSolution(); });
    table.setAction(Command::StoreSolution, inMode(false, &DatabaseCommands::storeSolution));
    table.setAction(Command::SaveIncompletePuzzle, inMode(true, &DatabaseCommands::storeSolution));
    table.setAction(Command::ImportCollection, [commands] { commands->importCollection(); });
    table.setStep(Command::DeletePuzzle, [commands] { return commands->DeletePuzzle(); });
    table.setAction(Command::ComputerGeneratedPuzzle,
                    [commands] { commands->ComputerGeneratedPuzzle(); });
    table.setAction(Command::PractiseTechnique, [commands] { commands->PractiseTechnique(); });
}

}  // namespace quorvel
