#pragma once
// Where everything of a booklet goes: the puzzle pages first, each with `perPage` grids, then
// (when asked) the solution pages with smaller grids, each grid with a line under it for its
// label. Every page has the title line at its head and its page number at its foot. The plan is
// plain data in points on the sheet (y downwards), so it is tested as a table and the drawing
// only fills it in.

#include <span>
#include <vector>

#include "application/print/drawing.h"
#include "model/grid_kind.h"

namespace quorvel {

// Puzzles per puzzle page that a grid offers: 1, 2, 4 or 6 on 9 x 9; 1 or 2 on 15 x 15.
std::span<const int> perPageChoices(const GridKind& kind);
// Solutions per solution page: 9 on 9 x 9, 4 on 15 x 15.
int solutionsPerPage(const GridKind& kind);

struct BookletLayout {
    int perPage = 4;
    bool solutions = true;
    Paper paper = Paper::A4;
};

struct PlanSlot {
    int puzzle = 0;  // index into the booklet's puzzles, from 0
    PageRect grid;   // the grid's square
    PageRect label;  // the line under the grid
};

struct PlanPage {
    bool solutions = false;
    std::vector<PlanSlot> places;
};

struct BookletPlan {
    PaperSize paper;
    PageRect title;   // the title line, the same on every page
    PageRect footer;  // the page number's line
    std::vector<PlanPage> pages;
};

// The plan for `puzzleCount` puzzles; `layout.perPage` is one of perPageChoices(kind).
BookletPlan planBooklet(const GridKind& kind, const BookletLayout& layout, int puzzleCount);

}  // namespace quorvel
