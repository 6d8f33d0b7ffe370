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

void DatabaseCommands::clearForGeneration(GridWindow& window) {
    blankGrid(window, mainWindow_, false);
    mainWindow_.endCurrentPuzzle();
    // The 9x9 window keeps its four stored grids in the settings.
    if (window.kind().isNine()) mainWindow_.settings().storedGrids = {};
}

RandomSource& DatabaseCommands::generationRandom(std::unique_ptr<RandomSource>& clockSeeded) {
    if (random_ != nullptr) return *random_;
    clockSeeded = clockSeededRandom(dialogs_.host);
    return *clockSeeded;
}

void DatabaseCommands::computerGeneratedPuzzle(GridWindow& window) {
    ScopeGuard workingHard = mainWindow_.showWorkingHard();
    clearForGeneration(window);
    const int level = session_.currentLevel;
    mainWindow_.settings().exposedCount = exposedCountFor(window.kind(), level);
    std::unique_ptr<RandomSource> clockSeeded;
    RandomSource& random = generationRandom(clockSeeded);
    markGivensPattern(window, level, random);

    session_.stopRequested = false;
    mainWindow_.setStopItemVisible(true);
    // The generated grid is always stored as a puzzle: Grade and Save would keep an unfinished
    // composition instead while incompleteMode is left on by an earlier Database item.
    const bool incompleteMode = session_.incompleteMode;
    session_.incompleteMode = false;
    const bool made = generatePuzzle(window, mainWindow_, dialogs_, random);
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
