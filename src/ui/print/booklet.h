#pragma once
// A booklet of puzzles and its pages as drawing commands: each puzzle page shows its grids with
// the givens in bold, block borders heavier than the cell lines, and under each grid the
// puzzle's number and level; the solution pages show the complete grids smaller, the givens
// still bold, each labelled with its puzzle's number. The title line heads every page and the
// page number ends it.

#include <string>
#include <vector>

#include "model/grid_kind.h"
#include "ui/print/booklet_plan.h"
#include "ui/print/drawing.h"

namespace quorvel {

struct BookletPuzzle {
    int number = 0;             // its number where it came from
    int level = 0;              // 1..4; 0 when not known
    int rating = 0;             // tenths on the shared scale; 0 when not known
    std::vector<int> givens;    // index 0 is cell 1; 0 = empty
    std::vector<int> solution;  // the complete grid
};

struct Booklet {
    GridKind kind = kNineGrid;
    std::string title;
    std::vector<BookletPuzzle> puzzles;
};

// "No. 12 - Hard"; "No. 12" when the level is not known.
std::string PuzzleLabel(const BookletPuzzle& puzzle);

// The pages of the plan with the booklet's puzzles drawn into its slots.
std::vector<DrawnPage> DrawBooklet(const Booklet& booklet, const BookletPlan& plan);

}  // namespace quorvel
