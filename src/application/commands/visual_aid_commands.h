#pragma once
// The Visual Aid menu (Color Number, Show Possibilities as Tip or Panel, Pause Timer, Fill and
// Clear All Notes), the experimental run (toolbar 16..18), Undo and Redo (toolbar 32, 33) with
// one state history per grid window, and the marking aids of the cells and of the 9x9 window's
// marking controls. One object holds their state for the run; `registerCommands` puts its handlers
// into the main window's command table and makes it the main window's history recorder.

#include <map>
#include <string_view>

#include "application/commands/experiment_run.h"
#include "application/grid/cell_mouse.h"
#include "application/grid/marking_controls.h"
#include "application/grid/state_history.h"

namespace quorvel {

class DialogExchange;
class GridWindow;
class Host;
class MainWindow;
struct ProgramState;

class VisualAids : public CellMouseHandler {
  public:
    // `nine` is the 9x9 window, whose marking controls keep their stores in the settings file
    // of the main window's program folder.
    VisualAids(Host& host, MainWindow& mainWindow, DialogExchange& dialogs, GridWindow& nine,
               const ActiveGridWindow& activeGrid);
    VisualAids(const VisualAids&) = delete;
    VisualAids& operator=(const VisualAids&) = delete;

    void registerCommands();

    // Menu items and toolbar steps.
    void PrepareColorNumber();
    void ColorNumber();
    void ShowPossibilitiesTip();
    void ShowPossibilitiesPanel();
    void PauseTimer();
    // Fill All Notes (true) and Clear All Notes (false) on the active grid window, one step of
    // its history.
    void ChangeAllNotes(bool fill);
    // Undo (true) or Redo (false) on the active grid window.
    void StepHistory(bool undo);

    // Cell mouse events of either grid window, forwarded by the views.
    void cellMouseDown(GridWindow& window, int cell, int button) override;
    void cellMouseUp(GridWindow& window, int cell, int button, int shift) override;

    ExperimentRun& experiment() { return experiment_; }
    MarkingControls& nineControls() { return nineControls_; }
    StateHistory& history(const GridWindow& window);

  private:
    Host& host_;
    ProgramState& session_;
    MainWindow& mainWindow_;
    ActiveGridWindow activeGrid_;
    ExperimentRun experiment_;
    MarkingControls nineControls_;
    std::map<std::string_view, StateHistory> histories_;  // by window name
};

}  // namespace quorvel
