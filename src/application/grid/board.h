#pragma once
// The core of a grid window (9x9 or 15x15): its value tables, its visible cells and the status
// controls around them, and the two rule operations candidatesOf and checkConsistency. The grid
// window in src/application/grid owns one Board and adds the cell-entry handling; the solve engine
// works on it.
//
// storeText layers hold values 0..N as numbers (0 = empty); the text accessors give and take
// the texts the program shows ("" or decimal digits). Cells are numbered 1..N*N.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "application/grid/grid_events.h"
#include "model/colour.h"
#include "model/grid_kind.h"
#include "model/program_state.h"
#include "model/solve_tables.h"
#include "model/units.h"

namespace quorvel {

// One cell's text box as the user sees it.
struct CellView {
    std::string text;
    bool locked = false;
    Colour foreColour = colour::kBlack;
    Colour backColour = kPlainBack;
    // The back colour the 9x9 cell shows in the create layout, once a composed or generated
    // pattern gave it one.
    std::optional<Colour> composeBack;
    bool enabled = true;
};

// Back and text colour of one element of the possibilities panel panelMark.
struct PanelMark {
    Colour backColour = kPanelPossibleBack;
    Colour foreColour = colour::kBlack;
    bool operator==(const PanelMark&) const = default;
};

struct ConsistencyResult {
    bool invalid = false;   // a duplicate was found
    bool complete = false;  // the grid is full and valid
};

class Board {
  public:
    Board(const GridKind& kind, ProgramState& session, GridEvents& events);

    const GridKind& kind() const { return kind_; }
    std::string_view windowName() const { return kind_.windowName; }
    int side() const { return kind_.side; }
    int cellCount() const { return kind_.cellCount(); }
    ProgramState& session() { return session_; }
    const ProgramState& session() const { return session_; }
    GridEvents& events() { return events_; }

    // The engine's working tables: value layers, notes, guess table.
    SolveTables& tables() { return tables_; }
    const SolveTables& tables() const { return tables_; }

    // --- storeText (layers 0..15) ---
    int storeValue(int layer, int cell) const { return tables_.value(layer, cell); }
    void setStoreValue(int layer, int cell, int value) { tables_.setValue(layer, cell, value); }
    // Text access by (layer, row, column) with rows and columns 1..N.
    std::string storeText(int layer, int row, int column) const {
        return tables_.text(layer, row, column);
    }
    void setStoreText(int layer, int row, int column, std::string_view text) {
        tables_.setText(layer, row, column, text);
    }

    // --- Visible cells ---
    const CellView& cell(int cell) const { return cells_[cell]; }
    // Writes a cell's text box only (not storeText); the change handling runs when it differs.
    void setCellText(int cell, const std::string& text);
    void setCellLocked(int cell, bool locked) { cells_[cell].locked = locked; }
    void setCellColours(int cell, Colour foreColour, Colour backColour);
    void setComposeBack(int cell, Colour back) { cells_[cell].composeBack = back; }
    void setCellEnabled(int cell, bool enabled) { cells_[cell].enabled = enabled; }
    // The value a cell's text shows (lenient reading, 0 for empty or non-numeric text).
    int shownValue(int cell) const { return valueOfText(cells_[cell].text); }

    // Set cell value: for 1 <= cell <= N*N writes the text into the text box and layer 1.
    void setCellValue(int cell, const std::string& valueText);
    // Length of the layer-1 text of a cell, and its value (0 = empty).
    int valueTextLength(int cell) const;
    int cellValue(int cell) const { return validCell(cell) ? tables_.value(1, cell) : 0; }

    // Candidates of a cell from layer 1. Compute mode (compute true, display false) returns the
    // candidate text; any other combination returns "" and only paints the panel. Both make the
    // possibilities panel panelMark describe this cell.
    std::string candidatesOf(int cell, bool compute = true, bool display = false);
    // Candidate mask of a cell from layer 1 (the cell's own value counts as taken).
    ValueMask candidateMask(int cell) const;
    // The same from what the cells show: a value being typed counts at once, and a committed
    // value the cell no longer shows does not (a text that is not exactly a value 1..N counts as
    // no value). What the tips and the panel list.
    ValueMask shownCandidateMask(int cell) const;

    // The consistency check. Cell 0 is taken as cell 1. Does nothing (returns {}) when already
    // running on this board.
    ConsistencyResult checkConsistency(int cell = 1, bool silent = false);
    // The gauge as a check settles it, measured on another layer of the tables: a solve run that
    // guessed leaves the gauge of the grid it reached before its first guess.
    void settleGaugeOn(int layer) { updateGauge(layer); }
    // True when every cell of layer 1 holds 1..N and no unit holds a value twice.
    bool layerOneComplete() const { return tables_.layerComplete(1); }

    // --- Status controls ---
    // Status image 0 "Solution Complete", status image 1 "Solution Incomplete": exactly one
    // visible.
    bool statusImageVisible(int index) const { return index == 0 ? solvedShown_ : !solvedShown_; }
    void showSolvedStatus(bool solved) { solvedShown_ = solved; }
    // The fill gauge width (twips) and the gauge's percent label, as the last check left them.
    int gaugeWidth() const { return gaugeWidth_; }
    const std::string& percentText() const { return percentText_; }
    // The possibilities panel element for value 1..N. The panel describes the cell the last
    // candidatesOf (or paintPanelFor) named, read from what the cells show now, so it never shows
    // values of a grid that has changed since, nor lags behind a value being typed.
    PanelMark panelMark(int value) const;
    // The cell the panel describes, 0 before any.
    int panelCell() const { return panelCell_; }
    // Makes the panel describe `cell` as a compute-mode candidatesOf would.
    void paintPanelFor(int cell) {
        panelCell_ = cell;
        panelDisplay_ = false;
    }

    // True while a solve run is in its guessing phase: the consistency check then leaves the
    // gauge and the elapsed timer alone.
    bool guessing() const { return tables_.guessing(); }
    void setGuessing(bool guessing) { tables_.setGuessing(guessing); }

    bool validCell(int cell) const { return cell >= 1 && cell <= kind_.cellCount(); }

  private:
    bool findDuplicate(int cell, int& duplicateValue) const;
    void updateGauge(int layer = 1);

    GridKind kind_;
    ProgramState& session_;
    GridEvents& events_;
    SolveTables tables_;
    std::array<CellView, kMaxCells + 1> cells_;
    // Per cell, the value its text shows when the text is exactly that value's digits, -1 for
    // any other non-empty text: lets the duplicate test compare numbers instead of texts.
    std::array<std::int16_t, kMaxCells + 1> shownExact_{};
    bool solvedShown_ = false;
    int gaugeWidth_ = 0;
    std::string percentText_;
    int panelCell_ = 0;
    bool panelDisplay_ = false;
    bool checking_ = false;  // checkConsistency re-entrancy guard
};

}  // namespace quorvel
