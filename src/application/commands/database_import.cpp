// Import Collection: every puzzle of a collection file into the database of the active grid,
// each judged by the exact counter and rated.

#include <filesystem>
#include <optional>

#include "application/commands/database_commands.h"
#include "application/commands/database_support.h"
#include "application/commands/puzzle_file_commands.h"  // kPuzzleFileFilter
#include "application/commands/rate_puzzle.h"
#include "application/commands/text_file_commands.h"  // textFilesFolder
#include "application/grid/dialog_exchange.h"
#include "application/grid/grid_window.h"
#include "application/host.h"
#include "application/shell/main_window.h"
#include "engines/solver/solution_count.h"
#include "model/program_state.h"
#include "storage/collection_import.h"
#include "storage/puzzle_commands.h"

namespace quorvel {

namespace {

PuzzleJudgement judgeBySolving(const Puzzle& puzzle) {
    SolutionCount counted = countSolutions(puzzle.kind, puzzle.values, 2);
    PuzzleJudgement judged{counted.count, {}, 0};
    if (counted.count == 1) {
        judged.solution = std::move(counted.firstSolution);
        judged.level = computedLevel(puzzle.kind, puzzle.values);
    }
    return judged;
}

}  // namespace

void importPuzzleCollection(MainWindow& mainWindow, DialogExchange& dialogs,
                            const GridWindow& window, const PuzzleTextRead& read,
                            const std::string& source) {
    const std::string title(kImportCollectionTitle);
    // The answer comes with drawing on, so that the place of the closed file dialog is drawn
    // again under it; the import changes nothing on the grid.
    mainWindow.setDrawingMode(DrawingMode::Normal);
    if (!read.failure.empty()) {
        dialogs.ask(title, "Nothing imported.\r\n\r\n" + source + ": " + read.failure, "");
        return;
    }
    ProgramState& session = dialogs.session;
    ScopeGuard databaseBusy = mainWindow.showDatabaseBusy();
    std::optional<Database> database = loadWindowDatabase(mainWindow, window);
    std::optional<CollectionImport> imported;
    if (database) {
        Result<CollectionImport> result =
            importCollection(*database, read, session.currentLevel, judgeBySolving);
        if (result) {
            imported = std::move(result.value());
            session.lastPuzzleNumber = highestPuzzleNumber(*database);
        } else {
            tellFileError(mainWindow, result.error());
        }
    }
    databaseBusy.end();
    if (imported) dialogs.ask(title, importReport(*imported), "");
}

void DatabaseCommands::importCollection(GridWindow& window) {
    FileDialogRequest request;
    request.title = std::string(kImportCollectionFileTitle);
    request.filter = std::string(kPuzzleFileFilter);
    request.initialFolder = textFilesFolder(mainWindow_.programFolder()).string();
    const std::optional<std::string> file = dialogs_.host.chooseFile(request);
    if (!file || file->empty()) return;
    importPuzzleCollection(mainWindow_, dialogs_, window, readPuzzleFile(*file),
                           std::filesystem::path(*file).filename().string());
}

}  // namespace quorvel
