#pragma once
// The difficulty scale puzzle people share (1.0 for the simplest single up to about 11 for the
// hardest known puzzles), kept in integer tenths: how one step is rated, and the order the rating
// path tries techniques in (lowest rating first).
//
// Each technique's base, lowest rating, rule and tier are columns of the technique table
// (engines/logic/technique.h), whose comment says how the techniques the scale does not name are
// rated. A step's rating is its technique's base, except under the rules (RatingRule) that rate a
// step lower in a block or when it leads straight to a hidden single, and those that add a length
// add-on (chainLengthAddOn) to a chain's base. The second tier, tried only when nothing of the
// first applies, holds the techniques that are no chain at heart and those the scale's own program
// does not have.

#include <span>
#include <string>
#include <vector>

#include "engines/logic/logic_grid.h"
#include "engines/logic/optional_techniques.h"
#include "engines/logic/step.h"
#include "engines/logic/technique.h"

namespace quorvel::logic {

// Tenths added to a chain's base for its complexity (the nodes it rests on, the eliminated
// candidate's assumption and its refutation included): nothing up to 6, then a tenth for each
// threshold 4, 6, 8, 12, 16, 24, 32, 48, 64, ... (alternately times 3/2 and 4/3) that
// complexity - 2 exceeds, so it grows with the logarithm of the length.
int chainLengthAddOn(int complexity);

// The rating of `step`, found on `grid` (the grid before the step), in tenths.
int stepRating(const LogicGrid& grid, const Step& step);

// The techniques in the order the rating path tries them: tier by tier, lowest `low` first; of
// the optional tier only those turned on.
std::vector<TechniqueInfo> ratingOrder(const OptionalTechniques& turnedOn = {});

// "6.6" for 66 tenths.
std::string formatRating(int tenths);

}  // namespace quorvel::logic
