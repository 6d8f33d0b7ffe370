#pragma once
// `MainWindow`, the main window: menus and toolbar as data, the message line, the elapsed time, the
// Working Hard and database indicators, and the one grid window it hosts. Every menu item and
// toolbar button arrives here; small commands run here, the others go to the handler that the
// part owning them registered in `commands()`.
//
// The view renders the state below, forwards the user's events to the members named after
// them (`menuOpened`, `menuChosen`, `toolbarClicked`, `resize` ...), drives
// `elapsedTick` every 1000 ms while `elapsedTimerRunning()` and `workingHardTick` every 250 ms
// while `workingHard().timerRunning`, and repaints what `subscribe` reports as changed.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "application/grid/main_window_link.h"
#include "application/grid/state_history.h"
#include "application/host.h"
#include "application/shell/about_window.h"
#include "application/shell/command.h"
#include "application/shell/elapsed_time.h"
#include "application/shell/game_statistics.h"
#include "application/shell/help_window.h"
#include "application/shell/menu_bar.h"
#include "application/shell/toolbar.h"
#include "engines/logic/optional_techniques.h"
#include "model/scope_guard.h"
#include "storage/program_options.h"
#include "storage/settings.h"

namespace quorvel {

class DialogExchange;
class GridChild;
struct ProgramState;

// What changed, so the view repaints only that.
enum class MainWindowChange {
    Menus,
    Toolbar,
    MessageLine,
    Caption,
    ElapsedTime,
    WorkingHard,
    DatabaseIndicator,
    Layout,
    Closed,
    HintPanel,
    Appearance,  // the zoom or the theme
};

// The hint panel of Explain Next Step: the steps leading to the next placement, one at a time,
// each a sentence first with its whole deduction folded beneath it.
struct HintPanel {
    bool shown = false;
    std::string title;    // "Hint for r3c12"
    int step = 0;         // the step shown, from 1
    int stepCount = 0;    // of the steps leading to the placement
    std::string summary;  // the shown step in one sentence
    // Its whole deduction: one implication a line, or for a chain step a line break before each
    // link of the chain.
    std::string details;
    bool detailsOpen = false;  // the details unfolded beneath the summary

    std::string stepLabel() const {
        return "Step " + std::to_string(step) + " of " + std::to_string(stepCount);
    }
    bool canGoBack() const { return step > 1; }
    bool canGoNext() const { return step < stepCount; }
};

// The hint panel's buttons. While the panel shows, PageUp in a cell presses Back and PageDown
// presses Next.
enum class HintPanelButton { Back, Next, Details };

// State changes other parts report; each switches menu items and toolbar buttons on or off.
enum class StateChange {
    GridLockedWithGivens,     // Assist Solve on, the Get Next and Start buttons on
    GridLockedWithoutGivens,  // Assist Solve off, the Get Next button off
    GridUnlockedOrBlanked,    // Assist Solve off, the Get Next button off
    ExperimentStarted,        // Start off, Reject and Confirm on
    ExperimentEnded,          // Start on, Reject and Confirm off
    SetPuzzleCommand,         // Start, Reject and Confirm off
};

struct MessageLine {
    std::string text;
    Colour colour = colour::kBlue;
    Alignment alignment = Alignment::Left;
};

// The Working Hard indicator: a frame with six squares and a highlight that steps from square to
// square while a long operation runs, in twips.
struct WorkingHard {
    bool visible = false;       // tool tip " Working Hard "
    bool timerRunning = false;  // the highlight moves
    int nextSquare = 0;         // the square highlighted next
    int highlightLeft = 0;
    int highlightTop = 0;
    static constexpr int kSquareLeft[6] = {45, 240, 435, 630, 825, 1020};
    static constexpr int kSquareTop = 60;
    static constexpr int kSquareSize = 135;
    static constexpr int kHighlightSize = 225;
};

// Whether the windows repaint as their state changes (see MainWindow::setDrawingMode).
enum class DrawingMode { Normal, Suspended };

class MainWindow : public MainWindowLink {
  public:
    static constexpr const char* kDesignCaption = "Quorvel - V1.06";
    static constexpr const char* kConnectedTip = " Connected to Database ";
    static constexpr const char* kDisconnectedTip = " Database is disconnected ";
    static constexpr const char* kWorkingHardTip = " Working Hard ";

