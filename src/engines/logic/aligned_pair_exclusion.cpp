// Aligned Pair Exclusion: two empty cells and the cells with two candidates that see both. A
// pair of values for the two cells is impossible when it is one value twice in cells that see
// each other, or when it is exactly the two candidates of such a cell, which would be left with
// none. A candidate of either cell that belongs to no possible pair is removed.
//
// Aligned Triple Exclusion: the same for three empty cells that see each other, with the cells
// that see two or three of them and hold no more candidates than the cells they see: a
// combination of values that would take every candidate of such a cell is impossible.

#include <algorithm>
#include <array>
#include <bit>
#include <span>
#include <vector>

#include "engines/logic/cell_set.h"
#include "engines/logic/finders.h"
#include "engines/logic/step_text.h"

namespace quorvel::logic {

namespace {

constexpr int kMostAligned = 3;

// A cell that would be left empty if the aligned cells it sees took all of its candidates.
struct Excluder {
    int cell = 0;
    unsigned candidates = 0;
    unsigned sees = 0;  // bit i: it sees aligned cell i
};

// Per aligned cell, the candidates that belong to some combination of values the cells can take:
// no value twice in two cells that see each other, no excluder left empty.
struct Exclusion {
    const LogicGrid& grid;
    std::span<const int> cells;
    std::span<const Excluder> excluders;
    std::array<int, kMostAligned> chosen{};
    std::array<unsigned, kMostAligned> kept{};

    // Whether the values chosen for the first `depth` cells take every candidate of an excluder
    // whose last aligned cell is cell depth - 1: the combinations below are all impossible.
    bool emptiesAnExcluder(std::size_t depth) const {
        const unsigned last = 1u << (depth - 1);
        for (const Excluder& excluder : excluders) {
            if ((excluder.sees & last) == 0 || (excluder.sees >> depth) != 0) continue;
            unsigned taken = 0;
            for (std::size_t i = 0; i < depth; ++i)
                if ((excluder.sees >> i) & 1u) taken |= 1u << chosen[i];
            if ((excluder.candidates & ~taken) == 0) return true;
        }
        return false;
    }

    // False once every candidate of every cell is kept: nothing is left to remove.
    bool combine(std::size_t depth) {
        if (depth > 0 && emptiesAnExcluder(depth)) return true;
        if (depth == cells.size()) {
            bool all = true;
            for (std::size_t i = 0; i < cells.size(); ++i) {
                kept[i] |= 1u << chosen[i];
                all = all && kept[i] == grid.candidates(cells[i]);
            }
            return !all;
        }
        for (unsigned rest = grid.candidates(cells[depth]); rest != 0; rest &= rest - 1) {
            const int value = std::countr_zero(rest);
            bool clash = false;
            for (std::size_t i = 0; i < depth; ++i)
                clash = clash || (chosen[i] == value && grid.sees(cells[i], cells[depth]));
            if (clash) continue;
            chosen[depth] = value;
            if (!combine(depth + 1)) return false;
        }
        return true;
    }
};

// Reports the candidates of the aligned cells that no possible combination keeps.
bool reportExclusion(const LogicGrid& grid, Technique technique, std::span<const int> cells,
                     std::span<const Excluder> excluders, const StepSink& sink) {
    Exclusion exclusion{grid, cells, excluders};
    if (!exclusion.combine(0)) return true;
    const GridKind& kind = grid.kind();
    Step step;
    std::vector<std::string> described;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        for (const int value :
             valuesOf(static_cast<ValueMask>(grid.candidates(cells[i]) & ~exclusion.kept[i])))
            step.eliminations.push_back({cells[i], value});
        described.push_back(cellWithCandidates(grid, cells[i]));
        step.cells.push_back(cells[i]);
    }
    if (step.eliminations.empty()) return true;
    std::vector<std::string> emptied;
    for (const Excluder& excluder : excluders) {
        emptied.push_back(cellWithCandidates(grid, excluder.cell));
        step.cells.push_back(excluder.cell);
    }
    std::sort(step.cells.begin(), step.cells.end());
    const std::string reason =
        cells.size() == 2
            ? joinWords(described) + " both see " + joinWords(emptied) +
                  ", which would be left empty if the pair took its two values" +
                  (grid.sees(cells[0], cells[1]) ? ", and they see each other" : "") +
                  "; the values removed are in no pair the two cells can take"
            : joinWords(described) + " see each other and " + joinWords(emptied) +
                  ", which would be left empty if the three took all the values of one" +
                  "; the values removed are in no combination the three cells can take";
    finishStep(kind, step, technique, "on " + cellList(kind, cells), reason);
    return sink(std::move(step));
}

}  // namespace

