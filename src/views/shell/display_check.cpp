#include "views/shell/display_check.h"

namespace quorvel::view {

bool hasDisplay(const DisplayEnvironment& environment) {
    // Platforms that draw without a windowing system always work.
    const std::string_view platform = environment.platformRequest;
    for (std::string_view headless : {"offscreen", "minimal", "vnc", "eglfs", "linuxfb"}) {
        if (platform.starts_with(headless)) return true;
    }
    return !environment.display.empty() || !environment.waylandDisplay.empty();
}

std::string noDisplayMessage(std::string_view programPath) {
    return "No display found: run it under a virtual one, e.g. xvfb-run -s '-screen 0 "
           "1024x768x24' " +
           std::string(programPath);
}

}  // namespace quorvel::view
