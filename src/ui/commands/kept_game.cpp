#include "ui/commands/kept_game.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/grid_events.h"
#include "model/puzzle_board.h"
#include "model/session.h"
#include "storage/data_file.h"
#include "storage/puzzle_commands.h"
#include "ui/commands/database_support.h"
#include "ui/grid/dialog_exchange.h"
#include "ui/grid/grid_window.h"
#include "ui/shell/main_window.h"

namespace quorvel {

namespace {

// The incomplete puzzle stored for this grid holds exactly what the grid shows, notes included.
bool StoredAsIncomplete(MainWindow& mainWindow, const GridWindow& window) {
    const Result<Database> database =
        LoadDatabase(databaseFolder(mainWindow.programFolder()), window.kind());
    if (!database) return false;
    const std::optional<FoundRecord> incomplete = FindIncomplete(database.value());
    if (!incomplete || incomplete->record.cellText != CellTextOf(window)) return false;
    const Result<NoteMasks> notes = IncompletePuzzleNotes(database.value(), *incomplete);
    return notes && notes.value() == window.allNotes();
}

}  // namespace

GameKeeper::GameKeeper(MainWindow& mainWindow, DialogExchange& dialogs, ActiveGridWindow activeGrid,
                       GridWindow& nine, GridWindow& fifteen)
    : mainWindow_(mainWindow),
      dialogs_(dialogs),
      activeGrid_(std::move(activeGrid)),
      nine_(nine),
      fifteen_(fifteen) {}

std::optional<KeptGame> GameKeeper::unsavedGame(const GridWindow& window) const {
    const Board& board = window.board();
    KeptGame game;
    game.kind = window.kind();
    game.givens = shownValues(board);
    game.entries.assign(game.givens.size(), 0);
    game.notes = window.allNotes();
    bool anyEntry = window.hasNotes();
    for (int cell = 1; cell <= board.cellCount(); ++cell) {
        const auto index = static_cast<std::size_t>(cell - 1);
        if (board.cell(cell).locked || game.givens[index] == 0) continue;
        game.entries[index] = std::exchange(game.givens[index], 0);
        anyEntry = true;
    }
    // A solved grid is no unfinished game.
    if (!anyEntry || window.statusImageVisible(0)) return std::nullopt;
    if (StoredAsIncomplete(mainWindow_, window)) return std::nullopt;
    const Session& session = board.session();
    if (HasStoredPuzzle(session, window.kind())) {
        game.puzzleNumber = session.puzzleNumber;
        game.puzzleKind = session.puzzleKind;
        game.puzzleLevel = session.puzzleLevel;
    }
    game.caption = window.puzzleNumberLabel();
    if (activeGrid_() == &window) game.elapsedDays = session.elapsedShown;
    return game;
}

bool GameKeeper::save(const KeptGame& game) {
    if (const FileStatus failure =
            SaveKeptGame(settingsFolder(mainWindow_.programFolder()), game)) {
        TellFileError(mainWindow_, *failure);
        return false;
    }
    return true;
}

bool GameKeeper::keepBeforeReplacing() {
    const GridWindow* window = activeGrid_();
    if (window == nullptr) return true;
    const std::optional<KeptGame> game = unsavedGame(*window);
    return !game || save(*game);
}

void GameKeeper::keepAtQuit() {
    const GridWindow* active = activeGrid_();
    const GridWindow* other = active == &nine_ ? &fifteen_ : &nine_;
    for (const GridWindow* window : {active, other}) {
        if (window == nullptr) continue;
        if (std::optional<KeptGame> game = unsavedGame(*window)) {
            game->offerAtStart = true;
            (void)save(*game);
            return;
        }
    }
    const std::filesystem::path folder = settingsFolder(mainWindow_.programFolder());
    std::optional<KeptGame> kept = LoadKeptGame(folder);
    if (kept && kept->offerAtStart) {
        kept->offerAtStart = false;
        (void)save(*kept);
    }
}

void GameKeeper::offerAtStart() {
    std::optional<KeptGame> kept = LoadKeptGame(settingsFolder(mainWindow_.programFolder()));
    if (!kept || !kept->offerAtStart) return;
    // Asked once: whatever the answer, Resume Last Game still brings it back later.
    kept->offerAtStart = false;
    (void)save(*kept);
    dialogs_.ask(std::string(kResumeTitle), std::string(kResumePrompt), "");
    if (!dialogs_.dialogCancelled) show(*kept);
}

void GameKeeper::resume() {
    const std::optional<KeptGame> kept = LoadKeptGame(settingsFolder(mainWindow_.programFolder()));
    if (!kept) {
        dialogs_.ask(std::string(kQuorvelTitle), std::string(kNothingToDoText), "");
        return;
    }
    // The game on the grid takes the kept one's place, so resuming never loses either.
    if (keepBeforeReplacing()) show(*kept);
}

void GameKeeper::show(const KeptGame& game) {
    GridWindow* window =
        showPuzzle(mainWindow_, activeGrid_, game.kind, game.givens, game.entries, game.notes);
    if (window == nullptr) return;
    Session& session = window->board().session();
    // The stored puzzle becomes current again only while its record still has these givens.
    if (game.puzzleNumber != 0) {
        const Result<Database> database =
            LoadDatabase(databaseFolder(mainWindow_.programFolder()), game.kind);
        const std::optional<FoundRecord> found =
            database ? FindByNumber(database.value(), game.puzzleNumber) : std::nullopt;
        const std::optional<CellLists> lists =
            found ? ParseCellText(found->record.cellText, game.kind) : std::nullopt;
        std::vector<std::string> givens;
        for (const int value : game.givens)
            givens.push_back(value > 0 ? std::to_string(value) : "");
        if (lists && lists->givens == givens) {
            MakeCurrentPuzzle(session, found->record);
            session.puzzleKind = game.puzzleKind;
        }
    }
    window->setPuzzleNumberLabel(game.caption);
    window->checkConsistency(1);
    mainWindow_.restartElapsedTime();
    session.bankedElapsed = game.elapsedDays;
}

void registerGameKeeper(MainWindow& mainWindow, DialogExchange& dialogs,
                        ActiveGridWindow activeGrid, GridWindow& nine, GridWindow& fifteen) {
    auto keeper =
        std::make_shared<GameKeeper>(mainWindow, dialogs, std::move(activeGrid), nine, fifteen);
    CommandTable& table = mainWindow.commands();
    table.setAction(Command::ResumeLastGame, [keeper] { keeper->resume(); });
    table.setStep(Command::KeepGameBeforeReplacing,
                  [keeper] { return keeper->keepBeforeReplacing(); });
    table.setAction(Command::KeepGameAtQuit, [keeper] { keeper->keepAtQuit(); });
    table.setAction(Command::OfferKeptGame, [keeper] { keeper->offerAtStart(); });
}

}  // namespace quorvel
