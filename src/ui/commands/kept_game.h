#pragma once
// Games that survive Quit and a replaced grid. When the program quits, or a command is about to
// put another puzzle on the grid, while the grid holds entries or notes that Save Incomplete
// Puzzle has not stored, the game (givens, entries, notes, puzzle number and kind, caption,
// elapsed time) is kept in the kept-game file. The next start asks "Continue your unfinished
// puzzle?" after the splash, and Set Puzzle > Resume Last Game brings the kept game back at any
// time (keeping the one it replaces in its place).

#include <optional>
#include <string_view>

#include "storage/kept_game.h"
#include "ui/commands/grid_setup.h"  // ActiveGridWindow

namespace quorvel {

class DialogExchange;
class GridWindow;
class MainWindow;

inline constexpr std::string_view kResumeTitle = "Resume Last Game";
inline constexpr std::string_view kResumePrompt = "Continue your unfinished puzzle?";

class GameKeeper {
  public:
    GameKeeper(MainWindow& mainWindow, DialogExchange& dialogs, ActiveGridWindow activeGrid,
               GridWindow& nine, GridWindow& fifteen);

    // Before a command replaces the game on the grid shown; false when the game had to be kept
    // and could not be (the message line says why), so the command must not go on.
    bool keepBeforeReplacing();
    // The program quits: the game of the grid shown is kept, else that of the other grid, and
    // the next start offers it; without one, a game kept earlier is no longer offered.
    void keepAtQuit();
    // After the splash: the kept game marked for it is offered once.
    void offerAtStart();
    // Set Puzzle > Resume Last Game.
    void resume();

  private:
    // The window's game when it holds entries or notes that are neither stored as the incomplete
    // puzzle nor a finished solution.
    std::optional<KeptGame> unsavedGame(const GridWindow& window) const;
    bool save(const KeptGame& game);
    void show(const KeptGame& game);

    MainWindow& mainWindow_;
    DialogExchange& dialogs_;
    ActiveGridWindow activeGrid_;
    GridWindow& nine_;
    GridWindow& fifteen_;
};

// Registers Resume Last Game and the keeping steps the main window runs in its command table.
void registerGameKeeper(MainWindow& mainWindow, DialogExchange& dialogs,
                        ActiveGridWindow activeGrid, GridWindow& nine, GridWindow& fifteen);

}  // namespace quorvel
