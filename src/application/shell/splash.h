#pragma once
// The splash window: shown for three seconds while the settings are read, with nine labels
// lighting up one by one every 250 ms; then it hands over to the main window. The view drives
// `handOverDue` once after `handOverDelay()` ms while `handOverPending()` and `animationTick` every
// 250 ms while `animating()`.

#include <array>
#include <functional>
#include <string>

namespace quorvel {

class Host;
struct ProgramState;

class Splash {
  public:
    static constexpr int kHandOverMs = 3000;
    static constexpr int kAnimationMs = 250;
    static constexpr int kAnimatedLabels = 9;  // labels 0..8

    Splash(Host& host, ProgramState& session);

    // Creation: session.loadBusy is set and `startupRoutine` (reading the settings) runs.
    void create(const std::function<void()>& startupRoutine);
    // Load: the window shows itself with its version label; the hand-over timer starts.
    void load();
    void handOverDue();
    void animationTick();
    // The main window's first activation sets the splash window inactive.
    void setInactive() { active_ = false; }

    // Loads the grid and the main window at hand-over (set by the application).
    void setHandOver(std::function<void()> handOver) { handOver_ = std::move(handOver); }
    // Runs once the splash has gone and the program takes the user's input (a question asked
    // at start waits for this).
    void setOnGone(std::function<void()> onGone) { onGone_ = std::move(onGone); }
    void setOnChanged(std::function<void()> onChanged) { onChanged_ = std::move(onChanged); }

    bool visible() const { return visible_; }
    bool active() const { return active_; }
    bool handOverPending() const { return handOverTimer_; }
    bool animating() const { return animationTimer_; }
    bool labelVisible(int index) const { return labels_.at(index); }
    int step() const { return step_; }
    const std::string& version() const { return version_; }
    static constexpr const char* kProductName = "Quorvel";
    static constexpr const char* kCompanyProduct = "Sudoku assistant";
    static constexpr const char* kPlatform = "For Linux";

  private:
    void unload();
    void changed();

    Host& host_;
    ProgramState& session_;
    bool visible_ = false;
    bool active_ = true;
    bool handOverTimer_ = false;
    bool animationTimer_ = false;
    std::array<bool, kAnimatedLabels> labels_{};
    int step_ = 0;
    std::string version_;
    std::function<void()> handOver_;
    std::function<void()> onGone_;
    std::function<void()> onChanged_;
};

}  // namespace quorvel
