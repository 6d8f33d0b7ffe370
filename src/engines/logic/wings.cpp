// XY-Wing, XYZ-Wing, W-Wing and WXYZ-Wing: small patterns of cells with two to four candidates
// that force a value into one of a few cells, so every cell seeing all of them loses it.

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

#include "engines/logic/finders.h"
#include "engines/logic/links.h"
#include "engines/logic/step_text.h"
#include "engines/logic/subset_chooser.h"

namespace quorvel::logic {

namespace {

std::vector<int> cellsWithCount(const LogicGrid& grid, int count) {
    std::vector<int> cells;
    for (int cell = 1; cell <= grid.cellCount(); ++cell)
        if (grid.value(cell) == 0 && std::popcount(grid.candidates(cell)) == count)
            cells.push_back(cell);
    return cells;
}

// XY-Wing (pivot with two candidates xy, pincers xz and yz) and XYZ-Wing (pivot xyz): z is in
// one of the pincers, or in the pivot too for XYZ; every cell seeing all of them loses z.
bool findWing(const LogicGrid& grid, int pivotCount, Technique technique, const StepSink& sink) {
    const GridKind& kind = grid.kind();
    const std::vector<int> pairs = cellsWithCount(grid, 2);
    for (const int pivot : cellsWithCount(grid, pivotCount)) {
        const ValueMask pivotMask = grid.candidates(pivot);
        std::vector<int> pincers;
        for (const int cell : pairs)
            if (grid.sees(cell, pivot)) pincers.push_back(cell);
        for (std::size_t i = 0; i < pincers.size(); ++i) {
            for (std::size_t j = i + 1; j < pincers.size(); ++j) {
                const int one = pincers[i];
                const int two = pincers[j];
                const ValueMask a = grid.candidates(one);
                const ValueMask b = grid.candidates(two);
                const ValueMask shared = a & b;
                if (std::popcount(shared) != 1 || a == b) continue;
                const bool fits = pivotCount == 2
                                      ? (shared & pivotMask) == 0 && (a | b) == (pivotMask | shared)
                                      : (a | b) == pivotMask;
                if (!fits) continue;
                const int z = std::countr_zero(shared);
                std::vector<int> targets = {one, two};
                if (pivotCount == 3) targets.push_back(pivot);
                Step step;
                step.cells = {pivot, one, two};
                step.eliminations = seenByAll(grid, z, targets, step.cells);
                if (step.eliminations.empty()) continue;
                step.values = valuesOf(static_cast<ValueMask>(a | b));
                const std::string zText = std::to_string(z);
                finishStep(
                    kind, step, technique, "with pivot " + cellName(kind, pivot),
                    "the pivot " + cellWithCandidates(grid, pivot) + " sees " +
                        cellWithCandidates(grid, one) + " and " + cellWithCandidates(grid, two) +
                        "; whichever value the pivot takes, " + zText + " is in " +
                        (pivotCount == 2 ? "one of the two" : "one of the three") + " cells");
                if (!sink(std::move(step))) return false;
            }
        }
    }
    return true;
}

}  // namespace

bool findXyWing(const LogicGrid& grid, const StepSink& sink) {
    return findWing(grid, 2, Technique::XyWing, sink);
}

bool findXyzWing(const LogicGrid& grid, const StepSink& sink) {
    return findWing(grid, 3, Technique::XyzWing, sink);
}

// Two cells with the same two candidates xy that do not see each other, and a strong link on x
// whose ends see one cell each: if one cell is not y it is x, so the link's far end is x and the
// other cell is y. Every cell seeing both loses y.
bool findWWing(const LogicGrid& grid, const StepSink& sink) {
    const GridKind& kind = grid.kind();
    const std::vector<int> pairs = cellsWithCount(grid, 2);
    std::vector<std::vector<StrongLink>> linksOf(grid.side() + 1);
    for (int value = 1; value <= grid.side(); ++value)
        linksOf[value] = strongLinks(grid, value, 0, grid.unitCount());
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        for (std::size_t j = i + 1; j < pairs.size(); ++j) {
            const int one = pairs[i];
            const int two = pairs[j];
            if (grid.candidates(one) != grid.candidates(two) || grid.sees(one, two)) continue;
            const std::vector<int> pair = valuesOf(grid.candidates(one));
            for (const int x : pair) {
                const int y = pair[0] + pair[1] - x;
                for (const StrongLink& link : linksOf[x]) {
                    for (const auto& [near, far] :
                         {std::pair{link.first, link.second}, std::pair{link.second, link.first}}) {
                        if (near == one || far == two || near == two || far == one ||
                            !grid.sees(near, one) || !grid.sees(far, two))
                            continue;
                        Step step;
                        step.cells = {one, two, near, far};
                        step.eliminations = seenByAll(grid, y, {one, two}, step.cells);
                        if (step.eliminations.empty()) continue;
                        step.values = pair;
                        step.units = {unitRef(kind, link.unit)};
                        step.chain = {candidateLink(one, y, one, x, true),
                                      candidateLink(one, x, near, x, false),
                                      candidateLink(near, x, far, x, true),
                                      candidateLink(far, x, two, x, false),
                                      candidateLink(two, x, two, y, true)};
                        const std::string xs = std::to_string(x);
                        finishStep(kind, step, Technique::WWing,
                                   "on " + cellName(kind, one) + " and " + cellName(kind, two),
                                   cellWithCandidates(grid, one) + " and " +
                                       cellWithCandidates(grid, two) + " are joined by " + xs +
                                       " in " + unitName(kind, link.unit) +
                                       ", which fits only in " + cellName(kind, near) + " and " +
                                       cellName(kind, far) + "; one of the two is " +
                                       std::to_string(y) + ", since if either were " + xs +
                                       " the other would be " + std::to_string(y));
                        if (!sink(std::move(step))) return false;
                    }
                }
            }
        }
    }
    return true;
}

