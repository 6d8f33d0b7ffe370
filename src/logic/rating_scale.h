#pragma once
// The difficulty scale puzzle people share (1.0 for a Full House up to about 11 for the hardest
// known puzzles), kept in integer tenths: each technique's base rating, how one step of it is
// rated, and the order the rating path tries techniques in (lowest rating first).
//
// A step's rating is its technique's base, except that
//   - a Hidden Single rates 1.2 in a block and 1.5 in a row or column;
//   - Pointing, Claiming, Hidden Pair and Hidden Triple rate lower (1.7, 1.9, 2.0, 2.5) when
//     their eliminations leave a value with one place in a unit (they lead straight to a single);
//   - a chain adds a length add-on (chainLengthAddOn) to its base.
// Techniques the scale does not name are rated with the family they belong to; those that are
// no chain at heart (finned and Sashimi fish, WXYZ-Wing) and those the scale's own program does
// not have (the uniqueness patterns it does not name, Sue de Coq, almost locked sets) form a
// second tier that the rating path
// tries only when nothing of the first applies. docs/techniques.md has the table.

#include <span>
#include <string>

#include "logic/logic_grid.h"
#include "logic/step.h"
#include "logic/technique.h"

namespace quorvel::logic {

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
    Technique technique;
    int base;  // tenths
    int low;   // the lowest rating a step can have, tenths
    RatingRule rule;
    int tier;  // 1: on the scale or a short chain; 2: tried when tier 1 finds nothing
};

// One row per technique, in the technique table's order.
std::span<const TechniqueRating> allTechniqueRatings();
const TechniqueRating& techniqueRating(Technique technique);

// Tenths added to a chain's base for its complexity (the nodes it rests on, the eliminated
// candidate's assumption and its refutation included): nothing up to 6, then a tenth for each
// threshold 4, 6, 8, 12, 16, 24, 32, 48, 64, ... (alternately times 3/2 and 4/3) that
// complexity - 2 exceeds, so it grows with the logarithm of the length.
int chainLengthAddOn(int complexity);

// The rating of `step`, found on `grid` (the grid before the step), in tenths.
int stepRating(const LogicGrid& grid, const Step& step);

// The techniques in the order the rating path tries them: tier by tier, lowest `low` first.
std::span<const TechniqueRating> ratingOrder();

// "6.6" for 66 tenths.
std::string formatRating(int tenths);

}  // namespace quorvel::logic
