// ALS-XZ, ALS-XY-Wing and ALS-XY-Chain: almost locked sets joined one to the next by restricted
// commons. If the first set lacks a value z, it is locked and holds its link to the second; the
// second then lacks that link and holds the next; and so on, until the last holds z. So z is in
// the first set or the last, and every cell seeing all their cells holding z loses it. The
// links next to each other differ, and z is neither the first link nor the last.
//   ALS-XZ        two sets; when two values link them, each set is locked on the rest.
//   ALS-XY-Wing   three sets: the first and last both linked to the middle one.
//   ALS-XY-Chain  four sets or more (up to twenty), the shortest chain between two sets.

#include <bit>
#include <vector>

#include "engines/logic/almost_locked_sets.h"
#include "engines/logic/chain_graph.h"
#include "engines/logic/finders.h"
#include "engines/logic/step_text.h"

namespace quorvel::logic {

namespace {

// The longest chain tried, in sets (nineteen links between them).
constexpr int kLongestChain = 20;

// The values of both sets but `excluded` that some cell outside them, seeing each of their cells
// holding the value, could lose.
unsigned removable(const AlmostLockedSets& als, const AlmostLockedSet& a, const AlmostLockedSet& b,
                   unsigned excluded) {
    unsigned found = 0;
    for (unsigned rest = a.reaching & b.reaching & ~excluded; rest != 0; rest &= rest - 1)
        if (!als.seeingBoth(a, b, std::countr_zero(rest)).empty()) found |= rest & -rest;
    return found;
}

// Removes z from the cells seeing the z of the chain's first and last set; reports the step.
bool reportChain(const LogicGrid& grid, const AlmostLockedSets& als, Technique technique,
                 const std::vector<int>& chain, const std::vector<int>& linkValues,
                 const StepSink& sink) {
    const GridKind& kind = grid.kind();
    const AlmostLockedSet& first = als.sets[chain.front()];
    const AlmostLockedSet& last = als.sets[chain.back()];
    const unsigned candidates =
        removable(als, first, last, (1u << linkValues.front()) | (1u << linkValues.back()));
    if (candidates == 0) return true;
    CellSet pattern;
    for (const int index : chain)
        pattern |= als.sets[index].cells;
    Step step;
    std::vector<int> zs;
    for (unsigned rest = candidates; rest != 0; rest &= rest - 1) {
        const int z = std::countr_zero(rest);
        const CellSet targets = als.seeingBoth(first, last, z) - pattern;
        if (targets.empty()) continue;
        zs.push_back(z);
        targets.forEach([&](int cell) { step.eliminations.push_back({cell, z}); });
    }
    if (step.eliminations.empty()) return true;
    step.cells = cellsOf(pattern);
    step.values = zs;
    std::vector<std::string> sets;
    for (const int index : chain)
        sets.push_back(setText(kind, als.sets[index]));
    std::vector<std::string> linkNames;
    for (const int value : linkValues)
        linkNames.push_back(std::to_string(value));
    if (linkNames.size() > 1) linkNames.back() = "then " + linkNames.back();
    const std::string z = valueList(zs);
    std::string reason =
        "if the first set lacks " + z + ", it holds " + std::to_string(linkValues.front());
    for (std::size_t i = 1; i < chain.size(); ++i)
        reason += ", so the " + std::string(i + 1 == chain.size() ? "last" : "next") +
                  " set lacks " + std::to_string(linkValues[i - 1]) + " and holds " +
                  (i + 1 == chain.size() ? z : std::to_string(linkValues[i]));
    finishStep(kind, step, technique,
               "on " + z + " from " + cellName(kind, first.cells.first()) + " to " +
                   cellName(kind, last.cells.first()),
               "the almost locked sets " + joinWords(sets) +
                   " (each holding one value more than it has cells) are linked by " +
                   joinWords(linkNames) +
                   ", the cells of each set holding the link seeing those of the next: " + reason);
    return sink(std::move(step));
}

// Two sets linked by two values: neither can lack both, and each lacks one, so each is locked
// on its other values and each link is in one of the two.
bool reportDoublyLinked(const LogicGrid& grid, const AlmostLockedSets& als,
                        const AlmostLockedSet& a, const AlmostLockedSet& b, ValueMask linking,
                        const StepSink& sink) {
    const GridKind& kind = grid.kind();
    const CellSet pattern = a.cells | b.cells;
    CellSet targets[kMaxSide + 1];
    for (unsigned rest = linking; rest != 0; rest &= rest - 1) {
        const int x = std::countr_zero(rest);
        targets[x] = als.seeingBoth(a, b, x);
    }
    for (const AlmostLockedSet* set : {&a, &b})
        for (unsigned rest = set->values & ~linking; rest != 0; rest &= rest - 1) {
            const int value = std::countr_zero(rest);
            targets[value] |= (set->seenBy[value] & als.holding[value]) - pattern;
        }
    Step step;
    for (int value = 1; value <= grid.side(); ++value)
        targets[value].forEach([&](int cell) { step.eliminations.push_back({cell, value}); });
    if (step.eliminations.empty()) return true;
    step.cells = cellsOf(pattern);
    step.values = valuesOf(static_cast<ValueMask>(a.values | b.values));
    const std::string links = valueList(valuesOf(linking));
    finishStep(kind, step, Technique::AlsXz,
               "on " + links + " from " + cellName(kind, a.cells.first()) + " to " +
                   cellName(kind, b.cells.first()),
               "the almost locked sets " + setText(kind, a) + " and " + setText(kind, b) +
                   " each hold one value more than they have cells, and their cells holding " +
                   links + " see each other, so each of " + links +
                   " is in one set at the most: each set lacks one of them and holds all its "
                   "other values, and " +
                   links + " are each in one of the sets");
    return sink(std::move(step));
}

}  // namespace

bool findAlsXz(const LogicGrid& grid, const StepSink& sink) {
    const AlmostLockedSets& als = almostLockedSets(grid);
    for (std::size_t i = 0; i < als.sets.size(); ++i) {
        const std::vector<SetLink>& around = als.links[i];
        for (std::size_t k = 0; k < around.size();) {
            // The links to one other set lie together.
            const int j = around[k].to;
            ValueMask linking = 0;
            for (; k < around.size() && around[k].to == j; ++k)
                linking |= static_cast<ValueMask>(1u << around[k].value);
            if (j < static_cast<int>(i)) continue;
            const bool goOn =
                std::popcount(static_cast<unsigned>(linking)) > 1
                    ? reportDoublyLinked(grid, als, als.sets[i], als.sets[j], linking, sink)
                    : reportChain(grid, als, Technique::AlsXz, {static_cast<int>(i), j},
                                  {std::countr_zero(static_cast<unsigned>(linking))}, sink);
            if (!goOn) return false;
        }
    }
    return true;
}

bool findAlsXyWing(const LogicGrid& grid, const StepSink& sink) {
    const AlmostLockedSets& als = almostLockedSets(grid);
    for (std::size_t middle = 0; middle < als.sets.size(); ++middle) {
        const std::vector<SetLink>& around = als.links[middle];
        for (std::size_t i = 0; i < around.size(); ++i)
            for (std::size_t j = 0; j < around.size(); ++j) {
                const SetLink& one = around[i];
                const SetLink& two = around[j];
                if (one.to >= two.to || one.value == two.value ||
                    als.sets[one.to].cells.intersects(als.sets[two.to].cells))
                    continue;
                if (!reportChain(grid, als, Technique::AlsXyWing,
                                 {one.to, static_cast<int>(middle), two.to}, {one.value, two.value},
                                 sink))
                    return false;
            }
    }
    return true;
}

bool findAlsXyChain(const LogicGrid& grid, const StepSink& sink) {
    const AlmostLockedSets& als = almostLockedSets(grid);
    const int count = static_cast<int>(als.sets.size());
    // Breadth first over states (set, the link it was reached by) from each first set; a state
    // is set * (N + 1) + value, its depth the sets after the first.
    const int values = grid.side() + 1;
    BreadthFirst search;
    std::vector<int> firstLink(static_cast<std::size_t>(count) * values);
    std::vector<int> chain;
    std::vector<int> linkValues;
    for (int start = 0; start < count; ++start) {
        const AlmostLockedSet& first = als.sets[start];
        if (removable(als, first, first, 0) == 0) continue;
        search.reset(count * values);
        for (const SetLink& link : als.links[start]) {
            const int state = link.to * values + link.value;
            if (search.reach(state, -1)) firstLink[state] = link.value;
        }
        const bool goOn = search.walk([&](int state) {
            const int at = state / values;
            const int depth = search.depth(state) + 1;
            if (depth >= 3 && at > start &&
                removable(als, first, als.sets[at],
                          (1u << firstLink[state]) | (1u << (state % values))) != 0) {
                chain.assign(1, at);
                linkValues.clear();
                for (int s = state; s >= 0; s = search.parent(s)) {
                    linkValues.insert(linkValues.begin(), s % values);
                    chain.insert(chain.begin(),
                                 search.parent(s) >= 0 ? search.parent(s) / values : start);
                }
                bool apart = true;
                for (std::size_t i = 0; i < chain.size(); ++i)
                    for (std::size_t j = i + 1; j < chain.size(); ++j)
                        apart =
                            apart && !als.sets[chain[i]].cells.intersects(als.sets[chain[j]].cells);
                if (apart &&
                    !reportChain(grid, als, Technique::AlsXyChain, chain, linkValues, sink))
                    return false;
            }
            if (depth + 1 >= kLongestChain) return true;
            // A set sharing a cell with the first never ends or carries a chain from it: left
            // out, it cannot take the shortest way to a state a chain apart would use.
            for (const SetLink& link : als.links[at])
                if (link.value != state % values &&
                    !als.sets[link.to].cells.intersects(first.cells) &&
                    search.reach(link.to * values + link.value, state))
                    firstLink[link.to * values + link.value] = firstLink[state];
            return true;
        });
        if (!goOn) return false;
    }
    return true;
}

}  // namespace quorvel::logic
