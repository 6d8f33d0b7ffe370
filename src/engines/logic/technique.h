#pragma once
// The technique table: one row per technique of the logic solver, simplest first. Everything
// else reads it: the `Technique` ids, the order the hint and explain paths try techniques in (a
// step is always explained by the easiest technique that finds one), the names the user sees and
// the tool's `find` and `techniques` take, the scores, the families, the rating scale
// (engines/logic/rating_scale.h) and the finder each technique runs. A new technique is its finder
// and one row here.
//
// Columns: id, name (as shown and printed), score (the difficulty of one step; grows along the
// order), group (its family), rating base and low in tenths, RatingRule, rating tier (1: on the
// scale or a short chain; 2: tried only when tier 1 finds nothing; 3: an option the user turns on,
// left out of hints, paths and ratings unless turned on, while `find` always tries it), then the
// finder, a function
// `bool finder(const LogicGrid&, const StepSink&)` (engines/logic/finders.h), or a finder shared by
// a family followed by the arguments that pick the row's technique, passed between grid and sink.
//
// Rating choices for the techniques the scale does not name: Skyscraper, Two-String Kite, Turbot
// Fish and Empty Rectangle are X-chains of two strong links (6.6, no add-on); Simple Colouring is
// an X-chain over its component; W-Wing is an XY-chain of six nodes (6.6 and a tenth for its
// length) and Remote Pair an XY-chain of its cells. Finned and Sashimi fish rate between the fish
// of their size and the chains (three and four tenths above the plain fish), WXYZ-Wing 5.5; these
// three families are the second tier. Unique Rectangles rate 4.5 (type 3, with its extra cells,
// 4.6) and BUG+1 5.6; types 5 and 6 and the Hidden Rectangle, which the scale does not name, rate
// 4.5 in the second tier. Sue de Coq (5.0) and the almost locked set chains (ALS-XZ 5.5,
// ALS-XY-Wing 6.0, ALS-XY-Chain and Death Blossom 6.8) rate between the fish and the chains, in the
// second tier too; Aligned Pair Exclusion is on the scale (6.2).
//
// Dual Two-String Kite and Dual Empty Rectangle rate as their single forms (6.6). Multi-Colouring
// is an X-chain over its two components and 3D Medusa an alternating inference chain over its
// cluster (7.0 and the add-on for its nodes), both in the second tier; the Avoidable Rectangles
// rate 4.5 in the second tier, and the Unique Rectangle With Missing Candidates 4.5 as an option.
//
// The chains through almost locked sets (ALS-AIC and its nice loops, optional) rate 7.2 with the
// length add-on, between the nice loops and the forcing chains.
//
// Locked Pair and Locked Triple rate as the direct pointing they resemble (1.7) and the direct
// hidden pair (2.0), second tier. Franken fish rate half a point above the fish of their size,
// Mutant fish a point above, their finned forms three tenths more (up to 6.5 for a Finned Mutant
// Jellyfish, still below the chains), in the second tier, but for the four whose search costs
// seconds on a hard grid (Finned Mutant Swordfish, Finned Franken Jellyfish, Mutant Jellyfish,
// Finned Mutant Jellyfish): those are options (tier 3), as are the Siamese fish, which rate as
// the Sashimi fish of their size. Aligned Triple Exclusion is on the scale (7.5).

#include <functional>
#include <optional>
#include <span>
#include <string_view>

