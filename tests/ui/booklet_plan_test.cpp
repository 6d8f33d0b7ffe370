// The booklet's page plan as a table: for each grid and puzzles-per-page choice, which puzzles
// each page holds (P: puzzle page, S: solution page). Every grid and its label lie between the
// title line and the page number inside the margins, the first row right under the title, no two
// overlap, and solutions are smaller.

#include <gtest/gtest.h>

#include <string>

#include "application/print/booklet_plan.h"

namespace quorvel::testing {
namespace {

bool inside(const PageRect& inner, const PageRect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top &&
           inner.left + inner.width <= outer.left + outer.width &&
           inner.top + inner.height <= outer.top + outer.height;
}

bool overlap(const PageRect& a, const PageRect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

// "P1-4 P5 S1-5": each page by kind and the numbers (from 1) of its first and last puzzle.
std::string pages(const BookletPlan& plan) {
    std::string text;
    for (const PlanPage& page : plan.pages) {
        const int first = page.places.front().puzzle + 1;
        const int last = page.places.back().puzzle + 1;
        text += std::string(text.empty() ? "" : " ") + (page.solutions ? "S" : "P") +
                std::to_string(first) + (last == first ? "" : "-" + std::to_string(last));
    }
    return text;
}

TEST(BookletPlanTest, PagesHoldTheirPuzzlesInOrderWithinTheMargins) {
    struct Case {
        GridKind kind;
        BookletLayout layout;
        int count;
        const char* pages;
    };
    const Case cases[] = {
        {kNineGrid, {1, true, Paper::A4}, 2, "P1 P2 S1-2"},
        {kNineGrid, {2, true, Paper::Letter}, 5, "P1-2 P3-4 P5 S1-5"},
        {kNineGrid, {4, true, Paper::A4}, 10, "P1-4 P5-8 P9-10 S1-9 S10"},
        {kNineGrid, {6, false, Paper::A4}, 12, "P1-6 P7-12"},
        {kNineGrid, {6, true, Paper::Letter}, 7, "P1-6 P7 S1-7"},
        {kFifteenGrid, {1, true, Paper::A4}, 5, "P1 P2 P3 P4 P5 S1-4 S5"},
        {kFifteenGrid, {2, true, Paper::Letter}, 3, "P1-2 P3 S1-3"},
    };
    for (const Case& c : cases) {
        const BookletPlan plan = planBooklet(c.kind, c.layout, c.count);
        SCOPED_TRACE(c.pages);
        EXPECT_EQ(pages(plan), c.pages);
        const PaperSize paper = sizeOf(c.layout.paper);
        EXPECT_EQ(plan.paper.height, paper.height);
        const double contentTop = plan.title.top + plan.title.height;
        const PageRect content{plan.title.left, contentTop, plan.title.width,
                               plan.footer.top - contentTop};
        EXPECT_TRUE(inside(plan.footer, {0, 0, paper.width, paper.height}));
        double puzzleSide = 0;
        for (const PlanPage& page : plan.pages) {
            // The first row starts right under the title: no empty band between.
            EXPECT_LT(page.places.front().grid.top - contentTop, 15);
            for (std::size_t a = 0; a < page.places.size(); ++a) {
                const PlanSlot& slot = page.places[a];
                EXPECT_TRUE(inside(slot.grid, content) && inside(slot.label, content));
                EXPECT_EQ(slot.grid.width, slot.grid.height);
                EXPECT_EQ(slot.label.top, slot.grid.top + slot.grid.height);
                for (std::size_t b = a + 1; b < page.places.size(); ++b)
                    EXPECT_FALSE(overlap(slot.grid, page.places[b].grid));
                if (page.solutions) {
                    EXPECT_LT(slot.grid.width, puzzleSide);
                } else {
                    puzzleSide = slot.grid.width;
                }
            }
        }
    }
}

}  // namespace
}  // namespace quorvel::testing
