#pragma once
// The order of the first-level guesses. The engine lists each open cell as the text
// "count]cell]candidates" (count = candidates - 1) in a sorted list box, which orders its items
// as text with the "]" separator before any digit. The result: count parts compared as text
// ("10" before "2"), then cell numbers compared as text ("14" before "3", "1" before "14").

#include <vector>

#include "model/units.h"

namespace quorvel {

struct GuessEntry {
    int cell = 0;
    ValueMask candidates = 0;
};

// True when the entry for (count part a, cell a) comes before (count part b, cell b).
bool guessItemBefore(int countA, int cellA, int countB, int cellB);

// Sorts entries into guess order.
void sortGuessEntries(std::vector<GuessEntry>& entries);

}  // namespace quorvel
