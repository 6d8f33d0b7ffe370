#include "ui/grid/state_history.h"

#include <algorithm>

#include "model/session.h"
#include "ui/grid/grid_window.h"

namespace quorvel {

namespace {

StateHistory::GridState Capture(const GridWindow& window) {
    StateHistory::GridState state;
    state.selected = window.selectedCell();
    state.textOnEntry = window.textOnEntry();
    state.textEdited = window.textEdited();
    const Board& board = window.board();
    for (int cell = 1; cell <= board.cellCount(); ++cell) {
        const CellView& view = board.cell(cell);
        state.cells.push_back({view.text, view.foreColour, view.backColour, view.locked,
                               window.cellTag(cell), window.storedNotes(cell)});
        if (window.tipShown(cell)) state.tips.push_back(cell);
    }
    return state;
}

}  // namespace

void StateHistory::record(GridWindow& window, bool skip) {
    if (skip || window.board().session().loadBusy) return;
    slots_.resize(static_cast<size_t>(position_));
    if (count() == kSlots) slots_.erase(slots_.begin());
    slots_.push_back(Capture(window));
    position_ = count();
}

bool StateHistory::step(GridWindow& window, bool undo) {
    const int target = undo ? position_ - 1 : position_ + 1;
    if (target < 1 || target > count()) return false;
    position_ = target;
    restore(window, slots_[static_cast<size_t>(target - 1)]);
    return true;
}

void StateHistory::reset() {
    slots_.clear();
    position_ = 0;
}

void StateHistory::restore(GridWindow& window, const GridState& state) {
    Board& board = window.board();
    Session& session = board.session();
    const bool wasLoading = session.loadBusy;
    session.loadBusy = true;
    window.unloadTips();
    const int cells = std::min(board.cellCount(), static_cast<int>(state.cells.size()));
    for (int cell = 1; cell <= cells; ++cell)
        window.setCellValue(cell, state.cells[static_cast<size_t>(cell - 1)].text);
    window.checkConsistency(1, true);
    // Selecting a cell recolours the cells it leaves and enters: the recorded colours follow.
    if (board.validCell(state.selected)) {
        window.focusCell(state.selected);
        window.selectCell(state.selected);
    }
    for (int cell = 1; cell <= cells; ++cell) {
        const CellState& saved = state.cells[static_cast<size_t>(cell - 1)];
        board.setCellColours(cell, saved.foreColour, saved.backColour);
        board.setCellLocked(cell, saved.locked);
        window.setCellTag(cell, saved.tag);
        window.setNotes(cell, saved.notes);
        window.notifyCellChanged(cell);
    }
    for (int cell : state.tips)
        window.tagCell(cell);
    if (board.validCell(state.selected)) window.tagCell(state.selected);
    window.restoreEditState(state.textOnEntry, state.textEdited);
    session.loadBusy = wasLoading;
    window.notifyWindowChanged();
}

}  // namespace quorvel
