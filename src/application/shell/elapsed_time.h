#pragma once
// The main window's elapsed-time display: a timer ticking every 1000 ms and its values in the
// ProgramState (timerStart as a millisecond tick, bankedElapsed and elapsedShown as fractions of a
// day). Minimising banks the time shown; restoring continues from the banked value.

#include <string>

namespace quorvel {

class Host;
struct ProgramState;

class ElapsedTime {
  public:
    ElapsedTime(ProgramState& session, Host& host);

    bool running() const { return running_; }
    // Switches the timer on or off without touching the values.
    void setRunning(bool running) { running_ = running; }

    // `restartElapsedTime`: from zero, now, and the timer on.
    void restart();
    // The timer's tick: recomputes elapsedShown (and elapsedAtCompose while composing) and the
    // label.
    void tick();
    // Minimised while running: the time shown is banked and the timer stops. True when banked.
    bool bankOnMinimise();
    // Restored from a minimised state: with banked time the display continues from it. True
    // when the timer was started again.
    bool resumeOnRestore();
    // The main window's activation step for the timer.
    void activate();

    // The time label: "hh:mm:ss" (hours keep counting past 24), "" after `clearLabel`.
    const std::string& label() const { return label_; }
    void clearLabel() { label_.clear(); }

    // The elapsed time kept while the user composes a puzzle (a settings field).
    double elapsedAtCompose = 0;

  private:
    ProgramState& session_;
    Host& host_;
    bool running_ = false;
    std::string label_ = "00:00:00";
};

// A fraction of a day as "hh:mm:ss", rounded to the nearest second.
std::string formatElapsed(double days);

}  // namespace quorvel
