#include "application/commands/visual_aid_commands.h"

#include "application/grid/dialog_exchange.h"
#include "application/grid/grid_window.h"
#include "application/grid/marking_aids.h"
#include "application/host.h"
#include "application/shell/main_window.h"
#include "model/program_state.h"
#include "storage/data_file.h"
#include "storage/note_file.h"
#include "storage/settings.h"

namespace quorvel {

namespace {

std::filesystem::path storeNotesFile(const std::filesystem::path& programFolder) {
    return resolveDataFile(settingsFolder(programFolder), kStoreNotesFileName);
}

// The stores as the settings file holds them; a Store keeps them in the main window's settings
// too, so that its next write of the file carries them.
StoreFile settingsStoreFile(MainWindow& mainWindow) {
    return {
        [&mainWindow] {
            LoadedSettings loaded = loadSettings(settingsFolder(mainWindow.programFolder()));
            if (!loaded.movedAside.empty()) mainWindow.settingsMovedAside(loaded.movedAside);
            return loaded.settings.storedGrids;
        },
        [&mainWindow](const StoreSlots& slots) {
            mainWindow.settings().storedGrids = slots;
            mainWindow.writeSettings();
        },
        [&mainWindow] {
            Result<std::vector<NoteEntry>> entries =
                loadNoteFile(storeNotesFile(mainWindow.programFolder()), kNineGrid);
            if (entries) return std::move(entries.value());
            mainWindow.showMessage(entries.error().message(), colour::kRed, Alignment::Centre);
            return std::vector<NoteEntry>{};
        },
        [&mainWindow](std::span<const std::string> kept, const std::vector<NoteEntry>& changed) {
            const FileStatus error = updateNoteFile(storeNotesFile(mainWindow.programFolder()),
                                                    kNineGrid, kept, changed);
            if (error) mainWindow.showMessage(error->message(), colour::kRed, Alignment::Centre);
            return !error;
        }};
}

}  // namespace

VisualAids::VisualAids(Host& host, MainWindow& mainWindow, DialogExchange& dialogs,
                       GridWindow& nine, const ActiveGridWindow& activeGrid)
    : host_(host),
      session_(dialogs.session),
      mainWindow_(mainWindow),
      activeGrid_(activeGrid),
      experiment_(mainWindow, dialogs, activeGrid),
      nineControls_(nine, mainWindow, dialogs, host, settingsStoreFile(mainWindow)) {}

void VisualAids::registerCommands() {
    CommandTable& table = mainWindow_.commands();
    table.setStep(Command::StartExperiment, [this] { return experiment_.Start(); });
    table.setStep(Command::RejectExperiment, [this] { return experiment_.Reject(); });
    table.setStep(Command::ConfirmExperiment, [this] { return experiment_.Confirm(); });
    table.setStep(Command::EndExperiment, [this] { return experiment_.End(); });
    table.setAction(Command::Undo, [this] { StepHistory(true); });
    table.setAction(Command::Redo, [this] { StepHistory(false); });
    table.setAction(Command::PrepareColorNumber, [this] { PrepareColorNumber(); });
    table.setAction(Command::ColorNumber, [this] { ColorNumber(); });
    table.setAction(Command::ShowPossibilitiesTip, [this] { ShowPossibilitiesTip(); });
    table.setAction(Command::ShowPossibilitiesPanel, [this] { ShowPossibilitiesPanel(); });
    table.setAction(Command::PauseTimer, [this] { PauseTimer(); });
    table.setAction(Command::FillAllNotes, [this] { ChangeAllNotes(true); });
    table.setAction(Command::ClearAllNotes, [this] { ChangeAllNotes(false); });
    mainWindow_.setHistoryRecorder(
        [this](GridWindow& window, HistoryEdit edit) { history(window).record(window, edit); });
    mainWindow_.setHistoryRestarter(
        [this](GridWindow& window) { history(window).restart(window); });
}

StateHistory& VisualAids::history(const GridWindow& window) {
    return histories_[window.name()];
}

void VisualAids::PrepareColorNumber() {
    GridWindow* window = activeGrid_();
    if (window == nullptr || !window->board().validCell(window->selectedCell())) return;
    const std::string& text = window->board().cell(window->selectedCell()).text;
    mainWindow_.setCommandEnabled(Command::ColorNumber, !text.empty());
    if (!text.empty()) {
        mainWindow_.setCommandCaption(Command::ColorNumber,
                                      "Color Number (" + text + ") CTRL-Left click");
    }
}

void VisualAids::ColorNumber() {
    if (GridWindow* window = activeGrid_()) {
        cellMouseUp(*window, window->selectedCell(), kMouseLeft, kShiftCtrl);
    }
}

void VisualAids::ShowPossibilitiesTip() {
    const bool on = !mainWindow_.tipSwitchOn();
    mainWindow_.setTipSwitch(on);
    if (GridWindow* window = activeGrid_()) {
        if (on) {
            window->tagCell(window->selectedCell());
        } else {
            window->unloadTips();
        }
    }
    mainWindow_.writeSettings();
}

void VisualAids::ShowPossibilitiesPanel() {
    const bool on = !mainWindow_.panelSwitchOn();
    mainWindow_.setCommandChecked(Command::ShowPossibilitiesPanel, on);
    mainWindow_.writeSettings();
}

void VisualAids::PauseTimer() {
    host_.minimiseMainWindow();
    session_.bankedElapsed = session_.elapsedShown;
    mainWindow_.setElapsedTimerRunning(false);
}

void VisualAids::ChangeAllNotes(bool fill) {
    GridWindow* window = activeGrid_();
    if (window == nullptr) return;
    if (fill) {
        window->fillAllNotes();
    } else {
        window->clearAllNotes();
    }
    history(*window).record(*window, notesEdit(0));
}

void VisualAids::StepHistory(bool undo) {
    if (GridWindow* window = activeGrid_()) history(*window).step(*window, undo);
}

void VisualAids::cellMouseDown(GridWindow& window, int cell, int button) {
    if (button == kMouseLeft && &window == &nineControls_.window())
        nineControls_.cellMouseDown(cell);
}

void VisualAids::cellMouseUp(GridWindow& window, int cell, int button, int shift) {
    markCellOnMouseUp(window, mainWindow_, cell, button, shift);
}

}  // namespace quorvel
