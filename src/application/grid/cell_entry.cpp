// The cell-entry routines every cell event of a grid window runs: selection, the keystroke
// filter, navigation with the arrow keys and Enter, range check and commit.

#include <algorithm>
#include <cstdio>

#include "application/grid/cell_spec.h"
#include "application/grid/dialog_exchange.h"
#include "application/grid/grid_window.h"
#include "application/grid/grid_window_observer.h"
#include "application/grid/main_window_link.h"
#include "application/grid/text_number.h"
#include "application/host.h"
#include "model/program_state.h"

namespace quorvel {

namespace {

constexpr std::string_view kEscape = "\x1b";

bool isNavigationKey(int keyCode) {
    return keyCode == key::kEnter || keyCode == key::kPageUp || keyCode == key::kPageDown ||
           keyCode == key::kLeft || keyCode == key::kUp || keyCode == key::kRight ||
           keyCode == key::kDown;
}

}  // namespace

// --- Helpers ---

void GridWindow::writeText(int cell, const std::string& text) {
    board_.setCellText(cell, text);
}

void GridWindow::setForeColour(int cell, Colour colour) {
    board_.setCellColours(cell, colour, board_.cell(cell).backColour);
    notifyCellChanged(cell);
}

bool GridWindow::looksGiven(int cell) const {
    const CellView& view = board_.cell(cell);
    return view.locked || view.backColour == kMarkedBack;
}

// Red for givens and marked cells, blue for entries; during an experimental run the entries
// keep the colour they have.
void GridWindow::colourForFocus(int cell) {
    if (looksGiven(cell)) {
        setForeColour(cell, kGivenRed);
    } else if (!session_.experimentColours) {
        setForeColour(cell, kEntryBlue);
    }
}

void GridWindow::showMessage(std::string_view text, Colour colour) {
    mainWindow_.showMessage(text, colour, Alignment::Centre);
}

void GridWindow::clearMessageLine() {
    showMessage("", colour::kWhite);
}

void GridWindow::setCellSelection(int cell, int selStart, int selLength) {
    if (!validCell(cell)) return;
    TextBox box = cellBox(cell);
    box.selStart = selStart;
    box.selLength = selLength;
    box.clampSelection();
    carets_[index(cell)] = {box.selStart, box.selLength};
    notifyCellChanged(cell);
}

// --- Focus ---

// The focus moves as the windowing system moves it: the cell that had it runs its lost-focus
// handling first, then the new cell its focus handling. A lost-focus handling that pulls the
// focus back (an out-of-range value being corrected) wins over the move that was under way.
void GridWindow::setFocus(int cell) {
    if (inFocusChange_) {
        focusRedirect_ = cell;
        return;
    }
    if (cell == focused_) return;
    noteDigitCell_ = 0;
    const int leaving = focused_;
    inFocusChange_ = true;
    focusRedirect_ = 0;
    if (leaving != 0) leaveCell(leaving);
    inFocusChange_ = false;
    const int arriving = focusRedirect_ != 0 ? focusRedirect_ : cell;
    focused_ = arriving;
    if (observer_ != nullptr) observer_->focusChanged(focused_);
    cellGotFocus(arriving);
}

void GridWindow::requestFocus(int cell) {
    if (cellVisible(cell) && board_.cell(cell).enabled) setFocus(cell);
}

void GridWindow::cellGotFocus(int cell) {
    if (!shown_ || loading_ || !validCell(cell)) return;
    tagCell(cell);
    selectCell(cell);
}

void GridWindow::selectCell(int cell) {
    if (!validCell(cell)) return;
    if (validCell(selected_)) {
        const CellView& previous = board_.cell(selected_);
        Colour colour = kGivenRed;
        if (!previous.locked) {
            if (session_.experimentColours) {
                colour = kExperimentPurple;
            } else if (previous.backColour != kMarkedBack) {
                colour = kEntryBlue;
            }
        }
        setForeColour(selected_, colour);
    }
    if (board_.cell(cell).backColour == kMarkedBack) setForeColour(cell, kGivenRed);
    // A click into the cell being edited keeps what the edit is measured from, so the typed
    // value is still committed when the focus leaves.
    if (cell != selected_ || !textEdited_) textOnEntry_ = board_.cell(cell).text;
    selected_ = cell;
}

void GridWindow::acceptSelectedText() {
    if (validCell(selected_)) textOnEntry_ = board_.cell(selected_).text;
    textEdited_ = false;
}

void GridWindow::restoreEditState(const std::string& textOnEntry, bool edited) {
    textOnEntry_ = textOnEntry;
    textEdited_ = edited;
}

void GridWindow::focusCell(int cell) {
    if (!validCell(cell) || !mainWindow_.isActiveChild(*this)) return;
    if (cellVisible(cell) && board_.cell(cell).enabled) {
        setFocus(cell);
        colourForFocus(cell);
        selectAllText(cell);
    }
    entry_.lastFocusedWindow = this;
    entry_.lastFocusedCell = cell;
}

void GridWindow::selectAllText(int cell) {
    if (session_.fillBusy || session_.loadBusy || !cellVisible(cell)) return;
    const std::string& text = board_.cell(cell).text;
    if (text.empty()) return;
    carets_[index(cell)] = {0, static_cast<int>(text.size())};
    notifyCellChanged(cell);
}

// --- Cell events ---

void GridWindow::noteTextEdit(int cell) {
    // The edit flag describes the selected cell only; programmatic writes to other cells leave it.
    if (cell != selected_) return;
    // A value the program set, text and grid table together (a solve filling the focused cell),
    // is the cell's committed value: a later edit, even back to the old text, is measured from it.
    if (!entry_.validatingKey && board_.shownValue(cell) == board_.cellValue(cell)) {
        textOnEntry_ = board_.cell(cell).text;
        textEdited_ = false;
        return;
    }
    textEdited_ = board_.cell(cell).text != textOnEntry_;
}

void GridWindow::clickCell(int cell) {
    handleClick(cell);
}

void GridWindow::handleClick(int cell, bool clearsMessageLine) {
    if (!validCell(cell)) return;
    entry_.clickInProgress = true;
    if (clearsMessageLine) clearMessageLine();
    selectCell(cell);
    host_.processEvents();
    entry_.clickInProgress = false;
}

// A digit becomes a note with Ctrl held, or typed in Notes Mode, where the cell takes notes.
bool GridWindow::noteKey(int cell, const KeyEvent& event) {
    if (event.code < '0' || event.code > '9') return false;
    const bool chord = event.modifiers == modifier::kCtrl;
    const bool typed = event.modifiers == 0 && mainWindow_.notesModeOn();
    return (chord || typed) && typeNote(cell, static_cast<char>(event.code));
}

void GridWindow::cellKey(int cell, const KeyEvent& event) {
    if (mainWindow_.takeKey(event)) return;
    if (noteKey(cell, event)) return;
    if (aidKey(cell, event)) return;
    // Any other key ends a two-digit note, a lone press of Ctrl too: Ctrl+1 and Ctrl+2 typed
    // apart note 1 and 2, while Ctrl held down through both digits makes 12.
    noteDigitCell_ = 0;
    cellKeyDown(cell, event.code);
    if (event.code == key::kEscape || event.text.empty()) return;
    const auto first = static_cast<unsigned char>(event.text[0]);
    // Control characters other than Backspace and Enter produce no key-press.
    if (first < 32 && event.text != "\b" && event.text != "\r") return;
    if (first == 127) return;
    // The key-down may have moved the focus; the character goes where the focus is now.
    cellKeyPress(focused_ != 0 ? focused_ : cell, event.text);
}

void GridWindow::cellKeyDown(int cell, int keyCode) {
    if (!validCell(cell)) return;
    handleKeyDown(cell, keyCode);
}

void GridWindow::cellKeyPress(int cell, const std::string& typed) {
    if (!validCell(cell)) return;
    handleKeyPress(cell, typed == "\r" ? std::string() : typed);
}

void GridWindow::cellKeyUp(int cell) {
    if (validCell(cell)) handleKeyUp(cell);
}

void GridWindow::handleKeyDown(int cell, int keyCode) {
    if (keyCode == key::kDelete && !board_.cell(cell).locked) {
        board_.setCellValue(cell, "");
        // The grid holds the empty cell now, so the next edit is measured from it: typing the
        // old value back must reach the grid too.
        if (cell == selected_) acceptSelectedText();
        // The grid is no longer full: the gauge and the status image say so at once.
        checkConsistency(cell);
    } else if (keyCode == key::kEscape) {
        handleKeyPress(cell, std::string(kEscape));
    } else {
        navigateByKey(cell, keyCode);
    }
    entry_.navigatedAway = false;
}

// What the text box itself does with a caret key that navigation leaves to it. Returns true
// when the key was left to the text box.
bool GridWindow::moveCaretAsTextBox(int cell, int keyCode) {
    TextBox box = cellBox(cell);
    const int end = static_cast<int>(box.text.size());
    const bool whole = box.wholeTextSelected();
    if (keyCode == key::kLeft && whole) {
        box.placeCaret(0);
    } else if (keyCode == key::kRight && whole) {
        box.placeCaret(end);
    } else if (keyCode == key::kLeft && box.selStart != 0) {
        box.placeCaret(box.selLength > 0 ? box.selStart : box.selStart - 1);
    } else if (keyCode == key::kRight && box.selStart != end) {
        box.placeCaret(box.selLength > 0 ? box.selStart + box.selLength : box.selStart + 1);
    } else {
        return false;
    }
    carets_[index(cell)] = {box.selStart, box.selLength};
    notifyCellChanged(cell);
    return true;
}

int GridWindow::navigationTarget(int cell, int keyCode) const {
    NavField field = NavField::Left;
    switch (keyCode) {
        case key::kLeft:
            field = NavField::Left;
            break;
        case key::kRight:
            field = NavField::Right;
            break;
        case key::kUp:
            field = NavField::Up;
            break;
        case key::kDown:
            field = NavField::Down;
            break;
        default:
            return 0;  // Page Up and Page Down never move
    }
    int target = specNavigationTarget(cellSpec(cell), field);
    // A disabled target is passed over by following its own specification for the same key;
    // a cell that never had the focus still carries the design text, so its builder text is read.
    for (int hops = 0; validCell(target) && !board_.cell(target).enabled; ++hops) {
        if (hops >= kind_.cellCount()) return 0;  // every cell on the way is disabled
        const std::string_view spec = cellSpec(target);
        target = spec == kDesignCellSpec ? specNavigationTarget(buildCellSpec(kind_, target), field)
                                         : specNavigationTarget(spec, field);
    }
    return validCell(target) ? target : 0;
}

void GridWindow::navigateByKey(int cell, int keyCode) {
    if (board_.cell(cell).text.empty()) {
        board_.showSolvedStatus(false);
        notifyWindowChanged();
    }
    if (keyCode == key::kEnter) keyCode = entry_.enterMovesAcross ? key::kRight : key::kDown;
    navigating_ = false;
    if ((keyCode == key::kLeft || keyCode == key::kRight) && moveCaretAsTextBox(cell, keyCode)) {
        return;
    }
    if (!isNavigationKey(keyCode)) {
        if (keyCode == key::kHome || keyCode == key::kEnd) {
            const int end = static_cast<int>(board_.cell(cell).text.size());
            carets_[index(cell)] = {keyCode == key::kHome ? 0 : end, 0};
            notifyCellChanged(cell);
        }
        clearMessageLine();
        return;
    }
    navigating_ = true;
    const std::int64_t now = host_.tickMs();
    if (now - entry_.lastMoveTick < kRepeatGuardMs) return;
    const int target = navigationTarget(cell, keyCode);
    if (target == 0) return;

    entry_.navigatedAway = true;
    checkRange(cell);
    writeText(cell, formatByTag(cell, board_.cell(cell).text));
    bool committed = false;
    if (textEdited_) {
        textEdited_ = false;
        commit(cell);
        committed = true;
    }
    focusCell(target);
    cellGotFocus(target);
    entry_.lastMoveTick = now;
    if (committed) mainWindow_.recordHistory(*this);
    clearMessageLine();
}

// The cell's text becomes its value in the grid's table and the grid is checked again. A cell
// that keeps the focus (a menu command committed it) measures its next change from this text, so
// a later edit back to the text it had before is committed too.
void GridWindow::commit(int cell) {
    board_.setStoreText(1, kind_.rowOf(cell), kind_.columnOf(cell), board_.cell(cell).text);
    clearNotesOnEntry(cell);
    if (cell == selected_) acceptSelectedText();
    checkConsistency(cell);
}

void GridWindow::handleKeyPress(int cell, std::string typed) {
    if (cell != selected_) {
        cellGotFocus(cell);
        host_.processEvents();
    }
    if (typed == kEscape) {
        const int active = focused_ != 0 ? focused_ : cell;
        writeText(active, textOnEntry_);
        carets_[index(active)] = {static_cast<int>(textOnEntry_.size()), 0};
        notifyCellChanged(active);
        return;
    }
    if (typed.empty()) return;
    // Overtype: a character replaces the one at the caret.
    TextBox box = cellBox(cell);
    const bool printable = static_cast<unsigned char>(typed[0]) >= 32;
    if (printable && box.selLength == 0 && box.selStart < static_cast<int>(box.text.size()) &&
        box.text[static_cast<std::size_t>(box.selStart)] != '\r') {
        carets_[index(cell)].selLength = 1;
        box.selLength = 1;
    }
    if (board_.cell(cell).locked) {
        showMessage(kTextboxLockedMessage, kGivenRed);
        return;
    }
    if (typed == "0") {
        // "0" never starts a value; on the 15x15 grid it may follow a digit, so 10 can be typed.
        const bool secondDigit = !kind_.isNine() && box.selStart > 0;
        if (!secondDigit) return;
    }
    keyAllowed(cell, typed);
}

bool GridWindow::keyAllowed(int cell, const std::string& typed) {
    entry_.validatingKey = true;
    TextBox box = cellBox(cell);
    const KeyVerdict verdict =
        quorvel::keyAllowed(box, typed, entry_.field, host_.decimalSeparator());
    if (!verdict.message.empty()) showMessage(verdict.message, kGivenRed);
    writeText(cell, box.text);
    carets_[index(cell)] = {box.selStart, box.selLength};
    notifyCellChanged(cell);
    entry_.validatingKey = false;
    textEdited_ = board_.cell(cell).text != textOnEntry_;
    return verdict.accepted;
}

void GridWindow::handleKeyUp(int cell) {
    colourForFocus(cell);
    if (navigating_ && !board_.cell(cell).locked && !cellBox(cell).wholeTextSelected()) {
        selectAllText(cell);
    }
}

// The range check runs also while a puzzle is typed in (composeMode), so that a value out of
// range never reaches the grid's table and never becomes a given.
void GridWindow::leaveCell(int cell) {
    if (session_.fillBusy || session_.loadBusy) return;
    if (entry_.navigatedAway) {
        entry_.navigatedAway = false;
    } else {
        checkRange(cell);
        writeText(cell, formatByTag(cell, board_.cell(cell).text));
    }
    if (session_.composeMode) {
        if (board_.cell(cell).backColour == kMarkedBack) setForeColour(cell, kGivenRed);
    } else {
        colourForFocus(cell);
    }
    if (textEdited_) {
        textEdited_ = false;
        commit(cell);
        mainWindow_.recordHistory(*this);
    }
}

void GridWindow::leaveFocusedCell() {
    noteDigitCell_ = 0;
    if (validCell(focused_)) leaveCell(focused_);
}

bool GridWindow::checkRange(int cell) {
    const std::string text = board_.cell(cell).text;
    if (text.empty() || !isWholeNumberText(text)) return true;
    const auto range = specRangeOf(cellSpec(cell));
    if (!range) return true;
    const double value = lenientNumber(text);
    const bool below = value < lenientNumber(range->min);
    if (!below && value <= lenientNumber(range->max)) return true;
    dialogs_.ask(std::string(kOutOfRangeTitle),
                 "Value should be in between " + range->min + " and " + range->max +
                     "\r\nProgram will take its nearest correct value or last acceptable "
                     "value.",
                 "");
    writeText(cell, below ? range->min : range->max);
    focusCell(cell);
    return false;
}

std::string GridWindow::formatByTag(int cell, const std::string& value) {
    if (!value.empty()) writeText(cell, value);
    const std::string& text = board_.cell(cell).text;
    const int decimals = specDecimals(cellSpec(cell));
    // A value is written as its plain digits: a text such as "01" (left when a refused key took
    // the selected first digit) would read as 1 in the grid while not showing a value.
    if (decimals == 0) return std::string(withoutLeadingZeros(text));
    if (!isWholeNumberText(trimBlanks(text))) return text;
    const double number = lenientNumber(text);
    char formatted[64];
    std::snprintf(formatted, sizeof formatted, "%.*f", decimals, number);
    return formatted;
}

void GridWindow::toggleEnterDirection(bool flash) {
    if (flash) flashEnterDirectionButton();
    host_.processEvents();
    if (enterDirection_.caption == kMoveAcrossCaption) {
        entry_.enterMovesAcross = false;
        enterDirection_.caption = kMoveDownCaption;
        enterDirection_.toolTip = kMoveDownTip;
    } else {
        entry_.enterMovesAcross = true;
        enterDirection_.caption = kMoveAcrossCaption;
        enterDirection_.toolTip = kMoveAcrossTip;
    }
    notifyWindowChanged();
}

}  // namespace quorvel
