#include "logic/technique.h"

#include <array>

namespace quorvel::logic {

namespace {

using enum Technique;
using enum TechniqueGroup;

constexpr std::array kTechniques{
    TechniqueInfo{FullHouse, "Full House", 10, Single},
    TechniqueInfo{NakedSingle, "Naked Single", 15, Single},
    TechniqueInfo{HiddenSingle, "Hidden Single", 20, Single},
    TechniqueInfo{LockedPointing, "Locked Candidates (Pointing)", 50, Intersection},
    TechniqueInfo{LockedClaiming, "Locked Candidates (Claiming)", 55, Intersection},
    TechniqueInfo{NakedPair, "Naked Pair", 60, Subset},
    TechniqueInfo{HiddenPair, "Hidden Pair", 70, Subset},
    TechniqueInfo{NakedTriple, "Naked Triple", 80, Subset},
    TechniqueInfo{HiddenTriple, "Hidden Triple", 90, Subset},
    TechniqueInfo{XWing, "X-Wing", 100, Fish},
    TechniqueInfo{NakedQuad, "Naked Quad", 110, Subset},
    TechniqueInfo{HiddenQuad, "Hidden Quad", 120, Subset},
    TechniqueInfo{Skyscraper, "Skyscraper", 130, SingleValuePattern},
    TechniqueInfo{TwoStringKite, "Two-String Kite", 140, SingleValuePattern},
    TechniqueInfo{TurbotFish, "Turbot Fish", 142, SingleValuePattern},
    TechniqueInfo{EmptyRectangle, "Empty Rectangle", 144, SingleValuePattern},
    TechniqueInfo{FinnedXWing, "Finned X-Wing", 146, Fish},
    TechniqueInfo{SashimiXWing, "Sashimi X-Wing", 148, Fish},
    TechniqueInfo{Swordfish, "Swordfish", 150, Fish},
    TechniqueInfo{FinnedSwordfish, "Finned Swordfish", 153, Fish},
    TechniqueInfo{SashimiSwordfish, "Sashimi Swordfish", 156, Fish},
    TechniqueInfo{XyWing, "XY-Wing", 160, Wing},
    TechniqueInfo{XyzWing, "XYZ-Wing", 170, Wing},
    TechniqueInfo{WWing, "W-Wing", 180, Wing},
    TechniqueInfo{UniqueRectangle1, "Unique Rectangle Type 1", 182, Uniqueness},
    TechniqueInfo{UniqueRectangle2, "Unique Rectangle Type 2", 183, Uniqueness},
    TechniqueInfo{UniqueRectangle3, "Unique Rectangle Type 3", 184, Uniqueness},
    TechniqueInfo{UniqueRectangle4, "Unique Rectangle Type 4", 185, Uniqueness},
    TechniqueInfo{UniqueRectangle5, "Unique Rectangle Type 5", 186, Uniqueness},
    TechniqueInfo{UniqueRectangle6, "Unique Rectangle Type 6", 187, Uniqueness},
    TechniqueInfo{HiddenRectangle, "Hidden Rectangle", 188, Uniqueness},
    TechniqueInfo{RemotePair, "Remote Pair", 190, Chain},
    TechniqueInfo{SimpleColouring, "Simple Colouring", 200, SingleValuePattern},
    TechniqueInfo{Jellyfish, "Jellyfish", 220, Fish},
    TechniqueInfo{FinnedJellyfish, "Finned Jellyfish", 223, Fish},
    TechniqueInfo{SashimiJellyfish, "Sashimi Jellyfish", 226, Fish},
    TechniqueInfo{WxyzWing, "WXYZ-Wing", 230, Wing},
    TechniqueInfo{BugPlusOne, "BUG+1", 232, Uniqueness},
    TechniqueInfo{SueDeCoq, "Sue de Coq", 234, AlmostLockedSet},
    TechniqueInfo{AlsXz, "ALS-XZ", 236, AlmostLockedSet},
    TechniqueInfo{AlsXyWing, "ALS-XY-Wing", 238, AlmostLockedSet},
    TechniqueInfo{AlignedPairExclusion, "Aligned Pair Exclusion", 240, Exclusion},
    TechniqueInfo{XChain, "X-Chain", 245, Chain},
    TechniqueInfo{XyChain, "XY-Chain", 250, Chain},
    TechniqueInfo{AlsXyChain, "ALS-XY-Chain", 255, AlmostLockedSet},
    TechniqueInfo{DeathBlossom, "Death Blossom", 258, AlmostLockedSet},
    TechniqueInfo{Aic, "AIC", 260, Chain},
    TechniqueInfo{ContinuousNiceLoop, "Continuous Nice Loop", 262, Chain},
    TechniqueInfo{DiscontinuousNiceLoop, "Discontinuous Nice Loop", 264, Chain},
    TechniqueInfo{GroupedAic, "Grouped AIC", 266, Chain},
    TechniqueInfo{GroupedContinuousNiceLoop, "Grouped Continuous Nice Loop", 268, Chain},
    TechniqueInfo{GroupedDiscontinuousNiceLoop, "Grouped Discontinuous Nice Loop", 270, Chain},
    TechniqueInfo{ForcingChainContradiction, "Forcing Chain Contradiction", 275, Forcing},
    TechniqueInfo{ForcingChainVerity, "Forcing Chain Verity", 280, Forcing},
    TechniqueInfo{ForcingNet, "Forcing Net", 290, Forcing},
};

static_assert(
    [] {
        for (std::size_t i = 0; i < kTechniques.size(); ++i) {
            if (static_cast<std::size_t>(kTechniques[i].technique) != i) return false;
            if (i > 0 && kTechniques[i].score <= kTechniques[i - 1].score) return false;
        }
        return true;
    }(),
    "the table follows the enum and the scores grow along the order");

}  // namespace

std::span<const TechniqueInfo> allTechniques() {
    return kTechniques;
}

const TechniqueInfo& techniqueInfo(Technique technique) {
    return kTechniques[static_cast<std::size_t>(technique)];
}

std::string_view groupName(TechniqueGroup group) {
    switch (group) {
        case Single:
            return "single";
        case Intersection:
            return "intersection";
        case Subset:
            return "subset";
        case Fish:
            return "fish";
        case SingleValuePattern:
            return "single-value pattern";
        case Wing:
            return "wing";
        case Uniqueness:
            return "uniqueness";
        case AlmostLockedSet:
            return "almost locked set";
        case Exclusion:
            return "exclusion";
        case Chain:
            return "chain";
        case Forcing:
            return "forcing";
    }
    return "";
}

}  // namespace quorvel::logic
