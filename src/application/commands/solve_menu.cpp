#include "application/commands/solve_menu.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "application/commands/solve_commands.h"
#include "application/commands/solve_display.h"
#include "application/grid/grid_window.h"
#include "application/host.h"
#include "application/shell/main_window.h"
#include "engines/solver/solve_texts.h"

namespace quorvel {

namespace {

// Which Assist Solve command to run.
enum class SolveMenuItem { CheckForSingle, GetNext, MildAttack, BruteForce, NumberCrunch };

// Shortest time between two repaints of a solve run's progress line.
constexpr int kProgressRepaintMs = 20;

// A solve command's outcome on the screen: the message line, indicators, Stop item and Get Next
// button of the main window, the focus, clicks, flash and marks of the grid window, the Host's
// events and drawing freeze.
class WindowSolveDisplay : public SolveDisplay {
  public:
    WindowSolveDisplay(MainWindow& mainWindow, GridWindow& window, Host& host)
        : mainWindow_(mainWindow), window_(window), host_(host) {}

    void messageLine(const std::string& text, Colour colour, Alignment alignment) override {
        mainWindow_.showMessage(text, colour, alignment);
    }
    // A long run guesses thousands of times: events still run at every guess (Stop stays
    // usable), but the line is repainted only every kProgressRepaintMs, so the run does not
    // spend its time painting. The command always writes its final line afterwards.
    void guessProgress(long count) override {
        const std::int64_t now = host_.tickMs();
        if (now - progressShownTick_ < kProgressRepaintMs) {
            host_.processEvents();
            return;
        }
        progressShownTick_ = now;
        messageLine(guessAttemptText(count), colour::kBlue, Alignment::Centre);
    }
    void focusCell(int cell) override { window_.focusCell(cell); }
    void cellClicked(int cell) override { window_.cellClicked(cell); }
    void cellGotFocus(int cell) override { window_.cellGotFocus(cell); }
    void flashCell(int cell) override { window_.flashCell(cell); }
    void setFrameColour(Colour colour) override { window_.setFrameColour(colour); }
    void markIncompleteAfterGuessing() override { window_.markIncompleteAfterGuessing(); }
    bool tipMenuChecked() override { return mainWindow_.tipSwitchOn(); }
    void setTipMenuChecked(bool checked) override { mainWindow_.setTipSwitch(checked); }
    void setElapsedTimer(bool running) override { mainWindow_.setElapsedTimerRunning(running); }
    void setWorkingHard(bool on) override { mainWindow_.setWorkingHard(on); }
    void setStopItemVisible(bool visible) override { mainWindow_.setStopItemVisible(visible); }
    void setGetNextButtonEnabled(bool enabled) override {
        mainWindow_.setGetNextButtonEnabled(enabled);
    }
    void setDrawingSuspended(bool suspended) override {
        mainWindow_.setDrawingMode(suspended ? DrawingMode::Suspended : DrawingMode::Normal);
    }
    void processEvents() override { host_.processEvents(); }

  private:
    MainWindow& mainWindow_;
    GridWindow& window_;
    Host& host_;
    // Tick of the last progress line shown.
    std::int64_t progressShownTick_ = INT64_MIN / 2;
};

void runSolveMenuItem(GridWindow& window, SolveDisplay& display, SolveMenuItem item) {
    Board& board = window.board();
    switch (item) {
        case SolveMenuItem::CheckForSingle:
            // The user's notes narrow the candidates it looks at.
            checkForSingleCommand(board, display, window.allNotes());
            break;
        case SolveMenuItem::GetNext:
            getNextCommand(board, display);
            break;
        case SolveMenuItem::MildAttack:
            solveCommand(board, display, SolveMode::MildAttack);
            break;
        case SolveMenuItem::BruteForce:
            solveCommand(board, display, SolveMode::BruteForce);
            break;
        case SolveMenuItem::NumberCrunch:
            solveCommand(board, display, SolveMode::NumberCrunch);
            break;
    }
}

std::vector<std::string> cellTexts(const GridWindow& window) {
    std::vector<std::string> texts;
    for (int cell = 1; cell <= window.board().cellCount(); ++cell)
        texts.push_back(window.board().cell(cell).text);
    return texts;
}

}  // namespace

void registerSolveMenuCommands(MainWindow& mainWindow, Host& host,
                               const ActiveGridWindow& activeGrid) {
    static constexpr std::pair<Command, SolveMenuItem> kItems[] = {
        {Command::CheckForSingle, SolveMenuItem::CheckForSingle},
        {Command::GetNext, SolveMenuItem::GetNext},
        {Command::MildAttack, SolveMenuItem::MildAttack},
        {Command::BruteForce, SolveMenuItem::BruteForce},
        {Command::NumberCrunch, SolveMenuItem::NumberCrunch},
    };
    // Not a structured binding: clang before 16 cannot capture one, and the fuzz build uses clang.
    for (const auto& entry : kItems) {
        const SolveMenuItem item = entry.second;
        mainWindow.commands().setAction(entry.first, [&mainWindow, &host, activeGrid, item] {
            GridWindow* window = activeGrid ? activeGrid() : nullptr;
            if (window == nullptr) return;
            // A cell that Get Next or Check For Single fills is one step of the state history,
            // so Undo takes back exactly that step and Redo brings it back.
            const bool oneStep =
                item == SolveMenuItem::GetNext || item == SolveMenuItem::CheckForSingle;
            const std::vector<std::string> before =
                oneStep ? cellTexts(*window) : std::vector<std::string>{};
            WindowSolveDisplay display(mainWindow, *window, host);
            runSolveMenuItem(*window, display, item);
            if (oneStep && cellTexts(*window) != before) mainWindow.recordHistory(*window);
        });
    }
}

}  // namespace quorvel
