#pragma once
// The marking controls of the 9x9 window as one object: the pink lines and frames, the clear
// button and the temporary store labels, each flashing when it is used. The view draws them
// (while the window shows its composing controls, except the lines and frames, which stay) and
// forwards their mouse events here.

#include <functional>
#include <vector>

#include "application/grid/pink_lines.h"
#include "application/grid/temporary_stores.h"

namespace quorvel {

class DialogExchange;
class GridWindow;
class Host;
class MainWindowLink;

enum class MarkingControl { None, RowButton, ColumnButton, ClearButton, StoreLabel };

class MarkingControls {
  public:
    MarkingControls(GridWindow& nine, MainWindowLink& mainWindow, DialogExchange& dialogs,
                    Host& host, StoreFile file);

    GridWindow& window() { return window_; }

    // Mouse-up on a row button, a column button and the clear button; click on a store label.
    void rowButtonReleased(int row, int button);
    void columnButtonReleased(int column, int button);
    void clearButtonReleased(int button);
    void storeLabelClicked(int index);
    // Mouse-down on a cell of the 9x9 window: the block frame follows it while the main window's
    // marking switch is on.
    void cellMouseDown(int cell);

    const PinkLines& lines() const { return lines_; }
    // True while the control is in its 150 ms press flash.
    bool flashing(MarkingControl control, int index) const {
        return flashingControl_ == control && flashingIndex_ == index;
    }

    // Called after every change of the controls' state.
    void subscribe(std::function<void()> listener) { listeners_.push_back(std::move(listener)); }

  private:
    void flash(MarkingControl control, int index);
    void changed();

    GridWindow& window_;
    MainWindowLink& mainWindow_;
    DialogExchange& dialogs_;
    Host& host_;
    StoreFile file_;
    PinkLines lines_;
    MarkingControl flashingControl_ = MarkingControl::None;
    int flashingIndex_ = 0;
    std::vector<std::function<void()>> listeners_;
};

}  // namespace quorvel
