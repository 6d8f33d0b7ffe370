#include "application/grid/board.h"

#include <algorithm>

#include "application/grid/gauge.h"

namespace quorvel {

Board::Board(const GridKind& kind, ProgramState& session, GridEvents& events)
    : kind_(kind), session_(session), events_(events), tables_(kind) {}

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
    return validCell(cell) ? static_cast<int>(valueText(tables_.layerData(1)[cell]).size()) : 0;
}

ValueMask Board::candidateMask(int cell) const {
    const UnitTables& tables = unitTables(kind_);
    ValueMask taken = 0;
    const std::uint8_t* values = tables_.layerData(1);
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
        const int given = tables_.layerData(1)[panelCell_];
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
    const int value = tables_.layerData(1)[cell];
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

void Board::updateGauge(int layer) {
    const std::uint8_t* values = tables_.layerData(layer);
    const int side = kind_.side;
    const int lineSum = side * (side + 1) / 2;
    int deficit = 0;
    for (int line = 1; line <= side; ++line) {
        int rowSum = 0;
        int columnSum = 0;
        for (int i = 1; i <= side; ++i) {
            rowSum += values[kind_.cellAt(line, i)];
            columnSum += values[kind_.cellAt(i, line)];
        }
        deficit += (lineSum - rowSum) + (lineSum - columnSum);
    }
    // The sums balance for a full grid, but also where a value too high makes up for one too low
    // or missing elsewhere: such a grid is still one step short of full.
    constexpr int kSmallestDeficit = 2;
    if (deficit == 0 && !tables_.layerComplete(layer)) deficit = kSmallestDeficit;
    gaugeWidth_ = gaugeWidthFor(kind_, deficit);
    percentText_ = percentTextFor(kind_, gaugeWidth_);
}

ConsistencyResult Board::checkConsistency(int cell, bool silent) {
    if (cell == 0) cell = 1;
    if (checking_ || !validCell(cell)) return {};
    checking_ = true;
    ConsistencyResult result;
    int duplicateValue = 0;
    if (findDuplicate(cell, duplicateValue)) {
        result.invalid = true;
        // A grid holding a duplicate is not solved, and its gauge says so.
        solvedShown_ = false;
        if (!tables_.guessing()) updateGauge();
        if (!silent) {
            const std::string message = "DUPLICATE : " + valueText(duplicateValue);
            events_.messageDialog("Invalid Data.", message);
            events_.messageLine(message, colour::kRed, Alignment::Centre);
        }
    } else if (layerOneComplete()) {
        solvedShown_ = true;
        result.complete = true;
        events_.focusCell(1);
        events_.processEvents();
        events_.cellClicked(2);
        events_.processEvents();
        if (events_.tipMenuChecked() && tables_.layerData(1)[cell] > 0) events_.removeTip(cell);
        if (!tables_.guessing()) {
            updateGauge();  // a full gauge: 100 %
            events_.setElapsedTimer(false);
            events_.gridSolved();
            session_.elapsedShown = 0;
            events_.setDrawingSuspended(false);
        }
    } else {
        solvedShown_ = false;
        events_.setElapsedTimer(true);
        if (!tables_.guessing()) updateGauge();
    }
    checking_ = false;
    return result;
}

}  // namespace quorvel
