// The main window's routines that other parts call: message line, timers, indicators, drawing
// freeze, the enabling rules and layouts, menu and toolbar state, and the settings.
#include <algorithm>
#include <iterator>
#include <utility>

#include "application/grid/grid_window.h"
#include "application/grid/message_dialog.h"
#include "application/grid/text_number.h"
#include "application/shell/grid_child.h"
#include "application/shell/main_window.h"
#include "application/shell/version.h"
#include "model/program_state.h"
#include "storage/data_file.h"
#include "storage/puzzle_commands.h"

namespace quorvel {

namespace {

// The menu item that carries each option of the options file.
constexpr std::pair<WindowAction, bool ProgramOptions::*> kOptionItems[] = {
    {WindowAction::UniquePuzzlesOnly, &ProgramOptions::uniquePuzzlesOnly},
    {WindowAction::RemoveNotesOnEntry, &ProgramOptions::removeNotesOnEntry},
    {WindowAction::ShowConflicts, &ProgramOptions::showConflicts},
};

}  // namespace

void MainWindow::setHintPanel(HintPanel panel) {
    hintPanel_ = std::move(panel);
    changed(MainWindowChange::HintPanel);
}

void MainWindow::hintPanelClicked(HintPanelButton button) {
    if (!hintPanel_.shown) return;
    switch (button) {
        case HintPanelButton::Back:
            if (hintPanel_.canGoBack()) commands_.run(Command::ShowPreviousHintStep);
            break;
        case HintPanelButton::Next:
            if (hintPanel_.canGoNext()) commands_.run(Command::ShowNextHintStep);
            break;
        case HintPanelButton::Details:
            commands_.run(Command::ToggleHintDetails);
            break;
    }
}

void MainWindow::showMessage(std::string_view text, Colour colour, Alignment alignment) {
    if (trimBlanks(text) == trimBlanks(message_.text)) return;
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
    quorvel::endCurrentPuzzle(session_);
    setCommandEnabled(Command::DeletePuzzle, false);
}

void MainWindow::elapsedTick() {
    if (!elapsed_.running()) return;
    elapsed_.tick();
    changed(MainWindowChange::ElapsedTime);
}

void MainWindow::workingHardTick() {
    if (!workingHard_.timerRunning) return;
    workingHard_.highlightLeft = WorkingHard::kSquareLeft[workingHard_.nextSquare] - 45;
    workingHard_.highlightTop = WorkingHard::kSquareTop - 45;
    workingHard_.nextSquare = (workingHard_.nextSquare + 1) % 6;
    changed(MainWindowChange::WorkingHard);
}

void MainWindow::setWorkingHard(bool on) {
    workingHard_.visible = on;
    workingHard_.timerRunning = on;
    changed(MainWindowChange::WorkingHard);
}

ScopeGuard MainWindow::showDatabaseBusy() {
    databaseBusy_ = true;
    changed(MainWindowChange::DatabaseIndicator);
    return ScopeGuard([this] { showDatabaseReady(); });
}

void MainWindow::showDatabaseReady() {
    databaseBusy_ = false;
    changed(MainWindowChange::DatabaseIndicator);
}

ScopeGuard MainWindow::showWorkingHard() {
    setWorkingHard(true);
    return ScopeGuard([this] { setWorkingHard(false); });
}

ScopeGuard MainWindow::suspendDrawing() {
    setDrawingMode(DrawingMode::Suspended);
    return ScopeGuard([this] { setDrawingMode(DrawingMode::Normal); });
}

void MainWindow::setDrawingMode(DrawingMode mode) {
    if (mode == DrawingMode::Suspended) {
        host_.setDrawingSuspended(true);
    } else if (!session_.loadBusy) {
        host_.setDrawingSuspended(false);
    }
}

void MainWindow::setStopItemVisible(bool visible) {
    if (MenuItem* stop = menus_.find(WindowAction::Stop)) {
        stop->visible = visible;
        changed(MainWindowChange::Menus);
    }
}

void MainWindow::applyStateChange(StateChange change) {
    switch (change) {
        case StateChange::GridLockedWithGivens:
            gameStarting_ = true;
            setMenuEnabled(Menu::AssistSolve, true);
            setToolButtonEnabled(Command::GetNext, true);
            setCommandEnabled(Command::StartExperiment, true);
            break;
        case StateChange::GridLockedWithoutGivens:
        case StateChange::GridUnlockedOrBlanked:
            setMenuEnabled(Menu::AssistSolve, false);
            setToolButtonEnabled(Command::GetNext, false);
            break;
        case StateChange::ExperimentStarted:
        case StateChange::ExperimentEnded: {
            const bool started = change == StateChange::ExperimentStarted;
            setCommandEnabled(Command::StartExperiment, !started);
            setCommandEnabled(Command::RejectExperiment, started);
            setCommandEnabled(Command::ConfirmExperiment, started);
            break;
        }
        case StateChange::SetPuzzleCommand:
            for (Command command : {Command::StartExperiment, Command::RejectExperiment,
                                    Command::ConfirmExperiment}) {
                setCommandEnabled(command, false);
            }
            break;
    }
}

void MainWindow::applyComposeLayout() {
    const bool create = session_.createMode;
    for (Command command : {Command::BlankGrid, Command::LockGrid, Command::UnlockGrid})
        setCommandEnabled(command, !create);
    setCommandEnabled(Command::StoreIncompleteEffort, create);
    setCommandEnabled(Command::QuitCreateOwnPuzzle, create);
    setMenuEnabled(Menu::PuzzleGrid, !create);
    setMenuEnabled(Menu::Database, !create);
    if (create) {
        setMenuEnabled(Menu::AssistSolve, true);
        setToolButtonEnabled(Command::GetNext, true);
        setToolButtonEnabled(Command::CheckForSingle, true);
    }
    const bool fifteenOpen = active_ != nullptr && active_ == fifteen_;
    for (ToolButton& button : toolbar_.all()) {
        if (button.keptInCreateLayout) continue;
        button.visible = !create && (button.number < 10 || fifteenOpen);
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
    return commandChecked(Command::ShowPossibilitiesTip);
}

void MainWindow::setTipSwitch(bool checked) {
    setCommandChecked(Command::ShowPossibilitiesTip, checked);
}

bool MainWindow::panelSwitchOn() const {
    return commandChecked(Command::ShowPossibilitiesPanel);
}

// ---- menu and toolbar state ----------------------------------------------------------------

void MainWindow::setCommandEnabled(const Target& target, bool enabled) {
    if (MenuItem* item = menus_.find(target)) {
        item->enabled = enabled;
        changed(MainWindowChange::Menus);
    }
    setToolButtonEnabled(target, enabled);
}

void MainWindow::setToolButtonColour(const Target& target, Colour colour) {
    toolbar_.at(target).backColour = colour;
    changed(MainWindowChange::Toolbar);
}

void MainWindow::setToolButtonEnabled(const Target& target, bool enabled) {
    bool found = false;
    for (ToolButton& button : toolbar_.all()) {
        if (button.target != target || std::holds_alternative<std::monostate>(target)) continue;
        button.enabled = enabled;
        found = true;
    }
    if (found) changed(MainWindowChange::Toolbar);
}

void MainWindow::setMenuEnabled(Menu menu, bool enabled) {
    if (MenuItem* title = menus_.title(menu)) {
        title->enabled = enabled;
        changed(MainWindowChange::Menus);
    }
}

void MainWindow::setCommandChecked(const Target& target, bool checked) {
    if (MenuItem* item = menus_.find(target)) {
        item->checked = checked;
        changed(MainWindowChange::Menus);
    }
    // A toolbar button carrying the item shows the check mark as its chosen colour.
    for (ToolButton& button : toolbar_.all()) {
        if (button.target != target) continue;
        button.backColour = checked ? kChosenButtonBack : kButtonFace;
        changed(MainWindowChange::Toolbar);
    }
    // The panel is shown exactly while its item carries the check mark.
    if (target == Target{Command::ShowPossibilitiesPanel} && active_ != nullptr) {
        active_->setPanelVisible(checked);
    }
}

bool MainWindow::commandChecked(const Target& target) const {
    const MenuItem* item = menus_.find(target);
    return item != nullptr && item->checked;
}

void MainWindow::setCommandCaption(const Target& target, const std::string& caption) {
    if (MenuItem* item = menus_.find(target)) {
        item->caption = caption;
        changed(MainWindowChange::Menus);
    }
}

// ---- settings ------------------------------------------------------------------------------

void MainWindow::loadSettings() {
    LoadedSettings loaded = quorvel::loadSettings(settingsFolder(programFolder_));
    settings_ = savedSettings_ = loaded.settings;
    session_.currentLevel = settings_.currentLevel;
    session_.gradeLevel = settings_.gradeLevel;
    elapsed_.elapsedAtCompose = settings_.elapsedAtCompose;
    if (session_.createMode) session_.bankedElapsed = settings_.elapsedAtCompose;
    if (loaded.error) showFileError(loaded.error->message());
    options_ = loadProgramOptions(settingsFolder(programFolder_));
    for (const auto& [item, option] : kOptionItems)
        setCommandChecked(item, options_.*option);
    checkAppearanceItems();
    changed(MainWindowChange::Appearance);
    setRecentFiles(options_.recentFiles, false);
    const std::vector<logic::TechniqueInfo> optional = logic::optionalTechniques();
    for (std::size_t place = 0; place < optional.size(); ++place)
        setCommandChecked(OptionalTechnique{place},
                          std::ranges::find(options_.optionalTechniques, optional[place].name) !=
                              options_.optionalTechniques.end());
    if (!loaded.movedAside.empty()) settingsMovedAside(loaded.movedAside);
    loadStatistics();
}

logic::OptionalTechniques MainWindow::optionalTechniques() const {
    return logic::optionalByName(options_.optionalTechniques);
}

void MainWindow::setPractisedPuzzle(std::vector<int> givens, logic::Technique technique) {
    practisedGivens_ = std::move(givens);
    practised_ = technique;
}

std::optional<logic::Technique> MainWindow::practisedTechnique(
    const std::vector<int>& givens) const {
    if (givens != practisedGivens_) return std::nullopt;
    return practised_;
}

void MainWindow::toggleOptionalTechnique(std::size_t place) {
    const std::vector<logic::TechniqueInfo> optional = logic::optionalTechniques();
    if (place >= optional.size()) return;
    const std::string name(optional[place].name);
    ProgramOptions next = options_;
    const bool on = std::erase(next.optionalTechniques, name) == 0;
    if (on) next.optionalTechniques.push_back(name);
    if (FileStatus error = saveProgramOptions(settingsFolder(programFolder_), next)) {
        showFileError(error->message());
        return;
    }
    options_ = next;
    setCommandChecked(OptionalTechnique{place}, on);
}

void MainWindow::setOption(WindowAction item, bool on) {
    const auto found = std::find_if(std::begin(kOptionItems), std::end(kOptionItems),
                                    [item](const auto& entry) { return entry.first == item; });
    if (found == std::end(kOptionItems)) return;
    ProgramOptions next = options_;
    next.*(found->second) = on;
    // As with the settings, a failed write leaves the option as the file has it.
    if (FileStatus error = saveProgramOptions(settingsFolder(programFolder_), next)) {
        showFileError(error->message());
        return;
    }
    options_ = next;
    setCommandChecked(item, on);
}

void MainWindow::rememberRecentFile(const std::string& file) {
    std::vector<std::string> files = options_.recentFiles;
    addRecentFile(files, file);
    if (files != options_.recentFiles) setRecentFiles(std::move(files), true);
}

void MainWindow::forgetRecentFile(const std::string& file) {
    std::vector<std::string> files = options_.recentFiles;
    if (std::erase(files, file) > 0) setRecentFiles(std::move(files), true);
}

void MainWindow::setRecentFiles(std::vector<std::string> files, bool write) {
    if (write) {
        ProgramOptions next = options_;
        next.recentFiles = files;
        if (FileStatus error = saveProgramOptions(settingsFolder(programFolder_), next)) {
            showFileError(error->message());
            return;
        }
    }
    options_.recentFiles = std::move(files);
    for (std::size_t place = 0; place < kMostRecentFiles; ++place) {
        MenuItem* item = menus_.find(RecentFile{place});
        const bool shown = place < options_.recentFiles.size();
        item->caption = recentFileCaption(place, shown ? options_.recentFiles[place] : "");
        item->visible = shown;
    }
    menus_.title(Menu::OpenRecent)->enabled = !options_.recentFiles.empty();
    changed(MainWindowChange::Menus);
}

void MainWindow::settingsMovedAside(const std::filesystem::path& keptAs) {
    // The old contents are safe under the new name; the user learns of it before the settings
    // in memory are written as the fresh file.
    const std::string kept = keptAs.filename().string();
    showNotice(host_, std::string(kProgramTitle),
               "The settings file " + std::string(kSettingsFileName) +
                   " could not be read. It was kept as " + kept +
                   " and the program goes on with fresh settings.");
    showFileError(std::string(kSettingsFileName) + " could not be read; kept as " + kept);
    writeSettings();
}

// ---- statistics ----------------------------------------------------------------------------

void MainWindow::loadStatistics() {
    const LoadedStatistics loaded = statistics_.load();
    if (loaded.error) showFileError(loaded.error->message());
    if (loaded.movedAside.empty()) return;
    const std::string kept = loaded.movedAside.filename().string();
    showNotice(host_, std::string(kProgramTitle),
               "The statistics file " + std::string(kStatisticsFileName) +
                   " could not be read. It was kept as " + kept +
                   " and the statistics start afresh.");
    showFileError(std::string(kStatisticsFileName) + " could not be read; kept as " + kept);
}

void MainWindow::countStartedGame() {
    if (!std::exchange(gameStarting_, false) || active_ == nullptr) return;
    const int level = session_.puzzleNumber != 0 ? session_.puzzleLevel : 0;
    if (FileStatus error = statistics_.gameStarted(active_ == fifteen_ ? 15 : 9, level))
        showFileError(error->message());
}

void MainWindow::gridSolved(const GridWindow& window) {
    const int seconds =
        static_cast<int>((static_cast<double>(host_.tickMs()) - session_.timerStart) / 1000.0 +
                         session_.bankedElapsed * 86400.0);
    if (FileStatus error = statistics_.gridSolved(window.kind().side, seconds))
        showFileError(error->message());
}

bool MainWindow::writeSettings() {
    host_.processEvents();
    Settings next = settings_;
    next.currentLevel = session_.currentLevel;
    next.gradeLevel = session_.gradeLevel;
    next.elapsedAtCompose = elapsed_.elapsedAtCompose;
    next.showPossibilitiesTip = tipMarkDuringSetPuzzle_.value_or(tipSwitchOn());
    next.showPossibilitiesPanel = panelSwitchOn();
    FileStatus error = saveSettings(settingsFolder(programFolder_), next);
    if (error) {
        // The settings held go back to those on disk.
        settings_ = savedSettings_;
        showFileError(error->message());
        return false;
    }
    settings_ = savedSettings_ = next;
    return true;
}

void MainWindow::showFileError(const std::string& message) {
    showMessage(message, colour::kRed, Alignment::Centre);
}

}  // namespace quorvel
