#pragma once
// The Assist Solve menu in the windows: Check For Single (F8, button 21), Get Next (F12,
// button 19) and Solve > Mild Attack, Brute Force, Number Crunch (F5, F6, F7), run on the grid
// window the main window shows. The work and the message line come from the same routines that
// `quorvel-tool solve` runs, so the window and the tool end every command with the same line;
// the grid window forwards the engine's progress, Stop item, Working Hard indicator and drawing
// freeze to the main window and the Host.

#include <functional>

#include "ui/commands/grid_setup.h"  // ActiveGridWindow

namespace quorvel {

class GridWindow;
class MainWindow;

// Which Assist Solve command to run.
enum class SolveMenuItem { CheckForSingle, GetNext, MildAttack, BruteForce, NumberCrunch };

// Runs one Assist Solve command on `window`.
void RunSolveMenuItem(GridWindow& window, SolveMenuItem item);

// Registers the five commands in the main window's command table.
void registerSolveMenuCommands(MainWindow& mainWindow, ActiveGridWindow activeGrid);

}  // namespace quorvel
