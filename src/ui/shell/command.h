#pragma once
// Every command of the main window that is carried out by another part of the program. The main
// window routes a menu item or toolbar button to the handler registered for its command; a
// command with no handler yet does nothing.

#include <functional>
#include <map>

namespace quorvel {

enum class Command {
    // Puzzle Grid menu.
    Print,
    CreateTextFile,
    ImportTextFile,
    ImportBatch,
    OpenPuzzleFile,
    SavePuzzleAs,
    CopyPuzzle,
    CopyGivens,
    PastePuzzle,
    // Set Puzzle menu.
    BlankGrid,
    LockGrid,
    UnlockGrid,
    CreateOwnPuzzle,
    SaveOwnPuzzle,
    StoreIncompleteEffort,
    GetLastIncompleteEffort,
    OpenComposePage,
    TestScreen,
    QuitCreateOwnPuzzle,
    // Database menu (the level button's right click runs GetPuzzle too).
    GetPuzzle,
    ShowStoredSolution,
    StoreSolution,
    SaveIncompletePuzzle,
    GetIncompletePuzzle,
    ImportCollection,
    DeletePuzzle,
    ComputerGeneratedPuzzle,
    // Assist Solve menu and its Solve submenu (toolbar 19 and 21 run GetNext and CheckForSingle).
    CheckForSingle,
    GetNext,
    MildAttack,
    BruteForce,
    NumberCrunch,
    // The same menus: the commands that use the exact solution counter.
    CheckPuzzle,
    ShowMistakes,
    ExactSolve,
    RatePuzzle,
    // Explain Next Step, and the clearing of its marks that every other command runs first.
    ExplainNextStep,
    ClearExplanationMarks,
    // Visual Aid menu; PrepareColorNumber runs when the menu opens.
    PrepareColorNumber,
    ColorNumber,
    ShowPossibilitiesTip,
    ShowPossibilitiesPanel,
    PauseTimer,
    // Toolbar: experimental run (16, 17, 18), state history (32, 33). EndExperiment is run by a
    // Set Puzzle command while a run is active: the run ends without a question.
    StartExperiment,
    RejectExperiment,
    ConfirmExperiment,
    EndExperiment,
    Undo,
    Redo,
};

// Handlers return true when they changed the program's state. Only the experimental-run buttons
// look at the answer (the pressed button turns grey again when nothing changed); a plain action
// is registered with setAction and counts as a change.
class CommandTable {
  public:
    using Step = std::function<bool()>;
    using Action = std::function<void()>;

    void setStep(Command command, Step step) { handlers_[command] = std::move(step); }
    void setAction(Command command, Action action) {
        handlers_[command] = [action = std::move(action)] {
            action();
            return true;
        };
    }
    void clear(Command command) { handlers_.erase(command); }
    // Runs before every registered command, e.g. to take back what the last one marked.
    void setBeforeEach(Action action) { beforeEach_ = std::move(action); }
    // Runs after every handler (the main window brings what the grid window shows up to date).
    void setAfterEach(Action after) { afterEach_ = std::move(after); }
    bool has(Command command) const { return handlers_.count(command) != 0; }

    // Runs the handler; false when none is registered or it reports no change.
    bool run(Command command) const {
        auto found = handlers_.find(command);
        if (found == handlers_.end()) return false;
        Step step = found->second;  // a copy: the handler may register another one while it runs
        if (beforeEach_) beforeEach_();
        const bool changed = step();
        if (afterEach_) afterEach_();
        return changed;
    }

  private:
    std::map<Command, Step> handlers_;
    Action beforeEach_;
    Action afterEach_;
};

}  // namespace quorvel
