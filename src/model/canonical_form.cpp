#include "model/canonical_form.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace quorvel {

namespace {

constexpr int kSide = 9;
constexpr int kCells = kSide * kSide;

// The index of a cell in reading order.
constexpr std::size_t cellIndex(int row, int column) {
    return static_cast<std::size_t>(row) * kSide + static_cast<std::size_t>(column);
}

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
                        for (std::size_t stack = 0; stack < 3; ++stack)
                            for (std::size_t column = 0; column < 3; ++column)
                                order[3 * stack + column] = static_cast<std::uint8_t>(
                                    3 * stacks[stack] + (*within[stack])[column]);
                        all.push_back(order);
                    }
        return all;
    }();
    return orders;
}

// Which source rows and columns are empty: swapping two empty ones (or two empty bands or
// stacks) changes nothing, so of each such set only one order is looked at, the empty ones in
// their source order.
struct EmptyLines {
    std::uint16_t rows = 0;  // bit r: row r has no value
    std::uint16_t columns = 0;

    explicit EmptyLines(const Grid& grid) {
        unsigned filledRows = 0;
        unsigned filledColumns = 0;
        for (int row = 0; row < kSide; ++row)
            for (int column = 0; column < kSide; ++column)
                if (grid[cellIndex(row, column)] != 0) {
                    filledRows |= 1u << row;
                    filledColumns |= 1u << column;
                }
        rows = static_cast<std::uint16_t>(~filledRows & 0x1FFu);
        columns = static_cast<std::uint16_t>(~filledColumns & 0x1FFu);
    }
};

bool emptyBand(std::uint16_t empty, int band) {
    return (empty >> (3 * band) & 7u) == 7u;
}

// True when `order` puts the empty lines of each band and the empty bands in source order.
bool firstOfItsKind(const Line& order, std::uint16_t empty) {
    for (int i = 0; i < kSide; ++i)
        for (int j = i + 1; j < kSide; ++j) {
            const int a = order[static_cast<std::size_t>(i)];
            const int b = order[static_cast<std::size_t>(j)];
            const bool bothEmpty = (empty >> a & 1u) != 0 && (empty >> b & 1u) != 0;
            if (!bothEmpty || a < b) continue;
            if (i / 3 == j / 3) return false;
            if (i % 3 == 0 && j % 3 == 0 && emptyBand(empty, a / 3) && emptyBand(empty, b / 3))
                return false;
        }
    return true;
}

// An arrangement whose first rows are chosen: which grid (as given or transposed), the column
// order, the rows taken so far and the labels their values received.
struct Partial {
    const Grid* grid = nullptr;
    const Line* columns = nullptr;
    std::size_t side = 0;                          // 0 as given, 1 transposed
    std::uint16_t rowsTaken = 0;                   // bit r: source row r is placed
    std::uint8_t lastRow = 0;                      // the source row placed last
    std::array<std::uint8_t, kSide + 1> labels{};  // source value -> new value, 0 unlabelled
    std::uint8_t nextLabel = 1;
};

// The source rows that may come next at result row `row`: the rest of the last row's band, or
// at the start of a band any row of a band not placed yet. Of empty rows in a band, and of empty
// bands, only the first is offered.
std::uint16_t nextRows(const Partial& partial, int row, std::uint16_t empty) {
    std::uint16_t allowed = 0;
    if (row % 3 != 0) {
        allowed = static_cast<std::uint16_t>(7u << (partial.lastRow / 3 * 3));
    } else {
        bool emptyOffered = false;
        for (int band = 0; band < 3; ++band) {
            if ((partial.rowsTaken >> (3 * band) & 7u) != 0) continue;
            if (emptyBand(empty, band)) {
                if (emptyOffered) continue;
                emptyOffered = true;
            }
            allowed |= static_cast<std::uint16_t>(7u << (3 * band));
        }
    }
    allowed = static_cast<std::uint16_t>(allowed & ~partial.rowsTaken);
    std::uint16_t offered = 0;
    for (int band = 0; band < 3; ++band) {
        bool emptyOffered = false;
        for (int source = 3 * band; source < 3 * band + 3; ++source) {
            if ((allowed >> source & 1u) == 0) continue;
            if ((empty >> source & 1u) != 0) {
                if (emptyOffered) continue;
                emptyOffered = true;
            }
            offered |= static_cast<std::uint16_t>(1u << source);
        }
    }
    return offered;
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
            const int value =
                (*next.grid)[cellIndex(source, (*next.columns)[static_cast<std::size_t>(column)])];
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
            const auto value = static_cast<std::uint8_t>(values[cellIndex(row, column)]);
            grids[0][cellIndex(row, column)] = value;
            grids[1][cellIndex(column, row)] = value;
        }

    const std::array<EmptyLines, 2> empty{EmptyLines(grids[0]), EmptyLines(grids[1])};
    std::vector<Partial> partials;
    for (std::size_t side = 0; side < grids.size(); ++side)
        for (const Line& columns : columnOrders())
            if (firstOfItsKind(columns, empty[side].columns))
                partials.push_back({&grids[side], &columns, side});

    std::vector<int> form;
    form.reserve(kCells);
    for (int row = 0; row < kSide; ++row) {
        RowChoice choice;
        for (const Partial& partial : partials) {
            const std::uint16_t allowed = nextRows(partial, row, empty[partial.side].rows);
            for (int source = 0; source < kSide; ++source)
                if ((allowed >> source & 1u) != 0) choice.offer(partial, source);
        }
        form.insert(form.end(), choice.best().begin(), choice.best().end());
        partials = std::move(choice.kept());
    }
    return form;
}

}  // namespace quorvel
