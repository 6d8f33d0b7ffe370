#pragma once
// GridEvents and SolveDisplay without a window, for the tests: records what the windows would
// show (one message line for both).

#include <string>
#include <vector>

#include "application/commands/solve_display.h"
#include "application/grid/grid_events.h"
#include "model/program_state.h"

namespace quorvel::testing {

class RecordingEvents : public GridEvents, public SolveDisplay {
  public:
    explicit RecordingEvents(ProgramState& session) : session_(session) {}

    void messageLine(const std::string& text, Colour colour, Alignment alignment) override;
    void guessProgress(long count) override;
    void messageDialog(const std::string& title, const std::string& text) override;
    void focusCell(int cell) override { focusedCell_ = cell; }
    void cellClicked(int cell) override { clickedCells_.push_back(cell); }
    void cellGotFocus(int cell) override { gotFocusCells_.push_back(cell); }
    void flashCell(int cell) override { flashedCells_.push_back(cell); }
    void setFrameColour(Colour colour) override { frameColour_ = colour; }
    void cellTextChanged(int) override {}
    void removeTip(int cell) override { removedTips_.push_back(cell); }
    bool tipMenuChecked() override { return tipChecked_; }
    void setTipMenuChecked(bool checked) override { tipChecked_ = checked; }
    void setElapsedTimer(bool running) override { elapsedTimerRunning_ = running; }
    void setWorkingHard(bool on) override { workingHard_ = on; }
    void setStopItemVisible(bool visible) override { stopItemVisible_ = visible; }
    void setGetNextButtonEnabled(bool enabled) override { getNextEnabled_ = enabled; }
    void markIncompleteAfterGuessing() override { incompleteAfterGuessing_ = true; }
    void setDrawingSuspended(bool suspended) override;
    void processEvents() override { ++processEventsCount_; }

    // The message line as it reads now, and its colour.
    std::string messageText() const;
    Colour messageColour() const { return messageColour_; }
    const std::vector<std::string>& dialogs() const { return dialogs_; }
    int focusedCell() const { return focusedCell_; }
    const std::vector<int>& clickedCells() const { return clickedCells_; }
    const std::vector<int>& gotFocusCells() const { return gotFocusCells_; }
    const std::vector<int>& flashedCells() const { return flashedCells_; }
    Colour frameColour() const { return frameColour_; }
    const std::vector<int>& removedTips() const { return removedTips_; }
    bool elapsedTimerRunning() const { return elapsedTimerRunning_; }
    bool workingHard() const { return workingHard_; }
    bool stopItemVisible() const { return stopItemVisible_; }
    bool getNextEnabled() const { return getNextEnabled_; }
    bool incompleteAfterGuessing() const { return incompleteAfterGuessing_; }
    bool drawingFrozen() const { return drawingFrozen_; }
    int processEventsCount() const { return processEventsCount_; }

  private:
    ProgramState& session_;
    std::string messageText_;
    long pendingGuessCount_ = 0;  // > 0: the line shows the attempt text of this count
    Colour messageColour_ = 0;
    std::vector<std::string> dialogs_;  // "title|text"
    int focusedCell_ = 0;
    std::vector<int> clickedCells_;
    std::vector<int> gotFocusCells_;
    std::vector<int> flashedCells_;
    Colour frameColour_ = colour::kBlack;
    std::vector<int> removedTips_;
    bool tipChecked_ = false;
    bool elapsedTimerRunning_ = false;
    bool workingHard_ = false;
    bool stopItemVisible_ = false;
    bool getNextEnabled_ = true;
    bool incompleteAfterGuessing_ = false;
    bool drawingFrozen_ = false;
    int processEventsCount_ = 0;
};

}  // namespace quorvel::testing
