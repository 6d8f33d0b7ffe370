// Unique Rectangles and Hidden Rectangles. Four empty cells at the corners of a rectangle in two
// rows, two columns and two blocks, each holding the values a and b, must not end up holding
// only a and b: the two values could then swap, and a puzzle with one solution has no such
// pair. So the rectangle keeps another value somewhere, and each type reads a deduction from
// where:
//   Type 1  three corners hold only a and b: the fourth loses them.
//   Type 2  two corners in a row or column hold a, b and the same x: one is x, and cells seeing
//           both lose x.
//   Type 3  those two corners hold other values besides a and b: they act as one cell holding
//           one of those values, which can complete a naked subset in the unit they share.
//   Type 4  a or b fits in the unit those two share only in them: they lose the other value.
//   Type 5  two diagonal or three corners hold a, b and the same x: cells seeing all lose x.
//   Type 6  two diagonal corners hold only a and b, and a fits in both rows (or both columns)
//           only at the corners: the other two corners lose a.
//   Hidden  a corner holds only a and b, and a fits in the opposite corner's row and column
//           only at corners: that opposite corner loses b.
// None of them is tried unless the exact counter has shown the grid has one solution.
//
// With missing candidates (an option), a corner may lack a or b, removed earlier: types 1 and 2
// still hold as long as the grid's values alone have one solution, since every candidate removed
// was one no solution of those values has.

#include <algorithm>
#include <array>
#include <bit>
#include <optional>
#include <vector>

#include "engines/logic/finders.h"
#include "engines/logic/links.h"
#include "engines/logic/step_text.h"
#include "engines/logic/subset_chooser.h"
#include "engines/solver/solution_count.h"

namespace quorvel::logic {

namespace {

// Corners 0 (top left), 1 (top right), 2 (bottom left), 3 (bottom right): corner i's row mate
// is i ^ 1, its column mate i ^ 2, its opposite 3 - i.
struct Rectangle {
    std::array<int, 4> corners;
    int a;
    int b;
    ValueMask pair;

    ValueMask extras(const LogicGrid& grid, int i) const {
        return static_cast<ValueMask>(grid.candidates(corners[i]) & ~pair);
    }
};

// Calls visit(rectangle) for every rectangle of empty cells in two rows, two columns and two
// blocks with a corner holding only two values that every corner holds (each type needs one);
// stops when visit returns false. A rectangle is visited from its first such corner only.
// With `missing`, the other corners need only one of the pair each, and one corner at least lacks
// one of them.
template <typename Visit>
bool eachRectangle(const LogicGrid& grid, bool missing, const Visit& visit) {
    const GridKind& kind = grid.kind();
    const int side = grid.side();
    for (int anchor = 1; anchor <= grid.cellCount(); ++anchor) {
        const ValueMask pair = grid.candidates(anchor);
        if (grid.value(anchor) != 0 || std::popcount(static_cast<unsigned>(pair)) != 2) continue;
        const int row = kind.rowOf(anchor);
        const int column = kind.columnOf(anchor);
        // The other corners in the anchor's row and column must hold the pair too.
        const auto holdsPair = [&](int cell) {
            const ValueMask held = grid.candidates(cell) & pair;
            return grid.value(cell) == 0 && (missing ? held != 0 : held == pair);
        };
        for (int otherRow = 1; otherRow <= side; ++otherRow) {
            if (otherRow == row || !holdsPair(kind.cellAt(otherRow, column))) continue;
            for (int otherColumn = 1; otherColumn <= side; ++otherColumn) {
                if (otherColumn == column || !holdsPair(kind.cellAt(row, otherColumn))) continue;
                const int r1 = std::min(row, otherRow);
                const int r2 = std::max(row, otherRow);
                const int c1 = std::min(column, otherColumn);
                const int c2 = std::max(column, otherColumn);
                const std::array corners{kind.cellAt(r1, c1), kind.cellAt(r1, c2),
                                         kind.cellAt(r2, c1), kind.cellAt(r2, c2)};
                const bool sameRowBand = kind.blockOf(corners[0]) == kind.blockOf(corners[2]);
                const bool sameColumnBand = kind.blockOf(corners[0]) == kind.blockOf(corners[1]);
                if (sameRowBand == sameColumnBand) continue;
                bool fits = holdsPair(kind.cellAt(otherRow, otherColumn));
                // An earlier corner holding only the pair visits this rectangle.
                for (std::size_t i = 0; corners[i] != anchor; ++i)
                    fits = fits && grid.candidates(corners[i]) != pair;
                if (missing)
                    fits = fits && std::any_of(corners.begin(), corners.end(), [&](int cell) {
                               return (grid.candidates(cell) & pair) != pair;
                           });
                if (!fits) continue;
                const int a = std::countr_zero(static_cast<unsigned>(pair));
                const int b = std::bit_width(static_cast<unsigned>(pair)) - 1;
                if (!visit(Rectangle{corners, a, b, pair})) return false;
            }
        }
    }
    return true;
}

struct RectangleFinder {
    const LogicGrid& grid;
    const StepSink& sink;
    bool missing = false;  // the rectangles lacking candidates, reported as one technique

