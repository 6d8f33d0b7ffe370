// Avoidable Rectangles. Four cells at the corners of a rectangle in two rows, two columns and two
// blocks, none of them a given, must not end up holding a and b crosswise: the two values could
// then swap, and the givens of a puzzle with one solution allow no such pair. Where unique
// rectangles read this from unsolved corners, these read it from corners already filled:
//   Type 1  three corners hold a, b and b (the two b's opposite each other): the fourth corner
//           loses a.
//   Type 2  two corners in a row or column hold a and b; the other two hold only the value that
//           would complete the pattern and the same x: one of them is x, and cells seeing both
//           lose x.
// Neither is tried unless the state has one solution and so have the givens alone.

#include <algorithm>
#include <array>
#include <bit>
#include <optional>
#include <vector>

#include "engines/logic/finders.h"
#include "engines/logic/links.h"
#include "engines/logic/step_text.h"
#include "engines/solver/solution_count.h"

namespace quorvel::logic {

namespace {

class AvoidableFinder {
  public:
    AvoidableFinder(const LogicGrid& grid, const StepSink& sink) : grid_(grid), sink_(sink) {}

    // Three filled corners: `middle` shares a row with `across` and a column with `down`.
    bool typeOne() {
        for (int middle = 1; middle <= grid_.cellCount(); ++middle) {
            if (!filled(middle)) continue;
            const int a = grid_.value(middle);
            for (const int across : lineCells(middle, true)) {
                const int b = grid_.value(across);
                if (!filled(across) || b == a) continue;
                for (const int down : lineCells(middle, false)) {
                    if (!filled(down) || grid_.value(down) != b) continue;
                    const int target = kind().cellAt(kind().rowOf(down), kind().columnOf(across));
                    if (grid_.value(target) != 0 || !grid_.hasCandidate(target, a) ||
                        !twoBlocks(middle, target))
                        continue;
                    if (!uniqueGivens()) return true;
                    Step step;
                    step.eliminations = {{target, a}};
                    if (!report(Technique::AvoidableRectangle1, {middle, across, down, target}, a,
                                b, step,
                                cellName(kind(), middle) + " is " + std::to_string(a) + ", " +
                                    cellName(kind(), across) + " and " + cellName(kind(), down) +
                                    " are " + std::to_string(b) + ", which leaves " +
                                    cellName(kind(), target) + " to take a value other than " +
                                    std::to_string(a)))
                        return false;
                }
            }
        }
        return true;
    }

    // Two filled corners in a line; the open corners beside them, `nextToFirst` needing `second`'s
    // value and `nextToSecond` `first`'s, each hold that value and x only.
    bool typeTwo() {
        for (int first = 1; first <= grid_.cellCount(); ++first) {
            if (!filled(first)) continue;
            for (const bool row : {true, false})
                for (const int second : lineCells(first, row)) {
                    if (second < first || !filled(second) ||
                        grid_.value(second) == grid_.value(first))
                        continue;
                    for (const int nextToFirst : lineCells(first, !row)) {
                        const int nextToSecond =
                            row ? kind().cellAt(kind().rowOf(nextToFirst), kind().columnOf(second))
                                : kind().cellAt(kind().rowOf(second), kind().columnOf(nextToFirst));
                        if (!twoBlocks(first, nextToSecond) ||
                            !tryTypeTwo(first, second, nextToFirst, nextToSecond))
                            return false;
                    }
                }
        }
        return true;
    }

  private:
    const GridKind& kind() const { return grid_.kind(); }

    // A value the solver or the user placed, not a given.
    bool filled(int cell) const { return grid_.value(cell) != 0 && !grid_.given(cell); }

    // The other cells of the cell's row (or column).
    std::vector<int> lineCells(int cell, bool row) const {
        std::vector<int> cells;
        for (const int other : grid_.unitCells(row ? grid_.rowUnit(cell) : grid_.columnUnit(cell)))
            if (other != cell) cells.push_back(other);
        return cells;
    }

    // True when the rectangle with opposite corners `one` and `two` spans exactly two blocks.
    bool twoBlocks(int one, int two) const {
        const int corner = kind().cellAt(kind().rowOf(one), kind().columnOf(two));
        const int other = kind().cellAt(kind().rowOf(two), kind().columnOf(one));
        const bool rowBand = grid_.blockUnit(one) == grid_.blockUnit(other);
        const bool columnBand = grid_.blockUnit(one) == grid_.blockUnit(corner);
        return rowBand != columnBand &&
               grid_.blockUnit(two) == grid_.blockUnit(rowBand ? corner : other);
    }

    bool tryTypeTwo(int first, int second, int nextToFirst, int nextToSecond) {
        const int a = grid_.value(first);
        const int b = grid_.value(second);
        const auto bit = [](int value) { return static_cast<ValueMask>(1u << value); };
        const ValueMask one = grid_.candidates(nextToFirst);
        const ValueMask two = grid_.candidates(nextToSecond);
        if (grid_.value(nextToFirst) != 0 || grid_.value(nextToSecond) != 0 ||
            (one & bit(b)) == 0 || (two & bit(a)) == 0)
            return true;
        const auto x = static_cast<ValueMask>(one & ~bit(b));
        if (std::popcount(static_cast<unsigned>(x)) != 1 || (two & ~bit(a)) != x) return true;
        const int extra = std::countr_zero(static_cast<unsigned>(x));
        Step step;
        step.eliminations = seenByAll(grid_, extra, {nextToFirst, nextToSecond},
                                      {first, second, nextToFirst, nextToSecond});
        if (step.eliminations.empty() || !uniqueGivens()) return true;
        return report(Technique::AvoidableRectangle2, {first, second, nextToFirst, nextToSecond}, a,
                      b, step,
                      cellName(kind(), first) + " is " + std::to_string(a) + " and " +
                          cellName(kind(), second) + " " + std::to_string(b) + "; " +
                          cellWithCandidates(grid_, nextToFirst) + " and " +
                          cellWithCandidates(grid_, nextToSecond) + ": one of them is " +
                          std::to_string(extra));
    }

    // Whether the givens alone have one solution, counted once and only when a pattern needs it.
    bool uniqueGivens() {
        if (!uniqueGivens_) {
            std::vector<int> givens = grid_.values();
            for (int cell = 1; cell <= grid_.cellCount(); ++cell)
                if (!grid_.given(cell)) givens[cell - 1] = 0;
            uniqueGivens_ = countSolutions(kind(), givens, 2).count == 1;
        }
        return *uniqueGivens_;
    }

    bool report(Technique technique, std::array<int, 4> corners, int a, int b, Step& step,
                const std::string& reason) const {
        std::sort(corners.begin(), corners.end());
        step.cells.assign(corners.begin(), corners.end());
        step.values = {std::min(a, b), std::max(a, b)};
        const std::string values = valueList(step.values);
        finishStep(kind(), step, technique, "on " + values + " at " + cellList(kind(), step.cells),
                   "since the puzzle has one solution, " + cellList(kind(), step.cells) +
                       ", none of them a given, cannot end up holding only " + values +
                       ", which could swap; " + reason);
        return sink_(std::move(step));
    }

    const LogicGrid& grid_;
    const StepSink& sink_;
    std::optional<bool> uniqueGivens_;
};

}  // namespace

bool findAvoidableRectangle(const LogicGrid& grid, Technique technique, const StepSink& sink) {
    if (!grid.oneSolution()) return true;
    AvoidableFinder finder(grid, sink);
    return technique == Technique::AvoidableRectangle1 ? finder.typeOne() : finder.typeTwo();
}

}  // namespace quorvel::logic