bool findAlignedPairExclusion(const LogicGrid& grid, const StepSink& sink) {
    const GridKind& kind = grid.kind();
    std::vector<int> cells;
    CellSet pairs;
    for (int cell = 1; cell <= grid.cellCount(); ++cell) {
        if (grid.value(cell) != 0) continue;
        cells.push_back(cell);
        if (std::popcount(grid.candidates(cell)) == 2) pairs.insert(cell);
    }
    std::vector<Excluder> excluders;
    for (std::size_t i = 0; i < cells.size(); ++i)
        for (std::size_t j = i + 1; j < cells.size(); ++j) {
            const int aligned[] = {cells[i], cells[j]};
            const CellSet seeing = pairs & peerSet(kind, aligned[0]) & peerSet(kind, aligned[1]);
            if (seeing.empty()) continue;
            excluders.clear();
            seeing.forEach([&](int cell) {
                excluders.push_back({cell, grid.candidates(cell), 3u});
            });
            if (!reportExclusion(grid, Technique::AlignedPairExclusion, aligned, excluders, sink))
                return false;
        }
    return true;
}

bool findAlignedTripleExclusion(const LogicGrid& grid, const StepSink& sink) {
    // The cells with two or three candidates, the only ones that can be left empty by three.
    CellSet small;
    for (int cell = 1; cell <= grid.cellCount(); ++cell) {
        const int count = std::popcount(grid.candidates(cell));
        if (grid.value(cell) == 0 && count >= 2 && count <= kMostAligned) small.insert(cell);
    }
    const GridKind& kind = grid.kind();
    std::vector<Excluder> excluders;
    for (int first = 1; first <= grid.cellCount(); ++first) {
        if (grid.value(first) != 0) continue;
        const CellSet& firstPeers = peerSet(kind, first);
        const CellSet smallPeers = small & firstPeers;
        for (const int second : grid.peers(first)) {
            if (second <= first || grid.value(second) != 0) continue;
            const CellSet& secondPeers = peerSet(kind, second);
            const CellSet seeingBoth = smallPeers & secondPeers;
            const CellSet seeingSecond = small & secondPeers;
            for (const int third : grid.peers(first)) {
                if (third <= second || grid.value(third) != 0 || !grid.sees(second, third))
                    continue;
                const int aligned[] = {first, second, third};
                // The small cells seeing two or three of them (none of them sees itself).
                const CellSet& thirdPeers = peerSet(kind, third);
                CellSet seeingTwo = seeingBoth | ((smallPeers | seeingSecond) & thirdPeers);
                for (const int cell : aligned)
                    seeingTwo.erase(cell);
                excluders.clear();
                seeingTwo.forEach([&](int cell) {
                    const unsigned sees = (firstPeers.contains(cell) ? 1u : 0u) |
                                          (secondPeers.contains(cell) ? 2u : 0u) |
                                          (thirdPeers.contains(cell) ? 4u : 0u);
                    if (std::popcount(grid.candidates(cell)) <= std::popcount(sees))
                        excluders.push_back({cell, grid.candidates(cell), sees});
                });
                if (excluders.empty()) continue;
                if (!reportExclusion(grid, Technique::AlignedTripleExclusion, aligned, excluders,
                                     sink))
                    return false;
            }
        }
    }
    return true;
}

}  // namespace quorvel::logic