    const GridKind& kind() const { return grid.kind(); }

    // The row (when `row`) or column unit of corner i.
    int lineOf(const Rectangle& rect, int i, bool row) const {
        return row ? grid.rowUnit(rect.corners[i]) : grid.columnUnit(rect.corners[i]);
    }

    // True when `value` fits in `unit` only at corners of the rectangle.
    bool onlyAtCorners(const Rectangle& rect, int unit, int value) const {
        for (const int cell : grid.unitCells(unit))
            if (grid.hasCandidate(cell, value) &&
                std::find(rect.corners.begin(), rect.corners.end(), cell) == rect.corners.end())
                return false;
        return true;
    }

    bool report(Technique technique, const Rectangle& rect, Step& step,
                const std::string& reason) const {
        std::erase_if(step.eliminations, [&](const CellValue& removed) {
            return !grid.hasCandidate(removed.cell, removed.value);
        });
        if (step.eliminations.empty()) return true;
        step.cells.assign(rect.corners.begin(), rect.corners.end());
        step.values = {rect.a, rect.b};
        const std::string values = valueList(step.values);
        std::string lacking;
        if (missing) {
            std::vector<int> cells;
            for (const int cell : rect.corners)
                if ((grid.candidates(cell) & rect.pair) != rect.pair) cells.push_back(cell);
            lacking = " (" + cellList(kind(), cells) + " lost one of them before, which no " +
                      "solution of the values needed)";
        }
        finishStep(kind(), step, missing ? Technique::UniqueRectangleMissing : technique,
                   "on " + values + " at " + cellList(kind(), step.cells),
                   "since the puzzle has one solution, " + cellList(kind(), step.cells) +
                       " cannot end up holding only " + values + lacking + ", which could swap; " +
                       reason);
        return sink(std::move(step));
    }

    // The corners holding more than a and b, as indexes.
    std::vector<int> extraCorners(const Rectangle& rect) const {
        std::vector<int> found;
        for (int i = 0; i < 4; ++i)
            if (rect.extras(grid, i) != 0) found.push_back(i);
        return found;
    }

    std::vector<int> cellsOf(const Rectangle& rect, const std::vector<int>& indexes) const {
        std::vector<int> cells;
        for (const int i : indexes)
            cells.push_back(rect.corners[i]);
        return cells;
    }

    bool typeOne(const Rectangle& rect) const {
        const std::vector<int> extra = extraCorners(rect);
        if (extra.size() != 1) return true;
        const int target = rect.corners[extra[0]];
        Step step;
        step.eliminations = {{target, rect.a}, {target, rect.b}};
        std::vector<int> others;
        for (int i = 0; i < 4; ++i)
            if (i != extra[0]) others.push_back(rect.corners[i]);
        return report(Technique::UniqueRectangle1, rect, step,
                      cellList(kind(), others) + " hold nothing else, which leaves " +
                          cellName(kind(), target) + " to take another value");
    }

