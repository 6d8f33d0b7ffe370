#pragma once
// The experimental run (toolbar buttons 16, 17 and 18): Start takes a snapshot of every cell and
// its notes and lets the user go on in purple; Reject puts the snapshot back into the open cells
// and the notes as they were; Confirm keeps the guesses as ordinary entries. Each asks first
// ("Experimental Run", OK means Yes) and only applies in its state: Start while no run is active,
// Reject and Confirm while one is.

#include <string>
#include <string_view>
#include <vector>

#include "application/commands/grid_setup.h"  // ActiveGridWindow
#include "model/colouring.h"
#include "model/units.h"

namespace quorvel {

class DialogExchange;
class MainWindow;

inline constexpr std::string_view kExperimentTitle = "Experimental Run";

class ExperimentRun {
  public:
    ExperimentRun(MainWindow& mainWindow, DialogExchange& dialogs, ActiveGridWindow activeGrid);

    // Each returns true when the run's state changed.
    bool Start();
    bool Reject();
    bool Confirm();
    // Ends an active run without a question, as Confirm does (a Set Puzzle command).
    bool End();

    // The snapshot, 1..n: element i is the text cell i had at Start ("" once the run
    // ended). Element 0 is unused.
    const std::vector<std::string>& snapshot() const { return snapshot_; }

  private:
    bool ask(const std::string& prompt);
    void end(GridWindow* window);

    MainWindow& mainWindow_;
    DialogExchange& dialogs_;
    ActiveGridWindow activeGrid_;
    std::vector<std::string> snapshot_;
    std::vector<ValueMask> snapshotNotes_;  // element i: the notes of cell i at Start
    Colouring snapshotColouring_;           // the user's colouring at Start
    // The window the snapshot was taken on and the texts of its givens then: a snapshot goes
    // back only onto the puzzle it was taken from.
    std::string_view snapshotWindow_;
    std::vector<std::string> snapshotGivens_;
};

}  // namespace quorvel
