#include "solver/solution_count.h"

#include <array>
#include <bit>

namespace quorvel {
namespace {

using Mask = std::uint16_t;  // bit v-1 stands for value v; 15 values fit

// Unit u: rows are 0..N-1, columns N..2N-1, blocks 2N..3N-1.
struct UnitTables {
    int side = 0;
    std::vector<std::array<int, kMaxSide>> cellsOfUnit;  // 0-based cell indexes
    std::vector<std::array<int, 3>> unitsOfCell;         // row, column and block unit

    explicit UnitTables(const GridKind& kind) : side(kind.side) {
        cellsOfUnit.resize(3 * side);
        unitsOfCell.resize(kind.cellCount());
        std::vector<int> filled(3 * side, 0);
        for (int cell = 1; cell <= kind.cellCount(); ++cell) {
            const std::array<int, 3> units{kind.rowOf(cell) - 1, side + kind.columnOf(cell) - 1,
                                           2 * side + kind.blockOf(cell) - 1};
            unitsOfCell[cell - 1] = units;
            for (int unit : units)
                cellsOfUnit[unit][filled[unit]++] = cell - 1;
        }
    }
};

struct SearchState {
    std::array<std::uint8_t, kMaxCells> value{};
    std::array<Mask, 3 * kMaxSide> used{};  // values present in each unit
    int emptyCount = 0;
};

class ExactSearch {
  public:
    ExactSearch(const GridKind& kind, int limit, std::mt19937_64* random)
        : tables_(kind),
          cellCount_(kind.cellCount()),
          allValues_(static_cast<Mask>((1u << kind.side) - 1)),
          limit_(limit),
          random_(random) {}

    // False when the givens cannot start a search: wrong size, value out of range, a clash.
    bool load(std::span<const int> cells, SearchState& state) const {
        if (static_cast<int>(cells.size()) != cellCount_) return false;
        state.emptyCount = cellCount_;
        for (int index = 0; index < cellCount_; ++index) {
            const int value = cells[index];
            if (value == 0) continue;
            if (value < 0 || value > tables_.side) return false;
            const Mask bit = static_cast<Mask>(1u << (value - 1));
            for (int unit : tables_.unitsOfCell[index]) {
                if (state.used[unit] & bit) return false;
            }
            place(state, index, value);
        }
        return true;
    }

    void search(const SearchState& state) {
        if (result_.count >= limit_) return;
        if (state.emptyCount == 0) {
            if (result_.count++ == 0) {
                result_.firstSolution.assign(state.value.begin(), state.value.begin() + cellCount_);
            }
            return;
        }
        std::array<Mask, kMaxCells> candidates;
        int branchCell = -1;
        Mask branchValues = 0;
        if (!chooseBranch(state, candidates, branchCell, branchValues)) return;

        std::array<int, kMaxSide> order;
        int optionCount = 0;
        for (Mask rest = branchValues; rest != 0; rest &= rest - 1) {
            order[optionCount++] = std::countr_zero(rest) + 1;
        }
        if (random_ != nullptr) shuffle(order.data(), optionCount);
        for (int option = 0; option < optionCount; ++option) {
            SearchState next = state;
            place(next, branchCell, order[option]);
            search(next);
            if (result_.count >= limit_) return;
        }
    }

    SolutionCount result() const { return result_; }

  private:
    Mask candidatesOf(const SearchState& state, int index) const {
        const auto& units = tables_.unitsOfCell[index];
        return allValues_ & ~(state.used[units[0]] | state.used[units[1]] | state.used[units[2]]);
    }

    void place(SearchState& state, int index, int value) const {
        state.value[index] = static_cast<std::uint8_t>(value);
        const Mask bit = static_cast<Mask>(1u << (value - 1));
        for (int unit : tables_.unitsOfCell[index])
            state.used[unit] |= bit;
        --state.emptyCount;
    }

    // Picks the most constrained choice: the empty cell with the fewest candidates, or a value
    // that fits only one cell of a unit. Returns false when the state is a dead end (a cell
    // without candidates, or a value missing from a unit that has no room left for it).
    bool chooseBranch(const SearchState& state, std::array<Mask, kMaxCells>& candidates,
                      int& branchCell, Mask& branchValues) const {
        int fewest = tables_.side + 1;
        for (int index = 0; index < cellCount_; ++index) {
            if (state.value[index] != 0) continue;
            candidates[index] = candidatesOf(state, index);
            const int count = std::popcount(candidates[index]);
            if (count == 0) return false;
            if (count < fewest) {
                fewest = count;
                branchCell = index;
                branchValues = candidates[index];
            }
        }
        if (fewest == 1) return true;
        for (int unit = 0; unit < 3 * tables_.side; ++unit) {
            Mask once = 0;
            Mask twice = 0;
            for (int slot = 0; slot < tables_.side; ++slot) {
                const int index = tables_.cellsOfUnit[unit][slot];
                if (state.value[index] != 0) continue;
                twice |= once & candidates[index];
                once |= candidates[index];
            }
            const Mask missing = allValues_ & ~state.used[unit];
            if ((missing & ~once) != 0) return false;
            const Mask lonely = once & ~twice;
            if (lonely == 0) continue;
            const Mask bit = static_cast<Mask>(lonely & -lonely);
            for (int slot = 0; slot < tables_.side; ++slot) {
                const int index = tables_.cellsOfUnit[unit][slot];
                if (state.value[index] == 0 && (candidates[index] & bit) != 0) {
                    branchCell = index;
                    branchValues = bit;
                    return true;
                }
            }
        }
        return true;
    }

    // Fisher-Yates on the raw engine output, so a seed gives the same order on every platform
    // (the standard distributions may differ between libraries).
    void shuffle(int* items, int count) const {
        for (int last = count - 1; last > 0; --last) {
            const int pick = static_cast<int>((*random_)() % static_cast<std::uint64_t>(last + 1));
            std::swap(items[last], items[pick]);
        }
    }

    UnitTables tables_;
    int cellCount_;
    Mask allValues_;
    int limit_;
    std::mt19937_64* random_;
    SolutionCount result_;
};

}  // namespace

SolutionCount countSolutions(const GridKind& kind, std::span<const int> cells, int limit) {
    ExactSearch search(kind, limit, nullptr);
    SearchState start;
    if (limit > 0 && search.load(cells, start)) search.search(start);
    return search.result();
}

CellValues randomCompleteGrid(const GridKind& kind, std::mt19937_64& random) {
    ExactSearch search(kind, 1, &random);
    SearchState start;
    const CellValues empty(kind.cellCount(), 0);
    search.load(empty, start);
    search.search(start);
    return search.result().firstSolution;
}

}  // namespace quorvel
