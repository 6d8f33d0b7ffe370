#pragma once
// The Puzzle Grid menu's Print Booklet: asks with the booklet dialog, collects the puzzles (from
// the grid's database, a puzzle file the user picks, or generated) while the message line counts
// them and Stop can end the work, then prints the pages through the print dialog or writes them
// as a PDF file the user names. Without a printer it offers the PDF file, as Print does.

#include "application/commands/grid_setup.h"  // ActiveGridWindow

namespace quorvel {

class Host;
class MainWindow;
struct ProgramState;

void registerBookletCommand(MainWindow& mainWindow, Host& host, ProgramState& session,
                            const ActiveGridWindow& activeGrid);

}  // namespace quorvel