    MainWindow(Host& host, ProgramState& session, DialogExchange& dialogs,
               std::filesystem::path programFolder);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // The two grid windows; must be set before `load`.
    void setGrids(GridChild& nine, GridChild& fifteen);
    // Handlers of the commands other parts carry out.
    CommandTable& commands() { return commands_; }
    // Records a grid window's state for Undo/Redo, and starts its history afresh with the state
    // it shows now (both set by the state history's owner).
    void setHistoryRecorder(std::function<void(GridWindow&, HistoryEdit)> recorder);
    void setHistoryRestarter(std::function<void(GridWindow&)> restarter);
    // A new puzzle is on the window: Undo cannot lead back to what was there before.
    void restartHistory(GridWindow& window);
    // Runs at the first activation (the splash window is set inactive then).
    void setOnFirstActivation(std::function<void()> hook) { onFirstActivation_ = std::move(hook); }
    // The screen mode found at start; closing switches back to it.
    void setOriginalDisplayMode(std::optional<DisplayMode> mode) { originalMode_ = mode; }

    // Notifications: called after each change.
    void subscribe(std::function<void(MainWindowChange)> listener);

    // Window events.
    void load();
    // Activation from within the program (first show, or back from one of its dialogs).
    void activate();
    void resize(bool minimised);
    // Closing the main window (its close box, or Quit answered Yes): the screen mode found at
    // start comes back, the settings are written and the program ends.
    void unload();

    // The drop-down of a menu-bar title is opening: the message line clears and what the title
    // carries runs.
    void menuOpened(const MenuItem& title);
    // A menu item chosen by the user (or its shortcut): runs it when it is effective. The second
    // form chooses the item carrying `target`.
    void menuChosen(const MenuItem& item);
    void menuChosen(const Target& target);
    // Runs what the item carrying `target` carries, in its frame, without the checks and steps
    // of a user's choice.
    void runMenuItem(const Target& target);
    // A puzzle file to open without the file dialog (named on the command line, dropped on the
    // window, chosen from Open Recent): Open Puzzle File runs as the user's choice with `file`
    // as its answer. Text dropped on the window: Paste Puzzle runs with it for the clipboard's.
    void openPuzzleFile(const std::string& file);
    void pasteText(const std::string& text);
    // What Open Puzzle File and Paste Puzzle take instead of asking; nullopt when nothing was
    // handed over (each is taken once).
    std::optional<std::string> takeFileToOpen() { return std::exchange(fileToOpen_, {}); }
    std::optional<std::string> takeTextToPaste() { return std::exchange(textToPaste_, {}); }
    // A puzzle file was opened: it heads Open Recent, and the options file is written. A file
    // that is gone leaves the list.
    void rememberRecentFile(const std::string& file);
    void forgetRecentFile(const std::string& file);
    // A toolbar button clicked by the user (1 left, 2 right mouse button): ignored while the
    // button is hidden or disabled. A left click on a number button with Alt held (`shift`
    // kShiftAlt) highlights that value in the grid, or no longer when it already is.
    void toolbarClicked(const ToolButton& clicked, int mouseButton, int shift = 0);
    void elapsedTick();
    void workingHardTick();

    // Routines other parts call.
    void showMessage(std::string_view text, Colour colour, Alignment alignment) override;
    void pressNumberButton(int number) override;
    void pressLevelButton() override;
    // The grid button of the 9x9 or the 15x15 grid, as if pressed.
    void pressGridButton(bool fifteen);
    // Shows the 9x9 or the 15x15 grid window (Puzzle Grid > Nine, Fifteen).
    void openGrid(bool fifteen);
    void restartElapsedTime();
    // The database indicator shows busy until the returned guard ends.
    ScopeGuard showDatabaseBusy();
    // Suspended stops repainting; Normal resumes it unless session.loadBusy is set.
    void setDrawingMode(DrawingMode mode);
    // Mode 1 until the returned guard ends, then mode 0.
    ScopeGuard suspendDrawing();
    // The Working Hard indicator shows until the returned guard ends.
    ScopeGuard showWorkingHard();
    // The create layout while session.createMode is true, the normal layout otherwise.
    void applyComposeLayout();
    void applyStateChange(StateChange change);
    // The Working Hard indicator (the squares shown and moving) of long operations.
    void setWorkingHard(bool on);
    // The Stop item on the menu bar, shown while a solve runs.
    void setStopItemVisible(bool visible);
    void setGetNextButtonEnabled(bool enabled) { setToolButtonEnabled(Command::GetNext, enabled); }
    // Check mark of "Show Possibilities (Tip)".
    void setTipSwitch(bool checked);
    // Quit: the exit confirmation; Yes keeps the unsaved games and closes everything (nothing
    // closes when they cannot be kept).
    void Quit();
    // Empties the elapsed-time display (blanking the grid).
    void clearElapsedDisplay();
    // The grid no longer shows a stored puzzle: the session forgets it and Delete is disabled.
    void endCurrentPuzzle();

