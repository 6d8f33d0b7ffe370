#include "application/commands/text_file_commands.h"

#include <optional>
#include <string>
#include <vector>

#include "application/commands/database_support.h"
#include "application/grid/dialog_exchange.h"
#include "application/grid/grid_events.h"
#include "application/grid/grid_window.h"
#include "application/host.h"
#include "application/shell/main_window.h"
#include "model/program_state.h"
#include "storage/data_file.h"
#include "storage/file_system.h"
#include "storage/own_data_files.h"
#include "storage/puzzle_commands.h"
#include "storage/text_records.h"

namespace quorvel {

namespace {

std::optional<std::string> chooseTextFile(MainWindow& mainWindow, Host& host, bool save) {
    FileDialogRequest request;
    request.save = save;
    request.title = std::string(save ? kSaveTextFileTitle : kOpenTextFileTitle);
    request.filter = std::string(kTextFileFilter);
    request.initialFolder = textFilesFolder(mainWindow.programFolder()).string();
    std::optional<std::string> chosen = host.chooseFile(request);
    if (chosen && chosen->empty()) return std::nullopt;
    return chosen;
}

std::vector<ExportCell> exportCellsOf(const GridWindow& window) {
    std::vector<ExportCell> cells;
    const Board& board = window.board();
    for (int cell = 1; cell <= board.cellCount(); ++cell) {
        const CellView& view = board.cell(cell);
        cells.push_back({view.text, view.locked || view.backColour == kMarkedBack});
    }
    return cells;
}

// A cell the pattern marks and that holds a value: a pattern mark on an empty cell (an exposed
// cell of a composition not yet filled) gives no given, since a given is a locked value.
bool isGiven(const ImportedPuzzle& imported, std::size_t index) {
    return imported.pattern[index] == "L" && !imported.values[index].empty();
}

// The first imported record on the window: its values, then the pattern's cells kept as locked
// red givens and every other cell emptied, blue and open.
void showImported(GridWindow& window, const ImportedPuzzle& imported) {
    Board& board = window.board();
    const int cells = board.cellCount();
    for (int cell = 1; cell <= cells; ++cell)
        window.setCellValue(cell, imported.values[static_cast<std::size_t>(cell - 1)]);
    for (int cell = 1; cell <= cells; ++cell) {
        const bool given = isGiven(imported, static_cast<std::size_t>(cell - 1));
        if (!given) window.setCellValue(cell, "");
        board.setCellColours(cell, given ? kGivenRed : kEntryBlue, board.cell(cell).backColour);
        board.setCellLocked(cell, given);
        window.restoreCellColour(cell, true);
    }
    window.checkConsistency(1);
}

bool hasGiven(const ImportedPuzzle& imported) {
    for (std::size_t index = 0; index < imported.pattern.size(); ++index)
        if (isGiven(imported, index)) return true;
    return false;
}

}  // namespace

std::filesystem::path textFilesFolder(const std::filesystem::path& programFolder) {
    std::filesystem::path folder = settingsFolder(programFolder) / kTextFilesFolder;
    currentFileSystem().createFolders(folder);
    return folder;
}

void runCreateTextFile(MainWindow& mainWindow, DialogExchange& dialogs, GridWindow& window) {
    ProgramState& session = dialogs.session;
    session.activeSizeCode = window.kind().sizeCode;
    const std::vector<ExportCell> cells = exportCellsOf(window);
    if (std::optional<std::string> chosen = chooseTextFile(mainWindow, dialogs.host, true)) {
        // Import looks for ".txt" files: a name typed without an extension gets it.
        std::filesystem::path file(*chosen);
        if (!file.has_extension()) file += ".txt";
        const FileStatus error =
            isOwnDataFile(databaseFolder(mainWindow.programFolder()), file)
                ? ownDataFileError(file)
                : writeExportFile(file, window.kind(), session.currentLevel, cells);
        if (error) mainWindow.showMessage(error->message(), colour::kRed, Alignment::Centre);
    }
    mainWindow.setMenuEnabled(Menu::AssistSolve, true);
}

bool runImportTextFile(MainWindow& mainWindow, DialogExchange& dialogs,
                       const ActiveGridWindow& activeGrid) {
    const std::optional<std::string> file = chooseTextFile(mainWindow, dialogs.host, false);
    if (!file) return false;
    ProgramState& session = dialogs.session;
    ScopeGuard databaseBusy = mainWindow.showDatabaseBusy();
    Result<ImportOutcome> outcome =
        quorvel::importTextFile(session, databaseFolder(mainWindow.programFolder()), *file);
    databaseBusy.end();
    if (!outcome) {
        mainWindow.showMessage(outcome.error().message(), colour::kRed, Alignment::Centre);
        return false;
    }
    if (!outcome.value().imported) {
        if (outcome.value().problem == ImportProblem::InvalidData) {
            dialogs.ask(std::string(kInvalidDataTitle), std::string(kImportRefusedText), "");
        }
        return false;
    }
    const ImportedPuzzle& imported = *outcome.value().imported;
    // The records' size decides the grid, whichever grid was shown before.
    mainWindow.pressGridButton(!imported.kind.isNine());
    mainWindow.endCurrentPuzzle();
    const std::string first = "No. " + std::to_string(imported.firstNumber);
    tellWritten(mainWindow, imported.count == 1 ? "Imported: " + first
                                                : "Imported: " + std::to_string(imported.count) +
                                                      " puzzles, first " + first);
    GridWindow* window = activeGrid();
    if (window != nullptr && window->kind() == imported.kind) {
        showImported(*window, imported);
        mainWindow.restartHistory(*window);
        if (hasGiven(imported)) mainWindow.applyStateChange(StateChange::GridLockedWithGivens);
    }
    mainWindow.setMenuEnabled(Menu::AssistSolve, true);
    return true;
}

void registerTextFileCommands(MainWindow& mainWindow, DialogExchange& dialogs,
                              const ActiveGridWindow& activeGrid) {
    CommandTable& table = mainWindow.commands();
    table.setAction(Command::CreateTextFile, [&mainWindow, &dialogs, activeGrid] {
        if (GridWindow* window = activeGrid()) runCreateTextFile(mainWindow, dialogs, *window);
    });
    const auto import = [&mainWindow, &dialogs, activeGrid] {
        runImportTextFile(mainWindow, dialogs, activeGrid);
    };
    table.setAction(Command::ImportTextFile, import);
    table.setAction(Command::ImportBatch, import);
}

}  // namespace quorvel
