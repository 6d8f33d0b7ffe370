// The canonical form of a 9 x 9 puzzle: every drawing of a puzzle gets the same form, which is
// the smallest of them, and other puzzles get other forms.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "model/canonical_form.h"

namespace quorvel::testing {
namespace {

using Values = std::vector<int>;

Values fromLine(const std::string& line) {
    Values values;
    for (const char c : line)
        values.push_back(c == '.' ? 0 : c - '0');
    return values;
}

const Values kPuzzle =
    fromLine("........8..3...4...9..2..6.....79.......612...6.5.2.7...8...5...1.....2.4.5.....3");
// Two empty rows in its first band, an empty column in its middle stack.
const Values kSparse =
    fromLine(".................1.....2.3......3.2...1.4......5....6..3......4.7..8...962...7...");

// The cell (row, column) of the result comes from cell (rows[row], columns[column]).
Values arranged(const Values& values, const std::array<int, 9>& rows,
                const std::array<int, 9>& columns) {
    Values result(81);
    for (int row = 0; row < 9; ++row)
        for (int column = 0; column < 9; ++column)
            result[static_cast<std::size_t>(row * 9 + column)] =
                values[static_cast<std::size_t>(rows[row] * 9 + columns[column])];
    return result;
}

constexpr std::array<int, 9> kSame{0, 1, 2, 3, 4, 5, 6, 7, 8};

Values transposed(const Values& values) {
    Values result(81);
    for (int cell = 0; cell < 81; ++cell)
        result[static_cast<std::size_t>(cell % 9 * 9 + cell / 9)] =
            values[static_cast<std::size_t>(cell)];
    return result;
}

Values relabelled(const Values& values, const std::array<int, 10>& to) {
    Values result;
    for (const int value : values)
        result.push_back(to[static_cast<std::size_t>(value)]);
    return result;
}

TEST(canonicalForm, EveryDrawingOfThePuzzleHasTheSameForm) {
    const std::array<int, 9> rowsSwapped{1, 0, 2, 3, 4, 5, 8, 6, 7};
    const std::array<int, 9> bandsSwapped{6, 7, 8, 0, 1, 2, 3, 4, 5};
    const std::array<int, 9> mixed{5, 3, 4, 8, 7, 6, 2, 0, 1};
    const std::array<int, 10> shifted{0, 2, 3, 4, 5, 6, 7, 8, 9, 1};
    const std::array<int, 10> reversed{0, 9, 8, 7, 6, 5, 4, 3, 2, 1};
    const std::vector<std::pair<const char*, std::function<Values(const Values&)>>> drawings{
        {"values relabelled", [&](const Values& v) { return relabelled(v, shifted); }},
        {"rows within bands", [&](const Values& v) { return arranged(v, rowsSwapped, kSame); }},
        {"bands", [&](const Values& v) { return arranged(v, bandsSwapped, kSame); }},
        {"columns within stacks", [&](const Values& v) { return arranged(v, kSame, rowsSwapped); }},
        {"stacks", [&](const Values& v) { return arranged(v, kSame, bandsSwapped); }},
        {"transposed", transposed},
        {"all at once",
         [&](const Values& v) {
             return relabelled(transposed(arranged(v, mixed, bandsSwapped)), reversed);
         }},
    };
    for (const Values& puzzle : {kPuzzle, kSparse}) {
        const Values form = canonicalForm(puzzle);
        EXPECT_EQ(canonicalForm(form), form) << "the form is a drawing of the puzzle";
        for (const auto& [name, draw] : drawings) {
            const Values drawing = draw(puzzle);
            ASSERT_NE(drawing, puzzle) << name;
            EXPECT_EQ(canonicalForm(drawing), form) << name;
            // No drawing, renumbered in order of first appearance, reads smaller than the form.
            std::array<int, 10> order{};
            int next = 1;
            Values renumbered;
            for (const int value : drawing) {
                if (value != 0 && order[static_cast<std::size_t>(value)] == 0)
                    order[static_cast<std::size_t>(value)] = next++;
                renumbered.push_back(order[static_cast<std::size_t>(value)]);
            }
            EXPECT_LE(form, renumbered) << name;
        }
    }
}

TEST(canonicalForm, OtherPuzzlesHaveOtherForms) {
    Values moved = kPuzzle;
    std::swap(moved[8], moved[7]);  // the 8 moves into the next column of its stack and row
    Values changed = kPuzzle;
    changed[80] = 8;  // the 3 in the last cell becomes an 8
    Values fewer = kPuzzle;
    fewer[80] = 0;
    const Values form = canonicalForm(kPuzzle);
    for (const Values& other : {moved, changed, fewer}) {
        EXPECT_NE(canonicalForm(other), form);
    }
    EXPECT_EQ(canonicalForm(Values(81, 0)), Values(81, 0));
}

}  // namespace
}  // namespace quorvel::testing
