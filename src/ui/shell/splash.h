#pragma once
// `frmSplash`: shown for three seconds while the settings are read, with nine labels lighting up
// one by one every 250 ms; its `Timer1` hands over to the main window. The view drives
// `onTimer1` once after `timer1Interval()` ms while `timer1Running()` and `onTimer2` every 250 ms
// while `timer2Running()`.

#include <array>
#include <functional>
#include <string>

namespace quorvel {

class Host;
struct Session;

class Splash {
  public:
    static constexpr int kHandOverMs = 3000;
    static constexpr int kAnimationMs = 250;
    static constexpr int kAnimatedLabels = 9;  // `Label1`(0..8)

    Splash(Host& host, Session& session);

    // Creation: `LoadBusy` is set and `startupRoutine` (reading the settings) runs.
    void create(const std::function<void()>& startupRoutine);
    // Load: the window shows itself with its version label; `Timer1` starts.
    void Form_Load();
    void onTimer1();
    void onTimer2();
    // The main window's first activation sets the splash window inactive.
    void setInactive() { active_ = false; }

    // Loads the grid and the main window at hand-over (set by the application).
    void setHandOver(std::function<void()> handOver) { handOver_ = std::move(handOver); }
    void setOnChanged(std::function<void()> onChanged) { onChanged_ = std::move(onChanged); }

    bool visible() const { return visible_; }
    bool active() const { return active_; }
    bool timer1Running() const { return timer1_; }
    bool timer2Running() const { return timer2_; }
    bool labelVisible(int index) const { return labels_.at(index); }
    int step() const { return k_; }
    const std::string& version() const { return version_; }  // `lblVersion`
    static constexpr const char* kProductName = "Quorvel";   // `lblProductName`
    static constexpr const char* kCompanyProduct = "Sudoku assistant";
    static constexpr const char* kPlatform = "For Linux";  // `lblPlatform`

  private:
    void unload();
    void changed();

    Host& host_;
    Session& session_;
    bool visible_ = false;
    bool active_ = true;
    bool timer1_ = false;
    bool timer2_ = false;
    std::array<bool, kAnimatedLabels> labels_{};
    int k_ = 0;
    std::string version_;
    std::function<void()> handOver_;
    std::function<void()> onChanged_;
};

}  // namespace quorvel
