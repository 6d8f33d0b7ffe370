// The grid aids of a grid window: repeated values drawn as conflicts, one value highlighted in
// its cells and notes, the candidate filter, and the user's colouring of cells and notes; with
// their keys and the colours the view draws them in.

#include <utility>

#include "application/grid/grid_window.h"
#include "application/grid/main_window_link.h"
#include "model/aid_colours.h"

namespace quorvel {

namespace {

bool has(ValueMask mask, int value) {
    return ((mask >> value) & 1u) != 0;
}

// The shade of a text colour that keeps its contrast on the highlight.
Colour onHighlight(Colour fore) {
    const AidColours& colours = aidColours();
    if (fore == kGivenRed) return colours.highlightGivenFore;
    if (fore == kEntryBlue) return colours.highlightEntryFore;
    if (fore == kExperimentPurple) return colours.highlightExperimentFore;
    if (fore == colours.conflictFore) return colours.highlightMistakeFore;
    return fore;
}

bool isDigitKey(int code) {
    return code >= '0' && code <= '9';
}

}  // namespace

bool GridWindow::conflicted(int cell) const {
    if (!validCell(cell) || !mainWindow_.showConflicts()) return false;
    const int value = board_.cellValue(cell);
    if (value < 1 || value > kind_.side) return false;
    const UnitTables& units = unitTables(kind_);
    for (int peer = 0; peer < units.peerCount[index(cell)]; ++peer) {
        if (board_.cellValue(units.peers[index(cell)][static_cast<std::size_t>(peer)]) == value)
            return true;
    }
    return false;
}

ValueMask GridWindow::conflictingNotes(int cell) const {
    return mainWindow_.showConflicts() ? contradictedNotes(cell) : ValueMask{0};
}

void GridWindow::repaintAllCells() {
    for (int cell = 1; cell <= kind_.cellCount(); ++cell)
        notifyCellChanged(cell);
}

void GridWindow::setHighlightedValue(int value) {
    value = value >= 1 && value <= kind_.side ? value : 0;
    if (std::exchange(highlighted_, value) != value) repaintAllCells();
}

void GridWindow::setFilteredValue(int value) {
    value = value >= 1 && value <= kind_.side ? value : 0;
    if (std::exchange(filtered_, value) != value) repaintAllCells();
}

bool GridWindow::filterShades(int cell) const {
    if (filtered_ == 0 || !validCell(cell) || !board_.cell(cell).text.empty()) return false;
    const ValueMask noted = notes(cell);
    return has(noted != 0 ? noted : board_.candidateMask(cell), filtered_);
}

void GridWindow::setColouring(const Colouring& colouring) {
    if (colouring == colouring_) return;
    colouring_ = colouring;
    repaintAllCells();
}

bool GridWindow::colourCell(int cell, int colour) {
    if (!validCell(cell) || colour < 0 || colour > kColouringColours) return false;
    std::uint8_t& shade = colouring_.cells[index(cell)];
    shade = shade == colour ? 0 : static_cast<std::uint8_t>(colour);
    notifyCellChanged(cell);
    mainWindow_.recordHistory(*this);
    return true;
}

bool GridWindow::colourNote(int cell, int value, int colour) {
    if (!validCell(cell) || value < 1 || value > kind_.side || !has(notes(cell), value) ||
        colour < 0 || colour > kColouringColours)
        return false;
    std::uint8_t& shade = colouring_.notes[index(cell)][static_cast<std::size_t>(value)];
    shade = shade == colour ? 0 : static_cast<std::uint8_t>(colour);
    notifyCellChanged(cell);
    mainWindow_.recordHistory(*this);
    return true;
}

bool GridWindow::clearColouring() {
    if (colouring_.empty()) return false;
    setColouring({});
    mainWindow_.recordHistory(*this);
    return true;
}

GridWindow::AidedLook GridWindow::aidedLook(int cell) const {
    const CellView& view = board_.cell(cell);
    AidedLook look{view.foreColour, view.backColour};
    if (!validCell(cell)) return look;
    const AidColours& colours = aidColours();
    // The user's colours and the filter take the place of the grid's own shading only, never of
    // a mark a command put there (a hint, a mistake, Color Number).
    if (look.backColour == kPlainBack || look.backColour == kShadedBack) {
        if (const int shade = colouring_.cells[index(cell)]; shade != 0)
            look.backColour = colours.colouring[static_cast<std::size_t>(shade)];
        if (filterShades(cell)) look.backColour = colours.filterBack;
    }
    if (conflicted(cell)) look = {colours.conflictFore, colours.conflictBack};
    if (highlighted_ != 0 && board_.shownValue(cell) == highlighted_)
        look = {onHighlight(look.foreColour), colours.highlightBack};
    return look;
}

std::optional<GridWindow::AidedLook> GridWindow::noteLook(int cell, int value) const {
    if (!has(notes(cell), value)) return std::nullopt;
    const AidColours& colours = aidColours();
    const bool mistake = has(conflictingNotes(cell), value);
    if (value == highlighted_)
        return AidedLook{mistake ? colours.highlightMistakeFore : colours.highlightNoteFore,
                         colours.highlightBack};
    if (const int shade = colouring_.notes[index(cell)][static_cast<std::size_t>(value)])
        return AidedLook{mistake ? colours.conflictFore : kNoteFore,
                         colours.colouring[static_cast<std::size_t>(shade)]};
    return std::nullopt;
}

// Shift+digit highlights a value (Shift+0 or the same value again ends it), Escape ends the
// highlight; Alt+1..4 colours the cell (Alt+0 takes its colour off) and Alt+Shift+digit the note
// of that value, in the colour of the last Alt+1..4. On the 15x15 grid a "1" followed by 0..5
// with the same modifiers still held makes 10..15, as two-digit notes do.
bool GridWindow::aidKey(int cell, const KeyEvent& event) {
    const int pendingModifiers = std::exchange(aidDigitModifiers_, 0);
    constexpr int kShiftWithAlt = modifier::kShift | modifier::kAlt;
    if (event.code == key::kEscape && event.modifiers == 0 && highlighted_ != 0) {
        setHighlightedValue(0);
        return true;
    }
    if (!isDigitKey(event.code)) return false;
    int value = event.code - '0';
    if (event.modifiers == modifier::kAlt) {
        if (value > kColouringColours) return false;
        if (value != 0) keyColour_ = value;
        const int shade = colouring_.cells[index(cell)];
        if (value != 0 || shade != 0) colourCell(cell, value == 0 ? shade : value);
        return true;
    }
    if (event.modifiers != modifier::kShift && event.modifiers != kShiftWithAlt) return false;
    const bool second = pendingModifiers == event.modifiers && value <= kind_.side - 10;
    if (second) value += 10;
    if (value == 1 && !kind_.isNine()) aidDigitModifiers_ = event.modifiers;
    if (event.modifiers == modifier::kShift) {
        setHighlightedValue(value == highlighted_ && !second ? 0 : value);
        return true;
    }
    const int colour = colouringPen() != 0 ? colouringPen() : keyColour_;
    if (second) colourNote(cell, 1, colour);  // the "1" that started the value goes back
    colourNote(cell, value, colour);
    return true;
}

}  // namespace quorvel
