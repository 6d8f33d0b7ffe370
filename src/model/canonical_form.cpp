#include "model/canonical_form.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace quorvel {

namespace {

constexpr int kSide = 9;
constexpr int kCells = kSide * kSide;

using Grid = std::array<std::uint8_t, kCells>;
using Line = std::array<std::uint8_t, kSide>;

// The 1296 orders of the columns: the stacks in any order, the columns of each stack in any
// order.
const std::vector<Line>& columnOrders() {
    static const std::vector<Line> orders = [] {
        std::vector<std::array<std::uint8_t, 3>> threes;
        std::array<std::uint8_t, 3> three{0, 1, 2};
        do {
            threes.push_back(three);
        } while (std::next_permutation(three.begin(), three.end()));
        std::vector<Line> all;
        for (const auto& stacks : threes)
            for (const auto& first : threes)
                for (const auto& second : threes)
                    for (const auto& third : threes) {
                        const std::array<const std::array<std::uint8_t, 3>*, 3> within{
                            &first, &second, &third};
                        Line order{};
                        for (int stack = 0; stack < 3; ++stack)
                            for (int column = 0; column < 3; ++column)
                                order[static_cast<std::size_t>(3 * stack + column)] =
                                    static_cast<std::uint8_t>(3 * stacks[stack] +
                                                              (*within[stack])[column]);
                        all.push_back(order);
                    }
        return all;
    }();
    return orders;
}

// An arrangement whose first rows are chosen: which grid (as given or transposed), the column
// order, the rows taken so far and the labels their values received.
struct Partial {
    const Grid* grid = nullptr;
    const Line* columns = nullptr;
    std::uint16_t rowsTaken = 0;                   // bit r: source row r is placed
    std::uint8_t lastRow = 0;                      // the source row placed last
    std::array<std::uint8_t, kSide + 1> labels{};  // source value -> new value, 0 unlabelled
    std::uint8_t nextLabel = 1;
};

// The source rows that may come next at result row `row`: the rest of the last row's band, or
// at the start of a band any row of a band not placed yet.
std::uint16_t nextRows(const Partial& partial, int row) {
    std::uint16_t allowed = 0;
    if (row % 3 != 0) {
        allowed = static_cast<std::uint16_t>(7u << (partial.lastRow / 3 * 3));
    } else {
        for (int band = 0; band < 3; ++band)
            if ((partial.rowsTaken >> (3 * band) & 7u) == 0)
                allowed |= static_cast<std::uint16_t>(7u << (3 * band));
    }
    return static_cast<std::uint16_t>(allowed & ~partial.rowsTaken);
}

// The smallest rows found so far for one result row, and the arrangements that give them.
class RowChoice {
  public:
    // Offers `partial` extended by source row `source`; keeps it when its row is as small as the
    // smallest so far.
    void offer(const Partial& partial, int source) {
        Partial next = partial;
        Line row{};
        bool smaller = !found_;
        for (int column = 0; column < kSide; ++column) {
            const int value = (*next.grid)[static_cast<std::size_t>(
                source * kSide + (*next.columns)[static_cast<std::size_t>(column)])];
            std::uint8_t label = 0;
            if (value != 0) {
                auto& known = next.labels[static_cast<std::size_t>(value)];
                if (known == 0) known = next.nextLabel++;
                label = known;
            }
            row[static_cast<std::size_t>(column)] = label;
            if (!smaller) {
                const std::uint8_t best = best_[static_cast<std::size_t>(column)];
                if (label > best) return;
                smaller = label < best;
            }
        }
        if (smaller) {
            kept_.clear();
            best_ = row;
            found_ = true;
        }
        next.rowsTaken |= static_cast<std::uint16_t>(1u << source);
        next.lastRow = static_cast<std::uint8_t>(source);
        kept_.push_back(next);
    }

    const Line& best() const { return best_; }
    std::vector<Partial>& kept() { return kept_; }

  private:
    Line best_{};
    bool found_ = false;
    std::vector<Partial> kept_;
};

}  // namespace

std::vector<int> canonicalForm(std::span<const int> values) {
    std::array<Grid, 2> grids{};  // as given, and transposed
    for (int row = 0; row < kSide; ++row)
        for (int column = 0; column < kSide; ++column) {
            const auto value =
                static_cast<std::uint8_t>(values[static_cast<std::size_t>(row * kSide + column)]);
            grids[0][static_cast<std::size_t>(row * kSide + column)] = value;
            grids[1][static_cast<std::size_t>(column * kSide + row)] = value;
        }

    std::vector<Partial> partials;
    for (const Grid& grid : grids)
        for (const Line& columns : columnOrders())
            partials.push_back({&grid, &columns});

    std::vector<int> form;
    form.reserve(kCells);
    for (int row = 0; row < kSide; ++row) {
        RowChoice choice;
        for (const Partial& partial : partials) {
            const std::uint16_t allowed = nextRows(partial, row);
            for (int source = 0; source < kSide; ++source)
                if ((allowed >> source & 1u) != 0) choice.offer(partial, source);
        }
        form.insert(form.end(), choice.best().begin(), choice.best().end());
        partials = std::move(choice.kept());
    }
    return form;
}

}  // namespace quorvel
