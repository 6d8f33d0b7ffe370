#pragma once
// `layoutPrintPage`, the printed page of the active puzzle, as data: the cells on a square lattice
// with their texts, text colours and block shading, the frame around the grid with its block lines,
// letter headings across the top, number headings down the left side, and the title line.
// Everything is in twips from the page's top left corner; the view paints it onto a printer,
// a PDF file or an image.

#include <string>
#include <vector>

#include "application/grid/grid_layout.h"
#include "model/colour.h"
#include "model/grid_kind.h"

namespace quorvel {

class GridWindow;

struct PrintCell {
    TwipRect rect;
    std::string text;
    Colour foreColour = colour::kBlack;
    Colour backColour = colour::kBlack;
};

struct PrintLabel {
    TwipRect rect;
    std::string text;
};

struct PrintPage {
    int widthTwips = 0;
    int heightTwips = 0;
    std::string cellFont = "Tahoma";
    int cellFontPoints = 0;
    std::string headingFont = "MS Sans Serif";
    int headingFontPoints = 10;
    std::vector<PrintCell> cells;  // cell n at index n - 1
    TwipRect frame;                // the frame around the whole grid
    Colour frameColour = colour::kBlack;
    std::vector<TwipLine> blockLines;
    std::vector<PrintLabel> letterHeadings;  // one per column, "A", "B", ...
    std::vector<PrintLabel> numberHeadings;  // one per row, "1", "2", ...
    PrintLabel title;                        // "Puzzle No: ", printed as designed
    Colour titleBackColour = colour::kBlack;
};

// Shading of the printed cells: a block whose block row plus block column (both from 0) is even
// is shaded, the others are white. On 9x9 that shades the corners and the centre block.
bool printBlockShaded(const GridKind& kind, int cell);

// Lays out the page for the given grid window's cells.
PrintPage layoutPrintPage(const GridWindow& window);

}  // namespace quorvel
