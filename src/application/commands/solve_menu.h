#pragma once
// The Assist Solve menu in the windows: Check For Single (F8, button 21), Get Next (F12,
// button 19) and Solve > Mild Attack, Brute Force, Number Crunch (F5, F6, F7), run on the grid
// window the main window shows. The work and the message line come from the same routines that
// `quorvel-tool solve` runs, so the window and the tool end every command with the same line;
// what they show of the outcome (message line and progress, focus, clicks, flash, frame, Stop
// item, Working Hard indicator, Get Next button, drawing freeze) goes straight to the main
// window, the grid window and the Host.

#include "application/commands/grid_setup.h"  // ActiveGridWindow

namespace quorvel {

class Host;
class MainWindow;

// Registers the five commands in the main window's command table.
void registerSolveMenuCommands(MainWindow& mainWindow, Host& host,
                               const ActiveGridWindow& activeGrid);

}  // namespace quorvel
