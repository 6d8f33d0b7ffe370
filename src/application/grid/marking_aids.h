#pragma once
// The mouse aids on the cells of both grid windows: Ctrl + left click colours every cell that
// holds the clicked number (a second Ctrl + left click takes the colours off again), Alt + left
// click marks a cell of the pattern being composed, and a plain left click enters the number
// chosen on the main window's toolbar.

#include <array>
#include <string_view>

#include "application/grid/main_window_link.h"
#include "model/colour.h"
#include "model/grid_kind.h"

namespace quorvel {

class GridWindow;

// The colour-number palette: index = cell value 1..15 (entry 0 is unused).
using ColourPalette = std::array<Colour, 16>;
const ColourPalette& paletteOf(const GridKind& kind);
// The palette as one comma-separated text, as the program keeps it.
std::string_view paletteText(const GridKind& kind);
// True when `colour` is one of the palette's colours 1..15: the cell is coloured by number.
bool isPaletteColour(const GridKind& kind, Colour colour);

// Mouse-up with `button` and `shift` on cell `cell` of `window`.
void markCellOnMouseUp(GridWindow& window, MainWindowLink& mainWindow, int cell, int button,
                       int shift);

// Colours every filled cell holding the value of `cell`, or takes the colours off when the cell
// is coloured already. Nothing happens for an empty cell.
void colourNumber(GridWindow& window, int cell);

}  // namespace quorvel
