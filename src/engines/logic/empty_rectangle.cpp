// Empty Rectangle: a block's candidates for a value all lie in one of its rows or one of its
// columns (the rectangle left empty is the rest of the block). A strong link in a line outside
// the block with one end in that row makes its other end, or the block's column, hold the value:
// the cell where the column meets the other end's row would leave the block without it. The
// block may be 3 x 3 or 3 wide and 5 tall; rows and columns swap roles the same way. Two empty
// rectangles in one block that remove different candidates make a Dual Empty Rectangle, one step.

#include <vector>

#include "engines/logic/finders.h"
#include "engines/logic/links.h"
#include "engines/logic/step_text.h"

namespace quorvel::logic {

namespace {

struct Rectangle {
    int block;
    int row;  // unit numbers of the row and column the block's candidates lie in
    int column;
    std::vector<int> cells;  // the block's candidates
};

// One empty rectangle with one strong link: the step without its name, and the reason in words.
struct Pattern {
    Step step;
    std::string where;
    std::string reason;
};

// Tries the strong links of one direction against the rectangle, calling visit(Pattern&&) for
// each that removes something; stops when visit returns false.
template <typename Visit>
bool tryLinks(const LogicGrid& grid, int value, const Rectangle& rect,
              const std::vector<StrongLink>& links, bool columnLinks, const Visit& visit) {
    const GridKind& kind = grid.kind();
    // For column links: an end in the rectangle's row; the target is where the other end's row
    // meets the rectangle's column. For row links the same with rows and columns swapped.
    const auto lineOf = [&](int cell, bool row) {
        return row ? grid.rowUnit(cell) : grid.columnUnit(cell);
    };
    const int hinge = columnLinks ? rect.row : rect.column;
    for (const StrongLink& link : links) {
        if (grid.blockUnit(link.first) == rect.block || grid.blockUnit(link.second) == rect.block)
            continue;
        for (const auto& [near, far] :
             {std::pair{link.first, link.second}, std::pair{link.second, link.first}}) {
            if (lineOf(near, columnLinks) != hinge) continue;
            const int targetLine = lineOf(far, columnLinks);
            const int crossing = columnLinks ? rect.column : rect.row;
            int target = 0;
            for (const int cell : grid.unitCells(targetLine))
                if (lineOf(cell, !columnLinks) == crossing) target = cell;
            if (grid.blockUnit(target) == rect.block || !grid.hasCandidate(target, value)) continue;
            Step step;
            step.cells = rect.cells;
            step.cells.push_back(link.first);
            step.cells.push_back(link.second);
            step.eliminations = {{target, value}};
            step.values = {value};
            step.units = {unitRef(kind, rect.block), unitRef(kind, link.unit)};
            // If the far end is not the value, the near end is; the block's candidates in the
            // near end's line are not, so those off that line are.
            ChainLink inLine{{{near, value}}, {}, false};
            ChainLink offLine{{}, {}, true};
            for (const int cell : rect.cells)
                (lineOf(cell, columnLinks) == hinge ? inLine.to : offLine.to)
                    .push_back({cell, value});
            offLine.from = inLine.to;
            step.chain = {candidateLink(far, value, near, value, true), inLine, offLine};
            const std::string v = std::to_string(value);
            std::string reason =
                v + " fits in " + unitName(kind, rect.block) + " only within " +
                unitName(kind, rect.row) + " and " + unitName(kind, rect.column) + " (" +
                cellList(kind, rect.cells) + "), and only twice in " + unitName(kind, link.unit) +
                " (" + cellName(kind, link.first) + ", " + cellName(kind, link.second) + "); if " +
                cellName(kind, target) + " were " + v + ", " + cellName(kind, far) +
                " would not be, so " + cellName(kind, near) + " would, leaving " +
                unitName(kind, rect.block) + " no place for " + v;
            if (!visit(Pattern{std::move(step), "on " + v + " in " + unitName(kind, rect.block),
                               std::move(reason)}))
                return false;
        }
    }
    return true;
}

// Calls visit(Pattern&&) for every empty rectangle on `value` with a strong link that removes
// something, block by block; stops when visit returns false.
template <typename Visit>
bool eachEmptyRectangle(const LogicGrid& grid, int value, const Visit& visit) {
    const int side = grid.side();
    Rectangle rect;
    const std::vector<StrongLink> rowLinks = strongLinks(grid, value, 0, side);
    const std::vector<StrongLink> columnLinks = strongLinks(grid, value, side, 2 * side);
    for (int block = 2 * side; block < 3 * side; ++block) {
        rect.block = block;
        rect.cells.clear();
        for (const int cell : grid.unitCells(block))
            if (grid.hasCandidate(cell, value)) rect.cells.push_back(cell);
        if (rect.cells.size() < 2) continue;
        const int firstRow = grid.rowUnit(rect.cells.front());
        const int firstColumn = grid.columnUnit(rect.cells.front());
        bool oneRow = true;
        bool oneColumn = true;
        for (const int cell : rect.cells) {
            oneRow = oneRow && grid.rowUnit(cell) == firstRow;
            oneColumn = oneColumn && grid.columnUnit(cell) == firstColumn;
        }
        // Candidates in one line only are locked candidates, not a rectangle.
        if (oneRow || oneColumn) continue;
        const auto cells = grid.unitCells(block);
        for (const int rowCell : cells) {
            if (grid.columnUnit(rowCell) != grid.columnUnit(cells[0])) continue;
            for (const int columnCell : cells) {
                if (grid.rowUnit(columnCell) != grid.rowUnit(cells[0])) continue;
                rect.row = grid.rowUnit(rowCell);
                rect.column = grid.columnUnit(columnCell);
                bool fits = true;
                for (const int cell : rect.cells)
                    fits = fits &&
                           (grid.rowUnit(cell) == rect.row || grid.columnUnit(cell) == rect.column);
                if (!fits) continue;
                if (!tryLinks(grid, value, rect, columnLinks, true, visit) ||
                    !tryLinks(grid, value, rect, rowLinks, false, visit))
                    return false;
            }
        }
    }
    return true;
}

}  // namespace

bool findEmptyRectangle(const LogicGrid& grid, const StepSink& sink) {
    for (int value = 1; value <= grid.side(); ++value) {
        const bool goOn = eachEmptyRectangle(grid, value, [&](Pattern&& pattern) {
            finishStep(grid.kind(), pattern.step, Technique::EmptyRectangle, pattern.where,
                       pattern.reason);
            return sink(std::move(pattern.step));
        });
        if (!goOn) return false;
    }
    return true;
}

// Two empty rectangles in one block, each removing something the other does not, make one step.
bool findDualEmptyRectangle(const LogicGrid& grid, const StepSink& sink) {
    for (int value = 1; value <= grid.side(); ++value) {
        std::vector<Pattern> found;
        eachEmptyRectangle(grid, value, [&](Pattern&& pattern) {
            found.push_back(std::move(pattern));
            return true;
        });
        for (std::size_t i = 0; i < found.size(); ++i)
            for (std::size_t j = i + 1; j < found.size(); ++j) {
                const Pattern& first = found[i];
                const Pattern& second = found[j];
                // The first unit of each is its block.
                if (first.step.units.front() != second.step.units.front() ||
                    !removesMore(first.step, second.step) || !removesMore(second.step, first.step))
                    continue;
                Step step = joinedSteps(first.step, second.step);
                finishStep(grid.kind(), step, Technique::DualEmptyRectangle, first.where,
                           first.reason + "; and " + second.reason);
                if (!sink(std::move(step))) return false;
            }
    }
    return true;
}

}  // namespace quorvel::logic
