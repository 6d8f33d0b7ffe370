#include "model/solve_tables.h"

#include <algorithm>

namespace quorvel {

void SolveTables::setValue(int layer, int cell, int value) {
    if (layer < 0 || layer >= kLayerCount || !validCell(cell)) return;
    layers_[layer][cell] = static_cast<std::uint8_t>(value >= 1 && value <= kind_.side ? value : 0);
}

std::string SolveTables::text(int layer, int row, int column) const {
    if (layer < 0 || layer >= kLayerCount || row < 1 || row > kind_.side || column < 1 ||
        column > kind_.side)
        return {};
    return valueText(layers_[layer][kind_.cellAt(row, column)]);
}

void SolveTables::setText(int layer, int row, int column, std::string_view text) {
    if (row < 1 || row > kind_.side || column < 1 || column > kind_.side) return;
    setValue(layer, kind_.cellAt(row, column), valueOfText(text));
}

bool SolveTables::layerComplete(int layer) const {
    const std::uint8_t* values = layers_[layer].data();
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

std::string SolveTables::notes(int slot, int row, int column, const std::string& text, bool clear) {
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

std::string SolveTables::guessEntry(int entry, int field, const std::string& text, bool clear) {
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

}  // namespace quorvel
