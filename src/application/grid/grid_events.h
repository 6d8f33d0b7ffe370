#pragma once
// What the grid model needs outside its own data: the consistency check's message, focus, click,
// tip, timer and drawing effects, and the grid window's handling of a cell text the model
// changed; commands that work on a board write the message line through it too. The grid window
// implements it; the tool and tests use RecordingEvents.

#include <string>

#include "application/grid/message_alignment.h"
#include "model/colour.h"

namespace quorvel {

class GridEvents {
  public:
    virtual ~GridEvents() = default;

    // The main window's showMessage: one-line message area. Showing a text whose trimmed form
    // equals the one shown changes nothing.
    virtual void messageLine(const std::string& text, Colour colour, Alignment alignment) = 0;
    // The input dialog in message mode (e.g. title "Invalid Data.", text "DUPLICATE : 7").
    virtual void messageDialog(const std::string& title, const std::string& text) = 0;

    // Gives a cell the focus and its highlight (focusCell).
    virtual void focusCell(int cell) = 0;
    // The grid window's click handling for a click the program makes itself: it keeps the
    // message line.
    virtual void cellClicked(int cell) = 0;
    // A cell's text box text was changed by the model (setCellValue or a direct text write): the
    // grid window's change handling runs (it may recolour the cell). Not sent when the text is
    // equal.
    virtual void cellTextChanged(int cell) = 0;
    // Removes the possibilities tip of a cell.
    virtual void removeTip(int cell) = 0;

    // Check mark of Visual Aid > Show Possibilities (Tip).
    virtual bool tipMenuChecked() = 0;
    // The main window's elapsed-time timer.
    virtual void setElapsedTimer(bool running) = 0;
    // The grid became full and valid outside a solve's guessing: the game on it is solved.
    virtual void gridSolved() {}

    // setDrawingMode: true suspends repainting of the grid window; false resumes it unless
    // session.loadBusy is set (the implementation checks the flag).
    virtual void setDrawingSuspended(bool suspended) = 0;
    // Lets pending window events run (the Stop command among them).
    virtual void processEvents() = 0;
};

}  // namespace quorvel
