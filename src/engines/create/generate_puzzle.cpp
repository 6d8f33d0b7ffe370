#include "engines/create/generate_puzzle.h"

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

RestartRule restartRuleFor(const GridKind& kind) {
    return kind.isNine() ? RestartRule{10, 5, 4, 10} : RestartRule{16, 3, 2, 16};
}

// The draw index: Int(r * m + 0.5) gives 0..m, the last position half as often as the others;
// 0 is drawn again.
int drawPosition(RandomSource& random, int listSize) {
    int position = 0;
    while (position == 0)
        position = static_cast<int>(std::floor(random.uniform() * listSize + 0.5));
    return position;
}

}  // namespace

std::string generatingRowText(int row) {
    return std::string(kGeneratingRowLead) + std::to_string(row);
}

namespace {

// The grid being filled, with the two questions the fill asks of it.
class FillGrid {
  public:
    explicit FillGrid(const GridKind& kind) : kind_(kind), tables_(unitTables(kind)) {}

    int value(int cell) const { return values_[cell]; }
    void set(int cell, int value) { values_[cell] = static_cast<std::uint8_t>(value); }
    const std::uint8_t* data() const { return values_.data(); }

    // The values the cell's row, column and block leave (the cell's own value counts as taken).
    ValueMask candidates(int cell) const {
        ValueMask taken = 0;
        for (const int unit : unitsOf(cell)) {
            for (int i = 0; i < kind_.side; ++i)
                taken |= static_cast<ValueMask>(1u << values_[tables_.unitCells[unit][i]]);
        }
        return static_cast<ValueMask>(tables_.fullMask & ~taken);
    }
    // True when the cell's value appears again in its row, block or column.
    bool duplicate(int cell) const {
        const int value = values_[cell];
        if (value == 0) return false;
        for (const int unit : unitsOf(cell)) {
            for (int i = 0; i < kind_.side; ++i) {
                const int other = tables_.unitCells[unit][i];
                if (other != cell && values_[other] == value) return true;
            }
        }
        return false;
    }
    // True when every cell holds a value and no unit holds one twice.
    bool complete() const {
        const int count = kind_.cellCount();
        if (std::find(values_.begin() + 1, values_.begin() + count + 1, 0) !=
            values_.begin() + count + 1)
            return false;
        for (int unit = 0; unit < 3 * kind_.side; ++unit) {
            ValueMask seen = 0;
            for (int i = 0; i < kind_.side; ++i)
                seen |= static_cast<ValueMask>(1u << values_[tables_.unitCells[unit][i]]);
            if (seen != tables_.fullMask) return false;
        }
        return true;
    }

  private:
    std::array<int, 3> unitsOf(int cell) const {
        return {static_cast<int>(tables_.rowIndex[cell]), kind_.side * 2 + tables_.blockIndex[cell],
                kind_.side + tables_.columnIndex[cell]};
    }

    const GridKind& kind_;
    const UnitTables& tables_;
    std::array<std::uint8_t, kMaxCells + 1> values_{};
};

}  // namespace

std::optional<std::vector<int>> fillRandomGrid(const GridKind& kind, RandomSource& random,
                                               const ProgramState& session,
                                               const FillHooks& hooks) {
    const int cells = kind.cellCount();
    const RestartRule rule = restartRuleFor(kind);
    FillGrid grid(kind);

    auto clearCells = [&grid](int from, int to) {
        for (int cell = from; cell <= to; ++cell)
            grid.set(cell, 0);
    };

    int startCell = 1;
    int highestRow = 1;
    int retries = 0;
    int lastLargeStart = 0;
    int sameLargeRestarts = 0;

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
                position = drawPosition(random, list.size());
            const ValueMask candidates = grid.candidates(cell);
            if (session.stopRequested) return std::nullopt;
            const bool single = candidates != 0 && (candidates & (candidates - 1)) == 0;
            const int value = single ? std::countr_zero(candidates) : list.at(position);
            grid.set(cell, value);
            if (candidates == 0) {
                deadEnd = true;
                break;
            }
            const bool duplicate = grid.duplicate(cell);
            if (hooks.checked) hooks.checked(cell, grid.data(), duplicate);
            if (!duplicate && grid.complete()) {
                complete = true;
                break;
            }
            if (!duplicate) break;
            grid.set(cell, 0);
            list.remove(value);
        }
        if (complete) break;
        if (exhausted) {
            grid.set(cell, 0);
            if (cell == 1) {
                cell = startCell;
            } else {
                grid.set(cell - 1, 0);
                --cell;
            }
            continue;
        }
        if (!deadEnd) {
            ++cell;
            continue;
        }
        const int row = kind.rowOf(cell);
        highestRow = std::max(highestRow, row);
        if (hooks.deadEnd) hooks.deadEnd(cell, grid.data(), highestRow);
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

    std::vector<int> values(static_cast<std::size_t>(cells));
    for (int c = 1; c <= cells; ++c)
        values[static_cast<std::size_t>(c - 1)] = grid.value(c);
    return values;
}

}  // namespace quorvel
