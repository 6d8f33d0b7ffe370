#pragma once
// Blank Grid, Lock Grid and Unlock Grid: the routines that put a grid window into a known state.
// The Set Puzzle menu runs them as commands on the window the main window shows (inside the
// main window's Set Puzzle frame); the database commands, the generator and the composer call
// them directly on the window they fill.

#include <functional>
#include <optional>
#include <vector>

#include "model/colouring.h"
#include "model/grid_kind.h"
#include "model/units.h"

namespace quorvel {

class GridWindow;
class MainWindow;

// The grid window the main window shows, or nullptr while none is open.
using ActiveGridWindow = std::function<GridWindow*()>;

// Every cell gets its resting back colour, an empty text in red, no notes and is unlocked; the
// caption label (the puzzle-number label) is emptied unless `keepLabel` (the database commands
// write it afterwards). The focus goes to cell 1, the consistency check runs, composeMode becomes
// true and the status shows the grid incomplete. Assist Solve and Get Next are disabled, the
// elapsed-time display is emptied and its timer stops.
void blankGrid(GridWindow& window, MainWindow& mainWindow, bool keepLabel);

// Every filled cell becomes a given (red, locked), every empty cell an open cell (blue,
// unlocked); each cell's text is written into the value tables. With at least one given,
// Assist Solve, Get Next and the experimental-run button are enabled, otherwise Assist Solve
// and Get Next are disabled. The elapsed time restarts, composeMode becomes false, and the
// state history starts afresh with the locked puzzle. Returns the number of givens.
// A cell whose text is not a value of the grid (out of range or not a number) is named in an
// "Invalid Data." message and nothing is locked (nullopt): such a text never becomes a given.
std::optional<int> lockGrid(GridWindow& window, MainWindow& mainWindow);

// Every cell blue and editable with its value kept; Store Incomplete Effort, Quit Create My Su
// Doku, Assist Solve and Get Next are disabled; composeMode becomes true.
void unlockGrid(GridWindow& window, MainWindow& mainWindow);

// Puts a puzzle on the grid of its kind, switching grids as the grid buttons do: the givens
// (index 0 is cell 1, 0 = none) locked as Lock Grid locks them, then the entries and the notes
// (element n for cell n) in the open cells, and the state history starts from there. The grid then
// shows no stored puzzle. Returns the window, nullptr when the grid of that kind could not be
// shown.
GridWindow* showPuzzle(MainWindow& mainWindow, const ActiveGridWindow& activeGrid,
                       const GridKind& kind, const std::vector<int>& givens,
                       const std::vector<int>& entries, const NoteMasks& notes = {},
                       const Colouring& colouring = {});

// Registers Blank Grid, Lock Grid and Unlock Grid of the Set Puzzle menu in the main window's
// command table. The main window runs them inside its Set Puzzle frame.
void registerGridSetupCommands(MainWindow& mainWindow, const ActiveGridWindow& activeGrid);

}  // namespace quorvel
