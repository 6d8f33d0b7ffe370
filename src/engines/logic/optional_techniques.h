#pragma once
// The optional techniques (the technique table's third tier) the user turned on. Hints, explain
// paths and ratings try every technique of the other tiers and, of the optional ones, those turned
// on; `find`, which names one technique, tries any. Nothing is turned on unless the user asks.

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "engines/logic/technique.h"

namespace quorvel::logic {

using OptionalTechniques = std::set<Technique>;

// True when paths with `turnedOn` try the technique.
inline bool isTried(const TechniqueInfo& info, const OptionalTechniques& turnedOn) {
    return info.rating.tier != kOptionalTier || turnedOn.contains(info.technique);
}

// The optional techniques in table order.
inline std::vector<TechniqueInfo> optionalTechniques() {
    std::vector<TechniqueInfo> optional;
    std::ranges::copy_if(
        allTechniques(), std::back_inserter(optional),
        [](const TechniqueInfo& info) { return info.rating.tier == kOptionalTier; });
    return optional;
}

// The optional techniques `names` name (as the table does); other names are left out.
inline OptionalTechniques optionalByName(const std::vector<std::string>& names) {
    OptionalTechniques turnedOn;
    for (const TechniqueInfo& info : optionalTechniques())
        if (std::ranges::find(names, info.name) != names.end()) turnedOn.insert(info.technique);
    return turnedOn;
}

}  // namespace quorvel::logic
