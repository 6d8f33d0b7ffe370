#pragma once
// Assist Solve > Check Puzzle (F11), Show Mistakes (Shift+F11) and Rate Puzzle, Solve > Exact
// Solve (Shift+F7) in the windows: the exact-counter commands of
// application/commands/exact_commands.h on the grid window the main window shows. Check Puzzle
// marks the cells where two solutions differ, Show Mistakes the entries that differ from the
// solution, each in its own back colour; the next command of the main window takes the marks back.

#include "application/commands/grid_setup.h"  // ActiveGridWindow

namespace quorvel {

class MainWindow;

void registerExactCommands(MainWindow& mainWindow, const ActiveGridWindow& activeGrid);

}  // namespace quorvel
