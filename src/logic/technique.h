#pragma once
// The techniques of the logic solver, simplest first, each with its fixed difficulty score. The
// solver tries them in this order, so a step is always explained by the easiest technique that
// finds one.

#include <span>
#include <string_view>

namespace quorvel::logic {

enum class Technique {
    FullHouse,
    NakedSingle,
    HiddenSingle,
    LockedPointing,
    LockedClaiming,
    NakedPair,
    HiddenPair,
    NakedTriple,
    HiddenTriple,
    XWing,
    NakedQuad,
    HiddenQuad,
    Skyscraper,
    TwoStringKite,
    TurbotFish,
    EmptyRectangle,
    FinnedXWing,
    SashimiXWing,
    Swordfish,
    FinnedSwordfish,
    SashimiSwordfish,
    XyWing,
    XyzWing,
    WWing,
    UniqueRectangle1,
    UniqueRectangle2,
    UniqueRectangle3,
    UniqueRectangle4,
    UniqueRectangle5,
    UniqueRectangle6,
    HiddenRectangle,
    RemotePair,
    SimpleColouring,
    Jellyfish,
    FinnedJellyfish,
    SashimiJellyfish,
    WxyzWing,
    BugPlusOne,
    SueDeCoq,
    AlsXz,
    AlsXyWing,
    AlignedPairExclusion,
    XChain,
    XyChain,
    AlsXyChain,
    DeathBlossom,
    Aic,
    ContinuousNiceLoop,
    DiscontinuousNiceLoop,
    GroupedAic,
    GroupedContinuousNiceLoop,
    GroupedDiscontinuousNiceLoop,
    ForcingChainContradiction,
    ForcingChainVerity,
    ForcingNet,
};

// Families of techniques, for ratings that band them.
enum class TechniqueGroup {
    Single,
    Intersection,
    Subset,
    Fish,
    SingleValuePattern,
    Wing,
    Uniqueness,  // rests on the grid having one solution
    AlmostLockedSet,
    Exclusion,
    Chain,
    Forcing,  // follows an assumption until it refutes itself or every case agrees
};

struct TechniqueInfo {
    Technique technique;
    std::string_view name;  // as shown to the user and printed by the tool
    int score;              // difficulty of one step; grows along the solver's order
    TechniqueGroup group;
};

// Every technique, in the order the solver tries them.
std::span<const TechniqueInfo> allTechniques();
const TechniqueInfo& techniqueInfo(Technique technique);
// The family's name in lower case, as the tool prints it: "single", "single-value pattern".
std::string_view groupName(TechniqueGroup group);

}  // namespace quorvel::logic
