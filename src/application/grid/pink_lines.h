#pragma once
// The pink lines and boundary frames of the 9x9 window: a row button beside each row and a column
// button above each column toggle the pink line through that row or column (left button) or
// place the band frame around the three rows or columns of the button's band (any other button);
// a mouse-down on a cell while the main window's marking switch is on places the block frame
// around the cell's block; the clear button removes every line and hides both frames. Geometry is
// in twips inside the window.

#include <array>
#include <string>

#include "application/grid/grid_layout.h"

namespace quorvel {

inline constexpr int kPinkLineThickness = 45;
inline constexpr std::string_view kClearLinesToolTip = "Clear All the Pink Lines & Boundaries.";

struct PinkLine {
    bool created = false;
    bool shown = false;
};

struct BoundaryFrame {
    bool visible = false;
    TwipRect rect;
};

class PinkLines {
  public:
    // Mouse-up on a row or column button (1..9).
    void rowButtonUp(int row, int button);
    void columnButtonUp(int column, int button);
    // The clear button (left button only).
    void clearButtonUp(int button);
    // Mouse-down on cell `cell` while the marking switch is on: records the block rectangle and
    // shows the block frame there.
    void cellMouseDown(int cell);

    const PinkLine& rowLine(int row) const { return rows_[Slot(row)]; }
    const PinkLine& columnLine(int column) const { return columns_[Slot(column)]; }
    const BoundaryFrame& bandFrame() const { return bandFrame_; }
    const BoundaryFrame& blockFrame() const { return blockFrame_; }
    // The last block rectangle as "left,top,right,bottom", measured from the first block's frame.
    const std::string& blockRectangle() const { return blockRectangle_; }

  private:
    static std::size_t Slot(int index) { return index >= 1 && index <= 9 ? index : 0; }

    std::array<PinkLine, 10> rows_{};  // element 0 stands for any index off the grid
    std::array<PinkLine, 10> columns_{};
    BoundaryFrame bandFrame_;
    BoundaryFrame blockFrame_;
    std::string blockRectangle_;
};

// Where the controls and lines lie in the 9x9 window.
TwipRect rowButtonRect(int row);
TwipRect columnButtonRect(int column);
TwipRect clearButtonRect();
TwipRect rowLineRect(int row);
TwipRect columnLineRect(int column);

}  // namespace quorvel
