#pragma once
// Whether a window can be shown at all: checked before QApplication exists, because Qt would
// otherwise abort with a long platform-plugin message.

#include <string>
#include <string_view>

namespace quorvel::view {

struct DisplayEnvironment {
    std::string_view display;          // DISPLAY
    std::string_view waylandDisplay;   // WAYLAND_DISPLAY
    std::string_view platformRequest;  // QT_QPA_PLATFORM or the -platform argument
};

bool hasDisplay(const DisplayEnvironment& environment);

// The one line printed when there is no display.
std::string noDisplayMessage(std::string_view programPath);

}  // namespace quorvel::view
