#include "application/commands/experiment_run.h"

#include "application/grid/dialog_exchange.h"
#include "application/grid/grid_window.h"
#include "application/shell/main_window.h"
#include "model/program_state.h"

namespace quorvel {

namespace {

std::vector<std::string> givensOf(const GridWindow& window) {
    std::vector<std::string> givens;
    for (int cell = 1; cell <= window.board().cellCount(); ++cell) {
        const CellView& view = window.board().cell(cell);
        givens.push_back(view.locked ? view.text : std::string());
    }
    return givens;
}

}  // namespace

ExperimentRun::ExperimentRun(MainWindow& mainWindow, DialogExchange& dialogs,
                             ActiveGridWindow activeGrid)
    : mainWindow_(mainWindow), dialogs_(dialogs), activeGrid_(std::move(activeGrid)) {}

bool ExperimentRun::ask(const std::string& prompt) {
    dialogs_.ask(std::string(kExperimentTitle), prompt, "");
    return !dialogs_.dialogCancelled;
}

bool ExperimentRun::Start() {
    ProgramState& session = dialogs_.session;
    GridWindow* window = activeGrid_();
    if (session.experimentColours || window == nullptr) return false;
    if (!ask("Do you want to start an experimental run?")) return false;
    session.experimentColours = true;
    mainWindow_.applyStateChange(StateChange::ExperimentStarted);
    const Board& board = window->board();
    snapshot_.assign(static_cast<size_t>(board.cellCount()) + 1, "");
    snapshotNotes_.assign(snapshot_.size(), 0);
    for (int cell = 1; cell <= board.cellCount(); ++cell) {
        snapshot_[static_cast<size_t>(cell)] = board.cell(cell).text;
        snapshotNotes_[static_cast<size_t>(cell)] = window->storedNotes(cell);
    }
    snapshotColouring_ = window->colouring();
    snapshotWindow_ = window->name();
    snapshotGivens_ = givensOf(*window);
    return true;
}

bool ExperimentRun::Reject() {
    if (!dialogs_.session.experimentColours) return false;
    if (!ask("Do you want to reject the experimental run?")) return false;
    GridWindow* window = activeGrid_();
    // Another puzzle may have been loaded since the start (a Database command rejects the run
    // when it has finished): its cells are left as they are.
    const bool samePuzzle = window != nullptr && window->name() == snapshotWindow_ &&
                            givensOf(*window) == snapshotGivens_;
    if (samePuzzle) {
        Board& board = window->board();
        const int cells = std::min(board.cellCount(), static_cast<int>(snapshot_.size()) - 1);
        for (int cell = 1; cell <= cells; ++cell) {
            if (!board.cell(cell).locked)
                window->setCellValue(cell, snapshot_[static_cast<size_t>(cell)]);
            window->setNotes(cell, snapshotNotes_[static_cast<size_t>(cell)]);
        }
        window->setColouring(snapshotColouring_);
        window->acceptSelectedText();
        window->checkConsistency(1, true);
    }
    end(window);
    if (samePuzzle) mainWindow_.recordHistory(*window);
    return true;
}

bool ExperimentRun::Confirm() {
    if (!dialogs_.session.experimentColours) return false;
    if (!ask("Do you want to confirm the experimental run?")) return false;
    end(activeGrid_());
    return true;
}

bool ExperimentRun::End() {
    if (!dialogs_.session.experimentColours) return false;
    end(activeGrid_());
    return true;
}

// Every ending: the snapshot is emptied, the open cells show blue entries again, the run is off
// and the buttons are back to grey with Start on.
void ExperimentRun::end(GridWindow* window) {
    std::fill(snapshot_.begin(), snapshot_.end(), std::string());
    snapshotNotes_.clear();
    snapshotColouring_ = {};
    if (window != nullptr) {
        Board& board = window->board();
        for (int cell = 1; cell <= board.cellCount(); ++cell) {
            if (board.cell(cell).locked) continue;
            board.setCellColours(cell, kEntryBlue, board.cell(cell).backColour);
            window->notifyCellChanged(cell);
        }
    }
    dialogs_.session.experimentColours = false;
    mainWindow_.clearExperimentChoice();
    mainWindow_.applyStateChange(StateChange::ExperimentEnded);
}

}  // namespace quorvel
