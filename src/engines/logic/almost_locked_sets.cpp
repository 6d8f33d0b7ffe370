#include "engines/logic/almost_locked_sets.h"

#include <algorithm>
#include <bit>
#include <memory>

#include "engines/logic/step_text.h"

namespace quorvel::logic {

namespace {

struct SetSearch {
    const LogicGrid& grid;
    std::vector<int> empties;
    std::vector<AlmostLockedSet>& found;

    void search(std::size_t from, const CellSet& cells, int count, unsigned values) {
        if (count > 0 && std::popcount(values) == count + 1) {
            AlmostLockedSet set;
            set.cells = cells;
            set.size = count;
            set.values = static_cast<ValueMask>(values);
            found.push_back(set);
        }
        // Each further cell lowers the surplus of values over cells by one at the most.
        const int surplus = std::popcount(values) - count - 1;
        if (surplus > static_cast<int>(empties.size() - from)) return;
        for (std::size_t i = from; i < empties.size(); ++i) {
            CellSet more = cells;
            more.insert(empties[i]);
            search(i + 1, more, count + 1, values | grid.candidates(empties[i]));
        }
    }
};

}  // namespace

AlmostLockedSets::AlmostLockedSets(const LogicGrid& grid) {
    for (int value = 1; value <= grid.side(); ++value)
        holding[value] = candidateCells(grid, value);
    SetSearch search{grid, {}, sets};
    for (int unit = 0; unit < grid.unitCount(); ++unit) {
        search.empties.clear();
        for (const int cell : grid.unitCells(unit))
            if (grid.value(cell) == 0) search.empties.push_back(cell);
        search.search(0, CellSet{}, 0, 0);
    }
    // Cells of a row and a block at once are found in both.
    std::sort(sets.begin(), sets.end(), [](const AlmostLockedSet& a, const AlmostLockedSet& b) {
        return a.size != b.size ? a.size < b.size : a.cells < b.cells;
    });
    sets.erase(std::unique(sets.begin(), sets.end(),
                           [](const AlmostLockedSet& a, const AlmostLockedSet& b) {
                               return a.cells == b.cells;
                           }),
               sets.end());
    for (AlmostLockedSet& set : sets)
        for (unsigned rest = set.values; rest != 0; rest &= rest - 1) {
            const int value = std::countr_zero(rest);
            set.seenBy[value] = seeingAll(grid.kind(), set.cells & holding[value]) - set.cells;
            if ((set.seenBy[value] & holding[value]).empty()) continue;
            set.reaching |= static_cast<ValueMask>(1u << value);
        }
    linkSets(grid);
}

// Per value, the sets holding it are listed by their first cell holding it: the sets linked to
// a set by that value have all those cells among the few its own cells holding it all see.
void AlmostLockedSets::linkSets(const LogicGrid& grid) {
    const int count = static_cast<int>(sets.size());
    links.assign(sets.size(), {});
    std::vector<int> first(grid.cellCount() + 1);
    std::vector<int> next(sets.size());
    for (int value = 1; value <= grid.side(); ++value) {
        std::fill(first.begin(), first.end(), -1);
        for (int i = count - 1; i >= 0; --i) {
            if (!((sets[i].values >> value) & 1u)) continue;
            const int cell = (sets[i].cells & holding[value]).first();
            next[i] = first[cell];
            first[cell] = i;
        }
        for (int i = 0; i < count; ++i) {
            const AlmostLockedSet& a = sets[i];
            if (!((a.values >> value) & 1u)) continue;
            a.seenBy[value].forEach([&](int cell) {
                for (int j = first[cell]; j >= 0; j = next[j]) {
                    const AlmostLockedSet& b = sets[j];
                    if (j > i && ((b.cells & holding[value]) - a.seenBy[value]).empty() &&
                        !a.cells.intersects(b.cells)) {
                        links[i].push_back({j, value});
                        links[j].push_back({i, value});
                    }
                }
            });
        }
    }
    for (std::vector<SetLink>& around : links)
        std::sort(around.begin(), around.end(), [](const SetLink& a, const SetLink& b) {
            return a.to != b.to ? a.to < b.to : a.value < b.value;
        });
}

CellSet AlmostLockedSets::seeingBoth(const AlmostLockedSet& a, const AlmostLockedSet& b,
                                     int value) const {
    return (a.seenBy[value] & b.seenBy[value] & holding[value]) - a.cells - b.cells;
}

const AlmostLockedSets& almostLockedSets(const LogicGrid& grid) {
    struct Cache {
        int side = 0;
        std::array<ValueMask, kMaxCells + 1> candidates{};
        std::array<int, kMaxCells + 1> values{};
        std::unique_ptr<AlmostLockedSets> sets;
    };
    thread_local Cache cache;
    bool same = cache.sets && cache.side == grid.side();
    for (int cell = 1; same && cell <= grid.cellCount(); ++cell)
        same = cache.candidates[cell] == grid.candidates(cell) &&
               cache.values[cell] == grid.value(cell);
    if (!same) {
        cache.side = grid.side();
        for (int cell = 1; cell <= grid.cellCount(); ++cell) {
            cache.candidates[cell] = grid.candidates(cell);
            cache.values[cell] = grid.value(cell);
        }
        cache.sets = std::make_unique<AlmostLockedSets>(grid);
    }
    return *cache.sets;
}

std::string setText(const GridKind& kind, const AlmostLockedSet& set) {
    return cellList(kind, cellsOf(set.cells)) + " (holding " + valueList(valuesOf(set.values)) +
           ")";
}

}  // namespace quorvel::logic
