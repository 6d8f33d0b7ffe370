#pragma once
// A recording stand-in for the main window as the grid windows and the input dialog see it.

#include <string>
#include <vector>

#include "application/grid/main_window_link.h"
#include "model/program_state.h"

namespace quorvel::testing {

struct PanelLine {
    std::string text;
    Colour colour;
    Alignment alignment;
};

class FakeMainWindow : public MainWindowLink {
  public:
    explicit FakeMainWindow(ProgramState& session) : session_(session) {}

    // Every message-line write that was not skipped as equal to the line shown.
    std::vector<PanelLine> panel;
    std::string panelShown;
    std::vector<int> numberPresses;
    int levelPresses = 0;
    const GridWindow* activeChild = nullptr;  // nullptr: every window counts as active
    bool tipSwitch = false;
    bool tipTimer = true;
    bool panelSwitch = false;
    bool markingSwitch = false;
    bool notesMode = false;
    std::string title;
    std::vector<bool> timerSwitches;
    std::vector<const GridWindow*> historyRecords;
    std::vector<const GridWindow*> otherGridRequests;
    bool closing = false;

    void showMessage(std::string_view text, Colour colour, Alignment alignment) override;
    void pressNumberButton(int number) override { numberPresses.push_back(number); }
    // Steps the level as the real level button does.
    void pressLevelButton() override;
    bool isActiveChild(const GridWindow& window) const override;
    bool tipSwitchOn() const override { return tipSwitch; }
    bool tipTimerRunning() const override { return tipTimer; }
    bool panelSwitchOn() const override { return panelSwitch; }
    bool markingSwitchOn() const override { return markingSwitch; }
    bool notesModeOn() const override { return notesMode; }
    bool removeNotesOnEntry() const override { return true; }
    void setMainTitle(const std::string& text) override { title = text; }
    void setElapsedTimerRunning(bool running) override { timerSwitches.push_back(running); }
    void recordHistory(GridWindow& window) override { historyRecords.push_back(&window); }
    void recordNoteEdit(GridWindow& window, int) override { historyRecords.push_back(&window); }
    void showOtherGrid(const GridWindow& window) override { otherGridRequests.push_back(&window); }
    bool applicationClosing() const override { return closing; }
    bool takeKey(const KeyEvent&) override { return false; }

  private:
    ProgramState& session_;
};

}  // namespace quorvel::testing
