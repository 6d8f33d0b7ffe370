#include "model/board.h"

#include <algorithm>

#include "model/gauge.h"

namespace quorvel {

Board::Board(const GridKind& kind, Session& session, GridEvents& events)
    : kind_(kind), session_(session), events_(events) {}

void Board::setStoreValue(int layer, int cell, int value) {
    if (layer < 0 || layer >= kLayerCount || !validCell(cell)) return;
    store_[layer][cell] = static_cast<std::uint8_t>(value >= 1 && value <= kind_.side ? value : 0);
}

std::string Board::storeText(int layer, int row, int column) const {
    if (layer < 0 || layer >= kLayerCount || row < 1 || row > kind_.side || column < 1 ||
        column > kind_.side)
        return {};
    return valueText(store_[layer][kind_.cellAt(row, column)]);
}

void Board::setStoreText(int layer, int row, int column, std::string_view text) {
    if (row < 1 || row > kind_.side || column < 1 || column > kind_.side) return;
    setStoreValue(layer, kind_.cellAt(row, column), valueOfText(text));
}

std::string Board::notes(int slot, int row, int column, const std::string& text, bool clear) {
    if (slot < 0 || slot >= kNoteSlots) return {};
    if (clear) {
        for (auto& notesRow : notes_[slot])
            std::fill(notesRow.begin(), notesRow.end(), "");
        return {};
    }
    if (row < 0 || row > kind_.side || column < 0 || column > kind_.side) return {};
    if (!text.empty()) {
        notes_[slot][row][column] = text;
        return {};
    }
    return notes_[slot][row][column];
}

std::string Board::guessEntry(int entry, int field, const std::string& text, bool clear) {
    if (clear) {
        for (auto& fields : guessOrder_)
            std::fill(fields.begin(), fields.end(), "");
        return {};
    }
    if (entry < 0 || entry > kind_.cellCount() || field < 0 || field > 2) return {};
    if (!text.empty()) {
        guessOrder_[entry][field] = text;
        return {};
    }
    return guessOrder_[entry][field];
}

void Board::setCellText(int cell, const std::string& text) {
    if (!validCell(cell) || cells_[cell].text == text) return;
    cells_[cell].text = text;
    const int value = valueOfText(text);
    shownExact_[cell] =
        static_cast<std::int16_t>(text.empty() ? 0 : (valueText(value) == text ? value : -1));
    events_.cellTextChanged(cell);
}

void Board::setCellColours(int cell, Colour foreColour, Colour backColour) {
    if (!validCell(cell)) return;
    cells_[cell].foreColour = foreColour;
    cells_[cell].backColour = backColour;
}

void Board::setCellValue(int cell, const std::string& valueText) {
    if (!validCell(cell)) return;
    // The table first: whoever hears of the new text finds the value already in the grid.
    setStoreValue(1, cell, valueOfText(valueText));
    setCellText(cell, valueText);
}

int Board::valueTextLength(int cell) const {
    return validCell(cell) ? static_cast<int>(valueText(store_[1][cell]).size()) : 0;
}

ValueMask Board::candidateMask(int cell) const {
    const UnitTables& tables = unitTables(kind_);
    ValueMask taken = 0;
    const std::uint8_t* values = store_[1].data();
    for (const int unit :
         {kind_.side * 2 + tables.blockIndex[cell], kind_.side + tables.columnIndex[cell],
          static_cast<int>(tables.rowIndex[cell])}) {
        for (int i = 0; i < kind_.side; ++i)
            taken |= static_cast<ValueMask>(1u << values[tables.unitCells[unit][i]]);
    }
    return static_cast<ValueMask>(tables.fullMask & ~taken);
}

ValueMask Board::shownCandidateMask(int cell) const {
    const UnitTables& tables = unitTables(kind_);
    ValueMask taken = 0;
    for (const int unit :
         {kind_.side * 2 + tables.blockIndex[cell], kind_.side + tables.columnIndex[cell],
          static_cast<int>(tables.rowIndex[cell])}) {
        for (int i = 0; i < kind_.side; ++i) {
            const int shown = shownExact_[tables.unitCells[unit][i]];
            if (shown > 0 && shown <= kind_.side) taken |= static_cast<ValueMask>(1u << shown);
        }
    }
    return static_cast<ValueMask>(tables.fullMask & ~taken);
}

std::string Board::candidatesOf(int cell, bool compute, bool display) {
    if (!validCell(cell)) return {};
    panelCell_ = cell;
    panelDisplay_ = !(compute && !display);
    return panelDisplay_ ? std::string() : candidateText(candidateMask(cell));
}

PanelMark Board::panelMark(int value) const {
    if (!validCell(panelCell_)) return PanelMark{kPanelPossibleBack, kPanelPossibleFore};
    // A given's own value is the only one it can hold, whichever way the panel was asked for;
    // computing candidates for it would light the values its units lack instead.
    if (cells_[panelCell_].locked) {
        const int given = store_[1][panelCell_];
        if (given != 0) {
            return value == given ? PanelMark{kPanelPossibleBack, colour::kRed}
                                  : PanelMark{kPanelTakenBack, colour::kWhite};
        }
        if (panelDisplay_) return PanelMark{0, 0};
    }
    const bool taken = !((shownCandidateMask(panelCell_) >> value) & 1u);
    return PanelMark{taken ? kPanelTakenBack : kPanelPossibleBack, kPanelPossibleFore};
}

bool Board::findDuplicate(int cell, int& duplicateValue) const {
    const int value = store_[1][cell];
    if (value == 0) return false;
    const UnitTables& tables = unitTables(kind_);
    // Row first, then block, then column.
    for (const int unit :
         {static_cast<int>(tables.rowIndex[cell]), kind_.side * 2 + tables.blockIndex[cell],
          kind_.side + tables.columnIndex[cell]}) {
        for (int i = 0; i < kind_.side; ++i) {
            const int other = tables.unitCells[unit][i];
            if (other != cell && shownExact_[other] == value) {
                duplicateValue = value;
                return true;
            }
        }
    }
    return false;
}

bool Board::layerOneComplete() const {
    const std::uint8_t* values = store_[1].data();
    const int count = kind_.cellCount();
    if (std::find(values + 1, values + count + 1, 0) != values + count + 1) return false;
    const UnitTables& tables = unitTables(kind_);
    for (int unit = 0; unit < 3 * kind_.side; ++unit) {
        ValueMask seen = 0;
        for (int i = 0; i < kind_.side; ++i)
            seen |= static_cast<ValueMask>(1u << values[tables.unitCells[unit][i]]);
        if (seen != tables.fullMask) return false;
    }
    return true;
}

void Board::updateGauge() {
    const int side = kind_.side;
    const int lineSum = side * (side + 1) / 2;
    int deficit = 0;
    for (int line = 1; line <= side; ++line) {
        int rowSum = 0;
        int columnSum = 0;
        for (int i = 1; i <= side; ++i) {
            rowSum += store_[1][kind_.cellAt(line, i)];
            columnSum += store_[1][kind_.cellAt(i, line)];
        }
        deficit += (lineSum - rowSum) + (lineSum - columnSum);
    }
    // The sums balance for a full grid, but also where a value too high makes up for one too low
    // or missing elsewhere: such a grid is still one step short of full.
    constexpr int kSmallestDeficit = 2;
    if (deficit == 0 && !layerOneComplete()) deficit = kSmallestDeficit;
    gaugeWidth_ = gaugeWidthFor(kind_, deficit);
    percentText_ = percentTextFor(kind_, gaugeWidth_);
}

ConsistencyResult Board::checkConsistency(int cell, bool silent) {
    return check(cell, silent ? CheckShows::Completion : CheckShows::Everything);
}

ConsistencyResult Board::settleConsistency(int cell) {
    return check(cell, CheckShows::Nothing);
}

ConsistencyResult Board::check(int cell, CheckShows shows) {
    if (cell == 0) cell = 1;
    if (checking_ || !validCell(cell)) return {};
    checking_ = true;
    ConsistencyResult result;
    int duplicateValue = 0;
    if (findDuplicate(cell, duplicateValue)) {
        result.invalid = true;
        // A grid holding a duplicate is not solved, and its gauge says so.
        solvedShown_ = false;
        if (!guessing_) updateGauge();
        if (shows == CheckShows::Everything) {
            const std::string message = "DUPLICATE : " + valueText(duplicateValue);
            events_.messageDialog("Invalid Data.", message);
            events_.messageLine(message, colour::kRed, kAlignCentre);
        }
    } else if (layerOneComplete()) {
        solvedShown_ = true;
        result.complete = true;
        const bool shown = shows != CheckShows::Nothing;
        if (shown) {
            events_.focusCell(1);
            events_.processEvents();
            events_.cellClicked(2);
            events_.processEvents();
            if (events_.tipMenuChecked() && store_[1][cell] > 0) events_.removeTip(cell);
        }
        if (!guessing_) {
            updateGauge();  // a full gauge: 100 %
            if (shown) events_.setElapsedTimer(false);
            session_.elapsedShown = 0;
            if (shown) events_.setDrawingSuspended(false);
        }
    } else {
        solvedShown_ = false;
        if (shows != CheckShows::Nothing) events_.setElapsedTimer(true);
        if (!guessing_) updateGauge();
    }
    checking_ = false;
    return result;
}

}  // namespace quorvel
