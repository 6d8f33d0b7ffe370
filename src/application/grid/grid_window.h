#pragma once
// A grid window, 9x9 or 15x15: the cells 1..N*N with their value tables (the Board), the
// cell-entry routines every cell event runs, and the controls around the cells (focus frame,
// status images, the puzzle-number label, the Enter-direction button, possibilities tips and
// panel). The view renders this state and forwards the user's events to the
// handlers below; the main window and the commands call the members by their names.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "application/grid/board.h"
#include "application/grid/cell_entry_state.h"
#include "application/grid/chain_marks.h"
#include "application/grid/dialog_titles.h"
#include "application/grid/grid_events.h"
#include "application/grid/grid_layout.h"
#include "application/grid/key_event.h"
#include "application/grid/text_box.h"
#include "model/colouring.h"
#include "model/grid_kind.h"

namespace quorvel {

class DialogExchange;
class GridWindowObserver;
class Host;
class MainWindowLink;
struct ProgramState;

inline constexpr int kFlashMs = 150;
inline constexpr int kRepeatGuardMs = 75;

inline constexpr std::string_view kTextboxLockedMessage = "Textbox is locked.";
inline constexpr std::string_view kMoveAcrossCaption = "444";
inline constexpr std::string_view kMoveDownCaption = "666";
inline constexpr std::string_view kMoveAcrossTip = " Enter key moves across. Click to move down. ";
inline constexpr std::string_view kMoveDownTip = " Enter key moves down. Click to move across. ";

// Everything a grid window works with that outlives it.
struct GridWindowContext {
    Host& host;
    ProgramState& session;
    MainWindowLink& mainWindow;
    DialogExchange& dialogs;
    CellEntryState& entry;
};

// A label button's look, as a flash changes it.
struct ButtonLook {
    std::string caption;
    std::string toolTip;
    Colour foreColour = colour::kBlack;
    Colour backColour = kFlashBack;
    bool threeD = false;
};

class GridWindow : private GridEvents {
  public:
    GridWindow(const GridKind& kind, const GridWindowContext& context);
    GridWindow(const GridWindow&) = delete;
    GridWindow& operator=(const GridWindow&) = delete;

    // --- Identity and parts ---
    const GridKind& kind() const { return kind_; }
    std::string_view name() const { return kind_.windowName; }  // "NineGrid" or "FifteenGrid"
    std::string caption() const;                                // "DODU VI - 3" / "DIRE VI - 5"
    Board& board() { return board_; }
    const Board& board() const { return board_; }
    void setObserver(GridWindowObserver* observer) { observer_ = observer; }

    // --- Lifecycle ---
    // Load: centres the window in a main window of the given client size, writes the field
    // settings, creates and shades the cells.
    void load(int mainWidthTwips, int mainHeightTwips);
    // Activation: the field settings (maximum digits) become this window's; the 9x9 window
    // titles the main window; the Enter-direction button follows the Enter direction; the
    // possibilities panel follows the main window's switch.
    void activate();
    void show();
    void hide();
    // Centres the window in a main window of the given client size.
    void placeIn(int mainWidthTwips, int mainHeightTwips);
    // A request to close: while the application runs the window hides and the main window shows
    // the other grid kind (returns false); when the application closes, the created cells go
    // and the window closes for good (returns true).
    bool requestClose();

    bool loaded() const { return loaded_; }
    bool loading() const { return loading_; }
    bool shown() const { return shown_; }
    bool closed() const { return closed_; }
    int left() const { return left_; }
    int top() const { return top_; }

    // --- Members other parts call by name ---
    void setCellValue(int cell, const std::string& valueText) {
        board_.setCellValue(cell, valueText);
    }
    std::string candidatesOf(int cell, bool compute = true, bool display = false) {
        return board_.candidatesOf(cell, compute, display);
    }
    ConsistencyResult checkConsistency(int cell = 1, bool silent = false);
    void tagCell(int cell);
    // The specification in the cell's tag (arrow-key neighbours, range, format); the design text
    // while tagCell never wrote one.
    std::string_view cellSpec(int cell) const;
    // The tag itself, "" until tagCell writes one (the state history keeps and restores it).
    const std::string& cellTag(int cell) const { return tags_[index(cell)]; }
    void setCellTag(int cell, std::string tag) { tags_[index(cell)] = std::move(tag); }
    void restoreCellColour(int cell, bool keepTextColour);
    void selectCell(int cell);
    void cellGotFocus(int cell);
    void focusCell(int cell) override;
    // A click the program makes itself (the consistency check on a complete grid, the end of a
    // solve) keeps the message line, which then carries the outcome of the command.
    void cellClicked(int cell) override { handleClick(cell, false); }
    void selectAllText(int cell);
    void toggleEnterDirection(bool flash);
    bool checkRange(int cell);
    std::string formatByTag(int cell, const std::string& value);
    // A 150 ms flash of a cell (light grey, green digits) or of the Enter-direction button.
    void flashCell(int cell);
    void flashEnterDirectionButton();

