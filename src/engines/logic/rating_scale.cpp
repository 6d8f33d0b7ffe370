#include "engines/logic/rating_scale.h"

#include <algorithm>
#include <bit>
#include <iterator>
#include <set>

namespace quorvel::logic {

namespace {

using enum RatingRule;

// True when removing the step's candidates leaves one of them with a single place in a unit of
// its cell: the step leads straight to a hidden single.
bool leavesHiddenSingle(const LogicGrid& grid, const Step& step) {
    LogicGrid after = grid;
    for (const CellValue& removed : step.eliminations)
        after.removeCandidate(removed.cell, removed.value);
    return std::any_of(
        step.eliminations.begin(), step.eliminations.end(), [&](const CellValue& removed) {
            for (const int unit : {after.rowUnit(removed.cell), after.columnUnit(removed.cell),
                                   after.blockUnit(removed.cell)})
                if (std::popcount(after.positions(unit, removed.value)) == 1) return true;
            return false;
        });
}

// The step's chain nodes plus the assumption that the eliminated candidate is true and its
// refutation.
int complexity(const Step& step, int nodesPerCell) {
    return nodesPerCell * static_cast<int>(step.cells.size()) + 2;
}

// The distinct nodes the step's links join, plus the assumption and its refutation.
int linkedComplexity(const Step& step) {
    std::set<std::vector<CellValue>> nodes;
    for (const ChainLink& link : step.chain) {
        nodes.insert(link.from);
        nodes.insert(link.to);
    }
    return static_cast<int>(nodes.size()) + 2;
}

}  // namespace

int chainLengthAddOn(int complexity) {
    int addOn = 0;
    int threshold = 4;
    for (bool half = true; complexity - 2 > threshold; half = !half) {
        ++addOn;
        threshold = half ? threshold * 3 / 2 : threshold * 4 / 3;
    }
    return addOn;
}

int stepRating(const LogicGrid& grid, const Step& step) {
    const TechniqueRating& rating = techniqueInfo(step.technique).rating;
    switch (rating.rule) {
        case Fixed:
            return rating.base;
        case BlockOrLine:
            return !step.units.empty() && step.units.front().type == UnitType::Block ? rating.low
                                                                                     : rating.base;
        case Direct:
            return leavesHiddenSingle(grid, step) ? rating.low : rating.base;
        case ValueChain:
            return rating.base + chainLengthAddOn(complexity(step, 1));
        case PairChain:
            return rating.base + chainLengthAddOn(complexity(step, 2));
        case Linked:
            return rating.base + chainLengthAddOn(linkedComplexity(step));
        case Net:
            return rating.base + 5 * step.depth + chainLengthAddOn(step.nodes + 2);
    }
    return rating.base;
}

std::vector<TechniqueInfo> ratingOrder(const OptionalTechniques& turnedOn) {
    std::vector<TechniqueInfo> sorted;
    std::ranges::copy_if(allTechniques(), std::back_inserter(sorted),
                         [&](const auto& info) { return isTried(info, turnedOn); });
    std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
        return a.rating.tier != b.rating.tier ? a.rating.tier < b.rating.tier
                                              : a.rating.low < b.rating.low;
    });
    return sorted;
}

std::string formatRating(int tenths) {
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

}  // namespace quorvel::logic
