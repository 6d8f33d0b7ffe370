#include "application/grid/marking_controls.h"

#include "application/grid/grid_window.h"
#include "application/grid/main_window_link.h"
#include "application/grid/marking_aids.h"
#include "application/host.h"

namespace quorvel {

MarkingControls::MarkingControls(GridWindow& nine, MainWindowLink& mainWindow,
                                 DialogExchange& dialogs, Host& host, StoreFile file)
    : window_(nine),
      mainWindow_(mainWindow),
      dialogs_(dialogs),
      host_(host),
      file_(std::move(file)) {}

void MarkingControls::rowButtonReleased(int row, int button) {
    flash(MarkingControl::RowButton, row);
    lines_.rowButtonUp(row, button);
    changed();
}

void MarkingControls::columnButtonReleased(int column, int button) {
    flash(MarkingControl::ColumnButton, column);
    lines_.columnButtonUp(column, button);
    changed();
}

void MarkingControls::clearButtonReleased(int button) {
    if (button != kMouseLeft) return;
    flash(MarkingControl::ClearButton, 0);
    lines_.clearButtonUp(button);
    changed();
}

void MarkingControls::storeLabelClicked(int index) {
    if (index < 0 || index >= kStoreLabelCount) return;
    flash(MarkingControl::StoreLabel, index);
    quorvel::storeLabelClicked(window_, mainWindow_, dialogs_, file_, index);
}

void MarkingControls::cellMouseDown(int cell) {
    if (!mainWindow_.markingSwitchOn()) return;
    lines_.cellMouseDown(cell);
    changed();
}

void MarkingControls::flash(MarkingControl control, int index) {
    flashingControl_ = control;
    flashingIndex_ = index;
    changed();
    host_.processEvents();
    host_.sleepMs(kFlashMs);
    flashingControl_ = MarkingControl::None;
    flashingIndex_ = 0;
    changed();
}

void MarkingControls::changed() {
    for (const auto& listener : listeners_)
        listener();
}

}  // namespace quorvel
