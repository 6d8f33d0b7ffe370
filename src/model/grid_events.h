#pragma once
// Every effect the grid model and the solve engine have outside the grid's own data: the main
// window's message line, timers and indicators, cell focus and the grid window's cell handlers,
// and the Host's event processing and drawing freeze. The grid window implements it by
// forwarding to the main window and the Host; the tool and tests use HeadlessGridEvents.

#include <string>

#include "model/colour.h"

namespace quorvel {

// Message line alignment.
inline constexpr int kAlignLeft = 0;
inline constexpr int kAlignRight = 1;
inline constexpr int kAlignCentre = 2;

class GridEvents {
  public:
    virtual ~GridEvents() = default;

    // The main window's showMessage: one-line message area. Showing a text whose trimmed form
    // equals the one shown changes nothing.
    virtual void messageLine(const std::string& text, Colour colour, int alignment) = 0;
    // Stands for messageLine(guessAttemptText(count), colour::kBlue, kAlignCentre), the progress
    // line the engine shows at every nested guess. Kept separate so the engine builds no text per
    // guess; an implementation may also let pending events run here (throttled) so Stop stays
    // usable.
    virtual void guessProgress(long count) = 0;
    // The input dialog in message mode (e.g. title "Invalid Data.", text "DUPLICATE : 7").
    virtual void messageDialog(const std::string& title, const std::string& text) = 0;

    // Gives a cell the focus and its highlight (focusCell).
    virtual void focusCell(int cell) = 0;
    // The grid window's cellClicked and cellGotFocus handlers for a cell.
    virtual void cellClicked(int cell) = 0;
    virtual void cellGotFocus(int cell) = 0;
    // Flashes a cell for 150 ms: light grey with green digits.
    virtual void flashCell(int cell) = 0;
    // A cell's text box text was changed by the model (setCellValue or a direct text write): the
    // grid window's change handling runs (it may recolour the cell). Not sent when the text is
    // equal.
    virtual void cellTextChanged(int cell) = 0;
    // Removes the possibilities tip of a cell.
    virtual void removeTip(int cell) = 0;

    // Check mark of Visual Aid > Show Possibilities (Tip).
    virtual bool tipMenuChecked() = 0;
    virtual void setTipMenuChecked(bool checked) = 0;

    // The main window's elapsed-time timer.
    virtual void setElapsedTimer(bool running) = 0;
    // Working Hard indicator (the squares shown and moving).
    virtual void setWorkingHard(bool on) = 0;
    // The Stop item of the top-level menu.
    virtual void setStopItemVisible(bool visible) = 0;
    // The Get Next toolbar button.
    virtual void setGetNextButtonEnabled(bool enabled) = 0;
    // The status control the grid window colours bright green when a solve ends incomplete after
    // guessing (the grid then shows the state before the guesses).
    virtual void markIncompleteAfterGuessing() = 0;

    // setDrawingMode: true suspends repainting of the grid window; false resumes it unless
    // session.loadBusy is set (the implementation checks the flag).
    virtual void freezeDrawing(bool frozen) = 0;
    // Lets pending window events run (the Stop command among them).
    virtual void processEvents() = 0;
};

// "Current Attempt : 1 Guess" / "Current Attempt : 12 Levels of Guessing".
std::string guessAttemptText(long count);
// "Reason : 1 Guess" / "Reason : 12 Levels of Guessing".
std::string guessReasonText(long count);

}  // namespace quorvel
