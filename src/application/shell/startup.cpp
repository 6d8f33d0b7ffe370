#include "application/shell/startup.h"

#include <string>

#include "application/grid/message_dialog.h"

namespace quorvel {

DisplayChange changeDisplayMode(Host& host, int width, int height) {
    std::optional<DisplayMode> current = host.displayMode();
    if (current && current->width == width) return DisplayChange::Changed;
    DisplayMode wanted = current.value_or(DisplayMode{});
    wanted.width = width;
    wanted.height = height;
    return host.applyDisplayMode(wanted);
}

bool Startup::run() {
    original_ = host_.displayMode();
    host_.processEvents();
    if (!original_ || original_->width == kPreferredWidth) return true;

    const std::string question =
        "This Program is best viewed at 1024 x 768 Screen Resolution \r\n"
        "The Current Screen Resolution is " +
        std::to_string(original_->width) + " x " + std::to_string(original_->height) +
        "\r\nDo you want to change the Screen Resolution to 1024 x 768";
    if (!askYesNo(host_, kQuestionTitle, question)) return true;

    switch (changeDisplayMode(host_, kPreferredWidth, kPreferredHeight)) {
        case DisplayChange::Changed:
            return true;
        case DisplayChange::NeedsRestart:
            // The program never restarts the system; it says so when asked to.
            if (askYesNo(host_, kRestartTitle, kRestartText)) {
                showNotice(host_, kRestartTitle, kNoRestartText);
            }
            return false;
        case DisplayChange::Failed:
            showNotice(host_, kFailureTitle, kFailureText);
            return true;
    }
    return true;
}

}  // namespace quorvel
