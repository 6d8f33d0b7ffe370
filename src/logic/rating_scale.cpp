#include "logic/rating_scale.h"

#include <algorithm>
#include <array>
#include <bit>
#include <set>

namespace quorvel::logic {

namespace {

using enum Technique;
using enum RatingRule;

// Family choices for the techniques the scale does not name: Skyscraper, Two-String Kite,
// Turbot Fish and Empty Rectangle are X-chains of two strong links (6.6, no add-on); Simple
// Colouring is an X-chain over its component; W-Wing is an XY-chain of six nodes (6.6 and a
// tenth for its length) and Remote Pair an XY-chain of its cells. Finned and Sashimi fish rate
// between the fish of their size and the chains (three and four tenths above the plain fish),
// WXYZ-Wing 5.5; these three families are the second tier. Unique Rectangles rate 4.5 (type 3,
// with its extra cells, 4.6) and BUG+1 5.6; types 5 and 6 and the Hidden Rectangle, which the
// scale does not name, rate 4.5 in the second tier. Sue de Coq (5.0) and the almost locked set
// chains (ALS-XZ 5.5, ALS-XY-Wing 6.0, ALS-XY-Chain and Death Blossom 6.8) rate between the fish
// and the chains, in the second tier too; Aligned Pair Exclusion is on the scale (6.2).
constexpr std::array kRatings{
    TechniqueRating{FullHouse, 10, 10, Fixed, 1},
    TechniqueRating{NakedSingle, 23, 23, Fixed, 1},
    TechniqueRating{HiddenSingle, 15, 12, BlockOrLine, 1},
    TechniqueRating{LockedPointing, 26, 17, Direct, 1},
    TechniqueRating{LockedClaiming, 28, 19, Direct, 1},
    TechniqueRating{NakedPair, 30, 30, Fixed, 1},
    TechniqueRating{HiddenPair, 34, 20, Direct, 1},
    TechniqueRating{NakedTriple, 36, 36, Fixed, 1},
    TechniqueRating{HiddenTriple, 40, 25, Direct, 1},
    TechniqueRating{XWing, 32, 32, Fixed, 1},
    TechniqueRating{NakedQuad, 50, 50, Fixed, 1},
    TechniqueRating{HiddenQuad, 54, 54, Fixed, 1},
    TechniqueRating{Skyscraper, 66, 66, Fixed, 1},
    TechniqueRating{TwoStringKite, 66, 66, Fixed, 1},
    TechniqueRating{TurbotFish, 66, 66, Fixed, 1},
    TechniqueRating{EmptyRectangle, 66, 66, Fixed, 1},
    TechniqueRating{FinnedXWing, 35, 35, Fixed, 2},
    TechniqueRating{SashimiXWing, 36, 36, Fixed, 2},
    TechniqueRating{Swordfish, 38, 38, Fixed, 1},
    TechniqueRating{FinnedSwordfish, 41, 41, Fixed, 2},
    TechniqueRating{SashimiSwordfish, 42, 42, Fixed, 2},
    TechniqueRating{XyWing, 42, 42, Fixed, 1},
    TechniqueRating{XyzWing, 44, 44, Fixed, 1},
    TechniqueRating{WWing, 67, 67, Fixed, 1},
    TechniqueRating{UniqueRectangle1, 45, 45, Fixed, 1},
    TechniqueRating{UniqueRectangle2, 45, 45, Fixed, 1},
    TechniqueRating{UniqueRectangle3, 46, 46, Fixed, 1},
    TechniqueRating{UniqueRectangle4, 45, 45, Fixed, 1},
    TechniqueRating{UniqueRectangle5, 45, 45, Fixed, 2},
    TechniqueRating{UniqueRectangle6, 45, 45, Fixed, 2},
    TechniqueRating{HiddenRectangle, 45, 45, Fixed, 2},
    TechniqueRating{RemotePair, 66, 66, PairChain, 1},
    TechniqueRating{SimpleColouring, 66, 66, ValueChain, 1},
    TechniqueRating{Jellyfish, 52, 52, Fixed, 1},
    TechniqueRating{FinnedJellyfish, 55, 55, Fixed, 2},
    TechniqueRating{SashimiJellyfish, 56, 56, Fixed, 2},
    TechniqueRating{WxyzWing, 55, 55, Fixed, 2},
    TechniqueRating{BugPlusOne, 56, 56, Fixed, 1},
    TechniqueRating{SueDeCoq, 50, 50, Fixed, 2},
    TechniqueRating{AlsXz, 55, 55, Fixed, 2},
    TechniqueRating{AlsXyWing, 60, 60, Fixed, 2},
    TechniqueRating{AlignedPairExclusion, 62, 62, Fixed, 1},
    TechniqueRating{XChain, 66, 66, ValueChain, 1},
    TechniqueRating{XyChain, 66, 66, PairChain, 1},
    TechniqueRating{AlsXyChain, 68, 68, Fixed, 2},
    TechniqueRating{DeathBlossom, 68, 68, Fixed, 2},
    TechniqueRating{Aic, 70, 70, Linked, 1},
    TechniqueRating{ContinuousNiceLoop, 70, 70, Linked, 1},
    TechniqueRating{DiscontinuousNiceLoop, 70, 70, Linked, 1},
    TechniqueRating{GroupedAic, 70, 70, Linked, 1},
    TechniqueRating{GroupedContinuousNiceLoop, 70, 70, Linked, 1},
    TechniqueRating{GroupedDiscontinuousNiceLoop, 70, 70, Linked, 1},
    TechniqueRating{ForcingChainContradiction, 75, 75, Linked, 1},
    TechniqueRating{ForcingChainVerity, 80, 80, Linked, 1},
    TechniqueRating{ForcingNet, 85, 85, Net, 1},
};

static_assert(
    [] {
        for (std::size_t i = 0; i < kRatings.size(); ++i) {
            if (static_cast<std::size_t>(kRatings[i].technique) != i) return false;
            if (kRatings[i].low > kRatings[i].base) return false;
        }
        return true;
    }(),
    "one row per technique in the technique table's order, none rated below its lowest");

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

std::span<const TechniqueRating> allTechniqueRatings() {
    return kRatings;
}

const TechniqueRating& techniqueRating(Technique technique) {
    return kRatings[static_cast<std::size_t>(technique)];
}

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
    const TechniqueRating& rating = techniqueRating(step.technique);
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
            return rating.base + 5 * step.depth + chainLengthAddOn(linkedComplexity(step));
    }
    return rating.base;
}

std::span<const TechniqueRating> ratingOrder() {
    static const auto order = [] {
        auto sorted = kRatings;
        std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
            return a.tier != b.tier ? a.tier < b.tier : a.low < b.low;
        });
        return sorted;
    }();
    return order;
}

std::string formatRating(int tenths) {
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

}  // namespace quorvel::logic
