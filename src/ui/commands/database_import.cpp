// Import Collection: every puzzle of a collection file into the database of the active grid,
// each judged by the exact counter and rated.

#include <filesystem>
#include <optional>

#include "model/session.h"
#include "solver/solution_count.h"
#include "storage/collection_import.h"
#include "storage/puzzle_commands.h"
#include "ui/commands/database_commands.h"
#include "ui/commands/database_support.h"
#include "ui/commands/puzzle_file_commands.h"  // kPuzzleFileFilter
#include "ui/commands/rate_puzzle.h"
#include "ui/commands/text_file_commands.h"  // TextFilesFolder
#include "ui/grid/dialog_exchange.h"
#include "ui/grid/grid_window.h"
#include "ui/host.h"
#include "ui/shell/main_window.h"

namespace quorvel {

namespace {

PuzzleJudgement JudgeBySolving(const Puzzle& puzzle) {
    SolutionCount counted = countSolutions(puzzle.kind, puzzle.values, 2);
    PuzzleJudgement judged{counted.count, {}, 0};
    if (counted.count == 1) {
        judged.solution = std::move(counted.firstSolution);
        judged.level = computedLevel(puzzle.kind, puzzle.values);
    }
    return judged;
}

}  // namespace

void ImportPuzzleCollection(MainWindow& mainWindow, DialogExchange& dialogs,
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
    Session& session = dialogs.session;
    ScopeGuard databaseBusy = mainWindow.showDatabaseBusy();
    std::optional<Database> database = LoadWindowDatabase(mainWindow, window);
    std::optional<CollectionImport> imported;
    if (database) {
        Result<CollectionImport> result =
            ImportCollection(*database, read, session.currentLevel, JudgeBySolving);
        if (result) {
            imported = std::move(result.value());
            session.lastPuzzleNumber = HighestPuzzleNumber(*database);
        } else {
            TellFileError(mainWindow, result.error());
        }
    }
    databaseBusy.end();
    if (imported) dialogs.ask(title, ImportReport(*imported), "");
}

void DatabaseCommands::importCollection(GridWindow& window) {
    FileDialogRequest request;
    request.title = std::string(kImportCollectionFileTitle);
    request.filter = std::string(kPuzzleFileFilter);
    request.initialFolder = TextFilesFolder(mainWindow_.programFolder()).string();
    const std::optional<std::string> file = dialogs_.host.chooseFile(request);
    if (!file || file->empty()) return;
    ImportPuzzleCollection(mainWindow_, dialogs_, window, ReadPuzzleFile(*file),
                           std::filesystem::path(*file).filename().string());
}

}  // namespace quorvel
