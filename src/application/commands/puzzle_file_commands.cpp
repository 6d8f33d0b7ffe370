#include "application/commands/puzzle_file_commands.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "application/commands/database_commands.h"   // importPuzzleCollection
#include "application/commands/text_file_commands.h"  // textFilesFolder
#include "application/grid/dialog_exchange.h"
#include "application/grid/dialog_titles.h"
#include "application/grid/grid_events.h"
#include "application/grid/grid_window.h"
#include "application/grid/puzzle_board.h"
#include "application/host.h"
#include "application/shell/main_window.h"
#include "model/program_state.h"
#include "storage/data_file.h"
#include "storage/own_data_files.h"
#include "storage/puzzle_commands.h"  // hasStoredPuzzle
#include "storage/puzzle_formats.h"

namespace quorvel {

namespace {

std::optional<std::string> choosePuzzleFile(MainWindow& mainWindow, Host& host, bool save) {
    FileDialogRequest request;
    request.save = save;
    request.title = std::string(save ? kSavePuzzleFileTitle : kOpenPuzzleFileTitle);
    request.filter = std::string(kPuzzleFileFilter);
    request.initialFolder = textFilesFolder(mainWindow.programFolder()).string();
    std::optional<std::string> chosen = host.chooseFile(request);
    if (chosen && chosen->empty()) return std::nullopt;
    return chosen;
}

void showProblem(MainWindow& mainWindow, const std::string& source, const std::string& problem) {
    mainWindow.showMessage(source + ": " + problem, colour::kRed, Alignment::Centre);
}

// The puzzle to place out of `count`, asked by number when there are several; nullopt when the
// question was cancelled or answered by Import All (dialogs.importAll then says so).
std::optional<std::size_t> choosePuzzle(DialogExchange& dialogs, std::size_t count) {
    if (count == 1) return 0;
    dialogs.importAll = false;
    dialogs.ask(std::string(kPuzzleChoiceTitle),
                "Puzzle Number?   (1 ~ " + std::to_string(count) + ")", "1");
    if (dialogs.dialogCancelled || dialogs.importAll) return std::nullopt;
    const std::string& typed = dialogs.dialogText;
    const bool digits = !typed.empty() && typed.size() < 10 &&
                        std::all_of(typed.begin(), typed.end(),
                                    [](unsigned char c) { return std::isdigit(c) != 0; });
    const std::size_t number = digits ? std::stoul(typed) : 1;
    return std::clamp<std::size_t>(number, 1, count) - 1;
}

// The candidates of the empty cells of a candidate grid or a SadMan file's pencil marks, kept as
// the user's notes; a cell that may hold every value has none.
NoteMasks notesOf(const FilePuzzle& entry) {
    const Puzzle& puzzle = entry.puzzle;
    NoteMasks notes(static_cast<std::size_t>(puzzle.kind.cellCount()) + 1, 0);
    for (std::size_t at = 0; at < puzzle.candidates.size() && at < puzzle.values.size(); ++at) {
        const bool entered = at < entry.entries.size() && entry.entries[at] != 0;
        if (puzzle.values[at] == 0 && !entered &&
            puzzle.candidates[at] != unitTables(puzzle.kind).fullMask)
            notes[at + 1] = puzzle.candidates[at];
    }
    return notes;
}

// What the file of the puzzle last opened or pasted said about it (its author, source and so on):
// Save Puzzle As writes it again while that puzzle's givens are on the grid.
struct OpenedPuzzle {
    Puzzle givens;
    std::vector<PuzzleInfo> info;
};

// The values of the cells shown; with `givensOnly`, of the locked cells alone.
std::vector<int> gridValues(const GridWindow& window, bool givensOnly) {
    std::vector<int> values = shownValues(window.board());
    for (int cell = 1; cell <= window.board().cellCount(); ++cell) {
        if (givensOnly && !window.board().cell(cell).locked)
            values[static_cast<std::size_t>(cell - 1)] = 0;
    }
    return values;
}

// The stored puzzle a grid shows: its number, caption and time so far.
struct ShownStoredPuzzle {
    int number = 0;
    std::string caption;
    double elapsed = 0;
};

// The stored puzzle on the grid when `givens` are its givens (the program's own copy coming back).
std::optional<ShownStoredPuzzle> storedPuzzleWithGivens(const GridWindow* window,
                                                        const Puzzle& givens) {
    if (window == nullptr || !(window->kind() == givens.kind)) return std::nullopt;
    const ProgramState& session = window->board().session();
    if (!hasStoredPuzzle(session, givens.kind) || gridValues(*window, true) != givens.values)
        return std::nullopt;
    return ShownStoredPuzzle{session.puzzleNumber, window->puzzleNumberLabel(),
                             session.elapsedShown};
}

void placeReading(MainWindow& mainWindow, DialogExchange& dialogs,
                  const ActiveGridWindow& activeGrid, const PuzzleTextRead& read,
                  const std::string& source, OpenedPuzzle& opened) {
    if (!read.complete()) return showProblem(mainWindow, source, read.firstProblem());
    if (const auto chosen = choosePuzzle(dialogs, read.puzzles.size())) {
        const FilePuzzle& entry = read.puzzles[*chosen];
        opened = {entry.puzzle, entry.info};
        const std::optional<ShownStoredPuzzle> stored =
            storedPuzzleWithGivens(activeGrid(), entry.puzzle);
        GridWindow* window = showPuzzle(mainWindow, activeGrid, entry.puzzle.kind,
                                        entry.puzzle.values, entry.entries, notesOf(entry));
        if (window != nullptr && stored) {
            // The same stored puzzle goes on: its number, caption and time stay.
            ProgramState& session = window->board().session();
            session.puzzleNumber = stored->number;
            window->setPuzzleNumberLabel(stored->caption);
            session.bankedElapsed = stored->elapsed;
        }
        return;
    }
    if (!dialogs.importAll) return;
    // Into the database of the grid the puzzles would open on: that of the first one.
    const GridKind& kind = read.puzzles.front().puzzle.kind;
    mainWindow.pressGridButton(!kind.isNine());
    const GridWindow* window = activeGrid();
    if (window != nullptr && window->kind() == kind)
        importPuzzleCollection(mainWindow, dialogs, *window, read, source);
}

PuzzleFormat formatForSuffix(std::string suffix) {
    std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const PuzzleFormatName& entry : kPuzzleFormats) {
        if (entry.suffix == suffix) return entry.format;
    }
    return PuzzleFormat::Line;
}

// The grid as a puzzle of a text with its state of solving: the locked givens (every value shown
// when none is locked: a grid typed in), the other values shown as entries, and the user's notes
// as the candidate state (the writers take a cell with a value as holding just that value).
FilePuzzle gridPuzzle(const GridWindow& window) {
    const std::vector<int> shown = gridValues(window, false);
    std::vector<int> givens = gridValues(window, true);
    if (std::all_of(givens.begin(), givens.end(), [](int value) { return value == 0; }))
        givens = shown;
    FilePuzzle puzzle{Puzzle{window.kind(), givens, window.notedCandidates(), {}}, 0, {}, {}};
    for (std::size_t at = 0; at < shown.size(); ++at) {
        if (shown[at] == 0 || givens[at] != 0) continue;
        puzzle.entries.resize(shown.size(), 0);
        puzzle.entries[at] = shown[at];
    }
    return puzzle;
}

void savePuzzleAs(MainWindow& mainWindow, Host& host, const GridWindow& window,
                  const OpenedPuzzle& opened) {
    const std::optional<std::string> chosen = choosePuzzleFile(mainWindow, host, true);
    if (!chosen) return;
    std::filesystem::path file(*chosen);
    if (!file.has_extension()) file += kPuzzleFormats[0].suffix;
    if (isOwnDataFile(databaseFolder(mainWindow.programFolder()), file))
        return mainWindow.showMessage(ownDataFileError(file).message(), colour::kRed,
                                      Alignment::Centre);
    FilePuzzle saved = gridPuzzle(window);
    if (opened.givens.kind == window.kind() && opened.givens.values == saved.puzzle.values)
        saved.info = opened.info;
    const PuzzleFormat format = formatForSuffix(file.extension().string());
    const PuzzleTextWrite written = writePuzzleText(format, {saved});
    const std::string name = file.filename().string();
    if (!written.error.empty()) return showProblem(mainWindow, name, written.error);
    if (const FileStatus error = replaceFileAtomically(file, written.text))
        return mainWindow.showMessage(error->message(), colour::kRed, Alignment::Centre);
    // Every save says so, and names what the format could not keep.
    const bool entriesLost = !saved.entries.empty() && format != PuzzleFormat::Sdk;
    const bool notesLost = window.hasNotes() && !keepsCandidates(format);
    const std::string lost = entriesLost && notesLost ? "the entries and notes"
                             : entriesLost            ? "the entries"
                                                      : "the notes";
    mainWindow.showMessage(
        "Saved " + name +
            (entriesLost || notesLost ? " without " + lost + ": only .sdk files keep them" : ""),
        colour::kBlue, Alignment::Centre);
}

}  // namespace

