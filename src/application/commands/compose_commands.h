#pragma once
// Composing a puzzle of one's own on the 9x9 window, the Set Puzzle menu's items from Create My
// Su Doku to Quit Create My Su Doku. The main window runs each inside its Set Puzzle frame.
// While composing (session.createMode) the main window keeps its create layout: 8000 twips wide,
// the toolbar reduced, the 9x9 window's composing controls shown.

#include <functional>
#include <memory>
#include <optional>
#include <string_view>

namespace quorvel {

class DialogExchange;
class GridWindow;
class MainWindow;
class RandomSource;
struct ProgramState;

// The page about composing number puzzles that "Open sudoko01.html" opens.
inline constexpr std::string_view kComposePage =
    "https://en.wikipedia.org/wiki/Mathematics_of_Sudoku";
inline constexpr std::string_view kComposePrompt = "Number of Exposed Cells?";
inline constexpr int kComposeDefaultExposed = 26;

// Mouse-ups the composer gives the 9x9 window's row and column buttons and its clear button;
// the index is 1..9 and the mouse button 1 (left). Unset functions
// are skipped.
struct ComposingButtons {
    std::function<void(int column, int button)> columnUp;
    std::function<void(int row, int button)> rowUp;
    std::function<void(int button)> clearUp;
};

class ComposeCommands {
  public:
    ComposeCommands(MainWindow& mainWindow, DialogExchange& dialogs, GridWindow& nine,
                    ComposingButtons buttons);

    // The draws of the pattern; without one, each pattern seeds a source from the clock.
    void setRandomSource(std::shared_ptr<RandomSource> random) { random_ = std::move(random); }

    // Asks "My Su Doku." for the number of exposed cells (20..30, kept in the settings), then
    // enters composing and lays out a fresh pattern. Cancel changes nothing.
    void createOwnPuzzle();
    // Grades the composition and stores it as a puzzle of the 9x9 database.
    void gradeAndSave();
    // Keeps the unfinished composition in the settings; 8 becomes the chosen number.
    void StoreIncompleteEffort();
    // Enters composing with the stored unfinished composition; "Nothing to do!" and back to the
    // normal layout when none is stored.
    void GetLastIncompleteEffort();
    void OpenComposePage();
    // Enters composing with the example pattern, four "7"s and the composing buttons pressed.
    void TestScreen();
    // Leaves composing: normal layout, blank 9x9 grid, timer stopped, settings written.
    void quitCreateOwnPuzzle();

  private:
    void enterCreateLayout();
    void showNine();

    MainWindow& mainWindow_;
    DialogExchange& dialogs_;
    GridWindow& nine_;
    ProgramState& session_;
    ComposingButtons buttons_;
    std::shared_ptr<RandomSource> random_;
    // The number the user had chosen before Store Incomplete Effort chose 8 for them, while 8
    // is still chosen: leaving composing gives it back.
    std::optional<int> numberBeforeEffort_;
};

// Registers the seven composing items in the main window's command table. The main window, the
// dialog exchange and the 9x9 window must outlive the commands.
void registerComposeCommands(MainWindow& mainWindow, DialogExchange& dialogs, GridWindow& nine,
                             ComposingButtons buttons,
                             std::shared_ptr<RandomSource> random = nullptr);

}  // namespace quorvel
