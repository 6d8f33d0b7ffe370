#pragma once
// The design geometry of the two grid windows, in twips. The pitch between cells is fixed; the
// rest is this program's own layout.

#include <vector>

#include "model/grid_kind.h"

namespace quorvel {

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct TwipLine {
    int x1, y1, x2, y2;
};

struct GridLayout {
    int windowWidth;
    int windowHeight;
    int cell1Left;
    int cell1Top;
    int cellWidth;
    int cellHeight;
    int pitchAcross;
    int pitchDown;
};

const GridLayout& layoutOf(const GridKind& kind);

// Where cell `cell` lies inside its window.
TwipRect cellRect(const GridKind& kind, int cell);
// The focus frame drawn around a cell: 45 twips outside its top-left corner.
TwipRect focusFrameAround(const GridKind& kind, int cell);
// The block boundary lines, drawn midway in the gaps between blocks.
std::vector<TwipLine> blockLines(const GridKind& kind);

}  // namespace quorvel
