// The cells of a puzzle as candidate sets, the form the candidate formats read and write.

#include <bit>

#include "model/units.h"
#include "storage/puzzle_format_parts.h"

namespace quorvel::formats {

FilePuzzle puzzleOfCandidates(const GridKind& kind, const std::vector<ValueMask>& cells) {
    FilePuzzle entry{Puzzle{kind, std::vector<int>(cells.size(), 0), {}, {}}, 0, {}, {}};
    bool several = false;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (std::popcount(cells[i]) == 1) entry.puzzle.values[i] = std::countr_zero(cells[i]);
        several = several || std::popcount(cells[i]) > 1;
    }
    if (!several) return entry;
    for (const ValueMask values : cells)
        entry.puzzle.candidates.push_back(values != 0 ? values : unitTables(kind).fullMask);
    return entry;
}

std::vector<ValueMask> cellCandidates(const FilePuzzle& entry) {
    const GridKind& kind = entry.puzzle.kind;
    std::vector<int> values = entry.puzzle.values;
    for (std::size_t i = 0; i < entry.entries.size() && i < values.size(); ++i) {
        if (values[i] == 0) values[i] = entry.entries[i];
    }
    const UnitTables& tables = unitTables(kind);
    std::vector<ValueMask> cells(values.size(), 0);
    for (int cell = 1; cell <= kind.cellCount(); ++cell) {
        const auto index = static_cast<std::size_t>(cell - 1);
        ValueMask& candidates = cells[index];
        if (values[index] > 0 && values[index] <= kind.side) {
            candidates = static_cast<ValueMask>(1u << values[index]);
        } else {
            const std::vector<ValueMask>& state = entry.puzzle.candidates;
            candidates = index < state.size() ? state[index] : tables.fullMask;
            for (int peer = 0; peer < tables.peerCount[cell]; ++peer) {
                const int value = values[static_cast<std::size_t>(tables.peers[cell][peer] - 1)];
                candidates &= static_cast<ValueMask>(~(1u << value));
            }
        }
    }
    return cells;
}

std::string candidateCharacters(ValueMask candidates) {
    std::string characters;
    for (int value = 1; value <= kMaxSide; ++value) {
        if ((candidates >> value) & 1u) characters += valueCharacter(value);
    }
    return characters;
}

}  // namespace quorvel::formats
