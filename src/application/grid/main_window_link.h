#pragma once
// What a grid window needs from the main window that hosts it. The main window (`MainWindow`)
// implements this interface and owns the grid windows; tests use a scripted fake.
//
// Process-wide flags that a grid window only reads or writes (createMode, selectedNumber,
// experimentColours, composeMode, fillBusy, loadBusy, elapsedShown ...) live in the `ProgramState`
// and are not repeated here.

#include <string>

#include "application/grid/key_event.h"
#include "application/grid/message_alignment.h"
#include "model/colour.h"

namespace quorvel {

// Mouse buttons and shift states as cell, label and toolbar events receive them.
inline constexpr int kMouseLeft = 1;
inline constexpr int kMouseRight = 2;
inline constexpr int kShiftCtrl = 2;
inline constexpr int kShiftAlt = 4;

class GridWindow;

class MainWindowLink {
  public:
    virtual ~MainWindowLink() = default;

    // Writes the message line. Alignment 0 left, 1 right, 2 centre. Nothing happens when the
    // trimmed text equals the trimmed text already shown.
    virtual void showMessage(std::string_view text, Colour colour, Alignment alignment) = 0;

    // Presses the toolbar's number button for `number` (0: numbers by key press only), as entry
    // by click does, and the level button, as the input dialog's level choice does.
    virtual void pressNumberButton(int number) = 0;
    virtual void pressLevelButton() = 0;

    // True when `window` is the main window's active child. A grid window that is not active
    // never takes the focus (`focusCell`).
    virtual bool isActiveChild(const GridWindow& window) const = 0;

    // Check mark of "Show Possibilities (Tip)".
    virtual bool tipSwitchOn() const = 0;
    // True while the main window's tip timer runs; a tip is only shown while it does.
    virtual bool tipTimerRunning() const = 0;
    // Check mark of "Show Possibilities (Panel)".
    virtual bool panelSwitchOn() const = 0;
    // The marking switch of the visual aids (block rectangle on mouse-down in the 9x9 window).
    virtual bool markingSwitchOn() const = 0;
    // Check marks of "Notes Mode" (a typed value becomes a note) and "Remove Notes On Entry" (a
    // committed value leaves the notes of its row, column and block).
    virtual bool notesModeOn() const = 0;
    virtual bool removeNotesOnEntry() const = 0;
    // Check mark of "Show Conflicts": repeated values and contradicted notes are drawn as
    // mistakes.
    virtual bool showConflicts() const { return true; }

    // Sets the main window's caption (the 9x9 window does so on activation).
    virtual void setMainTitle(const std::string& title) = 0;

    // Starts or stops the elapsed-time display without touching the banked time.
    virtual void setElapsedTimerRunning(bool running) = 0;

    // Records `window` in its state history after a committed cell change (Undo/Redo), and after
    // an edit of the notes of `cell` alone.
    virtual void recordHistory(GridWindow& window) = 0;
    virtual void recordNoteEdit(GridWindow& window, int cell) = 0;

    // A close that is refused while the application runs: `closing` has hidden itself; the
    // main window shows the grid window of the other kind (as the Nine/Fifteen command does).
    virtual void showOtherGrid(const GridWindow& closing) = 0;

    // True once the application itself is closing; a grid window then really closes.
    virtual bool applicationClosing() const = 0;

    // A key pressed in a cell that the main window answers instead of the cell (Undo and Redo,
    // which no menu carries); true when it took the key.
    virtual bool takeKey(const KeyEvent& event) = 0;

    // `window` became full and valid by play (not inside a solve's guessing): the game on it is
    // solved. Only the statistics listen.
    virtual void gridSolved(const GridWindow& /*window*/) {}
};

}  // namespace quorvel
