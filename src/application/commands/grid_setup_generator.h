#pragma once
// A computer generated puzzle on a grid window: the givens pattern of the level, then
// `generatePuzzle`, which shows the generator's progress, puts its full grid on the window,
// stores it with the window's Grade and Save and keeps only the pattern's cells. The Computer
// Generated Puzzle command runs these two steps (after blanking the grid and emptying the stored
// grids).

#include <cstdint>
#include <memory>
#include <vector>

#include "engines/create/random_source.h"

namespace quorvel {

class DialogExchange;
class GridWindow;
class Host;
class MainWindow;

// Every cell white with blue text, then the point-symmetric pattern of
// `level` (32/30/28/26 cells on the 9x9 grid, 116/114/110/106 on the 15x15 grid, one fewer when
// the centre cell was drawn) marked, locked and red. Returns the marked cells.
std::vector<int> markGivensPattern(GridWindow& window, int level, RandomSource& random);

// `generatePuzzle` on the window; true when the puzzle was made, false when the user stopped it
// (the grid is then blank). session.stopRequested must be clear when it starts.
[[nodiscard]] bool generatePuzzle(GridWindow& window, MainWindow& mainWindow,
                                  DialogExchange& dialogs, RandomSource& random);

// A puzzle made without the window (`givens` of the full grid `solution`, 0 = empty) shown as
// generatePuzzle leaves one: stored with Grade and Save at `level`, the givens locked.
void showGeneratedPuzzle(GridWindow& window, MainWindow& mainWindow, DialogExchange& dialogs,
                         const std::vector<int>& givens, const std::vector<int>& solution,
                         int level);

// A random source seeded from the Host's clock, as the program uses for each generation.
std::unique_ptr<RandomSource> clockSeededRandom(Host& host);

}  // namespace quorvel
