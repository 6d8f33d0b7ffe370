#include "application/print/booklet_plan.h"

#include <algorithm>
#include <array>

namespace quorvel {

namespace {

constexpr std::array<int, 4> kNinePerPage{1, 2, 4, 6};
constexpr std::array<int, 2> kFifteenPerPage{1, 2};

constexpr double kMargin = 40;
constexpr double kTitleHeight = 24;
constexpr double kFooterHeight = 14;
constexpr double kGapBelowTitle = 10;

// Slots per page as columns by rows: one column for one or two grids (portrait paper is tall),
// two columns for four and six, three for nine.
struct Arrangement {
    int columns;
    int rows;
};
Arrangement arrangementFor(int perPage) {
    switch (perPage) {
        case 1:
            return {1, 1};
        case 2:
            return {1, 2};
        case 4:
            return {2, 2};
        case 6:
            return {2, 3};
        default:
            return {3, 3};
    }
}

// The grids of one kind of page: the label line under each grid and the space kept around it.
struct SlotStyle {
    double labelHeight;
    double gap;
};
constexpr SlotStyle kPuzzleSlot{16, 22};
constexpr SlotStyle kSolutionSlot{12, 14};

// The slots of a page holding `count` grids of an arrangement, in reading order. Each grid is
// the largest square its share of the content area holds with its gap and label, in the middle
// of its column, at the top of its row's share of the height: the first row starts right under
// the title, and no empty band opens there when the grids are held by the page's width.
std::vector<PlanSlot> slotsOf(const PageRect& content, Arrangement arrangement,
                              const SlotStyle& style, int firstPuzzle, int count) {
    const double shareWidth = content.width / arrangement.columns;
    const double shareHeight = content.height / arrangement.rows;
    const double side =
        std::min(shareWidth - style.gap, shareHeight - style.gap - style.labelHeight);
    std::vector<PlanSlot> places;
    for (int index = 0; index < count; ++index) {
        const int column = index % arrangement.columns;
        const int row = index / arrangement.columns;
        const double left = content.left + column * shareWidth + (shareWidth - side) / 2;
        const double top = content.top + row * shareHeight;
        places.push_back({firstPuzzle + index,
                          {left, top, side, side},
                          {left, top + side, side, style.labelHeight}});
    }
    return places;
}

void addPages(BookletPlan& plan, const PageRect& content, int perPage, bool solutions,
              int puzzleCount) {
    const SlotStyle& style = solutions ? kSolutionSlot : kPuzzleSlot;
    for (int first = 0; first < puzzleCount; first += perPage) {
        plan.pages.push_back({solutions, slotsOf(content, arrangementFor(perPage), style, first,
                                                 std::min(perPage, puzzleCount - first))});
    }
}

}  // namespace

std::span<const int> perPageChoices(const GridKind& kind) {
    if (kind.isNine()) return kNinePerPage;
    return kFifteenPerPage;
}

int solutionsPerPage(const GridKind& kind) {
    return kind.isNine() ? 9 : 4;
}

BookletPlan planBooklet(const GridKind& kind, const BookletLayout& layout, int puzzleCount) {
    BookletPlan plan;
    plan.paper = sizeOf(layout.paper);
    const double width = plan.paper.width - 2 * kMargin;
    plan.title = {kMargin, kMargin, width, kTitleHeight};
    plan.footer = {kMargin, plan.paper.height - kMargin - kFooterHeight, width, kFooterHeight};
    const double contentTop = kMargin + kTitleHeight + kGapBelowTitle;
    const PageRect content{kMargin, contentTop, width, plan.footer.top - contentTop};
    addPages(plan, content, layout.perPage, false, puzzleCount);
    if (layout.solutions) addPages(plan, content, solutionsPerPage(kind), true, puzzleCount);
    return plan;
}

}  // namespace quorvel
