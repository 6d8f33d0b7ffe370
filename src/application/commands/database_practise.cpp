// Set Puzzle > Practise a Technique...

#include <algorithm>

#include "application/commands/database_commands.h"
#include "application/commands/grid_setup.h"
#include "application/commands/grid_setup_generator.h"
#include "application/commands/practise_dialog.h"
#include "application/grid/dialog_exchange.h"
#include "application/grid/grid_events.h"
#include "application/grid/grid_window.h"
#include "application/host.h"
#include "application/shell/main_window.h"
#include "engines/create/technique_practice.h"
#include "model/program_state.h"

namespace quorvel {

namespace {

// Full grids searched before the command gives up, as the tool's --needs does by default.
constexpr int kPractiseGrids = 100;

// Turns the optional technique on, unless it is on already.
void turnOn(MainWindow& mainWindow, logic::Technique technique) {
    if (mainWindow.optionalTechniques().contains(technique)) return;
    const std::vector<logic::TechniqueInfo> optional = logic::optionalTechniques();
    const auto found = std::ranges::find(optional, technique, &logic::TechniqueInfo::technique);
    if (found != optional.end())
        mainWindow.runMenuItem(
            OptionalTechnique{static_cast<std::size_t>(found - optional.begin())});
}

}  // namespace

std::string practiseFoundText(std::string_view technique) {
    return "The hardest step of this puzzle is " + std::string(technique) +
           ": Explain Next Step leads to it.";
}

void DatabaseCommands::practiseTechnique(GridWindow& window) {
    PractiseDialog dialog(practised_);
    dialogs_.host.runDialog(dialog);
    if (!dialog.outcome()) return;
    const logic::Technique technique = *dialog.outcome();
    practised_ = technique;
    const std::string_view name = logic::techniqueInfo(technique).name;
    if (!practiceTurnedOn(technique).empty()) turnOn(mainWindow_, technique);

    ScopeGuard workingHard = mainWindow_.showWorkingHard();
    clearForGeneration(window);
    std::unique_ptr<RandomSource> clockSeeded;
    RandomSource& random = generationRandom(clockSeeded);
    session_.stopRequested = false;
    mainWindow_.setStopItemVisible(true);
    mainWindow_.showMessage(std::string(kPractiseProgressLead) + std::string(name) + "...",
                            colour::kBlue, Alignment::Centre);
    // Events run before every rating, so the window stays alive and Stop usable.
    Board& board = window.board();
    const PracticePuzzle made =
        generateNeeding(window.kind(), technique, random, kPractiseGrids, [&](int) {
            board.events().processEvents();
            return !session_.stopRequested;
        });
    mainWindow_.showMessage("", colour::kWhite, Alignment::Centre);
    if (made.found) {
        // Stored as a puzzle even while incompleteMode is left on by an earlier Database item.
        const bool incompleteMode = session_.incompleteMode;
        session_.incompleteMode = false;
        const int level = practiceRating(window.kind(), made.puzzle, technique).level;
        showGeneratedPuzzle(window, mainWindow_, dialogs_, made.puzzle, made.solution, level);
        mainWindow_.setPractisedPuzzle(made.puzzle, technique);
        session_.incompleteMode = incompleteMode;
        mainWindow_.restartElapsedTime();
        mainWindow_.restartHistory(window);
        // A file the save could not write stays named.
        if (mainWindow_.messageLine().colour != colour::kRed)
            mainWindow_.showMessage(practiseFoundText(name), colour::kBlue, Alignment::Centre);
    } else if (!made.stopped) {
        mainWindow_.showMessage(practiceMissedText(name, made.grids) + ".", colour::kBlue,
                                Alignment::Centre);
    }
    mainWindow_.setStopItemVisible(false);
    workingHard.end();
    session_.stopRequested = false;
    mainWindow_.applyStateChange(made.found ? StateChange::GridLockedWithGivens
                                            : StateChange::GridUnlockedOrBlanked);
}

}  // namespace quorvel
