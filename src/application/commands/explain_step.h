#pragma once
// Explain Next Step (F4, Assist Solve): the logic solver's next placement in three presses on an
// unchanged grid, starting from the user's notes when the grid has any (a cell without notes
// keeps every candidate the grid leaves it); notes that took out a value the solution needs are
// named instead and the cell that lacks it is marked. First press: the message line names the first
// step's technique and where
// ("Hidden Single in block 7"; "Naked Pair in row 3: 3 steps lead to the next value" when more
// steps follow) and that step's unit is highlighted. Second: the hint panel shows the steps leading
// to the placement one at a time ("Step 1 of 3", Back and Next), each as its one-sentence summary
// with the whole deduction beneath it for Details to unfold (a chain step's chain one link a line);
// the grid marks only the shown step: its units, pattern cells, the cells that lose candidates,
// its chain, and on the last step the target cell. Third: the eliminations of all the steps cross
// out those notes and the value is typed into the target cell as the user would type it, so the
// consistency check runs and Undo takes both back. A changed grid or another grid window starts
// again at the first press; the next other command clears the marks. On the puzzle Practise a
// Technique made, the technique practised comes ahead of those rated as high or higher
// (MainWindow::practisedTechnique).

#include <cstddef>
#include <deque>
#include <optional>
#include <utility>
#include <vector>

#include "application/commands/grid_setup.h"  // ActiveGridWindow
#include "engines/logic/logic_solver.h"
#include "model/colour.h"

namespace quorvel {

class GridWindow;
class MainWindow;

class ExplainNextStep {
  public:
    explicit ExplainNextStep(MainWindow& mainWindow) : mainWindow_(mainWindow) {}

    void press(GridWindow& window) { act(Action::Press, &window); }
    // Restores the colours of the marked cells and closes the hint panel.
    void clearMarks();
    // The hint panel's buttons: the step after (or before) the one shown, and the details
    // unfolded or folded again. Nothing happens while the panel is closed.
    void turnPage(bool forward) { act(forward ? Action::Next : Action::Back, nullptr); }
    void toggleDetails() { act(Action::Details, nullptr); }

  private:
    enum class Action { Press, Back, Next, Details };
    // Runs the action now, or after the one at work when it arrives during it.
    void act(Action action, GridWindow* window);
    void pressNow(GridWindow& window);
    void turnPageNow(bool forward);
    void toggleDetailsNow();
    void firstStage(GridWindow& window);
    void secondStage(GridWindow& window);
    void showStep(GridWindow& window);
    void restoreCells();
    void thirdStage(GridWindow& window);
    void markUnits(GridWindow& window, const logic::Step& step);
    void mark(GridWindow& window, int cell, Colour backColour);

    MainWindow& mainWindow_;
    GridWindow* window_ = nullptr;               // the grid window the stages belong to
    std::vector<int> values_;                    // and its values after the last press
    std::vector<ValueMask> candidates_;          // and the candidates its notes left then
    logic::OptionalTechniques turnedOn_;         // the path was found with these
    std::optional<logic::Technique> preferred_;  // and this practised technique
    int stage_ = 0;                              // presses done on that grid
    logic::LogicPath path_;
    std::size_t shownStep_ = 0;                   // the step of the path the hint panel shows
    bool detailsOpen_ = false;                    // its details unfolded, kept as the pages turn
    std::vector<std::pair<int, Colour>> marked_;  // cells marked, with their own back colour
    bool acting_ = false;                         // an action is at work
    std::deque<std::pair<Action, GridWindow*>> pending_;  // and these wait for it
};

// Registers Explain Next Step and the clearing of its marks in the main window's command table.
void registerExplainNextStep(MainWindow& mainWindow, const ActiveGridWindow& activeGrid);

}  // namespace quorvel
