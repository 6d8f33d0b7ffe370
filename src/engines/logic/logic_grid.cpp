#include "engines/logic/logic_grid.h"

#include <algorithm>

#include "engines/logic/step.h"

namespace quorvel::logic {

LogicGrid::LogicGrid(const GridKind& kind)
    : kind_(kind), tables_(&unitTables(kind)), emptyCount_(kind.cellCount()) {
    for (int cell = 1; cell <= cellCount(); ++cell)
        candidates_[cell] = tables_->fullMask;
}

LogicGrid::LogicGrid(const GridKind& kind, std::span<const int> values,
                     std::span<const ValueMask> candidates, const std::vector<bool>& givens)
    : LogicGrid(kind) {
    const int count = std::min(cellCount(), static_cast<int>(values.size()));
    for (int cell = 1; cell <= count; ++cell) {
        const int value = values[cell - 1];
        const auto index = static_cast<std::size_t>(cell - 1);
        if (value >= 1 && value <= side())
            place(cell, value, givens.empty() || (index < givens.size() && givens[index]));
    }
    const int masks = std::min(cellCount(), static_cast<int>(candidates.size()));
    for (int cell = 1; cell <= masks; ++cell)
        candidates_[cell] &= candidates[cell - 1];
}

void LogicGrid::setSolution(std::span<const int> solution) {
    solution_.fill(0);
    if (static_cast<int>(solution.size()) != cellCount()) return;
    for (int cell = 1; cell <= cellCount(); ++cell)
        solution_[cell] = static_cast<std::uint8_t>(solution[cell - 1]);
}

unsigned LogicGrid::positions(int unit, int value) const {
    unsigned mask = 0;
    const auto cells = unitCells(unit);
    for (int i = 0; i < side(); ++i)
        mask |= ((candidates_[cells[i]] >> value) & 1u) << i;
    return mask;
}

bool LogicGrid::sees(int a, int b) const {
    return a != b && (tables_->rowIndex[a] == tables_->rowIndex[b] ||
                      tables_->columnIndex[a] == tables_->columnIndex[b] ||
                      tables_->blockIndex[a] == tables_->blockIndex[b]);
}

std::vector<int> LogicGrid::values() const {
    return std::vector<int>(values_.begin() + 1, values_.begin() + 1 + cellCount());
}

void LogicGrid::place(int cell, int value, bool given) {
    if (values_[cell] == 0) --emptyCount_;
    givens_[cell] = given;
    values_[cell] = static_cast<std::uint8_t>(value);
    candidates_[cell] = 0;
    for (const int peer : peers(cell))
        removeCandidate(peer, value);
}

void LogicGrid::removeCandidate(int cell, int value) {
    candidates_[cell] &= static_cast<ValueMask>(~(1u << value));
}

void LogicGrid::setCandidates(int cell, ValueMask mask) {
    candidates_[cell] = mask;
}

void LogicGrid::apply(const Step& step) {
    for (const CellValue& elimination : step.eliminations)
        removeCandidate(elimination.cell, elimination.value);
    for (const CellValue& placement : step.placements)
        place(placement.cell, placement.value);
}

}  // namespace quorvel::logic
