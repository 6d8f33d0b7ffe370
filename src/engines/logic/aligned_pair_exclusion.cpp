// Aligned Pair Exclusion: two empty cells and the cells with two candidates that see both. A
// pair of values for the two cells is impossible when it is one value twice in cells that see
// each other, or when it is exactly the two candidates of such a cell, which would be left with
// none. A candidate of either cell that belongs to no possible pair is removed.

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

#include "engines/logic/cell_set.h"
#include "engines/logic/finders.h"
#include "engines/logic/step_text.h"

namespace quorvel::logic {

bool findAlignedPairExclusion(const LogicGrid& grid, const StepSink& sink) {
    const GridKind& kind = grid.kind();
    std::vector<int> cells;
    CellSet pairs;
    for (int cell = 1; cell <= grid.cellCount(); ++cell) {
        if (grid.value(cell) != 0) continue;
        cells.push_back(cell);
        if (std::popcount(grid.candidates(cell)) == 2) pairs.insert(cell);
    }
    for (std::size_t i = 0; i < cells.size(); ++i)
        for (std::size_t j = i + 1; j < cells.size(); ++j) {
            const int one = cells[i];
            const int two = cells[j];
            const CellSet excluders = pairs & peerSet(kind, one) & peerSet(kind, two);
            if (excluders.empty()) continue;
            const bool aligned = grid.sees(one, two);
            // Bit b of excluded[a] when the pair (a, b) would empty an excluder.
            std::array<unsigned, kMaxSide + 1> excluded{};
            excluders.forEach([&](int cell) {
                const unsigned both = grid.candidates(cell);
                const int low = std::countr_zero(both);
                const int high = std::bit_width(both) - 1;
                excluded[low] |= 1u << high;
                excluded[high] |= 1u << low;
            });
            // Bit v of kept[0] when candidate v of the first cell has a possible partner.
            unsigned kept[2] = {0, 0};
            for (unsigned first = grid.candidates(one); first != 0; first &= first - 1) {
                const int a = std::countr_zero(first);
                const unsigned partners =
                    grid.candidates(two) & ~excluded[a] & ~(aligned ? 1u << a : 0u);
                if (partners != 0) kept[0] |= 1u << a;
                kept[1] |= partners;
            }
            Step step;
            for (const int value :
                 valuesOf(static_cast<ValueMask>(grid.candidates(one) & ~kept[0])))
                step.eliminations.push_back({one, value});
            for (const int value :
                 valuesOf(static_cast<ValueMask>(grid.candidates(two) & ~kept[1])))
                step.eliminations.push_back({two, value});
            if (step.eliminations.empty()) continue;
            std::vector<std::string> described;
            excluders.forEach(
                [&](int cell) { described.push_back(cellWithCandidates(grid, cell)); });
            step.cells = cellsOf(excluders);
            step.cells.push_back(one);
            step.cells.push_back(two);
            std::sort(step.cells.begin(), step.cells.end());
            finishStep(kind, step, Technique::AlignedPairExclusion,
                       "on " + cellName(kind, one) + " and " + cellName(kind, two),
                       cellWithCandidates(grid, one) + " and " + cellWithCandidates(grid, two) +
                           " both see " + joinWords(described) +
                           ", which would be left empty if the pair took its two values" +
                           (aligned ? ", and they see each other" : "") +
                           "; the values removed are in no pair the two cells can take");
            if (!sink(std::move(step))) return false;
        }
    return true;
}

}  // namespace quorvel::logic