// clang-format off
//      id                          name                               score group
//          base low rule        tier finder
#define QUORVEL_TECHNIQUE_TABLE(ROW)                                                               \
    ROW(FullHouse,                  "Full House",                         10, Single,              \
            10, 10, Fixed,       1, findFullHouse)                                                 \
    ROW(NakedSingle,                "Naked Single",                       15, Single,              \
            23, 23, Fixed,       1, findNakedSingle)                                               \
    ROW(HiddenSingle,               "Hidden Single",                      20, Single,              \
            15, 12, BlockOrLine, 1, findHiddenSingle)                                              \
    ROW(LockedPointing,             "Locked Candidates (Pointing)",       50, Intersection,        \
            26, 17, Direct,      1, findPointing)                                                  \
    ROW(LockedClaiming,             "Locked Candidates (Claiming)",       55, Intersection,        \
            28, 19, Direct,      1, findClaiming)                                                  \
    ROW(LockedPair,                 "Locked Pair",                        56, Subset,              \
            17, 17, Fixed,       2, findLockedSubset, 2)                                           \
    ROW(LockedTriple,               "Locked Triple",                      58, Subset,              \
            20, 20, Fixed,       2, findLockedSubset, 3)                                           \
    ROW(NakedPair,                  "Naked Pair",                         60, Subset,              \
            30, 30, Fixed,       1, findNakedSubset, 2)                                            \
    ROW(HiddenPair,                 "Hidden Pair",                        70, Subset,              \
            34, 20, Direct,      1, findHiddenSubset, 2)                                           \
    ROW(NakedTriple,                "Naked Triple",                       80, Subset,              \
            36, 36, Fixed,       1, findNakedSubset, 3)                                            \
    ROW(HiddenTriple,               "Hidden Triple",                      90, Subset,              \
            40, 25, Direct,      1, findHiddenSubset, 3)                                           \
    ROW(XWing,                      "X-Wing",                            100, Fish,                \
            32, 32, Fixed,       1, findFish, 2, FishFins::None)                                   \
    ROW(NakedQuad,                  "Naked Quad",                        110, Subset,              \
            50, 50, Fixed,       1, findNakedSubset, 4)                                            \
    ROW(HiddenQuad,                 "Hidden Quad",                       120, Subset,              \
            54, 54, Fixed,       1, findHiddenSubset, 4)                                           \
    ROW(Skyscraper,                 "Skyscraper",                        130, SingleValuePattern,  \
            66, 66, Fixed,       1, findSkyscraper)                                                \
    ROW(TwoStringKite,              "Two-String Kite",                   140, SingleValuePattern,  \
            66, 66, Fixed,       1, findTwoStringKite)                                             \
    ROW(DualTwoStringKite,          "Dual Two-String Kite",              141, SingleValuePattern,  \
            66, 66, Fixed,       1, findDualTwoStringKite)                                         \
    ROW(TurbotFish,                 "Turbot Fish",                       142, SingleValuePattern,  \
            66, 66, Fixed,       1, findTurbotFish)                                                \
    ROW(EmptyRectangle,             "Empty Rectangle",                   144, SingleValuePattern,  \
            66, 66, Fixed,       1, findEmptyRectangle)                                            \
    ROW(DualEmptyRectangle,         "Dual Empty Rectangle",              145, SingleValuePattern,  \
            66, 66, Fixed,       1, findDualEmptyRectangle)                                        \
    ROW(FinnedXWing,                "Finned X-Wing",                     146, Fish,                \
            35, 35, Fixed,       2, findFish, 2, FishFins::Finned)                                 \
    ROW(SashimiXWing,               "Sashimi X-Wing",                    148, Fish,                \
            36, 36, Fixed,       2, findFish, 2, FishFins::Sashimi)                                \
    ROW(SiameseXWing,               "Siamese X-Wing",                    149, Fish,                \
            36, 36, Fixed,       3, findSiameseFish, 2)                                            \
    ROW(Swordfish,                  "Swordfish",                         150, Fish,                \
            38, 38, Fixed,       1, findFish, 3, FishFins::None)                                   \
    ROW(FinnedSwordfish,            "Finned Swordfish",                  153, Fish,                \
            41, 41, Fixed,       2, findFish, 3, FishFins::Finned)                                 \
    ROW(SashimiSwordfish,           "Sashimi Swordfish",                 156, Fish,                \
            42, 42, Fixed,       2, findFish, 3, FishFins::Sashimi)                                \
    ROW(SiameseSwordfish,           "Siamese Swordfish",                 158, Fish,                \
            42, 42, Fixed,       3, findSiameseFish, 3)                                            \
    ROW(XyWing,                     "XY-Wing",                           160, Wing,                \
            42, 42, Fixed,       1, findXyWing)                                                    \
    ROW(XyzWing,                    "XYZ-Wing",                          170, Wing,                \
            44, 44, Fixed,       1, findXyzWing)                                                   \
    ROW(WWing,                      "W-Wing",                            180, Wing,                \
            67, 67, Fixed,       1, findWWing)                                                     \
    ROW(AvoidableRectangle1,        "Avoidable Rectangle Type 1",        181, Uniqueness,          \
            45, 45, Fixed,       2, findAvoidableRectangle, Technique::AvoidableRectangle1)        \
    ROW(UniqueRectangle1,           "Unique Rectangle Type 1",           182, Uniqueness,          \
            45, 45, Fixed,       1, findUniqueRectangle, Technique::UniqueRectangle1)              \
    ROW(UniqueRectangle2,           "Unique Rectangle Type 2",           183, Uniqueness,          \
            45, 45, Fixed,       1, findUniqueRectangle, Technique::UniqueRectangle2)              \
    ROW(UniqueRectangle3,           "Unique Rectangle Type 3",           184, Uniqueness,          \
            46, 46, Fixed,       1, findUniqueRectangle, Technique::UniqueRectangle3)              \
    ROW(UniqueRectangle4,           "Unique Rectangle Type 4",           185, Uniqueness,          \
            45, 45, Fixed,       1, findUniqueRectangle, Technique::UniqueRectangle4)              \
    ROW(UniqueRectangle5,           "Unique Rectangle Type 5",           186, Uniqueness,          \
            45, 45, Fixed,       2, findUniqueRectangle, Technique::UniqueRectangle5)              \
    ROW(UniqueRectangle6,           "Unique Rectangle Type 6",           187, Uniqueness,          \
            45, 45, Fixed,       2, findUniqueRectangle, Technique::UniqueRectangle6)              \
    ROW(HiddenRectangle,            "Hidden Rectangle",                  188, Uniqueness,          \
            45, 45, Fixed,       2, findUniqueRectangle, Technique::HiddenRectangle)               \
    ROW(AvoidableRectangle2,        "Avoidable Rectangle Type 2",        189, Uniqueness,          \
            45, 45, Fixed,       2, findAvoidableRectangle, Technique::AvoidableRectangle2)        \
    ROW(RemotePair,                 "Remote Pair",                       190, Chain,               \
            66, 66, PairChain,   1, findRemotePair)                                                \
    ROW(SimpleColouring,            "Simple Colouring",                  200, SingleValuePattern,  \
            66, 66, ValueChain,  1, findSimpleColouring)                                           \
    ROW(MultiColouring,             "Multi-Colouring",                   204, SingleValuePattern,  \
            66, 66, ValueChain,  2, findMultiColouring)                                            \
    ROW(Medusa,                     "3D Medusa",                         208, Chain,               \
            70, 70, Linked,      2, findMedusa)                                                    \
    ROW(Jellyfish,                  "Jellyfish",                         220, Fish,                \
            52, 52, Fixed,       1, findFish, 4, FishFins::None)                                   \
    ROW(FinnedJellyfish,            "Finned Jellyfish",                  223, Fish,                \
            55, 55, Fixed,       2, findFish, 4, FishFins::Finned)                                 \
    ROW(SashimiJellyfish,           "Sashimi Jellyfish",                 226, Fish,                \
            56, 56, Fixed,       2, findFish, 4, FishFins::Sashimi)                                \
    ROW(SiameseJellyfish,           "Siamese Jellyfish",                 228, Fish,                \
            56, 56, Fixed,       3, findSiameseFish, 4)                                            \
    ROW(WxyzWing,                   "WXYZ-Wing",                         230, Wing,                \
            55, 55, Fixed,       2, findWxyzWing)                                                  \
    ROW(BugPlusOne,                 "BUG+1",                             232, Uniqueness,          \
            56, 56, Fixed,       1, findBugPlusOne)                                                \
    ROW(UniqueRectangleMissing,     "Unique Rectangle With Missing Candidates", 233, Uniqueness,   \
            45, 45, Fixed,       3, findUniqueRectangle, Technique::UniqueRectangleMissing)        \
    ROW(SueDeCoq,                   "Sue de Coq",                        234, AlmostLockedSet,     \
            50, 50, Fixed,       2, findSueDeCoq)                                                  \
    ROW(AlsXz,                      "ALS-XZ",                            236, AlmostLockedSet,     \
            55, 55, Fixed,       2, findAlsXz)                                                     \
    ROW(AlsXyWing,                  "ALS-XY-Wing",                       238, AlmostLockedSet,     \
            60, 60, Fixed,       2, findAlsXyWing)                                                 \
    ROW(AlignedPairExclusion,       "Aligned Pair Exclusion",            240, Exclusion,           \
            62, 62, Fixed,       1, findAlignedPairExclusion)                                      \
    ROW(XChain,                     "X-Chain",                           245, Chain,               \
            66, 66, ValueChain,  1, findXChain)                                                    \
    ROW(FrankenXWing,               "Franken X-Wing",                    246, Fish,                \
            37, 37, Fixed,       2, findComplexFish, 2, FishShape::Franken, false)                 \
    ROW(FinnedFrankenXWing,         "Finned Franken X-Wing",             247, Fish,                \
            40, 40, Fixed,       2, findComplexFish, 2, FishShape::Franken, true)                  \
    ROW(MutantXWing,                "Mutant X-Wing",                     248, Fish,                \
            42, 42, Fixed,       2, findComplexFish, 2, FishShape::Mutant, false)                  \
    ROW(FinnedMutantXWing,          "Finned Mutant X-Wing",              249, Fish,                \
            45, 45, Fixed,       2, findComplexFish, 2, FishShape::Mutant, true)                   \
    ROW(XyChain,                    "XY-Chain",                          250, Chain,               \
            66, 66, PairChain,   1, findXyChain)                                                   \
    ROW(FrankenSwordfish,           "Franken Swordfish",                 251, Fish,                \
            43, 43, Fixed,       2, findComplexFish, 3, FishShape::Franken, false)                 \
    ROW(FinnedFrankenSwordfish,     "Finned Franken Swordfish",          252, Fish,                \
            46, 46, Fixed,       2, findComplexFish, 3, FishShape::Franken, true)                  \
    ROW(MutantSwordfish,            "Mutant Swordfish",                  253, Fish,                \
            48, 48, Fixed,       2, findComplexFish, 3, FishShape::Mutant, false)                  \
    ROW(FinnedMutantSwordfish,      "Finned Mutant Swordfish",           254, Fish,                \
            51, 51, Fixed,       3, findComplexFish, 3, FishShape::Mutant, true)                   \
    ROW(AlsXyChain,                 "ALS-XY-Chain",                      255, AlmostLockedSet,     \
            68, 68, Fixed,       2, findAlsXyChain)                                                \
    ROW(FrankenJellyfish,           "Franken Jellyfish",                 256, Fish,                \
            57, 57, Fixed,       2, findComplexFish, 4, FishShape::Franken, false)                 \
    ROW(FinnedFrankenJellyfish,     "Finned Franken Jellyfish",          257, Fish,                \
            60, 60, Fixed,       3, findComplexFish, 4, FishShape::Franken, true)                  \
    ROW(DeathBlossom,               "Death Blossom",                     258, AlmostLockedSet,     \
            68, 68, Fixed,       2, findDeathBlossom)                                              \
    ROW(MutantJellyfish,            "Mutant Jellyfish",                  259, Fish,                \
            62, 62, Fixed,       3, findComplexFish, 4, FishShape::Mutant, false)                  \
    ROW(Aic,                        "AIC",                               260, Chain,               \
            70, 70, Linked,      1, findAic, false)                                                \
    ROW(FinnedMutantJellyfish,      "Finned Mutant Jellyfish",           261, Fish,                \
            65, 65, Fixed,       3, findComplexFish, 4, FishShape::Mutant, true)                   \
    ROW(ContinuousNiceLoop,         "Continuous Nice Loop",              262, Chain,               \
            70, 70, Linked,      1, findNiceLoop, true, false)                                     \
    ROW(DiscontinuousNiceLoop,      "Discontinuous Nice Loop",           264, Chain,               \
            70, 70, Linked,      1, findNiceLoop, false, false)                                    \
    ROW(GroupedAic,                 "Grouped AIC",                       266, Chain,               \
            70, 70, Linked,      1, findAic, true)                                                 \
    ROW(GroupedContinuousNiceLoop,  "Grouped Continuous Nice Loop",      268, Chain,               \
            70, 70, Linked,      1, findNiceLoop, true, true)                                      \
    ROW(GroupedDiscontinuousNiceLoop, "Grouped Discontinuous Nice Loop", 270, Chain,               \
            70, 70, Linked,      1, findNiceLoop, false, true)                                     \
    ROW(AlsAic,                     "ALS-AIC",                           271, Chain,               \
            72, 72, Linked,      3, findAlsAic)                                                    \
    ROW(AlsContinuousNiceLoop,      "ALS Continuous Nice Loop",          272, Chain,               \
            72, 72, Linked,      3, findAlsNiceLoop, true)                                         \
    ROW(AlsDiscontinuousNiceLoop,   "ALS Discontinuous Nice Loop",       273, Chain,               \
            72, 72, Linked,      3, findAlsNiceLoop, false)                                        \
    ROW(AlignedTripleExclusion,     "Aligned Triple Exclusion",          274, Exclusion,           \
            75, 75, Fixed,       1, findAlignedTripleExclusion)                                    \
    ROW(ForcingChainContradiction,  "Forcing Chain Contradiction",       275, Forcing,             \
            75, 75, Linked,      1, findForcingChainContradiction)                                 \
    ROW(ForcingChainVerity,         "Forcing Chain Verity",              280, Forcing,             \
            80, 80, Linked,      1, findForcingChainVerity)                                        \
    ROW(ForcingNet,                 "Forcing Net",                       290, Forcing,             \
            85, 85, Net,         1, findForcingNet)
