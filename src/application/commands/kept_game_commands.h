#pragma once
// Games that survive Quit and a replaced grid. When the program quits, or a command is about to
// put another puzzle on the grid, while a grid holds entries or notes that Save Incomplete
// Puzzle has not stored, the game (givens, entries, notes, puzzle number and kind, caption,
// elapsed time) is kept in the kept-game file, one game per grid size. At Quit both grids' games
// are kept. The next start asks about each in turn, the one shown at Quit first, naming the
// puzzle and its time ("Continue your unfinished puzzle (Easy No. 3, 00:04:12)?"); those
// continued come back on their grids, the first on screen. Set Puzzle > Resume Last Game brings a
// kept game back at any time (that of the grid shown, else the other's), keeping the one it
// replaces in its place.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "application/commands/grid_setup.h"  // ActiveGridWindow
#include "storage/kept_game.h"

namespace quorvel {

class DialogExchange;
class GridWindow;
class MainWindow;

inline constexpr std::string_view kResumeTitle = "Resume Last Game";

// "Continue your unfinished puzzle (Easy No. 3, 00:04:12)?": the stored puzzle by level and
// number (as "Stored: Easy No. 3" names it), the grid when it is the 15 x 15 one or the puzzle
// is none of the stored ones, and the elapsed time.
std::string resumeQuestion(const KeptGame& game);

class GameKeeper {
  public:
    GameKeeper(MainWindow& mainWindow, DialogExchange& dialogs, ActiveGridWindow activeGrid,
               GridWindow& nine, GridWindow& fifteen);

    // Before a command replaces the game on the grid shown; false when the game had to be kept
    // and could not be (the message line says why), so the command must not go on.
    bool keepBeforeReplacing();
    // The program quits: the games of both grids are kept, and the next start offers them (that
    // of the grid shown first); a game kept earlier for a grid that now has none is no longer
    // offered. False when they could not be written (the message line says why).
    bool keepAtQuit();
    // Another grid is about to take the screen: remember what the session says of the game on
    // the grid shown, since it keeps the stored puzzle and the clock for that grid only.
    void setAside();
    // After the splash: the kept games marked for it are offered once each.
    void offerAtStart();
    // Set Puzzle > Resume Last Game.
    void resume();

  private:
    // What the session said of a grid's game when another grid took the screen.
    struct SetAside {
        std::string caption;  // the caption then, so a puzzle put there since is not taken for it
        int puzzleNumber = 0;
        int puzzleKind = 0;
        int puzzleLevel = 0;
        double elapsedDays = 0;
    };

    // The window's game when it holds entries or notes that are neither stored as the incomplete
    // puzzle nor a finished solution.
    std::optional<KeptGame> unsavedGame(const GridWindow& window) const;
    // Keeps the window's unsaved game in its grid size's place in the file.
    bool keepGameOf(const GridWindow& window);
    bool save(const std::vector<KeptGame>& games);
    void show(const KeptGame& game);
    GridWindow& windowFor(const GridKind& kind) const;
    SetAside& setAsideFor(const GridWindow& window);
    const SetAside& setAsideFor(const GridWindow& window) const;

    MainWindow& mainWindow_;
    DialogExchange& dialogs_;
    ActiveGridWindow activeGrid_;
    GridWindow& nine_;
    GridWindow& fifteen_;
    SetAside nineSetAside_;
    SetAside fifteenSetAside_;
};

// Registers Resume Last Game and the keeping steps the main window runs in its command table.
void registerGameKeeper(MainWindow& mainWindow, DialogExchange& dialogs,
                        ActiveGridWindow activeGrid, GridWindow& nine, GridWindow& fifteen);

}  // namespace quorvel
