// The main window's routines that other parts call: message line, timers, indicators, drawing
// freeze, the enabling rules and layouts, menu and toolbar state, and the settings.
#include "model/session.h"
#include "storage/data_file.h"
#include "storage/puzzle_commands.h"
#include "ui/shell/grid_child.h"
#include "ui/shell/main_window.h"
#include "ui/shell/version.h"

namespace quorvel {

namespace {

constexpr MenuRef kAssistSolve{MenuArray::Top, 3};
constexpr MenuRef kStop{MenuArray::Top, 8};
constexpr MenuRef kDeleteItem{MenuArray::Database, 7};
constexpr MenuRef kTipItem{MenuArray::VisualAid, 1};
constexpr MenuRef kPanelItem{MenuArray::VisualAid, 2};
constexpr MenuRef kUniquePuzzlesOnlyItem{MenuArray::Database, 10};

std::string TrimBlanks(const std::string& text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// Buttons that stay as they are in both layouts.
bool KeptInBothLayouts(int index) {
    return index == 16 || index == 17 || index == 18 || index == 20 || index == 30 || index == 31;
}

}  // namespace

void MainWindow::setHintPanel(HintPanel panel) {
    hintPanel_ = std::move(panel);
    changed(MainWindowChange::HintPanel);
}

void MainWindow::showMessage(const std::string& text, std::uint32_t colour, int alignment) {
    if (TrimBlanks(text) == TrimBlanks(message_.text)) return;
    message_.text = text;
    message_.colour = colour;
    message_.alignment = alignment;
    changed(MainWindowChange::MessageLine);
    host_.processEvents();
}

void MainWindow::restartElapsedTime() {
    elapsed_.restart();
    changed(MainWindowChange::ElapsedTime);
}

void MainWindow::setElapsedTimerRunning(bool running) {
    elapsed_.setRunning(running);
    changed(MainWindowChange::ElapsedTime);
}

void MainWindow::clearElapsedDisplay() {
    elapsed_.clearLabel();
    changed(MainWindowChange::ElapsedTime);
}

void MainWindow::endCurrentPuzzle() {
    EndCurrentPuzzle(session_);
    setMenuEnabled(kDeleteItem, false);
}

void MainWindow::elapsedTick() {
    if (!elapsed_.running()) return;
    elapsed_.tick();
    changed(MainWindowChange::ElapsedTime);
}

void MainWindow::workingHardTick() {
    if (!workingHard_.timerRunning) return;
    workingHard_.highlightLeft = WorkingHard::kSquareLeft[workingHard_.workStep] - 45;
    workingHard_.highlightTop = WorkingHard::kSquareTop - 45;
    workingHard_.workStep = (workingHard_.workStep + 1) % 6;
    changed(MainWindowChange::WorkingHard);
}

void MainWindow::setWorkingHard(bool on) {
    workingHard_.visible = on;
    workingHard_.timerRunning = on;
    changed(MainWindowChange::WorkingHard);
}

void MainWindow::showDatabaseBusy() {
    databaseBusy_ = true;
    changed(MainWindowChange::DatabaseIndicator);
}

void MainWindow::showDatabaseReady() {
    databaseBusy_ = false;
    changed(MainWindowChange::DatabaseIndicator);
}

void MainWindow::setDrawingMode(int mode) {
    if (mode == 1) {
        host_.freezeDrawing(true);
    } else if (!session_.loadBusy) {
        host_.freezeDrawing(false);
    }
}

void MainWindow::setStopItemVisible(bool visible) {
    setMenuVisible(kStop, visible);
}

void MainWindow::applyStateChange(StateChange change) {
    switch (change) {
        case StateChange::GridLockedWithGivens:
            setMenuEnabled(kAssistSolve, true);
            setButtonEnabled(19, true);
            setButtonEnabled(16, true);
            break;
        case StateChange::GridLockedWithoutGivens:
        case StateChange::GridUnlockedOrBlanked:
            setMenuEnabled(kAssistSolve, false);
            setButtonEnabled(19, false);
            break;
        case StateChange::ExperimentStarted:
            setButtonEnabled(16, false);
            setButtonEnabled(17, true);
            setButtonEnabled(18, true);
            break;
        case StateChange::ExperimentEnded:
            setButtonEnabled(16, true);
            setButtonEnabled(17, false);
            setButtonEnabled(18, false);
            break;
        case StateChange::SetPuzzleCommand:
            for (int index = 16; index <= 18; ++index)
                setButtonEnabled(index, false);
            break;
        case StateChange::SolveStarted:
            setStopItemVisible(true);
            setWorkingHard(true);
            break;
        case StateChange::SolveEnded:
            setStopItemVisible(false);
            setWorkingHard(false);
            break;
    }
}

void MainWindow::applyComposeLayout() {
    const bool create = session_.createMode;
    for (int index = 0; index <= 2; ++index)
        setMenuEnabled({MenuArray::SetPuzzle, index}, !create);
    setMenuEnabled({MenuArray::SetPuzzle, 6}, create);
    setMenuEnabled({MenuArray::SetPuzzle, 15}, create);
    setMenuEnabled({MenuArray::Top, 0}, !create);
    setMenuEnabled({MenuArray::Top, 2}, !create);
    if (create) {
        setMenuEnabled(kAssistSolve, true);
        setButtonEnabled(19, true);
        setButtonEnabled(21, true);
    }
    const bool fifteenOpen = active_ != nullptr && active_ == fifteen_;
    for (ToolButton& button : toolbar_.all()) {
        if (KeptInBothLayouts(button.index)) continue;
        bool numberAboveNine = button.index >= 10 && button.index <= 15;
        button.visible = !create && (!numberAboveNine || fifteenOpen);
    }
    changed(MainWindowChange::Toolbar);
    if (nine_ != nullptr) nine_->setComposingControlsVisible(create);
    // The width follows the layout.
    changed(MainWindowChange::Layout);
    if (active_ != nullptr) active_->placeIn(widthTwips(), heightTwips());
}

int MainWindow::widthTwips() const {
    return session_.createMode ? 8000 : 9000;
}

int MainWindow::heightTwips() const {
    return 10365 + 15 * host_.systemMetrics().minWindowHeightPx;
}

void MainWindow::setMainTitle(const std::string& title) {
    caption_ = title;
    changed(MainWindowChange::Caption);
}

bool MainWindow::tipSwitchOn() const {
    return menus_.at(kTipItem).checked;
}

void MainWindow::setTipSwitch(bool checked) {
    setMenuChecked(kTipItem, checked);
}

bool MainWindow::panelSwitchOn() const {
    return menus_.at(kPanelItem).checked;
}

// ---- menu and toolbar state ----------------------------------------------------------------

void MainWindow::setMenuEnabled(MenuRef ref, bool enabled) {
    if (MenuItem* item = menus_.find(ref)) {
        item->enabled = enabled;
        changed(MainWindowChange::Menus);
    }
}

void MainWindow::setMenuVisible(MenuRef ref, bool visible) {
    if (MenuItem* item = menus_.find(ref)) {
        item->visible = visible;
        changed(MainWindowChange::Menus);
    }
}

void MainWindow::setMenuChecked(MenuRef ref, bool checked) {
    if (MenuItem* item = menus_.find(ref)) {
        item->checked = checked;
        changed(MainWindowChange::Menus);
    }
    // The panel is shown exactly while its item carries the check mark.
    if (ref == kPanelItem && active_ != nullptr) active_->setPanelVisible(checked);
}

void MainWindow::setMenuCaption(MenuRef ref, const std::string& caption) {
    if (MenuItem* item = menus_.find(ref)) {
        item->caption = caption;
        changed(MainWindowChange::Menus);
    }
}

void MainWindow::setButtonEnabled(int index, bool enabled) {
    if (!Toolbar::exists(index)) return;
    toolbar_.at(index).enabled = enabled;
    changed(MainWindowChange::Toolbar);
}

void MainWindow::setButtonVisible(int index, bool visible) {
    if (!Toolbar::exists(index)) return;
    toolbar_.at(index).visible = visible;
    changed(MainWindowChange::Toolbar);
}

void MainWindow::setButtonBackColour(int index, std::uint32_t colour) {
    if (!Toolbar::exists(index)) return;
    toolbar_.at(index).backColour = colour;
    changed(MainWindowChange::Toolbar);
}

// ---- settings ------------------------------------------------------------------------------

void MainWindow::loadSettings() {
    LoadedSettings loaded = LoadSettings(settingsFolder(programFolder_));
    settings_ = savedSettings_ = loaded.settings;
    session_.currentLevel = settings_.currentLevel;
    session_.gradeLevel = settings_.gradeLevel;
    elapsed_.elapsedAtCompose = settings_.elapsedAtCompose;
    if (session_.createMode) session_.bankedElapsed = settings_.elapsedAtCompose;
    if (loaded.error) showFileError(loaded.error->message());
    options_ = LoadProgramOptions(settingsFolder(programFolder_));
    setMenuChecked(kUniquePuzzlesOnlyItem, options_.uniquePuzzlesOnly);
    if (!loaded.movedAside.empty()) settingsMovedAside(loaded.movedAside);
}

void MainWindow::setUniquePuzzlesOnly(bool on) {
    ProgramOptions next = options_;
    next.uniquePuzzlesOnly = on;
    // As with the settings, a failed write leaves the option as the file has it.
    if (FileStatus error = SaveProgramOptions(settingsFolder(programFolder_), next)) {
        showFileError(error->message());
        return;
    }
    options_ = next;
    setMenuChecked(kUniquePuzzlesOnlyItem, on);
}

void MainWindow::settingsMovedAside(const std::filesystem::path& keptAs) {
    // The old contents are safe under the new name; the user learns of it before the settings
    // in memory are written as the fresh file.
    const std::string kept = keptAs.filename().string();
    host_.showNotice(std::string(kProgramTitle),
                     "The settings file " + std::string(kSettingsFileName) +
                         " could not be read. It was kept as " + kept +
                         " and the program goes on with fresh settings.");
    showFileError(std::string(kSettingsFileName) + " could not be read; kept as " + kept);
    writeSettings();
}

FileStatus MainWindow::writeSettings() {
    host_.processEvents();
    Settings next = settings_;
    next.currentLevel = session_.currentLevel;
    next.gradeLevel = session_.gradeLevel;
    next.elapsedAtCompose = elapsed_.elapsedAtCompose;
    next.showPossibilitiesTip = tipMarkDuringSetPuzzle_.value_or(tipSwitchOn());
    next.showPossibilitiesPanel = panelSwitchOn();
    FileStatus error = SaveSettings(settingsFolder(programFolder_), next);
    if (error) {
        // The settings held go back to those on disk.
        settings_ = savedSettings_;
        showFileError(error->message());
        return error;
    }
    settings_ = savedSettings_ = next;
    return error;
}

void MainWindow::showFileError(const std::string& message) {
    showMessage(message, colour::kRed, 2);
}

}  // namespace quorvel