void registerPuzzleFileCommands(MainWindow& mainWindow, DialogExchange& dialogs,
                                const ActiveGridWindow& activeGrid) {
    CommandTable& table = mainWindow.commands();
    Host& host = dialogs.host;
    const auto opened = std::make_shared<OpenedPuzzle>();
    table.setAction(Command::OpenPuzzleFile, [&mainWindow, &dialogs, &host, activeGrid, opened] {
        std::optional<std::string> file = mainWindow.takeFileToOpen();
        if (!file) file = choosePuzzleFile(mainWindow, host, false);
        if (!file) return;
        const std::string name = std::filesystem::path(*file).filename().string();
        const PuzzleTextRead read = readPuzzleFile(*file);
        std::error_code error;
        if (read.complete())
            mainWindow.rememberRecentFile(std::filesystem::absolute(*file, error).string());
        placeReading(mainWindow, dialogs, activeGrid, read, name, *opened);
    });
    table.setAction(Command::PastePuzzle, [&mainWindow, &dialogs, &host, activeGrid, opened] {
        // Text dropped on the window comes in place of the clipboard's.
        const std::optional<std::string> dropped = mainWindow.takeTextToPaste();
        placeReading(mainWindow, dialogs, activeGrid,
                     readPuzzleText(dropped ? *dropped : host.clipboardText()),
                     dropped ? "Dropped text" : "Clipboard", *opened);
    });
    table.setAction(Command::SavePuzzleAs, [&mainWindow, &host, activeGrid, opened] {
        if (const GridWindow* window = activeGrid())
            savePuzzleAs(mainWindow, host, *window, *opened);
    });
    table.setAction(Command::CopyPuzzleWithNotes, [&host, activeGrid] {
        if (const GridWindow* window = activeGrid())
            host.setClipboardText(writePuzzleText(PuzzleFormat::Sdk, {gridPuzzle(*window)}).text);
    });
    for (const bool givensOnly : {false, true}) {
        table.setAction(givensOnly ? Command::CopyGivens : Command::CopyPuzzle,
                        [&host, activeGrid, givensOnly] {
                            const GridWindow* window = activeGrid();
                            if (window == nullptr) return;
                            host.setClipboardText(
                                formatPuzzleLine(window->kind(), gridValues(*window, givensOnly)));
                        });
    }
}

}  // namespace quorvel