    // Enabling, check marks and captions go through what an item or button carries.
    // setCommandEnabled reaches every menu item and toolbar button carrying `target`;
    // setToolButtonEnabled only the button (the Get Next button is off while Get Next runs and
    // after a grid is locked without givens, while its menu item follows the Assist Solve menu).
    void setCommandEnabled(const Target& target, bool enabled);
    void setToolButtonEnabled(const Target& target, bool enabled);
    // A button's back colour (the colouring palette shows the colour cell clicks give).
    void setToolButtonColour(const Target& target, Colour colour);
    void setMenuEnabled(Menu menu, bool enabled);
    void setCommandChecked(const Target& target, bool checked);
    bool commandChecked(const Target& target) const;
    void setCommandCaption(const Target& target, const std::string& caption);
    // The experimental-run buttons all grey again: none is chosen.
    void clearExperimentChoice();

    // The settings held in memory for the run; `writeSettings` first copies in the values
    // that live elsewhere (levels, elapsed time at compose, the two check marks). A failed write
    // is shown on the message line and the settings go back to those on disk; false then.
    Settings& settings() { return settings_; }
    void loadSettings();
    bool writeSettings();
    // Options kept in their own file beside the settings (read with them); the item carrying an
    // option (Database > Unique Puzzles Only, Visual Aid > Remove Notes On Entry) sets it and
    // writes the file at once, its check mark following.
    const ProgramOptions& options() const { return options_; }
    void setOption(WindowAction item, bool on);
    // The optional techniques the user turned on in Assist Solve > Optional Techniques, which
    // hints, Explain Next Step and Rate Puzzle try besides the others.
    logic::OptionalTechniques optionalTechniques() const;
    // The puzzle Practise a Technique made last (its givens) and the technique it practises.
    // Explain Next Step prefers that technique (logic::explainOrder) while the grid's givens are
    // those: the puzzle stored, kept or fetched again keeps it, any other puzzle (typed, loaded,
    // generated, or none after Clear) does not. Held for the run only.
    void setPractisedPuzzle(std::vector<int> givens, logic::Technique technique);
    std::optional<logic::Technique> practisedTechnique(const std::vector<int>& givens) const;
    // The settings file could not be read and was renamed to `keptAs`: tells the user, then
    // writes the settings held in memory as the fresh file.
    void settingsMovedAside(const std::filesystem::path& keptAs);
    // Visual Aid > Zoom and Theme, kept in the options file: the view scales and colours its
    // windows by these at once. The zoom in use is the one kept, or on a screen too small for
    // it the largest that fits there.
    int zoomPercent() const;
    Theme theme() const { return options_.theme; }

    // State for the view.
    const MenuBar& menus() const { return menus_; }
    const Toolbar& toolbar() const { return toolbar_; }
    const MessageLine& messageLine() const { return message_; }
    const HintPanel& hintPanel() const { return hintPanel_; }
    void setHintPanel(HintPanel panel);
    // A button of the hint panel clicked: ignored while the panel is closed or the button is off.
    void hintPanelClicked(HintPanelButton button);
    const std::string& caption() const { return caption_; }
    const std::string& elapsedLabel() const { return elapsed_.label(); }
    bool elapsedTimerRunning() const { return elapsed_.running(); }
    const WorkingHard& workingHard() const { return workingHard_; }
    bool databaseBusy() const { return databaseBusy_; }
    // True from `load` on: the view shows the window (the Layout change says when).
    bool visible() const { return visible_; }
    int widthTwips() const;
    int heightTwips() const;
    int messageLineWidthTwips() const { return widthTwips() - 2400; }
    bool firstActivate() const { return firstActivate_; }
    double elapsedAtCompose() const { return elapsed_.elapsedAtCompose; }
    void setElapsedAtCompose(double value) { elapsed_.elapsedAtCompose = value; }
    GridChild* activeChild() const { return active_; }
    HelpWindow& helpWindow() { return help_; }
    AboutWindow& aboutWindow() { return about_; }
    const std::filesystem::path& programFolder() const { return programFolder_; }
    // Where the delivered originals are (the help text is read there); until set, the program
    // folder.
    void setShippedFolder(std::filesystem::path folder) { shippedFolder_ = std::move(folder); }
    void setMarkingSwitch(bool on) { markingSwitch_ = on; }

