#include "ui/shell/main_window.h"

#include "model/grid_kind.h"
#include "model/session.h"
#include "storage/data_file.h"
#include "storage/data_location.h"
#include "storage/puzzle_commands.h"
#include "storage/puzzle_database.h"
#include "ui/grid/dialog_exchange.h"
#include "ui/shell/grid_child.h"
#include "ui/shell/startup.h"
#include "ui/shell/version.h"

namespace quorvel {

MainWindow::MainWindow(Host& host, Session& session, DialogExchange& dialogs,
                       std::filesystem::path programFolder)
    : host_(host),
      session_(session),
      dialogs_(dialogs),
      programFolder_(std::move(programFolder)),
      elapsed_(session, host),
      help_(host, session),
      about_(host, dialogs) {
    help_.setDataFolderNote(DataFolderNote(programFolder_));
    about_.setDataFolderNote(DataFolderNote(programFolder_));
    // A command may change cells while the focus stays where it was: the panel and the tips are
    // brought up to date after every one.
    commands_.setAfterEach([this] {
        if (active_ != nullptr) active_->refreshPossibilities();
    });
}

void MainWindow::setGrids(GridChild& nine, GridChild& fifteen) {
    nine_ = &nine;
    fifteen_ = &fifteen;
}

void MainWindow::setHistoryRecorder(std::function<void(GridWindow&)> recorder) {
    historyRecorder_ = std::move(recorder);
}

void MainWindow::setHistoryRestarter(std::function<void(GridWindow&)> restarter) {
    historyRestarter_ = std::move(restarter);
}

void MainWindow::subscribe(std::function<void(MainWindowChange)> listener) {
    listeners_.push_back(std::move(listener));
}

void MainWindow::changed(MainWindowChange change) {
    for (const auto& listener : listeners_)
        listener(change);
}

// ---- window events -------------------------------------------------------------------------

void MainWindow::load() {
    firstActivate_ = true;
    visible_ = true;
    showDatabaseBusy();
    changed(MainWindowChange::Layout);
    // One level back, so that clicking the level button shows the stored level's glyph.
    session_.currentLevel -= 1;
    toolbarButtonReleased(0, kMouseLeft, 0);
    toolbarButtonReleased(kLevelButton, kMouseLeft, 0);
    toolbarButtonReleased(kNineButton, kMouseLeft, 0);
    setButtonEnabled(17, false);
    setButtonEnabled(18, false);
    setButtonEnabled(19, true);
    setButtonEnabled(21, true);
    showDatabaseReady();
}

void MainWindow::activate() {
    elapsed_.activate();
    if (firstActivate_) {
        applyComposeLayout();
        firstActivate_ = false;
        if (onFirstActivation_) onFirstActivation_();
        setMenuChecked({MenuArray::VisualAid, 1}, settings_.showPossibilitiesTip);
        setMenuChecked({MenuArray::VisualAid, 2}, settings_.showPossibilitiesPanel);
    }
    changed(MainWindowChange::ElapsedTime);
}

void MainWindow::resize(bool minimised) {
    changed(MainWindowChange::Layout);
    if (active_ != nullptr && !minimised) active_->placeIn(widthTwips(), heightTwips());
    bool wasMinimised = minimised_;
    minimised_ = minimised;
    if (firstActivate_) return;
    if (minimised) {
        if (elapsed_.bankOnMinimise()) {
            changed(MainWindowChange::ElapsedTime);
            writeSettings();
        }
    } else if (wasMinimised && elapsed_.resumeOnRestore()) {
        changed(MainWindowChange::ElapsedTime);
    }
}

void MainWindow::unload() {
    if (unloaded_) return;
    unloaded_ = true;
    if (originalMode_) changeDisplayMode(host_, originalMode_->width, originalMode_->height);
    closing_ = true;
    writeSettings();
    changed(MainWindowChange::Closed);
    host_.quit();
}

void MainWindow::Quit() {
    about_.load(true);
    host_.runAbout(about_);
    if (about_.answer() != ExitAnswer::Yes) return;
    // The grid windows really close only once the application is closing.
    closing_ = true;
    help_.unload();
    if (nine_ != nullptr) nine_->closeForExit();
    if (fifteen_ != nullptr) fifteen_->closeForExit();
    unload();
}

// ---- menus ---------------------------------------------------------------------------------

void MainWindow::menuChosen(MenuRef ref) {
    if (!menus_.isEffective(ref)) return;
    if (active_ != nullptr) active_->leaveFocusedCell();
    if (ref != kExplainNextStepItem) commands_.run(Command::ClearExplanationMarks);
    switch (ref.array) {
        case MenuArray::Top:
            topMenuClicked(ref.index);
            break;
        case MenuArray::PuzzleGrid:
            puzzleGridItemClicked(ref.index);
            break;
        case MenuArray::SetPuzzle:
            setPuzzleItemClicked(ref.index);
            break;
        case MenuArray::Database:
            databaseItemClicked(ref.index);
            break;
        case MenuArray::AssistSolve:
            assistSolveItemClicked(ref.index);
            break;
        case MenuArray::Solve:
            solveItemClicked(ref.index);
            break;
        case MenuArray::VisualAid:
            visualAidItemClicked(ref.index);
            break;
        case MenuArray::Help:
            helpItemClicked(ref.index);
            break;
    }
}

void MainWindow::topMenuClicked(int index) {
    showMessage("", colour::kWhite, 2);
    if (active_ != nullptr) active_->setFrameColour(colour::kBlack);
    if (index == 5) commands_.run(Command::PrepareColorNumber);
    if (index == 7) Quit();
    if (index == 8) {
        session_.stopRequested = true;
        setStopItemVisible(false);
    }
}

void MainWindow::puzzleGridItemClicked(int index) {
    switch (index) {
        case 0:
            openGrid(false);
            break;
        case 1:
            openGrid(true);
            break;
        case 3:
            commands_.run(Command::Print);
            break;
        case 5:
            commands_.run(Command::CreateTextFile);
            break;
        case 6:
            commands_.run(Command::ImportTextFile);
            break;
        case 7:
            commands_.run(Command::ImportBatch);
            break;
        case 9:
            host_.openUrl(std::string(kBatchPage) + kBatchPageAnchor);
            break;
        default:
            break;
    }
    static const std::pair<int, Command> kPuzzleFileItems[] = {
        {11, Command::OpenPuzzleFile}, {12, Command::SavePuzzleAs}, {13, Command::CopyPuzzle},
        {14, Command::CopyGivens},     {15, Command::PastePuzzle},
    };
    for (const auto& [item, command] : kPuzzleFileItems) {
        if (item == index) commands_.run(command);
    }
}

void MainWindow::setPuzzleItemClicked(int index) {
    static const std::pair<int, Command> kItems[] = {
        {0, Command::BlankGrid},
        {1, Command::LockGrid},
        {2, Command::UnlockGrid},
        {4, Command::CreateOwnPuzzle},
        {5, Command::SaveOwnPuzzle},
        {6, Command::StoreIncompleteEffort},
        {7, Command::GetLastIncompleteEffort},
        {12, Command::OpenComposePage},
        {13, Command::TestScreen},
        {15, Command::QuitCreateOwnPuzzle},
    };
    for (const auto& [item, command] : kItems) {
        if (item == index) runSetPuzzle(command);
    }
}

void MainWindow::runSetPuzzle(Command command) {
    const MenuRef tipItem{MenuArray::VisualAid, 1};
    const bool tipWasChecked = menus_.at(tipItem).checked;
    // The settings the command writes keep the mark the user set, not the cleared one.
    tipMarkDuringSetPuzzle_ = tipWasChecked;
    setMenuChecked(tipItem, false);
    elapsed_.setRunning(false);
    setDrawingMode(1);
    if (active_ != nullptr) active_->unloadTips();
    // The command disables the three experimental-run buttons, so a run still active would have
    // no way to end: it ends here, its entries kept as ordinary ones.
    if (session_.experimentColours) commands_.run(Command::EndExperiment);
    applyStateChange(StateChange::SetPuzzleCommand);
    commands_.run(command);
    tipMarkDuringSetPuzzle_.reset();
    setMenuChecked(tipItem, tipWasChecked);
    setDrawingMode(0);
}

void MainWindow::databaseItemClicked(int index) {
    switch (index) {
        case 0:
            session_.incompleteMode = false;
            commands_.run(Command::GetPuzzle);
            break;
        case 1:
            commands_.run(Command::ShowStoredSolution);
            break;
        case 2:
            session_.incompleteMode = false;
            commands_.run(Command::StoreSolution);
            break;
        case 4:
            session_.incompleteMode = true;
            commands_.run(Command::SaveIncompletePuzzle);
            break;
        case 5:
            session_.incompleteMode = true;
            commands_.run(Command::GetIncompletePuzzle);
            break;
        case 7:
            commands_.run(Command::DeletePuzzle);
            break;
        case 11:
            commands_.run(Command::ImportCollection);
            break;
        case 9:
            commands_.run(Command::ComputerGeneratedPuzzle);
            break;

        case 10:
            setUniquePuzzlesOnly(!options_.uniquePuzzlesOnly);
            break;
        default:
            break;
    }
}

void MainWindow::assistSolveItemClicked(int index) {
    if (index == 2) commands_.run(Command::CheckForSingle);
    if (index == 3) commands_.run(Command::GetNext);
    if (index == 5) commands_.run(Command::CheckPuzzle);
    if (index == 6) commands_.run(Command::ShowMistakes);
    if (index == 7) commands_.run(Command::RatePuzzle);
    if (index == 9) commands_.run(Command::ExplainNextStep);
}

void MainWindow::solveItemClicked(int index) {
    static const Command kModes[] = {Command::MildAttack, Command::BruteForce,
                                     Command::NumberCrunch, Command::ExactSolve};
    if (index >= 0 && index <= 3) commands_.run(kModes[index]);
}

void MainWindow::visualAidItemClicked(int index) {
    switch (index) {
        case 0:
            commands_.run(Command::ColorNumber);
            break;
        case 1:
            commands_.run(Command::ShowPossibilitiesTip);
            break;
        case 2:
            commands_.run(Command::ShowPossibilitiesPanel);
            break;
        case 4:
            commands_.run(Command::PauseTimer);
            break;
        default:
            break;
    }
}

void MainWindow::helpItemClicked(int index) {
    showMessage("", colour::kWhite, 2);
    if (index == 0) {
        session_.loadBusy = true;
        showHelp();
    }
    if (index == 2) {
        about_.load(false);
        host_.runAbout(about_);
    }
}

void MainWindow::showHelp() {
    setDrawingMode(0);
    showDatabaseBusy();
    const std::filesystem::path& folder = shippedFolder_.empty() ? programFolder_ : shippedFolder_;
    std::filesystem::path file = ResolveDataFile(databaseFolder(folder), HelpWindow::kHelpFileName);
    std::string text = readDataFile(file);
    if (!text.empty()) {
        help_.show(text, helpScreen());
        host_.processEvents();
    } else {
        // No window comes up to clear the flag, and a set flag would block the solve commands.
        session_.loadBusy = false;
    }
    showDatabaseReady();
}

HelpScreen MainWindow::helpScreen() {
    const WindowPlacement place = host_.mainWindowPlacement();
    const auto twips = [](const ScreenRect& rect) {
        return TwipsRect{rect.left * 15, rect.top * 15, rect.width * 15, rect.height * 15};
    };
    if (place.frame.width <= 0) return {{0, 0, widthTwips(), heightTwips()}, {}, {}};
    const ScreenRect& inside = place.inside;
    const ScreenRect& frame = place.frame;
    const ScreenRect decoration{inside.left - frame.left, inside.top - frame.top,
                                frame.left + frame.width - inside.left - inside.width,
                                frame.top + frame.height - inside.top - inside.height};
    return {twips(frame), twips(place.workArea), twips(decoration)};
}

// ---- toolbar -------------------------------------------------------------------------------

void MainWindow::toolbarClicked(int index, int button, int shift) {
    if (!Toolbar::exists(index)) return;
    const ToolButton& clicked = toolbar_.at(index);
    if (!clicked.visible || !clicked.enabled) return;
    if (active_ != nullptr) active_->leaveFocusedCell();
    commands_.run(Command::ClearExplanationMarks);
    toolbarButtonReleased(index, button, shift);
}

void MainWindow::toolbarButtonReleased(int index, int button, int /*shift*/) {
    if (!Toolbar::exists(index)) return;
    if (button == kMouseRight) {
        if (index == kLevelButton) databaseItemClicked(0);
        return;
    }
    flashButton(index);
    if (index == kLevelButton) stepLevel();
    if (index == 19) commands_.run(Command::GetNext);
    if (index == 21) commands_.run(Command::CheckForSingle);
    if (index == kNineButton || index == kFifteenButton) {
        puzzleGridItemClicked(index == kNineButton ? 0 : 1);
        toolbarButtonReleased(0, kMouseLeft, 0);
        scanDatabaseForLevel();
    }
    if (index >= 0 && index <= 15) chooseNumber(index);
    if (index == 16) experimentButton(index, Command::StartExperiment);
    if (index == 17) experimentButton(index, Command::RejectExperiment);
    if (index == 18) experimentButton(index, Command::ConfirmExperiment);
    if (index == 32) commands_.run(Command::Undo);
    if (index == 33) commands_.run(Command::Redo);
}

void MainWindow::flashButton(int index) {
    ToolButton& pressed = toolbar_.at(index);
    pressed.flashing = true;
    changed(MainWindowChange::Toolbar);
    host_.processEvents();
    host_.sleepMs(Toolbar::kFlashMs);
    pressed.flashing = false;
    changed(MainWindowChange::Toolbar);
}

void MainWindow::stepLevel() {
    int level = session_.currentLevel + 1;
    if (level == 5) level = 1;
    session_.currentLevel = level;
    if (level < 1 || level > 4) return;
    ToolButton& button = toolbar_.at(kLevelButton);
    button.caption = kLevelLooks[level - 1].caption;
    button.toolTip = kLevelLooks[level - 1].toolTip;
    changed(MainWindowChange::Toolbar);
}

void MainWindow::chooseNumber(int index) {
    for (int number = 0; number <= 15; ++number)
        toolbar_.at(number).backColour = colour::kButtonGrey;
    toolbar_.at(index).backColour = colour::kWhite;
    session_.selectedNumber = index;  // 0: numbers by key press only
    changed(MainWindowChange::Toolbar);
}

void MainWindow::experimentButton(int index, Command step) {
    for (int button = 16; button <= 18; ++button)
        toolbar_.at(button).backColour = colour::kButtonGrey;
    toolbar_.at(index).backColour = colour::kChosenYellow;
    changed(MainWindowChange::Toolbar);
    if (!commands_.run(step)) setButtonBackColour(index, colour::kButtonGrey);
}

// ---- grids ---------------------------------------------------------------------------------

void MainWindow::openGrid(bool fifteen) {
    setButtonBackColour(kNineButton, colour::kButtonGrey);
    setButtonBackColour(kFifteenButton, colour::kButtonGrey);
    GridChild* closing = fifteen ? nine_ : fifteen_;
    GridChild* opening = fifteen ? fifteen_ : nine_;
    if (closing != nullptr) closing->hide();
    active_ = opening;
    session_.gridKindCode = fifteen ? kFifteenGrid.sizeCode : kNineGrid.sizeCode;
    // A stored puzzle belongs to its grid kind; the other grid does not show it.
    if (session_.puzzleNumber != 0 && session_.puzzleSizeCode != session_.gridKindCode) {
        endCurrentPuzzle();
    }
    setButtonBackColour(fifteen ? kFifteenButton : kNineButton, colour::kChosenYellow);
    if (opening != nullptr) opening->showIn(widthTwips(), heightTwips());
    // The numbers above 9 belong to the 15x15 grid; the create layout hides them anyway.
    for (int number = 10; number <= 15; ++number) {
        toolbar_.at(number).visible = fifteen && !session_.createMode;
    }
    changed(MainWindowChange::Toolbar);
}

void MainWindow::scanDatabaseForLevel() {
    const GridKind& kind =
        session_.gridKindCode == kFifteenGrid.sizeCode ? kFifteenGrid : kNineGrid;
    Result<Database> database = LoadDatabase(databaseFolder(programFolder_), kind);
    if (!database) {
        showFileError(database.error().message());
        return;
    }
    CountLevel(session_, database.value(), session_.currentLevel);
}

bool MainWindow::isActiveChild(const GridWindow& window) const {
    return active_ != nullptr && active_->is(window);
}

void MainWindow::showOtherGrid(const GridWindow& closing) {
    bool nineClosing = nine_ != nullptr && nine_->is(closing);
    puzzleGridItemClicked(nineClosing ? 1 : 0);
}

void MainWindow::recordHistory(GridWindow& window) {
    if (historyRecorder_) historyRecorder_(window);
}

void MainWindow::restartHistory(GridWindow& window) {
    if (historyRestarter_) historyRestarter_(window);
}

}  // namespace quorvel
