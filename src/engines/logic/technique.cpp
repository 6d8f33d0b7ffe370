#include "engines/logic/technique.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "engines/logic/finders.h"

namespace quorvel::logic {

// A finder of its own is declared here from its row; the finders shared by a family, which the
// rows call with arguments, are declared in engines/logic/finders.h. (`A ## __VA_OPT__(B)` is A
// alone when the row has no arguments.)
#define QUORVEL_FINDER_DECLARATION(id, name, score, group, base, low, rule, tier, finder, ...) \
    QUORVEL_DECLARE_FINDER##__VA_OPT__(_SHARED)(finder)
#define QUORVEL_DECLARE_FINDER(finder) bool finder(const LogicGrid& grid, const StepSink& sink);
#define QUORVEL_DECLARE_FINDER_SHARED(finder)
QUORVEL_TECHNIQUE_TABLE(QUORVEL_FINDER_DECLARATION)
#undef QUORVEL_DECLARE_FINDER_SHARED
#undef QUORVEL_DECLARE_FINDER
#undef QUORVEL_FINDER_DECLARATION

namespace {

#define QUORVEL_TECHNIQUE_INFO(id, name, score, group, base, low, rule, tier, finder, ...) \
    TechniqueInfo{Technique::id,                                                           \
                  name,                                                                    \
                  score,                                                                   \
                  TechniqueGroup::group,                                                   \
                  {base, low, RatingRule::rule, tier},                                     \
                  [](const LogicGrid& grid, const StepSink& sink) {                        \
                      return finder(grid, __VA_ARGS__ __VA_OPT__(, ) sink);                \
                  }},
constexpr std::array kTechniques{QUORVEL_TECHNIQUE_TABLE(QUORVEL_TECHNIQUE_INFO)};
#undef QUORVEL_TECHNIQUE_INFO

static_assert(
    [] {
        for (std::size_t i = 0; i < kTechniques.size(); ++i) {
            const TechniqueInfo& row = kTechniques[i];
            if (i > 0 && row.score <= kTechniques[i - 1].score) return false;
            if (row.rating.low > row.rating.base) return false;
            if (row.rating.tier < 1 || row.rating.tier > kOptionalTier) return false;
        }
        return true;
    }(),
    "the scores grow along the order; no rating below its lowest; tiers 1 to 3");

}  // namespace

std::span<const TechniqueInfo> allTechniques() {
    return kTechniques;
}

const TechniqueInfo& techniqueInfo(Technique technique) {
    return kTechniques[static_cast<std::size_t>(technique)];
}

std::optional<Technique> techniqueNamed(std::string_view name) {
    const auto sameLetters = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    };
    for (const TechniqueInfo& info : kTechniques) {
        if (std::ranges::equal(info.name, name, sameLetters)) return info.technique;
    }
    return std::nullopt;
}

std::string_view groupName(TechniqueGroup group) {
    using enum TechniqueGroup;
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
