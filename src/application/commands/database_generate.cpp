// Computer Generated Puzzle.

#include "application/commands/database_commands.h"
#include "application/commands/grid_setup.h"
#include "application/commands/grid_setup_generator.h"
#include "application/grid/dialog_exchange.h"
#include "application/grid/grid_events.h"
#include "application/grid/grid_window.h"
#include "application/shell/main_window.h"
#include "engines/create/generate_puzzle.h"
#include "engines/create/givens_pattern.h"
#include "engines/create/level_aim.h"
#include "model/program_state.h"

namespace quorvel {

void DatabaseCommands::computerGeneratedPuzzle(GridWindow& window) {
    ScopeGuard workingHard = mainWindow_.showWorkingHard();
    blankGrid(window, mainWindow_, false);
    // The puzzle shown before is gone; a generated grid that is stored becomes the current one.
    mainWindow_.endCurrentPuzzle();
    // The 9x9 window keeps its four stored grids in the settings; a new puzzle empties them.
    if (window.kind().isNine()) mainWindow_.settings().storedGrids = {};
    const int level = session_.currentLevel;
    mainWindow_.settings().exposedCount = exposedCountFor(window.kind(), level);

    std::unique_ptr<RandomSource> clockSeeded;
    RandomSource* random = random_.get();
    if (random == nullptr) {
        clockSeeded = clockSeededRandom(dialogs_.host);
        random = clockSeeded.get();
    }
    markGivensPattern(window, level, *random);

    session_.stopRequested = false;
    mainWindow_.setStopItemVisible(true);
    // The generated grid is always stored as a puzzle: Grade and Save would keep an unfinished
    // composition instead while incompleteMode is left on by an earlier Database item.
    const bool incompleteMode = session_.incompleteMode;
    session_.incompleteMode = false;
    const bool made = generatePuzzle(window, mainWindow_, dialogs_, *random);
    session_.incompleteMode = incompleteMode;
    if (made) {
        mainWindow_.restartElapsedTime();
        mainWindow_.restartHistory(window);
    }

    // The progress line ends with the generation (a message of the save or the aim stays).
    const std::string& line = mainWindow_.messageLine().text;
    if (line.starts_with(kGeneratingRowLead) || line.starts_with(kAimProgressLead))
        mainWindow_.showMessage("", colour::kWhite, Alignment::Centre);
    mainWindow_.setStopItemVisible(false);
    workingHard.end();
    session_.stopRequested = false;
    mainWindow_.applyStateChange(made ? StateChange::GridLockedWithGivens
                                      : StateChange::GridUnlockedOrBlanked);
}

}  // namespace quorvel
