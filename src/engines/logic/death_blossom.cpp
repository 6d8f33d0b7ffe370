// Death Blossom: a stem cell and, for each of its candidates, an almost locked set (a petal)
// whose cells holding that candidate all see the stem; the petals share no cell. Whichever value
// the stem takes, that petal lacks it and is locked on its other values. A value z every petal
// holds, and the stem does not, is then in one of the petals: every cell seeing all the petals'
// cells holding z loses it.

#include <bit>
#include <vector>

#include "engines/logic/almost_locked_sets.h"
#include "engines/logic/finders.h"
#include "engines/logic/step_text.h"

namespace quorvel::logic {

namespace {

struct Blossom {
    const LogicGrid& grid;
    const AlmostLockedSets& als;
    const StepSink& sink;
    int stem = 0;
    std::vector<int> stemValues{};
    std::vector<std::vector<int>> petalsFor{};  // per stem value (by position), candidate petals
    std::vector<int> chosen{};                  // petal per stem value so far

    // `common`: values every chosen petal holds, not the stem's, that some cell could lose;
    // `targets[z]`: the cells that see every chosen petal's cells holding z.
    bool grow(ValueMask common, const std::array<CellSet, kMaxSide + 1>& targets,
              const CellSet& used) {
        if (chosen.size() == stemValues.size()) return report(common, targets, used);
        for (const int index : petalsFor[chosen.size()]) {
            const AlmostLockedSet& petal = als.sets[index];
            if (petal.cells.intersects(used)) continue;
            ValueMask next = common & petal.values;
            std::array<CellSet, kMaxSide + 1> narrowed;
            for (unsigned rest = next; rest != 0; rest &= rest - 1) {
                const int z = std::countr_zero(rest);
                narrowed[z] = (targets[z] & petal.seenBy[z]) - petal.cells;
                if (narrowed[z].empty()) next &= static_cast<ValueMask>(~(1u << z));
            }
            if (next == 0) continue;
            chosen.push_back(index);
            const bool goOn = grow(next, narrowed, used | petal.cells);
            chosen.pop_back();
            if (!goOn) return false;
        }
        return true;
    }

    bool report(ValueMask common, const std::array<CellSet, kMaxSide + 1>& targets,
                const CellSet& used) {
        const GridKind& kind = grid.kind();
        Step step;
        for (unsigned rest = common; rest != 0; rest &= rest - 1) {
            const int z = std::countr_zero(rest);
            (targets[z] - used).forEach([&](int cell) { step.eliminations.push_back({cell, z}); });
        }
        if (step.eliminations.empty()) return true;
        step.cells = cellsOf(used);
        step.values = valuesOf(common);
        const std::string z = valueList(step.values);
        std::string petals;
        for (std::size_t i = 0; i < stemValues.size(); ++i)
            petals += std::string(i > 0 ? "; " : "") + "if it is " + std::to_string(stemValues[i]) +
                      ", " + setText(kind, als.sets[chosen[i]]) + " lacks it and holds " + z;
        finishStep(kind, step, Technique::DeathBlossom, "with stem " + cellName(kind, stem),
                   "the stem " + cellWithCandidates(grid, stem) +
                       " sees the cells holding each of its values in an almost locked set (one "
                       "value more than cells): " +
                       petals);
        return sink(std::move(step));
    }
};

}  // namespace

bool findDeathBlossom(const LogicGrid& grid, const StepSink& sink) {
    const AlmostLockedSets& als = almostLockedSets(grid);
    Blossom blossom{grid, als, sink};
    std::array<CellSet, kMaxSide + 1> everywhere;
    for (int value = 1; value <= grid.side(); ++value)
        everywhere[value] = als.holding[value];
    for (int stem = 1; stem <= grid.cellCount(); ++stem) {
        if (grid.value(stem) != 0 || std::popcount(grid.candidates(stem)) < 2) continue;
        blossom.stem = stem;
        blossom.stemValues = valuesOf(grid.candidates(stem));
        blossom.petalsFor.assign(blossom.stemValues.size(), {});
        for (std::size_t i = 0; i < blossom.stemValues.size(); ++i)
            for (std::size_t index = 0; index < als.sets.size(); ++index) {
                const AlmostLockedSet& set = als.sets[index];
                const int value = blossom.stemValues[i];
                if (((set.values >> value) & 1u) && !set.cells.contains(stem) &&
                    set.seenBy[value].contains(stem))
                    blossom.petalsFor[i].push_back(static_cast<int>(index));
            }
        CellSet used;
        used.insert(stem);
        const unsigned values = ((1u << grid.side()) - 1) << 1;
        if (!blossom.grow(static_cast<ValueMask>(values & ~grid.candidates(stem)), everywhere,
                          used))
            return false;
    }
    return true;
}

}  // namespace quorvel::logic
