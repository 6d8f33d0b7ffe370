// Sue de Coq: where a line meets a block, two or more empty cells hold at least two values more
// than they are cells. With some cells of the rest of the line and some of the rest of the
// block, they make n cells holding only n values, where no value is in both the line's extra
// cells and the block's. Each value then fits once at most (its cells lie in one unit), so each
// is in one of the n cells: the values of the line's part leave the rest of the line, those of
// the block's part the rest of the block. On the 15 x 15 grid a column meets a block in five
// cells. At most four cells are taken from each side, any of them: a cell sharing no value with
// the meeting cells still counts where its values are among those the other cells of its side
// bring (1/5, 2/6 and 5/6 in the line cover one of the meeting cells' values).

#include <algorithm>
#include <bit>
#include <vector>

#include "engines/logic/finders.h"
#include "engines/logic/step_text.h"

namespace quorvel::logic {

namespace {

constexpr int kMostCellsASide = 4;

int countOf(unsigned mask) {
    return std::popcount(mask);
}

struct SueDeCoq {
    const LogicGrid& grid;
    const StepSink& sink;
    int line = 0;
    int block = 0;
    std::vector<int> lineRest{};   // empty cells of the line outside the block
    std::vector<int> blockRest{};  // empty cells of the block outside the line
    std::vector<int> meeting{};    // empty cells in both
    std::vector<int> middle{};     // the chosen cells where the two meet
    unsigned middleValues = 0;
    std::vector<int> lineCells{};
    std::vector<int> blockCells{};

    int surplus() const { return countOf(middleValues) - static_cast<int>(middle.size()); }

    // Adds cells of the line's rest; for each set whose new values leave part of the surplus
    // to the block, looks for the block's part.
    bool chooseLine(std::size_t from, unsigned values) {
        if (!lineCells.empty()) {
            const int taken = static_cast<int>(lineCells.size()) - countOf(values & ~middleValues);
            if (taken >= 1 && taken < surplus() && !chooseBlock(0, values, 0, surplus() - taken))
                return false;
        }
        if (static_cast<int>(lineCells.size()) == kMostCellsASide) return true;
        for (std::size_t i = from; i < lineRest.size(); ++i) {
            const unsigned candidates = grid.candidates(lineRest[i]);
            lineCells.push_back(lineRest[i]);
            const bool goOn = chooseLine(i + 1, values | candidates);
            lineCells.pop_back();
            if (!goOn) return false;
        }
        return true;
    }

    bool chooseBlock(std::size_t from, unsigned lineValues, unsigned values, int needed) {
        // A part that locks goes on growing: a further cell bringing one new value locks too,
        // and takes that value out of the rest of the block.
        if (!blockCells.empty() &&
            static_cast<int>(blockCells.size()) - countOf(values & ~(middleValues | lineValues)) ==
                needed &&
            !report(lineValues, values))
            return false;
        if (static_cast<int>(blockCells.size()) == kMostCellsASide) return true;
        for (std::size_t i = from; i < blockRest.size(); ++i) {
            const unsigned candidates = grid.candidates(blockRest[i]);
            if ((candidates & lineValues) != 0) continue;
            blockCells.push_back(blockRest[i]);
            const bool goOn = chooseBlock(i + 1, lineValues, values | candidates, needed);
            blockCells.pop_back();
            if (!goOn) return false;
        }
        return true;
    }

    bool report(unsigned lineValues, unsigned blockValues) {
        const GridKind& kind = grid.kind();
        const auto lineHeld = static_cast<ValueMask>((middleValues | lineValues) & ~blockValues);
        const auto blockHeld = static_cast<ValueMask>((middleValues | blockValues) & ~lineValues);
        Step step;
        const auto remove = [&](const std::vector<int>& rest, const std::vector<int>& kept,
                                ValueMask values) {
            for (const int cell : rest)
                if (std::find(kept.begin(), kept.end(), cell) == kept.end())
                    for (const int value :
                         valuesOf(static_cast<ValueMask>(grid.candidates(cell) & values)))
                        step.eliminations.push_back({cell, value});
        };
        remove(lineRest, lineCells, lineHeld);
        remove(blockRest, blockCells, blockHeld);
        // The meeting cells left out lie in both units.
        remove(meeting, middle, static_cast<ValueMask>(lineHeld | blockHeld));
        if (step.eliminations.empty()) return true;
        step.cells = middle;
        step.cells.insert(step.cells.end(), lineCells.begin(), lineCells.end());
        step.cells.insert(step.cells.end(), blockCells.begin(), blockCells.end());
        std::sort(step.cells.begin(), step.cells.end());
        step.values = valuesOf(static_cast<ValueMask>(middleValues | lineValues | blockValues));
        step.units = {unitRef(kind, line), unitRef(kind, block)};
        const auto described = [&](const std::vector<int>& cells) {
            std::vector<std::string> names;
            for (const int cell : cells)
                names.push_back(cellWithCandidates(grid, cell));
            return joinWords(names);
        };
        const std::string count = std::to_string(step.cells.size());
        finishStep(kind, step, Technique::SueDeCoq,
                   "in " + unitName(kind, line) + " and " + unitName(kind, block),
                   cellList(kind, middle) + ", where " + unitName(kind, line) + " meets " +
                       unitName(kind, block) + ", hold " +
                       valueList(valuesOf(static_cast<ValueMask>(middleValues))) + "; with " +
                       described(lineCells) + " in the line and " + described(blockCells) +
                       " in the block, these " + count + " cells hold only " + count +
                       " values, none in both the line's cells and the block's, so each value is "
                       "in one of them: " +
                       valueList(valuesOf(lineHeld)) + " within " + unitName(kind, line) + ", " +
                       valueList(valuesOf(blockHeld)) + " within " + unitName(kind, block));
        return sink(std::move(step));
    }

    bool chooseMiddle(std::size_t from) {
        if (middle.size() >= 2 && surplus() >= 2 && !chooseLine(0, 0)) return false;
        for (std::size_t i = from; i < meeting.size(); ++i) {
            const unsigned before = middleValues;
            middle.push_back(meeting[i]);
            middleValues |= grid.candidates(meeting[i]);
            const bool goOn = chooseMiddle(i + 1);
            middle.pop_back();
            middleValues = before;
            if (!goOn) return false;
        }
        return true;
    }
};

}  // namespace

bool findSueDeCoq(const LogicGrid& grid, const StepSink& sink) {
    SueDeCoq search{grid, sink};
    for (int line = 0; line < 2 * grid.side(); ++line) {
        for (int block = 2 * grid.side(); block < 3 * grid.side(); ++block) {
            search.meeting.clear();
            search.lineRest.clear();
            search.blockRest.clear();
            for (const int cell : grid.unitCells(line)) {
                if (grid.value(cell) != 0) continue;
                (grid.blockUnit(cell) == block ? search.meeting : search.lineRest).push_back(cell);
            }
            if (search.meeting.size() < 2) continue;
            for (const int cell : grid.unitCells(block))
                if (grid.value(cell) == 0 && grid.rowUnit(cell) != line &&
                    grid.columnUnit(cell) != line)
                    search.blockRest.push_back(cell);
            search.line = line;
            search.block = block;
            if (!search.chooseMiddle(0)) return false;
        }
    }
    return true;
}

}  // namespace quorvel::logic
