#pragma once
// Puzzles in the formats other programs use, from the Puzzle Grid menu: Open Puzzle File and
// Paste Puzzle place a puzzle read from a file or the clipboard on the grid of its size, locked
// as Lock Grid locks it, the candidates of a candidate grid's empty cells as their notes; Save
// Puzzle As writes the shown puzzle in the format its file name's suffix names, with the entries
// and notes where the format keeps them, and confirms it (naming what the format could not
// keep); Copy Puzzle and Copy Givens put the grid on the clipboard as a puzzle line, Copy Puzzle
// With Notes as a SadMan file (givens, entries and notes), which Paste Puzzle gives back as it
// was: over the stored puzzle with those givens, that puzzle keeps its number, caption and time.

#include <string_view>

#include "application/commands/grid_setup.h"  // ActiveGridWindow

namespace quorvel {

class DialogExchange;
class MainWindow;

inline constexpr std::string_view kOpenPuzzleFileTitle = "Open Puzzle File";
inline constexpr std::string_view kSavePuzzleFileTitle = "Save Puzzle As";
inline constexpr std::string_view kPuzzleFileFilter =
    "Puzzle Files (*.txt *.sdm *.sdk *.ss *.opensudoku);;All files (*)";

// A file or clipboard text holding several puzzles asks for one by number, or Import All stores
// them all in the database as Database > Import Collection does; text that holds no readable
// puzzle is named in red on the message line, with the line and the problem, and
// changes nothing. The placed puzzle is the current, unsaved puzzle.
// Registers Open Puzzle File, Save Puzzle As, Copy Puzzle, Copy Puzzle With Notes, Copy Givens
// and Paste Puzzle.
void registerPuzzleFileCommands(MainWindow& mainWindow, DialogExchange& dialogs,
                                const ActiveGridWindow& activeGrid);

}  // namespace quorvel
