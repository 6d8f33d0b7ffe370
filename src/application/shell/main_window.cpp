#include "application/shell/main_window.h"

#include "application/grid/dialog_exchange.h"
#include "application/shell/grid_child.h"
#include "application/shell/startup.h"
#include "application/shell/version.h"
#include "model/grid_kind.h"
#include "model/program_state.h"
#include "storage/data_file.h"
#include "storage/data_location.h"
#include "storage/puzzle_commands.h"
#include "storage/puzzle_database.h"

namespace quorvel {

MainWindow::MainWindow(Host& host, ProgramState& session, DialogExchange& dialogs,
                       std::filesystem::path programFolder)
    : host_(host),
      session_(session),
      dialogs_(dialogs),
      programFolder_(std::move(programFolder)),
      elapsed_(session, host),
      statistics_(settingsFolder(programFolder_)),
      help_(host, session),
      about_(host, dialogs) {
    help_.setDataFolderNote(dataFolderNote(programFolder_));
    about_.setDataFolderNote(dataFolderNote(programFolder_));
    // A command may change cells while the focus stays where it was: the panel and the tips are
    // brought up to date after every one.
    commands_.setAfterEach([this] {
        if (active_ != nullptr) active_->refreshPossibilities();
        countStartedGame();
    });
}

void MainWindow::setGrids(GridChild& nine, GridChild& fifteen) {
    nine_ = &nine;
    fifteen_ = &fifteen;
}

void MainWindow::setHistoryRecorder(std::function<void(GridWindow&, HistoryEdit)> recorder) {
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
    const ScopeGuard databaseBusy = showDatabaseBusy();
    changed(MainWindowChange::Layout);
    // One level back, so that clicking the level button shows the stored level's glyph.
    session_.currentLevel -= 1;
    pressNumberButton(0);
    pressLevelButton();
    pressGridButton(false);
    setCommandEnabled(Command::RejectExperiment, false);
    setCommandEnabled(Command::ConfirmExperiment, false);
    setToolButtonEnabled(Command::GetNext, true);
    setToolButtonEnabled(Command::CheckForSingle, true);
}

void MainWindow::activate() {
    elapsed_.activate();
    if (firstActivate_) {
        applyComposeLayout();
        firstActivate_ = false;
        if (onFirstActivation_) onFirstActivation_();
        setCommandChecked(Command::ShowPossibilitiesTip, settings_.showPossibilitiesTip);
        setCommandChecked(Command::ShowPossibilitiesPanel, settings_.showPossibilitiesPanel);
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
    commands_.run(Command::KeepGameAtQuit);
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
    // The unsaved games are kept first: when they cannot be, the program stays open and says why.
    if (commands_.has(Command::KeepGameAtQuit) && !commands_.run(Command::KeepGameAtQuit)) return;
    // The grid windows really close only once the application is closing.
    closing_ = true;
    help_.unload();
    if (nine_ != nullptr) nine_->closeForExit();
    if (fifteen_ != nullptr) fifteen_->closeForExit();
    unload();
}

// ---- menus ---------------------------------------------------------------------------------

void MainWindow::menuOpened(const MenuItem& title) {
    showMessage("", colour::kWhite, Alignment::Centre);
    if (active_ != nullptr) active_->setFrameColour(colour::kBlack);
    run(title.target);
}

void MainWindow::menuChosen(const MenuItem& item) {
    if (!menus_.isEffective(item)) return;
    if (active_ != nullptr) active_->leaveFocusedCell();
    // Explain Next Step takes back its own marks as it goes; every other command clears them.
    if (item.target != Target{Command::ExplainNextStep}) {
        commands_.run(Command::ClearExplanationMarks);
    }
    if (!prepareForAnotherPuzzle(item.target)) return;
    // An item on the menu bar itself runs as a title does when its drop-down opens.
    if (item.menu == Menu::Bar) {
        menuOpened(item);
    } else if (item.setPuzzleFrame) {
        runSetPuzzle(item.target);
    } else {
        run(item.target);
    }
}

bool MainWindow::prepareForAnotherPuzzle(const Target& target) {
    const Command* command = std::get_if<Command>(&target);
    const WindowAction* action = std::get_if<WindowAction>(&target);
    const bool replaces = command != nullptr && replacesGame(*command);
    const bool switchesGrid =
        action != nullptr &&
        (*action == WindowAction::OpenNineGrid || *action == WindowAction::OpenFifteenGrid ||
         *action == WindowAction::ChooseNineGrid || *action == WindowAction::ChooseFifteenGrid);
    if (replaces || switchesGrid) showMessage("", colour::kWhite, Alignment::Centre);
    // A kept game is checked for here, so no command replaces one it could not keep.
    return !replaces || !commands_.has(Command::KeepGameBeforeReplacing) ||
           commands_.run(Command::KeepGameBeforeReplacing);
}

void MainWindow::menuChosen(const Target& target) {
    if (const MenuItem* item = menus_.find(target)) menuChosen(*item);
}

void MainWindow::runMenuItem(const Target& target) {
    const MenuItem* item = menus_.find(target);
    if (item == nullptr) return;
    if (item->setPuzzleFrame) {
        runSetPuzzle(target);
    } else {
        run(target);
    }
}

bool MainWindow::run(const Target& target) {
    if (const Command* command = std::get_if<Command>(&target)) {
        if (countsAsHelp(*command)) statistics_.helpUsed();
        return commands_.run(*command);
    }
    if (const WindowAction* action = std::get_if<WindowAction>(&target)) {
        runWindowAction(*action);
        return true;
    }
    if (const RecentFile* recent = std::get_if<RecentFile>(&target)) {
        openRecentFile(recent->place);
        return true;
    }
    if (const OptionalTechnique* technique = std::get_if<OptionalTechnique>(&target)) {
        toggleOptionalTechnique(technique->place);
        return true;
    }
    return false;
}

void MainWindow::openPuzzleFile(const std::string& file) {
    fileToOpen_ = file;
    menuChosen(Target{Command::OpenPuzzleFile});
    fileToOpen_.reset();
}

void MainWindow::pasteText(const std::string& text) {
    textToPaste_ = text;
    menuChosen(Target{Command::PastePuzzle});
    textToPaste_.reset();
}

void MainWindow::openRecentFile(std::size_t place) {
    if (place >= options_.recentFiles.size()) return;
    const std::string file = options_.recentFiles[place];
    std::error_code error;
    if (std::filesystem::is_regular_file(file, error)) return openPuzzleFile(file);
    forgetRecentFile(file);
    showMessage(std::filesystem::path(file).filename().string() +
                    " is no longer there: taken off Open Recent",
                colour::kRed, Alignment::Centre);
}

void MainWindow::runWindowAction(WindowAction action) {
    switch (action) {
        case WindowAction::OpenNineGrid:
        case WindowAction::OpenFifteenGrid:
            openGrid(action == WindowAction::OpenFifteenGrid);
            break;
        case WindowAction::ChooseNineGrid:
        case WindowAction::ChooseFifteenGrid:
            openGrid(action == WindowAction::ChooseFifteenGrid);
            pressNumberButton(0);
            scanDatabaseForLevel();
            break;
        case WindowAction::OpenBatchPage:
            dialogs_.openWebAddress(std::string(kBatchPage) + kBatchPageAnchor);
            break;
        case WindowAction::UniquePuzzlesOnly:
        case WindowAction::RemoveNotesOnEntry:
            setOption(action, !commandChecked(action));
            break;
        case WindowAction::ShowConflicts:
            setOption(action, !commandChecked(action));
            if (active_ != nullptr) active_->redrawCells();
            break;
        case WindowAction::NotesMode:
            setCommandChecked(action, !commandChecked(action));
            break;
        case WindowAction::GeneralHelp:
            showMessage("", colour::kWhite, Alignment::Centre);
            session_.loadBusy = true;
            showHelp();
            break;
        case WindowAction::About:
            showMessage("", colour::kWhite, Alignment::Centre);
            about_.load(false);
            host_.runAbout(about_);
            break;
        case WindowAction::Quit:
            Quit();
            break;
        case WindowAction::Stop:
            session_.stopRequested = true;
            setStopItemVisible(false);
            break;
        case WindowAction::StepLevel:
            stepLevel();
            break;
        case WindowAction::Zoom100:
        case WindowAction::Zoom125:
        case WindowAction::Zoom150:
        case WindowAction::Zoom200:
        case WindowAction::ThemeClassic:
        case WindowAction::ThemeDark:
        case WindowAction::ThemeFollowDesktop:
            chooseAppearance(action);
            break;
    }
}

void MainWindow::runSetPuzzle(const Target& target) {
    const bool tipWasChecked = tipSwitchOn();
    // The settings the command writes keep the mark the user set, not the cleared one.
    tipMarkDuringSetPuzzle_ = tipWasChecked;
    setTipSwitch(false);
    elapsed_.setRunning(false);
    const ScopeGuard drawingSuspended = suspendDrawing();
    if (active_ != nullptr) active_->unloadTips();
    // The command disables the three experimental-run buttons, so a run still active would have
    // no way to end: it ends here, its entries kept as ordinary ones.
    if (session_.experimentColours) commands_.run(Command::EndExperiment);
    applyStateChange(StateChange::SetPuzzleCommand);
    run(target);
    tipMarkDuringSetPuzzle_.reset();
    setTipSwitch(tipWasChecked);
}

void MainWindow::showHelp() {
    setDrawingMode(DrawingMode::Normal);
    const ScopeGuard databaseBusy = showDatabaseBusy();
    const std::filesystem::path& folder = shippedFolder_.empty() ? programFolder_ : shippedFolder_;
    std::filesystem::path file = resolveDataFile(databaseFolder(folder), HelpWindow::kHelpFileName);
    std::string text = readDataFile(file);
    if (!text.empty()) {
        help_.show(text, helpScreen());
        host_.processEvents();
    } else {
        // No window comes up to clear the flag, and a set flag would block the solve commands.
        session_.loadBusy = false;
    }
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

void MainWindow::toolbarClicked(const ToolButton& clicked, int mouseButton, int shift) {
    ToolButton* button = toolbar_.own(clicked);
    if (button == nullptr || !button->visible || !button->enabled) return;
    if (shift == kShiftAlt && mouseButton == kMouseLeft && button->number >= 1) {
        if (active_ != nullptr) active_->toggleHighlight(button->number);
        return;
    }
    if (active_ != nullptr) active_->leaveFocusedCell();
    commands_.run(Command::ClearExplanationMarks);
    const bool right = mouseButton == kMouseRight;
    if (right && button->rightClick && !prepareForAnotherPuzzle(*button->rightClick)) return;
    if (!right && !prepareForAnotherPuzzle(button->target)) return;
    buttonReleased(*button, mouseButton);
}

bool MainWindow::takeKey(const KeyEvent& event) {
    if (takeHintPageKey(event)) return true;
    const bool ctrl = event.modifiers == modifier::kCtrl;
    const bool ctrlShift = event.modifiers == (modifier::kCtrl | modifier::kShift);
    const bool undo = ctrl && event.code == 'Z';
    const bool redo = (ctrl && event.code == 'Y') || (ctrlShift && event.code == 'Z');
    if (!undo && !redo) return false;
    toolbarClicked(toolbar_.at(undo ? Command::Undo : Command::Redo), kMouseLeft);
    return true;
}

// PageUp and PageDown page through the hint panel's steps while it shows.
bool MainWindow::takeHintPageKey(const KeyEvent& event) {
    const bool back = event.code == key::kPageUp;
    if (!hintPanel_.shown || event.modifiers != 0 || (!back && event.code != key::kPageDown))
        return false;
    hintPanelClicked(back ? HintPanelButton::Back : HintPanelButton::Next);
    return true;
}

void MainWindow::pressNumberButton(int number) {
    if (number >= 0 && number <= 15) buttonReleased(toolbar_.number(number), kMouseLeft);
}

void MainWindow::pressLevelButton() {
    buttonReleased(toolbar_.at(WindowAction::StepLevel), kMouseLeft);
}

void MainWindow::pressGridButton(bool fifteen) {
    buttonReleased(
        toolbar_.at(fifteen ? WindowAction::ChooseFifteenGrid : WindowAction::ChooseNineGrid),
        kMouseLeft);
}

void MainWindow::buttonReleased(ToolButton& button, int mouseButton) {
    if (mouseButton == kMouseRight) {
        if (button.rightClick) commands_.run(*button.rightClick);
        return;
    }
    flashButton(button);
    if (button.number >= 0) {
        chooseNumber(button.number);
    } else if (button.experiment) {
        chooseExperimentButton(button);
    } else {
        run(button.target);
    }
}

void MainWindow::flashButton(ToolButton& pressed) {
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
    ToolButton& button = toolbar_.at(WindowAction::StepLevel);
    button.caption = kLevelLooks[level - 1].caption;
    button.toolTip = kLevelLooks[level - 1].toolTip;
    changed(MainWindowChange::Toolbar);
}

void MainWindow::chooseNumber(int number) {
    for (ToolButton& button : toolbar_.all()) {
        if (button.number >= 0) button.backColour = kButtonFace;
    }
    toolbar_.number(number).backColour = colour::kWhite;
    session_.selectedNumber = number;  // 0: numbers by key press only
    changed(MainWindowChange::Toolbar);
}

void MainWindow::chooseExperimentButton(ToolButton& chosen) {
    for (ToolButton& button : toolbar_.all()) {
        if (button.experiment) button.backColour = kButtonFace;
    }
    chosen.backColour = kChosenButtonBack;
    changed(MainWindowChange::Toolbar);
    if (!run(chosen.target)) {
        chosen.backColour = kButtonFace;
        changed(MainWindowChange::Toolbar);
    }
}

void MainWindow::clearExperimentChoice() {
    for (ToolButton& button : toolbar_.all()) {
        if (button.experiment) button.backColour = kButtonFace;
    }
    changed(MainWindowChange::Toolbar);
}

// ---- grids ---------------------------------------------------------------------------------

void MainWindow::openGrid(bool fifteen) {
    ToolButton& nineButton = toolbar_.at(WindowAction::ChooseNineGrid);
    ToolButton& fifteenButton = toolbar_.at(WindowAction::ChooseFifteenGrid);
    nineButton.backColour = fifteenButton.backColour = kButtonFace;
    changed(MainWindowChange::Toolbar);
    GridChild* closing = fifteen ? nine_ : fifteen_;
    GridChild* opening = fifteen ? fifteen_ : nine_;
    if (active_ != nullptr && active_ != opening && commands_.has(Command::SetAsideGame))
        commands_.run(Command::SetAsideGame);
    if (closing != nullptr) closing->hide();
    active_ = opening;
    session_.activeSizeCode = fifteen ? kFifteenGrid.sizeCode : kNineGrid.sizeCode;
    // A stored puzzle belongs to its grid kind; the other grid does not show it.
    if (session_.puzzleNumber != 0 && session_.puzzleSizeCode != session_.activeSizeCode) {
        endCurrentPuzzle();
    }
    (fifteen ? fifteenButton : nineButton).backColour = kChosenButtonBack;
    changed(MainWindowChange::Toolbar);
    if (opening != nullptr) opening->showIn(widthTwips(), heightTwips());
    // The numbers above 9 belong to the 15x15 grid; the create layout hides them anyway.
    for (ToolButton& button : toolbar_.all()) {
        if (button.number >= 10) button.visible = fifteen && !session_.createMode;
    }
    changed(MainWindowChange::Toolbar);
}

void MainWindow::scanDatabaseForLevel() {
    const GridKind& kind =
        session_.activeSizeCode == kFifteenGrid.sizeCode ? kFifteenGrid : kNineGrid;
    Result<Database> database = loadDatabase(databaseFolder(programFolder_), kind);
    if (!database) {
        showFileError(database.error().message());
        return;
    }
    countLevel(session_, database.value(), session_.currentLevel);
}

bool MainWindow::isActiveChild(const GridWindow& window) const {
    return active_ != nullptr && active_->is(window);
}

void MainWindow::showOtherGrid(const GridWindow& closing) {
    openGrid(nine_ != nullptr && nine_->is(closing));
}

void MainWindow::recordHistory(GridWindow& window) {
    if (historyRecorder_) historyRecorder_(window, kGridChange);
}

void MainWindow::recordNoteEdit(GridWindow& window, int cell) {
    if (historyRecorder_) historyRecorder_(window, notesEdit(cell));
}

void MainWindow::restartHistory(GridWindow& window) {
    if (historyRestarter_) historyRestarter_(window);
}

}  // namespace quorvel
