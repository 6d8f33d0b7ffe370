#pragma once
// Puzzles for practising one technique: exactly one solution, and the technique is the hardest
// step the puzzle needs. A puzzle needs the technique when
//   - the rating path, with the technique tried among the first tier (and first of those of its
//     lowest rating), solves it and its hardest step is the technique (a step of it is taken
//     where nothing rated lower applies, and nothing rated higher is needed), and
//   - the explain path with the technique preferred (logic::explainOrder), which Explain Next
//     Step follows while the puzzle is on the grid, takes a step of it too.
// The rating path tries the second tier only when the first finds nothing, and a forcing net
// nearly always finds something, so a second-tier technique is tried with the first here: the
// user asked for it. An optional technique (the third tier) is tried when named, as turning it on
// does.
//
// The search is the level aim (engines/create/level_aim.h) steered at the technique's ratings on
// fresh full grids; every puzzle it rates on its way is checked, so any of them may end it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engines/create/level_aim.h"
#include "engines/create/random_source.h"
#include "engines/logic/optional_techniques.h"
#include "engines/logic/puzzle_rating.h"
#include "engines/logic/technique.h"
#include "model/grid_kind.h"

namespace quorvel {

// The optional techniques a practice puzzle of `technique` is rated and explained with.
logic::OptionalTechniques practiceTurnedOn(logic::Technique technique);

// The rating of `puzzle` on the practice path of `technique`: as ratePuzzle with the technique
// turned on, and with it tried among the first tier, first of those of its lowest rating.
logic::PuzzleRating practiceRating(const GridKind& kind, const std::vector<int>& puzzle,
                                   logic::Technique technique);

// True when `puzzle` (0 = empty, index 0 is cell 1) has one solution and needs `technique` as
// above.
bool needsTechnique(const GridKind& kind, const std::vector<int>& puzzle,
                    logic::Technique technique);

struct PracticePuzzle {
    bool found = false;         // a puzzle needing the technique was made
    bool stopped = false;       // the poll stopped the search
    std::vector<int> puzzle;    // the givens (0 = empty), when found
    std::vector<int> solution;  // the full grid they come from
    int grids = 0;              // full grids generated
};

// Searches at most `maxGrids` full grids for a puzzle needing `technique`. `poll` is called
// before each rating, as the aim calls it.
PracticePuzzle generateNeeding(
    const GridKind& kind, logic::Technique technique, RandomSource& random, int maxGrids,
    const AimPoll& poll = [](int) { return true; });

// "No puzzle needing Jellyfish found in 100 full grids": what is said when the search missed.
std::string practiceMissedText(std::string_view technique, int grids);

}  // namespace quorvel