    // --- The selected cell ---
    // The cell the last selection entered, the text it held then, and whether its text has been
    // edited since (an edit is committed to the grid when the cell is left).
    int selectedCell() const { return selected_; }
    const std::string& textOnEntry() const { return textOnEntry_; }
    bool textEdited() const { return textEdited_; }
    // True after an arrow or page key, until the next key: the key-up selects the whole text.
    bool navigating() const { return navigating_; }
    // A command rewrote the cells: the selected cell's text as it is now counts as unedited.
    void acceptSelectedText();
    // Undo and Redo put back the selected cell's text on entry and edit state as recorded.
    void restoreEditState(const std::string& textOnEntry, bool edited);

    // --- Events from the view ---
    // The user put the focus into a cell (mouse press, Tab): the cell the focus leaves runs its
    // lost-focus handling, which may keep the focus (an out-of-range value). Afterwards the view
    // puts its focus where `focusedCell()` says.
    void requestFocus(int cell);
    void clickCell(int cell);
    void cellKeyDown(int cell, int keyCode);
    // `typed` is the key's character ("\b" Backspace, "\r" Enter); Enter does nothing here.
    void cellKeyPress(int cell, const std::string& typed);
    void cellKeyUp(int cell);
    // Key-down followed by the key-press of its character, as one key of the view.
    void cellKey(int cell, const KeyEvent& event);
    // A menu item or toolbar button was chosen: the focused cell runs its lost-focus handling
    // (range check and commit) while the focus stays on it.
    void leaveFocusedCell();
    // The user placed the caret or selected with the mouse.
    void setCellSelection(int cell, int selStart, int selLength);
    void enterDirectionClicked() { toggleEnterDirection(true); }
    void tipClicked(int cell) { focusCell(cell); }