// clang-format on

namespace quorvel::logic {

#define QUORVEL_TECHNIQUE_ID(id, ...) id,
enum class Technique { QUORVEL_TECHNIQUE_TABLE(QUORVEL_TECHNIQUE_ID) };
#undef QUORVEL_TECHNIQUE_ID

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

// How the steps of a technique are rated beyond its base.
enum class RatingRule {
    Fixed,        // the base
    BlockOrLine,  // `low` in a block, the base in a row or column
    Direct,       // `low` when the step leaves a hidden single, the base otherwise
    ValueChain,   // the base plus the add-on; a node per cell of the chain
    PairChain,    // the base plus the add-on; two nodes per cell of the chain
    Linked,       // the base plus the add-on for the distinct nodes of the step's links
    Net,          // as Linked, and half a point more for each depth of the net
};

struct TechniqueRating {
    int base;  // tenths
    int low;   // the lowest rating a step can have, tenths
    RatingRule rule;
    int tier;  // 1: on the scale or a short chain; 2: tried when tier 1 finds nothing; 3: optional
};

inline constexpr int kOptionalTier = 3;

class LogicGrid;
struct Step;
// Receives one step; returns false to end the search.
using StepSink = std::function<bool(Step&&)>;
// Reports every instance of a technique on the grid, in a fixed order, until the sink stops;
// false when the sink ended the search, true when it ran to the end.
using Finder = bool (*)(const LogicGrid& grid, const StepSink& sink);

struct TechniqueInfo {
    Technique technique;
    std::string_view name;  // as shown to the user and printed by the tool
    int score;              // difficulty of one step; grows along the solver's order
    TechniqueGroup group;
    TechniqueRating rating;  // on the shared scale (engines/logic/rating_scale.h)
    Finder find;
};

// Every technique, in the order the solver tries them.
std::span<const TechniqueInfo> allTechniques();
const TechniqueInfo& techniqueInfo(Technique technique);
// The technique of that name, without regard to case (as the tool and the options file name
// them); nothing for an unknown name.
std::optional<Technique> techniqueNamed(std::string_view name);
// The family's name in lower case, as the tool prints it: "single", "single-value pattern".
std::string_view groupName(TechniqueGroup group);

}  // namespace quorvel::logic
