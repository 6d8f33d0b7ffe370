#pragma once
// What a menu item or toolbar button carries: a command that another part of the program carries
// out, or one of the main window's own small actions. The main window routes a command to the
// handler its part registered here (once, at start); a command with no handler does nothing.

#include <cstddef>
#include <functional>
#include <memory>
#include <variant>
#include <vector>

namespace quorvel {

enum class Command {
    // Puzzle Grid menu.
    Print,
    PrintBooklet,
    CreateTextFile,
    ImportTextFile,
    ImportBatch,
    OpenPuzzleFile,
    SavePuzzleAs,
    CopyPuzzle,
    CopyPuzzleWithNotes,
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
    ResumeLastGame,
    PractiseTechnique,
    // Database menu (the level button's right click runs GetPuzzle too).
    GetPuzzle,
    ShowStoredSolution,
    StoreSolution,
    SaveIncompletePuzzle,
    GetIncompletePuzzle,
    ImportCollection,
    DeletePuzzle,
    ComputerGeneratedPuzzle,
    // Assist Solve menu and its Solve submenu (the toolbar runs GetNext and CheckForSingle too).
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
    // The buttons of its hint panel: the step before, the step after, the details folded or not.
    ShowPreviousHintStep,
    ShowNextHintStep,
    ToggleHintDetails,
    // Visual Aid menu; PrepareColorNumber runs when the menu opens.
    PrepareColorNumber,
    ColorNumber,
    ShowPossibilitiesTip,
    ShowPossibilitiesPanel,
    PauseTimer,
    FillAllNotes,
    ClearAllNotes,
    // Help menu: the record of games played.
    ShowStatistics,
    ResetStatistics,
    // The grid aids: the candidate filter, and the user's colouring with its palette button
    // (a left click takes the next colour for cell clicks, a right click puts the colour down).
    FilterValue,
    ClearColouring,
    NextColouringPen,
    PutColouringPenDown,
    // Toolbar: the experimental run and the state history. EndExperiment is run by a Set Puzzle
    // command while a run is active: the run ends without a question.
    StartExperiment,
    RejectExperiment,
    ConfirmExperiment,
    EndExperiment,
    Undo,
    Redo,
    // The kept games: the main window runs these before a command replaces the game on the grid,
    // when the program quits, before another grid takes the screen and after the splash.
    KeepGameBeforeReplacing,
    KeepGameAtQuit,
    SetAsideGame,
    OfferKeptGame,
};

// The commands that put another puzzle on the grid shown, replacing the game it held.
bool replacesGame(Command command);

// The main window's own work, for the items and buttons no other part carries out.
enum class WindowAction {
    OpenNineGrid,     // Puzzle Grid > Nine
    OpenFifteenGrid,  // Puzzle Grid > Fifteen
    // The two grid buttons: the grid opens, no number stays chosen, the level is counted.
    ChooseNineGrid,
    ChooseFifteenGrid,
    OpenBatchPage,
    UniquePuzzlesOnly,
    NotesMode,  // a check mark: typed values become notes
    RemoveNotesOnEntry,
    ShowConflicts,  // a check mark, kept in the options file
    GeneralHelp,
    About,
    Quit,
    Stop,
    StepLevel,  // the level button
    // Visual Aid > Zoom and Theme: each item picks one size or look, checked while it is in use.
    Zoom100,
    Zoom125,
    Zoom150,
    Zoom200,
    ThemeClassic,
    ThemeDark,
    ThemeFollowDesktop,
};

// One place of Puzzle Grid > Open Recent, from 0 (the file opened last).
struct RecentFile {
    std::size_t place = 0;
    bool operator==(const RecentFile&) const = default;
};

// One item of Assist Solve > Optional Techniques, from 0: the optional techniques in the order
// the solver tries them.
struct OptionalTechnique {
    std::size_t place = 0;
    bool operator==(const OptionalTechnique&) const = default;
};

// Nothing (separators, the titles of most drop-downs, the number buttons), a command, an action,
// a recent file or an optional technique.
using Target = std::variant<std::monostate, Command, WindowAction, RecentFile, OptionalTechnique>;

// Handlers return true when they changed the program's state. Only the experimental-run buttons
// look at the answer (the pressed button turns grey again when nothing changed); a plain action
// is registered with setAction and counts as a change.
class CommandTable {
  public:
    using Step = std::function<bool()>;
    using Action = std::function<void()>;

    void setStep(Command command, Step step) {
        slot(command) = std::make_shared<const Handler>(Handler{std::move(step), {}});
    }
    void setAction(Command command, Action action) {
        slot(command) = std::make_shared<const Handler>(Handler{{}, std::move(action)});
    }
    void clear(Command command) { slot(command).reset(); }
    // Runs before every registered command, e.g. to take back what the last one marked.
    void setBeforeEach(Action action) { beforeEach_ = std::move(action); }
    // Runs after every handler (the main window brings what the grid window shows up to date).
    void setAfterEach(Action after) { afterEach_ = std::move(after); }
    bool has(Command command) const { return handler(command) != nullptr; }

    // Runs the handler; false when none is registered or it reports no change.
    bool run(Command command) const {
        // Held while it runs: the handler may register another one for its command.
        const std::shared_ptr<const Handler> held = handler(command);
        if (!held) return false;
        if (beforeEach_) beforeEach_();
        bool changed = true;
        if (held->step) {
            changed = held->step();
        } else {
            held->action();
        }
        if (afterEach_) afterEach_();
        return changed;
    }

  private:
    struct Handler {
        Step step;      // set for a handler that reports whether it changed anything,
        Action action;  // otherwise this, which always counts as a change
    };

    std::shared_ptr<const Handler> handler(Command command) const {
        const auto index = static_cast<std::size_t>(command);
        return index < handlers_.size() ? handlers_[index] : nullptr;
    }
    std::shared_ptr<const Handler>& slot(Command command) {
        const auto index = static_cast<std::size_t>(command);
        if (index >= handlers_.size()) handlers_.resize(index + 1);
        return handlers_[index];
    }

    std::vector<std::shared_ptr<const Handler>> handlers_;  // by command; empty where none
    Action beforeEach_;
    Action afterEach_;
};

}  // namespace quorvel
