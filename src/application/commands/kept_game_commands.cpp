#include "application/commands/kept_game_commands.h"

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "application/commands/database_support.h"
#include "application/grid/dialog_exchange.h"
#include "application/grid/grid_events.h"
#include "application/grid/grid_window.h"
#include "application/grid/puzzle_board.h"
#include "application/shell/elapsed_time.h"
#include "application/shell/main_window.h"
#include "model/program_state.h"
#include "storage/data_file.h"
#include "storage/puzzle_commands.h"

namespace quorvel {

namespace {

// The incomplete puzzle stored for this grid holds exactly what the grid shows, notes included.
bool storedAsIncomplete(MainWindow& mainWindow, const GridWindow& window) {
    const Result<Database> database =
        loadDatabase(databaseFolder(mainWindow.programFolder()), window.kind());
    if (!database) return false;
    const std::optional<FoundRecord> incomplete = findIncomplete(database.value());
    if (!incomplete || incomplete->record.cellText != cellTextOf(window)) return false;
    const Result<NoteMasks> notes = incompletePuzzleNotes(database.value(), *incomplete);
    const Result<Colouring> colouring = incompletePuzzleColouring(database.value(), *incomplete);
    return notes && notes.value() == window.allNotes() && colouring &&
           colouring.value() == window.colouring();
}

}  // namespace

std::string resumeQuestion(const KeptGame& game) {
    std::string name;
    if (game.puzzleNumber == kIncompletePuzzleNumber) {
        name = "incomplete puzzle, " + std::string(levelName(game.puzzleLevel));
    } else if (game.puzzleNumber != 0) {
        name =
            std::string(levelName(game.puzzleLevel)) + " No. " + std::to_string(game.puzzleNumber);
    }
    const std::string grid =
        std::to_string(game.kind.side) + " x " + std::to_string(game.kind.side);
    std::string about = game.kind.isNine() && !name.empty() ? name
                        : name.empty()                      ? grid
                                                            : grid + ", " + name;
    return "Continue your unfinished puzzle (" + about + ", " + formatElapsed(game.elapsedDays) +
           ")?";
}

GameKeeper::GameKeeper(MainWindow& mainWindow, DialogExchange& dialogs, ActiveGridWindow activeGrid,
                       GridWindow& nine, GridWindow& fifteen)
    : mainWindow_(mainWindow),
      dialogs_(dialogs),
      activeGrid_(std::move(activeGrid)),
      nine_(nine),
      fifteen_(fifteen) {}

GridWindow& GameKeeper::windowFor(const GridKind& kind) const {
    return kind.isNine() ? nine_ : fifteen_;
}

GameKeeper::SetAside& GameKeeper::setAsideFor(const GridWindow& window) {
    return &window == &nine_ ? nineSetAside_ : fifteenSetAside_;
}

const GameKeeper::SetAside& GameKeeper::setAsideFor(const GridWindow& window) const {
    return &window == &nine_ ? nineSetAside_ : fifteenSetAside_;
}

std::optional<KeptGame> GameKeeper::unsavedGame(const GridWindow& window) const {
    const Board& board = window.board();
    KeptGame game;
    game.kind = window.kind();
    game.givens = shownValues(board);
    game.entries.assign(game.givens.size(), 0);
    game.notes = window.allNotes();
    game.colouring = window.colouring();
    bool anyEntry = window.hasNotes() || !game.colouring.empty();
    for (int cell = 1; cell <= board.cellCount(); ++cell) {
        const auto index = static_cast<std::size_t>(cell - 1);
        if (board.cell(cell).locked || game.givens[index] == 0) continue;
        game.entries[index] = std::exchange(game.givens[index], 0);
        anyEntry = true;
    }
    // A solved grid is no unfinished game.
    if (!anyEntry || window.statusImageVisible(0)) return std::nullopt;
    if (storedAsIncomplete(mainWindow_, window)) return std::nullopt;
    const ProgramState& session = board.session();
    const bool shown = activeGrid_() == &window;
    const SetAside& aside = setAsideFor(window);
    game.caption = window.puzzleNumberLabel();
    if (shown && hasStoredPuzzle(session, window.kind())) {
        game.puzzleNumber = session.puzzleNumber;
        game.puzzleKind = session.puzzleKind;
        game.puzzleLevel = session.puzzleLevel;
    } else if (!game.caption.empty() && aside.caption == game.caption) {
        // The session forgot the stored puzzle when another grid took the screen.
        game.puzzleNumber = aside.puzzleNumber;
        game.puzzleKind = aside.puzzleKind;
        game.puzzleLevel = aside.puzzleLevel;
    }
    game.elapsedDays = shown ? session.elapsedShown : aside.elapsedDays;
    return game;
}

void GameKeeper::setAside() {
    const GridWindow* window = activeGrid_();
    if (window == nullptr) return;
    const ProgramState& session = window->board().session();
    SetAside aside{window->puzzleNumberLabel(), 0, 0, 0, session.elapsedShown};
    if (hasStoredPuzzle(session, window->kind())) {
        aside.puzzleNumber = session.puzzleNumber;
        aside.puzzleKind = session.puzzleKind;
        aside.puzzleLevel = session.puzzleLevel;
    }
    setAsideFor(*window) = aside;
}

bool GameKeeper::save(const std::vector<KeptGame>& games) {
    if (const FileStatus failure =
            saveKeptGames(settingsFolder(mainWindow_.programFolder()), games)) {
        tellFileError(mainWindow_, *failure);
        return false;
    }
    return true;
}

bool GameKeeper::keepGameOf(const GridWindow& window) {
    const std::optional<KeptGame> game = unsavedGame(window);
    if (!game) return true;
    std::vector<KeptGame> games = loadKeptGames(settingsFolder(mainWindow_.programFolder()));
    const auto same = std::find_if(games.begin(), games.end(),
                                   [&](const KeptGame& kept) { return kept.kind == game->kind; });
    if (same != games.end()) {
        *same = *game;
    } else {
        games.push_back(*game);
    }
    return save(games);
}

bool GameKeeper::keepBeforeReplacing() {
    const GridWindow* window = activeGrid_();
    return window == nullptr || keepGameOf(*window);
}

bool GameKeeper::keepAtQuit() {
    const std::vector<KeptGame> before = loadKeptGames(settingsFolder(mainWindow_.programFolder()));
    const GridWindow* active = activeGrid_();
    const GridWindow* other = active == &fifteen_ ? &nine_ : &fifteen_;
    std::vector<KeptGame> games;
    for (const GridWindow* window : {active == nullptr ? &nine_ : active, other}) {
        if (std::optional<KeptGame> game = unsavedGame(*window)) {
            game->offerAtStart = true;
            games.push_back(*game);
            continue;
        }
        // No game to keep on this grid: the one kept earlier stays within reach, unoffered.
        for (KeptGame kept : before) {
            if (!(kept.kind == window->kind())) continue;
            kept.offerAtStart = false;
            games.push_back(kept);
        }
    }
    return games == before || save(games);
}

void GameKeeper::offerAtStart() {
    std::vector<KeptGame> games = loadKeptGames(settingsFolder(mainWindow_.programFolder()));
    std::vector<KeptGame> offered;
    for (KeptGame& game : games) {
        if (!std::exchange(game.offerAtStart, false)) continue;
        offered.push_back(game);
    }
    if (offered.empty()) return;
    // Asked once: whatever the answers, Resume Last Game still brings them back later.
    (void)save(games);
    std::vector<KeptGame> continued;
    for (const KeptGame& game : offered) {
        dialogs_.ask(std::string(kResumeTitle), resumeQuestion(game), "");
        if (!dialogs_.dialogCancelled) continued.push_back(game);
    }
    // The first ends on screen: it was shown at Quit.
    for (auto game = continued.rbegin(); game != continued.rend(); ++game)
        show(*game);
}

void GameKeeper::resume() {
    const std::vector<KeptGame> games = loadKeptGames(settingsFolder(mainWindow_.programFolder()));
    if (games.empty()) {
        dialogs_.ask(std::string(kQuorvelTitle), std::string(kNothingToDoText), "");
        return;
    }
    const GridWindow* shown = activeGrid_();
    auto chosen = std::find_if(games.begin(), games.end(), [&](const KeptGame& game) {
        return shown != nullptr && game.kind == shown->kind();
    });
    if (chosen == games.end()) chosen = games.begin();
    const KeptGame game = *chosen;
    // The game on its grid takes the kept one's place, so resuming never loses either.
    if (keepGameOf(windowFor(game.kind))) show(game);
}

void GameKeeper::show(const KeptGame& game) {
    GridWindow* window = showPuzzle(mainWindow_, activeGrid_, game.kind, game.givens, game.entries,
                                    game.notes, game.colouring);
    if (window == nullptr) return;
    ProgramState& session = window->board().session();
    // The stored puzzle becomes current again only while its record still has these givens.
    if (game.puzzleNumber != 0) {
        const Result<Database> database =
            loadDatabase(databaseFolder(mainWindow_.programFolder()), game.kind);
        const std::optional<FoundRecord> found =
            database ? findByNumber(database.value(), game.puzzleNumber) : std::nullopt;
        const std::optional<CellLists> lists =
            found ? parseCellText(found->record.cellText, game.kind) : std::nullopt;
        std::vector<std::string> givens;
        for (const int value : game.givens)
            givens.push_back(value > 0 ? std::to_string(value) : "");
        if (lists && lists->givens == givens) {
            makeCurrentPuzzle(session, found->record);
            session.puzzleKind = game.puzzleKind;
        }
    }
    window->setPuzzleNumberLabel(game.caption);
    window->checkConsistency(1);
    mainWindow_.restartElapsedTime();
    session.bankedElapsed = game.elapsedDays;
    // The clock shows it from the next tick; set aside before then, the game keeps its time.
    session.elapsedShown = game.elapsedDays;
}

void registerGameKeeper(MainWindow& mainWindow, DialogExchange& dialogs,
                        ActiveGridWindow activeGrid, GridWindow& nine, GridWindow& fifteen) {
    auto keeper =
        std::make_shared<GameKeeper>(mainWindow, dialogs, std::move(activeGrid), nine, fifteen);
    CommandTable& table = mainWindow.commands();
    table.setAction(Command::ResumeLastGame, [keeper] { keeper->resume(); });
    table.setStep(Command::KeepGameBeforeReplacing,
                  [keeper] { return keeper->keepBeforeReplacing(); });
    table.setStep(Command::KeepGameAtQuit, [keeper] { return keeper->keepAtQuit(); });
    table.setAction(Command::SetAsideGame, [keeper] { keeper->setAside(); });
    table.setAction(Command::OfferKeptGame, [keeper] { keeper->offerAtStart(); });
}

}  // namespace quorvel