    // --- State for the view ---
    int focusedCell() const { return focused_; }
    TextBox cellBox(int cell) const;  // text, caret and selection of a cell
    int selStart(int cell) const { return validCell(cell) ? carets_[index(cell)].selStart : 0; }
    int selLength(int cell) const { return validCell(cell) ? carets_[index(cell)].selLength : 0; }
    bool cellVisible(int cell) const;
    TwipRect cellRect(int cell) const { return quorvel::cellRect(kind_, cell); }
    TwipRect focusFrame() const { return focusFrame_; }
    std::vector<TwipLine> blockLines() const { return quorvel::blockLines(kind_); }
    // The possibilities tip of a cell: shown, its tool tip (the list) and its text (blanks).
    // The list is computed when it is read, from what the cells show now; a tip goes as soon as
    // its cell shows a value. A cell with notes shows them in the tip's place, which they fill.
    bool tipShown(int cell) const {
        return validCell(cell) && tipShown_[index(cell)] && notes(cell) == 0;
    }
    std::string tipToolTip(int cell) const;
    std::string tipText(int cell) const;
    void removeTip(int cell) override;
    void unloadTips();
    // After a command: the panel describes the focused cell again, the focused cell shows its
    // tip as focusing it would, and the view repaints the panel and every tip, which may all
    // have changed while the focus stayed where it was.
    void refreshPossibilities();
    const ButtonLook& enterDirectionButton() const { return enterDirection_; }
    const std::string& puzzleNumberLabel() const { return puzzleNumberLabel_; }
    void setPuzzleNumberLabel(const std::string& caption);
    // The composing controls of the 9x9 window (row and column buttons, clear button, the
    // temporary store buttons); the 15x15 window has none and always reports false.
    bool composingControlsVisible() const { return composingControlsVisible_; }
    void setComposingControlsVisible(bool visible);
    bool panelVisible() const { return panelVisible_; }
    void setPanelVisible(bool visible);
    // The panel element for value 1..N as the board paints it, but that it starts from the
    // user's candidates: a value the units leave and the cell's notes leave out is shown as such.
    PanelMark panelMark(int value) const;
    // The status images' tool tips are "Solution Complete" (0) and "Solution Incomplete" (1).
    bool statusImageVisible(int index) const { return board_.statusImageVisible(index); }
    // Back colour of the incomplete image: kIncompleteAfterGuessing after a solve ended
    // incomplete after guessing, black otherwise.
    Colour statusMarkColour() const { return statusMarkColour_; }
    void markIncompleteAfterGuessing();
    // The colour of the grid's frame: orange after Get Next, black again once a top-level menu
    // opens.
    Colour frameColour() const { return frameColour_; }
    void setFrameColour(Colour colour);
    // --- Notes: the values the user notes as still open in an empty cell ---
    // A cell's notes; a cell that shows a value (typed or placed) shows no notes, so it has none.
    ValueMask notes(int cell) const;
    // The notes the grid contradicts: their value stands in the cell's row, column or block.
    ValueMask contradictedNotes(int cell) const;
    bool hasNotes() const;
    // Replaces a cell's notes (kept also while the cell shows a value, for Undo and the stores).
    void setNotes(int cell, ValueMask values);
    ValueMask storedNotes(int cell) const { return validCell(cell) ? notes_[index(cell)] : 0; }
    // Every cell's notes as `notes` gives them, and every cell's notes replaced (a cell beyond
    // the list gets none).
    NoteMasks allNotes() const;
    void setAllNotes(const NoteMasks& notes);
    // The candidates the user's notes leave, cell by cell (index 0 is cell 1): a cell's notes, or
    // every value for a cell without notes (it keeps all its row, column and block leave it);
    // empty while the grid has no notes. What the hints start from and the copies write.
    std::vector<ValueMask> notedCandidates() const;
    // Every empty cell notes the values its row, column and block leave; every note goes.
    void fillAllNotes();
    void clearAllNotes();
    // Toggles the note of `value` in an empty, open cell and records the change; false when the
    // cell takes no note (it shows a value or is a given).
    bool toggleNote(int cell, int value);
    // A digit typed as a note into an empty, open cell: toggles that value's note and records
    // the change. On the 15x15 grid a digit after a "1" typed just before into the same cell, with
    // no other key between, makes the two-digit value, as value entry does: the note of 1 goes
    // back and 10..15 is toggled, within the same state of the history. False when the cell
    // takes no note.
    bool typeNote(int cell, char digit);

    // The chains Explain Next Step draws over the cells (empty while none is shown).
    const ChainMarks& chainMarks() const { return chainMarks_; }
    void setChainMarks(ChainMarks marks);

    // --- Grid aids (grid_aids.cpp): conflicts, a highlighted value, the candidate filter and the
    // user's colouring; the view draws each cell as aidedLook and noteLook say ---
    // The cell's value repeats in its row, column or block, while Show Conflicts is on.
    bool conflicted(int cell) const;
    // The notes drawn as mistakes: those the grid contradicts, while Show Conflicts is on.
    ValueMask conflictingNotes(int cell) const;
    // The value whose cells and notes are highlighted, 0 for none.
    int highlightedValue() const { return highlighted_; }
    void setHighlightedValue(int value);
    // The value the candidate filter shows, 0 for none, and whether it shades `cell` (an empty
    // cell whose notes hold the value, or without notes, whose units leave it).
    int filteredValue() const { return filtered_; }
    void setFilteredValue(int value);
    bool filterShades(int cell) const;
    // The user's colours on cells and notes; set without a history record (Undo, a load).
    const Colouring& colouring() const { return colouring_; }
    void setColouring(const Colouring& colouring);
    // The colour 1..4 a plain click on a cell colours it with, chosen on the toolbar's palette
    // (0: none, a click enters the chosen number); kept for the run, shared by both grids.
    int colouringPen() const { return session_.colouringPen; }
    // Gives a cell, or a note the cell shows, the colour 1..4 (0 takes it off); the same colour
    // again takes it off. Records the change; false when there is nothing to colour.
    bool colourCell(int cell, int colour);
    bool colourNote(int cell, int value, int colour);
    // Takes every colour off, one step of the history; false when there was none.
    bool clearColouring();
    struct AidedLook {
        Colour foreColour;
        Colour backColour;
    };
    // The cell's text and back colours with the aids laid over the board's.
    AidedLook aidedLook(int cell) const;
    // A note's colours where an aid marks it (the highlight, a colour), nullopt where none does.
    std::optional<AidedLook> noteLook(int cell, int value) const;
    // Every cell is drawn again (an aid's state or option changed).
    void repaintAllCells();

