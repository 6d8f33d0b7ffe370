#include "engines/solver/guess_order.h"

#include <algorithm>
#include <bit>
#include <string>

namespace quorvel {

namespace {

// Position of a number's decimal text among the texts of 0..kMaxCells in text order.
const std::vector<int>& textRanks() {
    static const std::vector<int> ranks = [] {
        std::vector<int> numbers(kMaxCells + 1);
        for (int i = 0; i <= kMaxCells; ++i)
            numbers[i] = i;
        std::sort(numbers.begin(), numbers.end(),
                  [](int a, int b) { return std::to_string(a) < std::to_string(b); });
        std::vector<int> rank(kMaxCells + 1);
        for (int i = 0; i <= kMaxCells; ++i)
            rank[numbers[i]] = i;
        return rank;
    }();
    return ranks;
}

}  // namespace

bool guessItemBefore(int countA, int cellA, int countB, int cellB) {
    const std::vector<int>& rank = textRanks();
    if (countA != countB) return rank[countA] < rank[countB];
    return rank[cellA] < rank[cellB];
}

void sortGuessEntries(std::vector<GuessEntry>& entries) {
    std::sort(entries.begin(), entries.end(), [](const GuessEntry& a, const GuessEntry& b) {
        return guessItemBefore(std::popcount(a.candidates) - 1, a.cell,
                               std::popcount(b.candidates) - 1, b.cell);
    });
}

}  // namespace quorvel