    // Types 2 and 5: the corners with extras hold the same single extra value x.
    bool sameExtra(const Rectangle& rect, bool adjacent) const {
        const std::vector<int> extra = extraCorners(rect);
        if (extra.size() < 2 || extra.size() > 3) return true;
        const ValueMask x = rect.extras(grid, extra[0]);
        if (std::popcount(static_cast<unsigned>(x)) != 1) return true;
        for (const int i : extra)
            if (rect.extras(grid, i) != x) return true;
        const bool twoAdjacent = extra.size() == 2 && (extra[0] ^ extra[1]) != 3;
        if (twoAdjacent != adjacent) return true;
        const std::vector<int> cells = cellsOf(rect, extra);
        const int value = std::countr_zero(static_cast<unsigned>(x));
        Step step;
        step.eliminations = seenByAll(grid, value, cells, cells);
        std::vector<int> held = {rect.a, rect.b, value};
        std::sort(held.begin(), held.end());
        return report(adjacent ? Technique::UniqueRectangle2 : Technique::UniqueRectangle5, rect,
                      step,
                      cellList(kind(), cells) + " hold only " + valueList(held) +
                          ": one of them is " + std::to_string(value));
    }

    // The units two adjacent corners share: their row or column, and their block when one.
    std::vector<int> sharedUnits(int one, int two) const {
        std::vector<int> units;
        for (const int unit : {grid.rowUnit(one), grid.columnUnit(one), grid.blockUnit(one)})
            if (unit == grid.rowUnit(two) || unit == grid.columnUnit(two) ||
                unit == grid.blockUnit(two))
                units.push_back(unit);
        return units;
    }

    // The two corners with extras when they are adjacent (share a row or column), else empty.
    std::vector<int> adjacentExtras(const Rectangle& rect) const {
        const std::vector<int> extra = extraCorners(rect);
        if (extra.size() != 2 || (extra[0] ^ extra[1]) == 3) return {};
        return cellsOf(rect, extra);
    }

    bool typeThree(const Rectangle& rect) const {
        const std::vector<int> pair = adjacentExtras(rect);
        if (pair.empty()) return true;
        const auto extras = static_cast<ValueMask>(
            (grid.candidates(pair[0]) | grid.candidates(pair[1])) & ~rect.pair);
        for (const int unit : sharedUnits(pair[0], pair[1])) {
            std::vector<int> others;
            for (const int cell : grid.unitCells(unit))
                if (grid.value(cell) == 0 && cell != pair[0] && cell != pair[1])
                    others.push_back(cell);
            if (!nakedSubsets(rect, pair, unit, others, extras)) return false;
        }
        return true;
    }

    // Picks cells of the unit that with the pair's extras make a naked subset (at most four
    // members, the pair counting as one).
    bool nakedSubsets(const Rectangle& rect, const std::vector<int>& pair, int unit,
                      const std::vector<int>& others, ValueMask extras) const {
        std::vector<unsigned> masks;
        for (const int cell : others)
            masks.push_back(grid.candidates(cell));
        return chooseSubsets(
            masks, 3, 4, extras, [&](std::span<const int> picked, unsigned values) {
                if (std::popcount(values) != static_cast<int>(picked.size()) + 1)
                    return Chosen::Grow;
                std::vector<int> chosen;
                for (const int i : picked)
                    chosen.push_back(others[i]);
                Step step;
                for (const int cell : others)
                    if (std::find(chosen.begin(), chosen.end(), cell) == chosen.end())
                        for (const int value :
                             valuesOf(static_cast<ValueMask>(grid.candidates(cell) & values)))
                            step.eliminations.push_back({cell, value});
                std::vector<std::string> described;
                for (const int cell : chosen)
                    described.push_back(cellWithCandidates(grid, cell));
                return report(Technique::UniqueRectangle3, rect, step,
                              "one of " + cellList(kind(), pair) + " holds " +
                                  (std::popcount(static_cast<unsigned>(extras)) == 1 ? ""
                                                                                     : "one of ") +
                                  valueList(valuesOf(extras)) + "; with " + joinWords(described) +
                                  " they hold " +
                                  valueList(valuesOf(static_cast<ValueMask>(values))) +
                                  " between them in " + unitName(kind(), unit))
                           ? Chosen::Enough
                           : Chosen::Stop;
            });
    }

    bool typeFour(const Rectangle& rect) const {
        const std::vector<int> pair = adjacentExtras(rect);
        if (pair.empty()) return true;
        for (const int unit : sharedUnits(pair[0], pair[1]))
            for (const auto& [held, lost] : {std::pair{rect.a, rect.b}, {rect.b, rect.a}}) {
                if (!onlyAtCorners(rect, unit, held)) continue;
                Step step;
                for (const int cell : pair)
                    if (grid.hasCandidate(cell, lost)) step.eliminations.push_back({cell, lost});
                if (!report(Technique::UniqueRectangle4, rect, step,
                            cellList(kind(), pair) + " are the only places for " +
                                std::to_string(held) + " in " + unitName(kind(), unit) +
                                ": one of them is " + std::to_string(held) +
                                ", and if the other were " + std::to_string(lost) +
                                " the four would hold only " +
                                valueList(std::vector{rect.a, rect.b})))
                    return false;
            }
        return true;
    }

