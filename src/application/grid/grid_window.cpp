#include "application/grid/grid_window.h"

#include <algorithm>

#include "application/grid/cell_spec.h"
#include "application/grid/dialog_exchange.h"
#include "application/grid/grid_window_observer.h"
#include "application/grid/main_window_link.h"
#include "application/grid/text_number.h"
#include "application/host.h"
#include "model/program_state.h"

namespace quorvel {

namespace {

constexpr std::string_view kNineMainTitle = "Quorvel V1.02 ";

}  // namespace

GridWindow::GridWindow(const GridKind& kind, const GridWindowContext& context)
    : kind_(kind),
      host_(context.host),
      session_(context.session),
      mainWindow_(context.mainWindow),
      dialogs_(context.dialogs),
      entry_(context.entry),
      board_(kind, context.session, *this) {
    enterDirection_.caption = entry_.enterMovesAcross ? kMoveAcrossCaption : kMoveDownCaption;
    enterDirection_.toolTip = entry_.enterMovesAcross ? kMoveAcrossTip : kMoveDownTip;
    focusFrame_ = focusFrameAround(kind_, 1);
}

std::string GridWindow::caption() const {
    return kind_.isNine() ? "DODU VI - 3" : "DIRE VI - 5";
}

void GridWindow::load(int mainWidthTwips, int mainHeightTwips) {
    loading_ = true;
    placeIn(mainWidthTwips, mainHeightTwips);
    writeFieldSettings();
    cellsCreated_ = true;
    // Cell 1 is designed with the shade of its block; the others get theirs as they are made.
    for (int cell = 1; cell <= kind_.cellCount(); ++cell)
        restoreCellColour(cell, false);
    loading_ = false;
    loaded_ = true;
    notifyWindowChanged();
}

// The field settings are shared by both windows: the window that opens makes them its own, so
// typing follows the grid on screen however often the windows take turns.
void GridWindow::writeFieldSettings() {
    entry_.field = {kind_.isNine() ? 1 : 2, kWholeNumberField};
}

void GridWindow::activate() {
    writeFieldSettings();
    if (kind_.isNine()) mainWindow_.setMainTitle(std::string(kNineMainTitle));
    // Set the caption against the current direction, so that the toggle lands on it.
    enterDirection_.caption = entry_.enterMovesAcross ? kMoveDownCaption : kMoveAcrossCaption;
    toggleEnterDirection(false);
    setPanelVisible(mainWindow_.panelSwitchOn());
    // Show Conflicts may have changed while another grid was shown.
    repaintAllCells();
}

void GridWindow::show() {
    shown_ = true;
    closed_ = false;
    notifyWindowChanged();
}

void GridWindow::hide() {
    shown_ = false;
    notifyWindowChanged();
}

void GridWindow::placeIn(int mainWidthTwips, int mainHeightTwips) {
    const GridLayout& layout = layoutOf(kind_);
    left_ = (mainWidthTwips - layout.windowWidth) / 2;
    top_ = (mainHeightTwips - layout.windowHeight) / 2;
    notifyWindowChanged();
}

bool GridWindow::requestClose() {
    if (!mainWindow_.applicationClosing()) {
        hide();
        mainWindow_.showOtherGrid(*this);
        return false;
    }
    cellsCreated_ = false;
    unloadTips();
    shown_ = false;
    closed_ = true;
    notifyWindowChanged();
    return true;
}

bool GridWindow::cellVisible(int cell) const {
    return validCell(cell) && (cell == 1 || cellsCreated_);
}

TextBox GridWindow::cellBox(int cell) const {
    if (!validCell(cell)) return {};
    const Caret& caret = carets_[index(cell)];
    TextBox box{board_.cell(cell).text, caret.selStart, caret.selLength};
    box.clampSelection();
    return box;
}

ConsistencyResult GridWindow::checkConsistency(int cell, bool silent) {
    const ConsistencyResult result = board_.checkConsistency(cell, silent);
    if (result.complete) statusMarkColour_ = colour::kBlack;
    repaintPossibilities();
    // Notes, conflicts, the highlight and the filter all follow the committed values.
    repaintAllCells();
    return result;
}

std::string_view GridWindow::cellSpec(int cell) const {
    const std::string& tag = cellTag(cell);
    return tag.empty() ? kDesignCellSpec : std::string_view(tag);
}

void GridWindow::tagCell(int cell) {
    if (loading_ || !validCell(cell)) return;
    focusFrame_ = focusFrameAround(kind_, cell);
    tags_[index(cell)] = buildCellSpec(kind_, cell);
    board_.candidatesOf(cell);
    updateTip(cell);
    notifyWindowChanged();
}

// While the tip switch is on and the tip timer runs, an empty cell shows its tip and a filled
// one none.
void GridWindow::updateTip(int cell) {
    if (!mainWindow_.tipSwitchOn() || !mainWindow_.tipTimerRunning()) return;
    if (board_.cell(cell).text.empty()) {
        tipShown_[index(cell)] = true;
        notifyCellChanged(cell);
    } else {
        removeTip(cell);
    }
}

std::string GridWindow::tipToolTip(int cell) const {
    return tipShown(cell) ? candidateText(board_.shownCandidateMask(cell)) : std::string();
}

std::string GridWindow::tipText(int cell) const {
    std::string text = tipToolTip(cell);
    std::replace(text.begin(), text.end(), ',', ' ');
    return text;
}

void GridWindow::removeTip(int cell) {
    if (!validCell(cell) || !tipShown_[index(cell)]) return;
    tipShown_[index(cell)] = false;
    notifyCellChanged(cell);
}

void GridWindow::unloadTips() {
    for (int cell = 1; cell <= kind_.cellCount(); ++cell)
        removeTip(cell);
}

void GridWindow::refreshPossibilities() {
    if (validCell(focused_)) {
        board_.candidatesOf(focused_);
        updateTip(focused_);
    }
    repaintPossibilities();
}

// The tips and the panel read what the cells show when they are drawn: after a change of values
// or of any cell's text the view draws them again.
void GridWindow::repaintPossibilities() {
    for (int cell = 1; cell <= kind_.cellCount(); ++cell) {
        if (tipShown_[index(cell)]) notifyCellChanged(cell);
    }
    notifyWindowChanged();
}

void GridWindow::restoreCellColour(int cell, bool keepTextColour) {
    if (!validCell(cell)) return;
    const CellView& view = board_.cell(cell);
    Colour back = kind_.blockOf(cell) % 2 == 1 ? kShadedBack : kPlainBack;
    // A colour stored with a composed or generated pattern shows while composing (9x9 only).
    if (kind_.isNine() && session_.createMode && view.composeBack) back = *view.composeBack;
    Colour fore = view.foreColour;
    if (!keepTextColour) {
        if (view.locked) {
            fore = kGivenRed;
        } else if (!session_.experimentColours) {
            fore = kEntryBlue;
        }
    }
    board_.setCellColours(cell, fore, back);
    notifyCellChanged(cell);
}

void GridWindow::setPuzzleNumberLabel(const std::string& caption) {
    puzzleNumberLabel_ = caption;
    notifyWindowChanged();
}

void GridWindow::setComposingControlsVisible(bool visible) {
    composingControlsVisible_ = visible && kind_.isNine();
    notifyWindowChanged();
}

void GridWindow::setPanelVisible(bool visible) {
    panelVisible_ = visible;
    notifyWindowChanged();
}

void GridWindow::flashCell(int cell) {
    if (!validCell(cell)) return;
    const CellView saved = board_.cell(cell);
    board_.setCellColours(cell, kFlashFore, kFlashBack);
    notifyCellChanged(cell);
    host_.processEvents();
    host_.sleepMs(kFlashMs);
    board_.setCellColours(cell, saved.foreColour, saved.backColour);
    notifyCellChanged(cell);
}

void GridWindow::flashEnterDirectionButton() {
    const ButtonLook saved = enterDirection_;
    enterDirection_.threeD = true;
    enterDirection_.backColour = kFlashBack;
    enterDirection_.foreColour = kFlashFore;
    notifyWindowChanged();
    host_.processEvents();
    host_.sleepMs(kFlashMs);
    enterDirection_.threeD = false;
    enterDirection_.backColour = saved.backColour;
    enterDirection_.foreColour = saved.foreColour;
    notifyWindowChanged();
}

void GridWindow::markIncompleteAfterGuessing() {
    statusMarkColour_ = kIncompleteAfterGuessing;
    notifyWindowChanged();
}

void GridWindow::setFrameColour(Colour colour) {
    frameColour_ = colour;
    notifyWindowChanged();
}

void GridWindow::notifyCellChanged(int cell) {
    if (observer_ != nullptr) observer_->cellChanged(cell);
}

void GridWindow::notifyWindowChanged() {
    if (observer_ != nullptr) observer_->windowChanged();
}

// --- GridEvents ---

void GridWindow::messageLine(const std::string& text, Colour colour, Alignment alignment) {
    mainWindow_.showMessage(text, colour, alignment);
}

void GridWindow::messageDialog(const std::string& title, const std::string& text) {
    dialogs_.ask(title, text, "");
}

void GridWindow::cellTextChanged(int cell) {
    // Setting a text box's text puts its caret at the start.
    carets_[index(cell)] = {};
    noteTextEdit(cell);
    // A tip lists the possibilities of an empty cell; once the cell shows a value it goes.
    if (!board_.cell(cell).text.empty()) tipShown_[index(cell)] = false;
    notifyCellChanged(cell);
    // The text may add or take a value from the others' tips and the panel, before it reaches
    // the grid's table: they follow what the cells show.
    repaintPossibilities();
}

bool GridWindow::tipMenuChecked() {
    return mainWindow_.tipSwitchOn();
}

void GridWindow::gridSolved() {
    mainWindow_.gridSolved(*this);
}

void GridWindow::setElapsedTimer(bool running) {
    mainWindow_.setElapsedTimerRunning(running);
}

void GridWindow::setDrawingSuspended(bool suspended) {
    if (suspended || !session_.loadBusy) host_.setDrawingSuspended(suspended);
}

void GridWindow::processEvents() {
    host_.processEvents();
}

}  // namespace quorvel