    // Code that changed cells on the Board directly (colours, locks) tells the view here.
    void notifyCellChanged(int cell);
    void notifyWindowChanged();

  private:
    struct Caret {
        int selStart = 0;
        int selLength = 0;
    };

    // GridEvents: what the Board asks of the window.
    void messageLine(const std::string& text, Colour colour, Alignment alignment) override;
    void messageDialog(const std::string& title, const std::string& text) override;
    void cellTextChanged(int cell) override;
    bool tipMenuChecked() override;
    void setElapsedTimer(bool running) override;
    void gridSolved() override;
    void setDrawingSuspended(bool suspended) override;
    void processEvents() override;

    // Keys of the grid aids (Shift+digit, Escape, Alt+digit, Alt+Shift+digit); true when taken.
    bool aidKey(int cell, const KeyEvent& event);

    // Cell-entry routines.
    void noteTextEdit(int cell);
    bool noteKey(int cell, const KeyEvent& event);
    void handleClick(int cell, bool clearsMessageLine = true);
    void handleKeyDown(int cell, int keyCode);
    void navigateByKey(int cell, int keyCode);
    void handleKeyPress(int cell, std::string typed);
    bool keyAllowed(int cell, const std::string& typed);
    void handleKeyUp(int cell);
    void leaveCell(int cell);
    bool moveCaretAsTextBox(int cell, int keyCode);
    int navigationTarget(int cell, int keyCode) const;
    void commit(int cell);
    void setFocus(int cell);
    void writeText(int cell, const std::string& text);
    void setForeColour(int cell, Colour colour);
    void colourForFocus(int cell);
    bool looksGiven(int cell) const;
    void updateTip(int cell);
    void repaintPossibilities();
    bool takesNotes(int cell) const;
    // A committed value leaves the notes: the cell's own, and (when the main window says so) the
    // same value's in its row, column and block.
    void clearNotesOnEntry(int cell);
    void writeFieldSettings();
    void showMessage(std::string_view text, Colour colour);
    void clearMessageLine();
    static std::size_t index(int cell) { return static_cast<std::size_t>(cell); }
    bool validCell(int cell) const { return board_.validCell(cell); }

    GridKind kind_;
    Host& host_;
    ProgramState& session_;
    MainWindowLink& mainWindow_;
    DialogExchange& dialogs_;
    CellEntryState& entry_;
    Board board_;
    GridWindowObserver* observer_ = nullptr;

    bool loaded_ = false;
    bool loading_ = false;
    bool shown_ = false;
    bool closed_ = false;
    bool cellsCreated_ = false;
    int left_ = 0;
    int top_ = 0;

    int focused_ = 0;
    int selected_ = 0;
    std::string textOnEntry_;
    bool textEdited_ = false;
    bool navigating_ = false;
    bool inFocusChange_ = false;
    int focusRedirect_ = 0;
    std::array<Caret, kMaxCells + 1> carets_{};
    std::array<bool, kMaxCells + 1> tipShown_{};
    std::array<std::string, kMaxCells + 1> tags_;
    std::array<ValueMask, kMaxCells + 1> notes_{};
    // The cell whose note "1" was just typed on the 15x15 grid, and its notes then: a second
    // digit typed there while they are unchanged makes a two-digit value.
    int noteDigitCell_ = 0;
    ValueMask notesAfterDigit_ = 0;
    ChainMarks chainMarks_;
    int highlighted_ = 0;
    int filtered_ = 0;
    Colouring colouring_;
    int keyColour_ = 1;  // the colour of the last Alt+1..4, which Alt+Shift+digit gives notes
    // A "1" just taken by Shift+digit (or Alt+Shift+digit) on the 15x15 grid: a second digit
    // with the modifiers still held makes 10..15.
    int aidDigitModifiers_ = 0;
    TwipRect focusFrame_;
    ButtonLook enterDirection_;
    std::string puzzleNumberLabel_ = "Puzzle No:";
    bool panelVisible_ = false;
    bool composingControlsVisible_ = false;
    Colour statusMarkColour_ = colour::kBlack;
    Colour frameColour_ = colour::kBlack;
};

}  // namespace quorvel
