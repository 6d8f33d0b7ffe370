#include "create/generate_puzzle.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>

#include "model/units.h"

namespace quorvel {

namespace {

// The values still to try for one cell, in their list order. Removing a value moves the ones
// after it one position to the front, as cutting it out of the delimited list does.
class ValueList {
  public:
    explicit ValueList(int side) : count_(side) {
        for (int v = 1; v <= side; ++v)
            values_[static_cast<std::size_t>(v - 1)] = v;
    }
    int size() const { return count_; }
    int at(int position) const { return values_[static_cast<std::size_t>(position - 1)]; }
    void remove(int value) {
        auto* end = values_.data() + count_;
        auto* found = std::find(values_.data(), end, value);
        if (found == end) return;
        std::copy(found + 1, end, found);
        --count_;
    }

  private:
    std::array<int, kMaxSide> values_{};
    int count_ = 0;
};

// How each grid kind recovers from repeated dead ends.
struct RestartRule {
    int retriesBeforeLargeRestart;  // a large restart follows once the counter exceeds this
    int rowThreshold;               // rows above this restart part way down the grid
    int rowOffset;                  // start cell = (row - rowOffset) * startFactor
    int startFactor;
};

// Large restarts in a row to the same start cell before the whole grid starts again. Successful
// 15x15 runs need up to a few hundred now and then, but far more mean the cells before the start
// cell admit no solution.
constexpr int kSameLargeRestartLimit = 100;

RestartRule RestartRuleFor(const GridKind& kind) {
    return kind.isNine() ? RestartRule{10, 5, 4, 10} : RestartRule{16, 3, 2, 16};
}

// The draw index: Int(r * m + 0.5) gives 0..m, the last position half as often as the others;
// 0 is drawn again.
int DrawPosition(RandomSource& random, int listSize) {
    int position = 0;
    while (position == 0)
        position = static_cast<int>(std::floor(random.uniform() * listSize + 0.5));
    return position;
}

}  // namespace

std::string generatingRowText(int row) {
    return std::string(kGeneratingRowLead) + std::to_string(row);
}

bool generatePuzzle(GenerationWindow& window, RandomSource& random) {
    Board& board = window.board();
    const GridKind& kind = board.kind();
    const int cells = kind.cellCount();
    const RestartRule rule = RestartRuleFor(kind);
    Session& session = board.session();

    auto clearCells = [&board](int from, int to) {
        for (int cell = from; cell <= to; ++cell)
            board.setCellValue(cell, "");
    };

    clearCells(1, cells);
    int startCell = 1;
    int highestRow = 1;
    int retries = 0;
    int lastLargeStart = 0;
    int sameLargeRestarts = 0;
    std::string progress = generatingRowText(highestRow);

    int cell = startCell;
    bool complete = false;
    while (!complete) {
        if (cell > cells) break;  // the last cell is filled
        ValueList list(kind.side);
        int position = 0;
        bool deadEnd = false;
        bool exhausted = false;
        while (true) {
            if (list.size() == 0) {
                exhausted = true;
                break;
            }
            // The position carries over to the next try and is drawn again only when it has
            // fallen off the end of the shortened list.
            if (position == 0 || position > list.size())
                position = DrawPosition(random, list.size());
            // The candidates of the cell, as candidatesOf in compute mode finds them (the panel
            // describes the cell), without building their text.
            const ValueMask candidates = board.candidateMask(cell);
            board.paintPanelFor(cell);
            if (session.stopRequested) {
                window.blankGrid();
                return false;
            }
            const bool single = candidates != 0 && (candidates & (candidates - 1)) == 0;
            const int value = single ? std::countr_zero(candidates) : list.at(position);
            board.setCellValue(cell, valueText(value));
            if (candidates == 0) {
                deadEnd = true;
                break;
            }
            const ConsistencyResult check = window.checkConsistency(cell, true);
            if (check.complete) {
                complete = true;
                break;
            }
            if (!check.invalid) break;
            board.setCellValue(cell, "");
            list.remove(value);
        }
        if (complete) break;
        if (exhausted) {
            board.setCellValue(cell, "");
            if (cell == 1) {
                cell = startCell;
            } else {
                board.setCellValue(cell - 1, "");
                --cell;
            }
            continue;
        }
        if (!deadEnd) {
            ++cell;
            continue;
        }
        const int row = kind.rowOf(cell);
        if (row > highestRow) {
            highestRow = row;
            progress = generatingRowText(highestRow);
        }
        board.events().messageLine(progress, colour::kBlue, kAlignCentre);
        clearCells(kind.cellAt(row, 1), cell);
        startCell = kind.cellAt(row, 1);
        if (++retries > rule.retriesBeforeLargeRestart) {
            startCell = row > rule.rowThreshold ? (row - rule.rowOffset) * rule.startFactor : 1;
            // The cells before a large restart's start cell stay as they are. When they cannot
            // be completed, every large restart returns to the same cell for ever; after
            // kSameLargeRestartLimit of them in a row the whole grid starts again instead.
            sameLargeRestarts = startCell == lastLargeStart ? sameLargeRestarts + 1 : 1;
            lastLargeStart = startCell;
            if (sameLargeRestarts > kSameLargeRestartLimit) {
                startCell = 1;
                sameLargeRestarts = 0;
            }
            clearCells(startCell, cells);
            retries = 0;
        }
        cell = startCell;
    }

    window.finishGivens(random);
    if (session.stopRequested) {
        window.blankGrid();
        return false;
    }
    session.gradeLevel = session.currentLevel;
    window.gradeAndSave();
    for (int c = 1; c <= cells; ++c) {
        if (!board.cell(c).locked) board.setCellValue(c, "");
    }
    for (int c = 1; c <= cells; ++c)
        window.restoreCellColour(c);
    window.checkConsistency(1, false);
    window.setDrawingMode(0);
    return true;
}

}  // namespace quorvel
