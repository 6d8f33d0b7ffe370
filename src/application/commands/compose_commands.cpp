#include "application/commands/compose_commands.h"

#include <algorithm>
#include <string>

#include "application/commands/compose_pattern.h"
#include "application/commands/grade_and_save_command.h"
#include "application/commands/grid_setup.h"
#include "application/commands/grid_setup_generator.h"
#include "application/grid/dialog_exchange.h"
#include "application/grid/dialog_titles.h"
#include "application/grid/grid_window.h"
#include "application/grid/input_dialog.h"
#include "application/host.h"
#include "application/shell/main_window.h"
#include "engines/create/random_source.h"
#include "model/program_state.h"

namespace quorvel {

namespace {

// The number chosen for entry by click after an effort is stored.
constexpr int kEffortNumber = 8;
// The composing buttons Test Screen presses: column 8, then rows 4 and 5.
constexpr int kTestScreenColumn = 8;
constexpr int kTestScreenRows[] = {4, 5};

}  // namespace

ComposeCommands::ComposeCommands(MainWindow& mainWindow, DialogExchange& dialogs, GridWindow& nine,
                                 ComposingButtons buttons)
    : mainWindow_(mainWindow),
      dialogs_(dialogs),
      nine_(nine),
      session_(dialogs.session),
      buttons_(std::move(buttons)) {}

void ComposeCommands::enterCreateLayout() {
    mainWindow_.pressGridButton(false);
    mainWindow_.applyComposeLayout();
}

// The Nine item once more: the 9x9 window is shown centred in the (possibly resized) frame.
// While composing, Assist Solve stays open so that the composition can be checked and rated.
void ComposeCommands::showNine() {
    mainWindow_.openGrid(false);
    if (session_.createMode) mainWindow_.setMenuEnabled(Menu::AssistSolve, true);
}

void ComposeCommands::createOwnPuzzle() {
    // The count is shared with the generator, which may leave a 15x15 count there: the question
    // offers it within the range the answer is held to.
    const int stored = mainWindow_.settings().exposedCount;
    const int offered = stored == 0 ? kComposeDefaultExposed
                                    : std::clamp(stored, kFewestExposedCells, kMostExposedCells);
    dialogs_.ask(std::string(kComposeTitle), std::string(kComposePrompt), std::to_string(offered));
    if (dialogs_.dialogCancelled) return;
    const int exposed = dialogs_.exposedCells;
    session_.createMode = true;
    // The answer is written before the settings are read again, so the read keeps it.
    mainWindow_.settings().exposedCount = exposed;
    mainWindow_.writeSettings();
    mainWindow_.loadSettings();
    mainWindow_.settings().exposedCount = exposed;

    enterCreateLayout();
    std::unique_ptr<RandomSource> clockSeeded;
    RandomSource* random = random_.get();
    if (random == nullptr) {
        clockSeeded = clockSeededRandom(dialogs_.host);
        random = clockSeeded.get();
    }
    composePattern(nine_, mainWindow_, exposed, *random, false);
    // The grid now holds a new composition, not the stored puzzle it may have shown.
    mainWindow_.endCurrentPuzzle();
    showNine();
    mainWindow_.restartElapsedTime();
    mainWindow_.restartHistory(nine_);
}

void ComposeCommands::gradeAndSave() {
    session_.incompleteMode = false;
    quorvel::gradeAndSave(nine_, mainWindow_, dialogs_, true);
}

void ComposeCommands::StoreIncompleteEffort() {
    session_.incompleteMode = true;
    quorvel::gradeAndSave(nine_, mainWindow_, dialogs_, true);
    session_.incompleteMode = false;
    if (!numberBeforeEffort_) numberBeforeEffort_ = session_.selectedNumber;
    mainWindow_.pressNumberButton(kEffortNumber);
}

void ComposeCommands::GetLastIncompleteEffort() {
    if (session_.createMode) mainWindow_.writeSettings();
    session_.createMode = true;
    enterCreateLayout();
    if (!restoreEffort(nine_, mainWindow_.settings().effortText)) {
        dialogs_.ask(std::string(kQuorvelTitle), std::string(kNothingToDoText), "");
        session_.createMode = false;
        mainWindow_.applyComposeLayout();
    } else {
        mainWindow_.endCurrentPuzzle();
    }
    showNine();
    mainWindow_.loadSettings();
    mainWindow_.restartElapsedTime();
    mainWindow_.restartHistory(nine_);
}

void ComposeCommands::OpenComposePage() {
    dialogs_.openWebAddress(std::string(kComposePage));
}

void ComposeCommands::TestScreen() {
    if (session_.createMode) mainWindow_.writeSettings();
    session_.createMode = true;
    enterCreateLayout();
    blankGrid(nine_, mainWindow_, false);
    mainWindow_.endCurrentPuzzle();
    for (int cell = 1; cell <= nine_.board().cellCount(); ++cell)
        markPlain(nine_, cell);
    for (const int cell : kTestScreenPattern)
        markExposed(nine_, cell);
    showNine();
    for (const int cell : kTestScreenSevens)
        nine_.setCellValue(cell, "7");
    if (buttons_.columnUp) buttons_.columnUp(kTestScreenColumn, kMouseLeft);
    if (buttons_.rowUp) {
        for (const int row : kTestScreenRows)
            buttons_.rowUp(row, kMouseLeft);
    }
    mainWindow_.loadSettings();
    mainWindow_.restartElapsedTime();
    mainWindow_.restartHistory(nine_);
}

void ComposeCommands::quitCreateOwnPuzzle() {
    if (!session_.createMode) return;
    session_.createMode = false;
    // The pink lines and frames belong to the composition: they go with it.
    if (buttons_.clearUp) buttons_.clearUp(kMouseLeft);
    mainWindow_.applyComposeLayout();
    blankGrid(nine_, mainWindow_, false);
    mainWindow_.endCurrentPuzzle();
    showNine();
    mainWindow_.setElapsedTimerRunning(false);
    mainWindow_.writeSettings();
    // Composing chose 8 for the clicks into its pattern; the grid after it gets no number the
    // user did not choose.
    if (numberBeforeEffort_ && session_.selectedNumber == kEffortNumber)
        mainWindow_.pressNumberButton(*numberBeforeEffort_);
    numberBeforeEffort_.reset();
}

void registerComposeCommands(MainWindow& mainWindow, DialogExchange& dialogs, GridWindow& nine,
                             ComposingButtons buttons, std::shared_ptr<RandomSource> random) {
    auto commands =
        std::make_shared<ComposeCommands>(mainWindow, dialogs, nine, std::move(buttons));
    commands->setRandomSource(std::move(random));
    CommandTable& table = mainWindow.commands();
    const std::pair<Command, void (ComposeCommands::*)()> items[] = {
        {Command::CreateOwnPuzzle, &ComposeCommands::createOwnPuzzle},
        {Command::SaveOwnPuzzle, &ComposeCommands::gradeAndSave},
        {Command::StoreIncompleteEffort, &ComposeCommands::StoreIncompleteEffort},
        {Command::GetLastIncompleteEffort, &ComposeCommands::GetLastIncompleteEffort},
        {Command::OpenComposePage, &ComposeCommands::OpenComposePage},
        {Command::TestScreen, &ComposeCommands::TestScreen},
        {Command::QuitCreateOwnPuzzle, &ComposeCommands::quitCreateOwnPuzzle},
    };
    // Not a structured binding: clang before 16 cannot capture one, and the fuzz build uses clang.
    for (const auto& item : items) {
        const auto member = item.second;
        table.setAction(item.first, [commands, member] { ((*commands).*member)(); });
    }
}

}  // namespace quorvel
