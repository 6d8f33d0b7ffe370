#pragma once
// The program's entry steps before any window: the screen-resolution question and the mode
// change it offers, and the change back when the program closes.

#include <optional>

#include "application/host.h"

namespace quorvel {

inline constexpr int kPreferredWidth = 1024;
inline constexpr int kPreferredHeight = 768;

// Switches the screen to width x height; Changed without doing anything when the current width
// already equals `width`.
DisplayChange changeDisplayMode(Host& host, int width, int height);

class Startup {
  public:
    explicit Startup(Host& host) : host_(host) {}

    // Reads the screen mode and offers 1024 x 768 when the width is not 1024. False when the
    // program must end here without opening a window (the change needs a system restart).
    bool run();

    // The mode found at start; nullopt when it could not
    // be read (then nothing is offered at start or changed at the end).
    const std::optional<DisplayMode>& originalMode() const { return original_; }

    static constexpr const char* kQuestionTitle = "Screen Resolution Settings";
    static constexpr const char* kRestartTitle = "Info";
    static constexpr const char* kRestartText =
        "The System needs to  Reboot... To make the changes effective ..";
    static constexpr const char* kNoRestartText =
        "Quorvel does not restart the system itself. Please restart it to make the new screen "
        "resolution effective.";
    static constexpr const char* kFailureTitle = "Error";
    static constexpr const char* kFailureText =
        "1024 x 768 Screen Resolution is not supported by this System ";

  private:
    Host& host_;
    std::optional<DisplayMode> original_;
};

}  // namespace quorvel