    // MainWindowLink
    bool isActiveChild(const GridWindow& window) const override;
    bool tipSwitchOn() const override;
    bool tipTimerRunning() const override { return elapsed_.running(); }
    bool panelSwitchOn() const override;
    bool markingSwitchOn() const override { return markingSwitch_; }
    bool notesModeOn() const override { return commandChecked(WindowAction::NotesMode); }
    bool removeNotesOnEntry() const override { return options_.removeNotesOnEntry; }
    bool showConflicts() const override { return options_.showConflicts; }
    void setMainTitle(const std::string& title) override;
    void setElapsedTimerRunning(bool running) override;
    void recordHistory(GridWindow& window) override;
    void recordNoteEdit(GridWindow& window, int cell) override;
    void showOtherGrid(const GridWindow& closing) override;
    // Ctrl+Z runs Undo, Ctrl+Y and Ctrl+Shift+Z Redo, as their toolbar buttons do; PageUp and
    // PageDown press the hint panel's Back and Next while it shows.
    bool takeKey(const KeyEvent& event) override;
    bool applicationClosing() const override { return closing_; }
    void gridSolved(const GridWindow& window) override;

    // Help > Statistics: the games played, read with the settings.
    GameStatistics& statistics() { return statistics_; }
    const GameStatistics& statistics() const { return statistics_; }

  private:
    // Runs a command or one of the main window's actions; false when a command had no handler
    // or reported no change.
    bool run(const Target& target);
    bool takeHintPageKey(const KeyEvent& event);
    void runWindowAction(WindowAction action);
    void openRecentFile(std::size_t place);
    // Turns the optional technique of Optional Techniques' place on or off and writes the
    // options file (a failed write is shown and the technique stays as it was).
    void toggleOptionalTechnique(std::size_t place);
    // The Open Recent places as the options list the files; writes the options file when
    // `write` (a failed write is shown and the list stays as it was).
    void setRecentFiles(std::vector<std::string> files, bool write);
    void buttonReleased(ToolButton& button, int mouseButton);
    void scanDatabaseForLevel();
    void flashButton(ToolButton& pressed);
    void stepLevel();
    void chooseNumber(int number);
    void chooseExperimentButton(ToolButton& chosen);
    void runSetPuzzle(const Target& target);
    // What the user chose is about to put another puzzle (or the other grid) in front of them:
    // a game with unsaved entries is kept first, and the message line, which spoke of the grid
    // before, is cleared as opening a menu clears it. False when the game could not be kept: the
    // choice then runs nothing.
    bool prepareForAnotherPuzzle(const Target& target);
    void showHelp();
    // Where the help window may open: the main window's place from the host, or its own size at
    // the origin when the host knows no screen.
    HelpScreen helpScreen();
    void showFileError(const std::string& message);
    void showDatabaseReady();
    void changed(MainWindowChange change);
    // A Zoom or Theme item: written to the options file, checked, and the Appearance change sent.
    void chooseAppearance(WindowAction item);
    void checkAppearanceItems();
    // Whether the main window, frame included, fits the screen's work area at this zoom; true
    // where the screen is not known.
    bool zoomFits(int percent) const;
    // Reads the statistics file; an unreadable one was moved aside and the user is told.
    void loadStatistics();
    // A grid was locked with givens during the command that runs: its game is counted once the
    // command has set the puzzle's level.
    void countStartedGame();

    HintPanel hintPanel_;
    std::vector<int> practisedGivens_;
    std::optional<logic::Technique> practised_;
    Host& host_;
    ProgramState& session_;
    DialogExchange& dialogs_;
    std::filesystem::path programFolder_;
    std::filesystem::path shippedFolder_;
    GridChild* nine_ = nullptr;
    GridChild* fifteen_ = nullptr;
    GridChild* active_ = nullptr;
    CommandTable commands_;
    std::function<void(GridWindow&, HistoryEdit)> historyRecorder_;
    std::function<void(GridWindow&)> historyRestarter_;
    std::function<void()> onFirstActivation_;
    std::vector<std::function<void(MainWindowChange)>> listeners_;
    std::optional<DisplayMode> originalMode_;
    std::optional<std::string> fileToOpen_;
    std::optional<std::string> textToPaste_;

    MenuBar menus_;
    Toolbar toolbar_;
    MessageLine message_;
    std::string caption_ = kDesignCaption;
    ElapsedTime elapsed_;
    WorkingHard workingHard_;
    bool databaseBusy_ = false;
    bool firstActivate_ = false;
    bool minimised_ = false;
    bool closing_ = false;
    bool unloaded_ = false;
    bool visible_ = false;
    bool markingSwitch_ = false;
    // The Show Possibilities (Tip) check mark while a Set Puzzle command has it cleared.
    std::optional<bool> tipMarkDuringSetPuzzle_;
    Settings settings_;
    Settings savedSettings_;  // as last read or written
    ProgramOptions options_;
    GameStatistics statistics_;
    bool gameStarting_ = false;
    HelpWindow help_;
    AboutWindow about_;
};

}  // namespace quorvel
