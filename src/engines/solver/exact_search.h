#pragma once
// The search behind the exact solution counter, compiled once per grid shape so every loop
// bound and table is a constant.
//
// Each cell keeps its candidates as a bit mask (bit v-1 for value v). Placing a value removes it
// from the cell's peers; a peer left with one candidate is placed in turn (naked single). When
// nothing more follows, each unit is folded to find values that fit only one of its cells
// (hidden single) or none (dead end). The search then branches on the open cell with the fewest
// candidates, copying the small state for each choice.

#include <array>
#include <bit>
#include <cstdint>
#include <random>
#include <span>
#include <utility>
#include <vector>

namespace quorvel::exact {

using Mask = std::uint16_t;  // 15 values fit

template <int Side, int BlockWidth, int BlockHeight>
struct Shape {
    static constexpr int kSide = Side;
    static constexpr int kCells = Side * Side;
    static constexpr int kUnits = 3 * Side;  // rows, then columns, then blocks
    static constexpr int kPeers = 3 * (Side - 1) - (BlockWidth - 1) - (BlockHeight - 1);
    static constexpr Mask kAllValues = static_cast<Mask>((1u << Side) - 1);

    static constexpr int blockOf(int row, int column) {
        return row / BlockHeight * (Side / BlockWidth) + column / BlockWidth;
    }
};

using NineShape = Shape<9, 3, 3>;
using FifteenShape = Shape<15, 3, 5>;

// Cells of each unit, units of each cell and peers of each cell, as 0-based indexes.
template <class S>
struct Tables {
    std::array<std::array<std::uint8_t, S::kSide>, S::kUnits> unitCells{};
    std::array<std::array<std::uint8_t, 3>, S::kCells> cellUnits{};
    std::array<std::array<std::uint8_t, S::kPeers>, S::kCells> peers{};

    constexpr Tables() {
        std::array<int, S::kUnits> filled{};
        for (int cell = 0; cell < S::kCells; ++cell) {
            const int row = cell / S::kSide;
            const int column = cell % S::kSide;
            const int units[3] = {row, S::kSide + column, 2 * S::kSide + S::blockOf(row, column)};
            for (int slot = 0; slot < 3; ++slot) {
                cellUnits[cell][slot] = static_cast<std::uint8_t>(units[slot]);
                unitCells[units[slot]][filled[units[slot]]++] = static_cast<std::uint8_t>(cell);
            }
        }
        for (int cell = 0; cell < S::kCells; ++cell) {
            int count = 0;
            for (int other = 0; other < S::kCells; ++other) {
                if (other == cell) continue;
                bool shares = false;
                for (int a = 0; a < 3; ++a)
                    shares = shares || cellUnits[cell][a] == cellUnits[other][a];
                if (shares) peers[cell][count++] = static_cast<std::uint8_t>(other);
            }
        }
    }
};

template <class S>
inline constexpr Tables<S> kTables{};

inline int countValues(Mask mask) {
    static constexpr auto kByteCounts = [] {
        std::array<std::uint8_t, 256> counts{};
        for (int byte = 0; byte < 256; ++byte)
            counts[byte] = static_cast<std::uint8_t>(std::popcount(static_cast<unsigned>(byte)));
        return counts;
    }();
    return kByteCounts[mask & 0xff] + kByteCounts[mask >> 8];
}

template <class S>
struct State {
    std::array<Mask, S::kCells> candidates;     // open cells: values still possible; placed: 0
    std::array<std::uint8_t, S::kCells> value;  // 0 while open
    std::array<Mask, S::kUnits> placed;         // values placed in each unit
    int open;
};

// Counts solutions up to a limit and keeps the first two. With a random source, the values of
// each branch are tried in an order drawn from it.
template <class S>
class Search {
  public:
    Search(int limit, std::mt19937_64* random) : limit_(limit), random_(random) {}

    // Loads the givens and settles what follows from them. False when there can be no solution:
    // wrong size, a value outside 1..N, givens that clash or a dead end. When `allowed` is not
    // empty, each cell may hold only the values its mask there allows (bit v for value v).
    bool load(std::span<const int> cells, std::span<const std::uint16_t> allowed,
              State<S>& state) const {
        if (static_cast<int>(cells.size()) != S::kCells) return false;
        state.value.fill(0);
        state.placed.fill(0);
        state.open = S::kCells;
        for (int cell = 0; cell < S::kCells; ++cell) {
            const int value = cells[cell];
            if (value == 0) continue;
            if (value < 0 || value > S::kSide) return false;
            const Mask bit = static_cast<Mask>(1u << (value - 1));
            for (const int unit : kTables<S>.cellUnits[cell]) {
                if (state.placed[unit] & bit) return false;
                state.placed[unit] |= bit;
            }
            state.value[cell] = static_cast<std::uint8_t>(value);
            --state.open;
        }
        for (int cell = 0; cell < S::kCells; ++cell) {
            if (state.value[cell] != 0) {
                state.candidates[cell] = 0;
                continue;
            }
            const auto& units = kTables<S>.cellUnits[cell];
            state.candidates[cell] =
                S::kAllValues &
                ~(state.placed[units[0]] | state.placed[units[1]] | state.placed[units[2]]);
            if (!allowed.empty()) state.candidates[cell] &= static_cast<Mask>(allowed[cell] >> 1);
            if (state.candidates[cell] == 0) return false;
        }
        for (int cell = 0; cell < S::kCells; ++cell) {
            const Mask left = state.candidates[cell];
            if (left != 0 && (left & (left - 1)) == 0 && !assign(state, cell, left)) return false;
        }
        return settle(state);
    }