namespace {

// Four cells holding only four values between them, not all in one unit. Every value but z sits
// in cells that all see each other, so it fills at most one of the four; if none held z, three
// values would fill four cells. So z is in one of the cells holding it.
struct WxyzSearch {
    const LogicGrid& grid;
    const StepSink& sink;
    std::vector<int> cells;       // empty cells holding only values of the four tried
    std::vector<unsigned> masks;  // their candidates
    std::array<int, 4> chosen{};

    // Every four of `cells` holding only four values between them. `loose`: the values two
    // chosen cells that do not see each other both hold. A set with two such values removes
    // nothing, so no set growing from it is tried.
    bool search() {
        std::array<unsigned, 5> loose{};
        return chooseSubsets(masks, 4, 4, 0u, [&](std::span<const int> picked, unsigned values) {
            const int depth = static_cast<int>(picked.size()) - 1;
            const int cell = cells[picked.back()];
            unsigned nextLoose = loose[depth];
            for (int j = 0; j < depth; ++j)
                if (!grid.sees(chosen[j], cell))
                    nextLoose |= grid.candidates(chosen[j]) & grid.candidates(cell);
            if ((nextLoose & (nextLoose - 1)) != 0) return Chosen::Enough;
            loose[depth + 1] = nextLoose;
            chosen[depth] = cell;
            if (depth < 3) return Chosen::Grow;
            return std::popcount(values) != 4 || check(values) ? Chosen::Enough : Chosen::Stop;
        });
    }

    bool check(unsigned values) {
        const GridKind& kind = grid.kind();
        bool oneUnit = false;
        for (const int unit :
             {grid.rowUnit(chosen[0]), grid.columnUnit(chosen[0]), grid.blockUnit(chosen[0])}) {
            const auto inUnit = [&](int cell) {
                return grid.rowUnit(cell) == unit || grid.columnUnit(cell) == unit ||
                       grid.blockUnit(cell) == unit;
            };
            oneUnit = oneUnit || std::all_of(chosen.begin(), chosen.end(), inUnit);
        }
        if (oneUnit) return true;
        int z = 0;
        for (const int value : valuesOf(static_cast<ValueMask>(values))) {
            bool restricted = true;
            for (int i = 0; i < 4; ++i)
                for (int j = i + 1; j < 4; ++j)
                    restricted = restricted && !(grid.hasCandidate(chosen[i], value) &&
                                                 grid.hasCandidate(chosen[j], value) &&
                                                 !grid.sees(chosen[i], chosen[j]));
            if (restricted) continue;
            if (z != 0) return true;
            z = value;
        }
        if (z == 0) return true;
        // Most such sets remove nothing: look before writing anything down.
        const auto firstHolding = std::find_if(
            chosen.begin(), chosen.end(), [&](int cell) { return grid.hasCandidate(cell, z); });
        const auto peers = grid.peers(*firstHolding);
        const bool removes = std::any_of(peers.begin(), peers.end(), [&](int peer) {
            return grid.hasCandidate(peer, z) &&
                   std::all_of(chosen.begin(), chosen.end(), [&](int cell) {
                       return cell != peer &&
                              (!grid.hasCandidate(cell, z) || grid.sees(cell, peer));
                   });
        });
        if (!removes) return true;
        std::vector<int> holding;
        for (const int cell : chosen)
            if (grid.hasCandidate(cell, z)) holding.push_back(cell);
        Step step;
        step.cells.assign(chosen.begin(), chosen.end());
        step.eliminations = seenByAll(grid, z, holding, step.cells);
        if (step.eliminations.empty()) return true;
        step.values = valuesOf(static_cast<ValueMask>(values));
        std::vector<std::string> described;
        for (const int cell : chosen)
            described.push_back(cellWithCandidates(grid, cell));
        std::vector<int> others = step.values;
        std::erase(others, z);
        const std::string zs = std::to_string(z);
        finishStep(kind, step, Technique::WxyzWing,
                   "on " + zs + " at " + cellList(kind, step.cells),
                   joinWords(described) + " hold only " + valueList(step.values) +
                       "; the cells holding " + valueList(others) +
                       " see each other for each value, so those values fill at most three of "
                       "the four cells, and " +
                       zs + " is in one of " + cellList(kind, holding));
        return sink(std::move(step));
    }
};

}  // namespace

bool findWxyzWing(const LogicGrid& grid, const StepSink& sink) {
    std::vector<int> all;
    for (int cell = 1; cell <= grid.cellCount(); ++cell) {
        const int count = std::popcount(grid.candidates(cell));
        if (grid.value(cell) == 0 && count >= 2 && count <= 4) all.push_back(cell);
    }
    // Per four values, the four cells among those holding nothing else.
    WxyzSearch search{grid, sink, {}, {}, {}};
    const int side = grid.side();
    for (int w = 1; w <= side; ++w)
        for (int x = w + 1; x <= side; ++x)
            for (int y = x + 1; y <= side; ++y)
                for (int z = y + 1; z <= side; ++z) {
                    const unsigned values = (1u << w) | (1u << x) | (1u << y) | (1u << z);
                    search.cells.clear();
                    search.masks.clear();
                    for (const int cell : all)
                        if ((grid.candidates(cell) & ~values) == 0) {
                            search.cells.push_back(cell);
                            search.masks.push_back(grid.candidates(cell));
                        }
                    if (search.cells.size() >= 4 && !search.search()) return false;
                }
    return true;
}

}  // namespace quorvel::logic
