// The user's notes in the cells of a grid window: typing, filling and clearing them, and what a
// committed value takes out of them; and the chain marks, whose candidates are drawn as notes.

#include <utility>

#include "application/grid/grid_window.h"
#include "application/grid/main_window_link.h"

namespace quorvel {

namespace {

ValueMask bit(int value) {
    return static_cast<ValueMask>(1u << value);
}

}  // namespace

ValueMask GridWindow::notes(int cell) const {
    if (!validCell(cell) || !board_.cell(cell).text.empty()) return 0;
    return notes_[index(cell)];
}

ValueMask GridWindow::contradictedNotes(int cell) const {
    return static_cast<ValueMask>(notes(cell) & ~board_.candidateMask(cell));
}

bool GridWindow::hasNotes() const {
    for (int cell = 1; cell <= kind_.cellCount(); ++cell) {
        if (notes(cell) != 0) return true;
    }
    return false;
}

void GridWindow::setNotes(int cell, ValueMask values) {
    if (!validCell(cell)) return;
    values &= unitTables(kind_).fullMask;
    if (notes_[index(cell)] == values) return;
    notes_[index(cell)] = values;
    notifyCellChanged(cell);
    if (cell == board_.panelCell()) notifyWindowChanged();
}

void GridWindow::setChainMarks(ChainMarks marks) {
    if (marks == chainMarks_) return;
    std::swap(chainMarks_, marks);
    for (int cell = 1; cell <= kind_.cellCount(); ++cell) {
        if (marks.shown[index(cell)] != 0 || chainMarks_.shown[index(cell)] != 0)
            notifyCellChanged(cell);
    }
    notifyWindowChanged();
}

NoteMasks GridWindow::allNotes() const {
    NoteMasks all(static_cast<std::size_t>(kind_.cellCount()) + 1, 0);
    for (int cell = 1; cell <= kind_.cellCount(); ++cell)
        all[index(cell)] = notes(cell);
    return all;
}

std::vector<ValueMask> GridWindow::notedCandidates() const {
    std::vector<ValueMask> candidates;
    if (!hasNotes()) return candidates;
    for (int cell = 1; cell <= kind_.cellCount(); ++cell) {
        const ValueMask noted = notes(cell);
        candidates.push_back(noted != 0 ? noted : unitTables(kind_).fullMask);
    }
    return candidates;
}

PanelMark GridWindow::panelMark(int value) const {
    const PanelMark mark = board_.panelMark(value);
    const ValueMask noted = notes(board_.panelCell());
    if (mark.backColour == kPanelPossibleBack && noted != 0 && (noted & bit(value)) == 0)
        return PanelMark{kPanelNotedOutBack, kPanelNotedOutFore};
    return mark;
}

void GridWindow::setAllNotes(const NoteMasks& notes) {
    for (int cell = 1; cell <= kind_.cellCount(); ++cell)
        setNotes(cell, index(cell) < notes.size() ? notes[index(cell)] : 0);
}

bool GridWindow::takesNotes(int cell) const {
    return validCell(cell) && board_.cell(cell).text.empty() && !board_.cell(cell).locked;
}

void GridWindow::fillAllNotes() {
    for (int cell = 1; cell <= kind_.cellCount(); ++cell) {
        if (board_.cell(cell).text.empty()) setNotes(cell, board_.candidateMask(cell));
    }
}

void GridWindow::clearAllNotes() {
    for (int cell = 1; cell <= kind_.cellCount(); ++cell)
        setNotes(cell, 0);
}

bool GridWindow::toggleNote(int cell, int value) {
    if (!takesNotes(cell) || value < 1 || value > kind_.side) return false;
    setNotes(cell, notes_[index(cell)] ^ bit(value));
    mainWindow_.recordNoteEdit(*this, cell);
    return true;
}

bool GridWindow::typeNote(int cell, char digit) {
    if (!takesNotes(cell) || digit < '0' || digit > '9') return false;
    int value = digit - '0';
    if (cell == noteDigitCell_ && notes_[index(cell)] == notesAfterDigit_ &&
        value <= kind_.side - 10) {
        // The "1" just typed starts a two-digit value: its note goes back.
        setNotes(cell, notes_[index(cell)] ^ bit(1));
        value += 10;
    }
    noteDigitCell_ = 0;
    // "0" never starts a value.
    if (value == 0) return true;
    toggleNote(cell, value);
    if (value == 1 && !kind_.isNine()) {
        noteDigitCell_ = cell;
        notesAfterDigit_ = notes_[index(cell)];
    }
    return true;
}

void GridWindow::clearNotesOnEntry(int cell) {
    const int value = board_.cellValue(cell);
    if (value == 0) return;
    setNotes(cell, 0);
    if (!mainWindow_.removeNotesOnEntry()) return;
    const UnitTables& units = unitTables(kind_);
    for (int peer = 0; peer < units.peerCount[index(cell)]; ++peer) {
        const int other = units.peers[index(cell)][static_cast<std::size_t>(peer)];
        setNotes(other, static_cast<ValueMask>(notes_[index(other)] & ~bit(value)));
    }
}

}  // namespace quorvel