    // Explores every completion of a settled state until the limit is reached.
    void run(State<S>& state) {
        if (state.open == 0) {
            record(state);
            return;
        }
        int branchCell = 0;
        int fewest = S::kSide + 1;
        for (int cell = 0; cell < S::kCells; ++cell) {
            const Mask left = state.candidates[cell];
            if (left == 0) continue;
            const int count = countValues(left);
            if (count < fewest) {
                fewest = count;
                branchCell = cell;
                if (count == 2) break;
            }
        }
        std::array<Mask, S::kSide> order;
        int options = 0;
        for (Mask rest = state.candidates[branchCell]; rest != 0; rest &= rest - 1)
            order[options++] = static_cast<Mask>(rest & -rest);
        if (random_ != nullptr) shuffle(order.data(), options);
        for (int option = 0; option + 1 < options; ++option) {
            State<S> next = state;
            if (assign(next, branchCell, order[option]) && settle(next)) run(next);
            if (count_ >= limit_) return;
        }
        // The last choice needs no copy: nothing reads this state afterwards.
        if (assign(state, branchCell, order[options - 1]) && settle(state)) run(state);
    }

    int count() const { return count_; }
    const std::vector<int>& first() const { return first_; }
    const std::vector<int>& second() const { return second_; }

  private:
    // Places `bit` in `cell` and every naked single that follows. False on a dead end.
    static bool assign(State<S>& state, int cell, Mask bit) {
        std::array<std::uint8_t, S::kCells> pending;
        int waiting = 0;
        state.candidates[cell] = bit;
        pending[waiting++] = static_cast<std::uint8_t>(cell);
        while (waiting > 0) {
            const int at = pending[--waiting];
            const Mask value = state.candidates[at];
            state.candidates[at] = 0;
            state.value[at] = static_cast<std::uint8_t>(std::countr_zero(value) + 1);
            --state.open;
            for (const int unit : kTables<S>.cellUnits[at])
                state.placed[unit] |= value;
            for (const int peer : kTables<S>.peers[at]) {
                Mask left = state.candidates[peer];
                if ((left & value) == 0) continue;
                left = static_cast<Mask>(left & ~value);
                state.candidates[peer] = left;
                if (left == 0) return false;
                if ((left & (left - 1)) == 0) pending[waiting++] = static_cast<std::uint8_t>(peer);
            }
        }
        return true;
    }

    // Places hidden singles (and what follows them) until none is left. False on a dead end:
    // a unit with a value that fits none of its cells.
    static bool settle(State<S>& state) {
        bool placedAny = true;
        while (placedAny && state.open > 0) {
            placedAny = false;
            for (int unit = 0; unit < S::kUnits; ++unit) {
                const auto& cells = kTables<S>.unitCells[unit];
                Mask once = 0;
                Mask twice = 0;
                for (const int cell : cells) {
                    const Mask left = state.candidates[cell];
                    twice |= once & left;
                    once |= left;
                }
                if ((once | state.placed[unit]) != S::kAllValues) return false;
                for (Mask lone = once & ~twice; lone != 0; lone &= lone - 1) {
                    const Mask bit = static_cast<Mask>(lone & -lone);
                    if (state.placed[unit] & bit) continue;  // placed by an earlier single
                    int home = -1;
                    for (const int cell : cells) {
                        if (state.candidates[cell] & bit) home = cell;
                    }
                    if (home < 0 || !assign(state, home, bit)) return false;
                    placedAny = true;
                }
            }
        }
        return true;
    }

    void record(const State<S>& state) {
        std::vector<int>& into = count_ == 0 ? first_ : second_;
        if (count_ < 2) into.assign(state.value.begin(), state.value.end());
        ++count_;
    }

    // Fisher-Yates on the raw engine output, so a seed gives the same order on every platform
    // (the standard distributions may differ between libraries).
    void shuffle(Mask* items, int count) const {
        for (int last = count - 1; last > 0; --last) {
            const int pick = static_cast<int>((*random_)() % static_cast<std::uint64_t>(last + 1));
            std::swap(items[last], items[pick]);
        }
    }

    int limit_;
    std::mt19937_64* random_;
    int count_ = 0;
    std::vector<int> first_;
    std::vector<int> second_;
};

}  // namespace quorvel::exact
