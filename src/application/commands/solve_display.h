#pragma once
// What the user sees of a solve command besides the cells: the message line and the progress of
// the guesses, the focus, clicks and flash the command gives cells, the frame and status marks of
// the grid, the Working Hard indicator, the Stop item, the Get Next button, the elapsed-time
// timer and the drawing freeze. The solve commands show the engine's outcome through it: in the
// program straight on the main window, the grid window and the Host; in the tests a recorder.

#include <string>

#include "application/grid/grid_events.h"  // message line alignments
#include "model/colour.h"

namespace quorvel {

class SolveDisplay {
  public:
    virtual ~SolveDisplay() = default;

    // The message line, as GridEvents::messageLine.
    virtual void messageLine(const std::string& text, Colour colour, Alignment alignment) = 0;
    // Stands for messageLine(guessAttemptText(count), colour::kBlue, Alignment::Centre), the
    // progress line at every nested guess. Kept separate so that no text is built per guess; an
    // implementation may also let pending events run here (throttled) so Stop stays usable.
    virtual void guessProgress(long count) = 0;

    // Gives a cell the focus and its highlight.
    virtual void focusCell(int cell) = 0;
    // A click the program makes itself: it keeps the message line.
    virtual void cellClicked(int cell) = 0;
    // The grid window's got-focus handling of a cell (it becomes the selected cell).
    virtual void cellGotFocus(int cell) = 0;
    // Flashes a cell for 150 ms: light grey with green digits.
    virtual void flashCell(int cell) = 0;
    // The back colour of the grid window's frame.
    virtual void setFrameColour(Colour colour) = 0;
    // The status control coloured bright green when a solve ends incomplete after guessing (the
    // grid then shows the state before the guesses).
    virtual void markIncompleteAfterGuessing() = 0;

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

    // As GridEvents::setDrawingSuspended and processEvents.
    virtual void setDrawingSuspended(bool suspended) = 0;
    virtual void processEvents() = 0;
};

}  // namespace quorvel
