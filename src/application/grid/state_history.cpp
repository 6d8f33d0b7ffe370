#include "application/grid/state_history.h"

#include <algorithm>

#include "application/grid/grid_window.h"
#include "model/program_state.h"

namespace quorvel {

namespace {

StateHistory::GridState capture(const GridWindow& window, HistoryEdit edit) {
    StateHistory::GridState state;
    state.edit = edit;
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
    state.colouring = window.colouring();
    return state;
}

}  // namespace

void StateHistory::record(GridWindow& window, HistoryEdit edit) {
    if (window.board().session().loadBusy) return;
    const bool amends = edit.notesOnly && edit.cell != 0 && edit.cell == openNoteCell_ &&
                        position_ == count() && count() > 0;
    openNoteCell_ = edit.notesOnly ? edit.cell : 0;
    if (amends) {
        slots_.back() = capture(window, edit);
        return;
    }
    slots_.resize(static_cast<size_t>(position_));
    if (count() == kSlots)
        slots_.erase(slots_.begin() + static_cast<std::ptrdiff_t>(slotToDrop(edit)));
    slots_.push_back(capture(window, edit));
    position_ = count();
}

// The oldest slot, unless a note edit would take the newest change of values out of Undo's
// reach with it: while that change or the state before it is the oldest, the note state right
// after the change goes instead (Undo then takes two note edits back in one step).
std::size_t StateHistory::slotToDrop(HistoryEdit edit) const {
    if (!edit.notesOnly) return 0;
    int lastChange = count() - 1;
    while (lastChange >= 0 && slots_[static_cast<size_t>(lastChange)].edit.notesOnly)
        --lastChange;
    return lastChange == 0 || lastChange == 1 ? static_cast<std::size_t>(lastChange) + 1 : 0;
}

bool StateHistory::step(GridWindow& window, bool undo) {
    const int target = undo ? position_ - 1 : position_ + 1;
    if (target < 1 || target > count()) return false;
    position_ = target;
    openNoteCell_ = 0;
    restore(window, slots_[static_cast<size_t>(target - 1)]);
    return true;
}

void StateHistory::reset() {
    slots_.clear();
    position_ = 0;
    openNoteCell_ = 0;
}

void StateHistory::restore(GridWindow& window, const GridState& state) {
    Board& board = window.board();
    ProgramState& session = board.session();
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
    window.setColouring(state.colouring);
    for (int cell : state.tips)
        window.tagCell(cell);
    if (board.validCell(state.selected)) window.tagCell(state.selected);
    window.restoreEditState(state.textOnEntry, state.textEdited);
    session.loadBusy = wasLoading;
    window.notifyWindowChanged();
}

}  // namespace quorvel
