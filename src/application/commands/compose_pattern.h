#pragma once
// The cells of a puzzle the user composes on the 9x9 window: plain cells (white, blue text) and
// exposed cells (the marked background, red text) whose values the user chooses. `composePattern`
// lays out a random point-symmetric pattern of exposed cells; the example pattern of Test Screen
// and the restore of a stored unfinished composition set the same two states.

#include <array>
#include <string>
#include <vector>

namespace quorvel {

class GridWindow;
class MainWindow;
class RandomSource;

// The example composition of Test Screen: 28 exposed cells, and four of them showing "7".
inline constexpr std::array<int, 28> kTestScreenPattern = {3,  7,  11, 14, 17, 19, 22, 24, 27, 30,
                                                           32, 34, 38, 40, 42, 44, 48, 50, 52, 55,
                                                           58, 60, 63, 65, 68, 71, 75, 79};
inline constexpr std::array<int, 4> kTestScreenSevens = {54, 17, 32, 38};

// White back, blue text.
void markPlain(GridWindow& window, int cell);
// The marked background, red text.
void markExposed(GridWindow& window, int cell);

// Blanks the 9x9 window (keeping its caption label when `keepLabel`), makes every cell plain and
// marks `exposedCount` cells exposed in point-symmetric pairs: a cell k in 1..80 at random (a
// cell already exposed is drawn again), then, while the count is still short, its mirror
// 82 - k. The centre cell 41 is its own mirror and counts twice, and an odd count leaves its
// last cell without a mirror. The four stored grids of the 9x9 window are emptied. Returns the
// distinct exposed cells in the order they were marked.
std::vector<int> composePattern(GridWindow& nine, MainWindow& mainWindow, int exposedCount,
                                RandomSource& random, bool keepLabel);

// Puts a stored unfinished composition (givens # values # pattern, as Store Incomplete Effort
// keeps it) back on the 9x9 window: every cell takes its value and becomes editable, exposed
// where the pattern says "L" and plain elsewhere. False, with the window untouched, when the
// text holds no composition for 81 cells.
bool restoreEffort(GridWindow& nine, const std::string& effortText);

}  // namespace quorvel
