#pragma once
// Makes a generated puzzle unique: while its givens allow more than one solution, it takes the
// cells where two of those solutions differ (where a given is missing), picks one at random and
// gives it, and its point-symmetric mirror, their values from the generated full grid. A
// symmetric pattern of givens stays symmetric.

#include <vector>

#include "engines/create/random_source.h"
#include "model/grid_kind.h"

namespace quorvel {

struct UniqueGivens {
    bool unique = false;  // the puzzle now has exactly one solution
    int cellsAdded = 0;   // givens added
};

// `puzzle` holds the givens (0 = empty, index 0 is cell 1) and `solution` the full grid they
// were drawn from. Every step removes at least one of the two solutions found, so the puzzle
// ends unique unless `solution` does not solve it.
UniqueGivens addGivensUntilUnique(const GridKind& kind, std::vector<int>& puzzle,
                                  const std::vector<int>& solution, RandomSource& random);

}  // namespace quorvel