    bool typeSix(const Rectangle& rect) const {
        const std::vector<int> extra = extraCorners(rect);
        if (extra.size() != 2 || (extra[0] ^ extra[1]) != 3) return true;
        const std::vector<int> cells = cellsOf(rect, extra);
        for (const auto& [value, other] : {std::pair{rect.a, rect.b}, {rect.b, rect.a}})
            for (const bool rows : {true, false}) {
                // Corners 0 and 3 lie in both rows and both columns of the rectangle.
                if (!onlyAtCorners(rect, lineOf(rect, 0, rows), value) ||
                    !onlyAtCorners(rect, lineOf(rect, 3, rows), value))
                    continue;
                Step step;
                for (const int cell : cells)
                    step.eliminations.push_back({cell, value});
                if (!report(Technique::UniqueRectangle6, rect, step,
                            std::to_string(value) + " fits in " +
                                unitName(kind(), lineOf(rect, 0, rows)) + " and " +
                                unitName(kind(), lineOf(rect, 3, rows)) +
                                " only at the corners: if either of " + cellList(kind(), cells) +
                                " were " + std::to_string(value) +
                                ", both would be, and the other two corners " +
                                std::to_string(other)))
                    return false;
            }
        return true;
    }

    bool hidden(const Rectangle& rect) const {
        for (int i = 0; i < 4; ++i) {
            if (rect.extras(grid, i) != 0) continue;
            const int opposite = 3 - i;
            const int target = rect.corners[opposite];
            const int row = lineOf(rect, opposite, true);
            const int column = lineOf(rect, opposite, false);
            for (const auto& [held, lost] : {std::pair{rect.a, rect.b}, {rect.b, rect.a}}) {
                if (!grid.hasCandidate(target, lost) || !onlyAtCorners(rect, row, held) ||
                    !onlyAtCorners(rect, column, held))
                    continue;
                Step step;
                step.eliminations = {{target, lost}};
                const std::string h = std::to_string(held);
                if (!report(Technique::HiddenRectangle, rect, step,
                            cellWithCandidates(grid, rect.corners[i]) + " holds only " +
                                valueList(std::vector{rect.a, rect.b}) + ", and " + h +
                                " fits in " + unitName(kind(), row) + " and " +
                                unitName(kind(), column) + " only at the corners: if " +
                                cellName(kind(), target) + " were " + std::to_string(lost) +
                                ", its row and column mates would be " + h + " and " +
                                cellName(kind(), rect.corners[i]) + " " + std::to_string(lost)))
                    return false;
            }
        }
        return true;
    }
};

}  // namespace

bool findUniqueRectangle(const LogicGrid& grid, Technique technique, const StepSink& sink) {
    if (!grid.oneSolution()) return true;
    if (technique == Technique::UniqueRectangleMissing) {
        const RectangleFinder finder{grid, sink, true};
        std::optional<bool> uniqueValues;
        return eachRectangle(grid, true, [&](const Rectangle& rect) {
            // Counted once, and only when a rectangle needs it.
            if (!uniqueValues)
                uniqueValues = countSolutions(grid.kind(), grid.values(), 2).count == 1;
            return !*uniqueValues || (finder.typeOne(rect) && finder.sameExtra(rect, true));
        });
    }
    const RectangleFinder finder{grid, sink};
    return eachRectangle(grid, false, [&](const Rectangle& rect) {
        switch (technique) {
            case Technique::UniqueRectangle1:
                return finder.typeOne(rect);
            case Technique::UniqueRectangle2:
                return finder.sameExtra(rect, true);
            case Technique::UniqueRectangle3:
                return finder.typeThree(rect);
            case Technique::UniqueRectangle4:
                return finder.typeFour(rect);
            case Technique::UniqueRectangle5:
                return finder.sameExtra(rect, false);
            case Technique::UniqueRectangle6:
                return finder.typeSix(rect);
            default:
                return finder.hidden(rect);
        }
    });
}

}  // namespace quorvel::logic
