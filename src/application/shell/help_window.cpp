#include "application/shell/help_window.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "application/host.h"
#include "model/program_state.h"

namespace quorvel {

namespace {

// Five whole numbers joined by ","; false for anything else.
bool parseGeometry(const std::string& text, TwipsRect& rect, int& fontPoints) {
    std::vector<int> numbers;
    std::stringstream stream(text);
    std::string part;
    while (std::getline(stream, part, ',')) {
        char* end = nullptr;
        long value = std::strtol(part.c_str(), &end, 10);
        if (part.empty() || *end != '\0') return false;
        numbers.push_back(static_cast<int>(value));
    }
    if (numbers.size() != 5 || numbers[2] <= 0 || numbers[3] <= 0 || numbers[4] <= 0) return false;
    rect = {numbers[0], numbers[1], numbers[2], numbers[3]};
    fontPoints = numbers[4];
    return true;
}

}  // namespace

HelpWindow::HelpWindow(Host& host, ProgramState& session) : host_(host), session_(session) {}

void HelpWindow::show(const std::string& text, const HelpScreen& screen) {
    screen_ = screen;
    text_ = text;
    visible_ = true;
    activate();
}

void HelpWindow::activate() {
    if (!visible_) return;
    TwipsRect place;
    int font = fontPoints_;
    if (parseGeometry(remembered_, place, font)) {
        window_ = place;
        fontPoints_ = font;
    } else {
        // Against the main window's right edge, as wide as it; as tall as it too. The sizes are
        // outer sizes, the geometry the inside within the frame.
        const TwipsRect& main = screen_.mainFrame;
        const TwipsRect& frame = screen_.decoration;
        const int outerWidth = main.width;
        window_.width = outerWidth - frame.left - frame.width;
        window_.height = main.height - frame.top - frame.height;
        window_.left = main.left + main.width - outerWidth + frame.left;
        window_.top = main.top + frame.top;
    }
    keepOnScreen();
    layout();
    session_.loadBusy = false;
    host_.processEvents();
}

void HelpWindow::moved(int left, int top) {
    window_.left = left;
    window_.top = top;
}

void HelpWindow::resized(int width, int height) {
    window_.width = width;
    window_.height = height;
    layout();
}

void HelpWindow::fontButtonClicked(int index) {
    fontPoints_ = index == 1 ? kLargeFont : kSmallFont;
    layout();
}

void HelpWindow::deactivate() {
    if (!visible_) return;
    remember();
    if (!session_.loadBusy) host_.setDrawingSuspended(false);
}

void HelpWindow::unload() {
    if (!visible_) return;
    remember();
    visible_ = false;
    if (!session_.loadBusy) host_.setDrawingSuspended(false);
    changed();
}

void HelpWindow::keepOnScreen() {
    const TwipsRect& area = screen_.workArea;
    if (area.width <= 0 || area.height <= 0) return;
    const TwipsRect& frame = screen_.decoration;
    window_.width = std::min(window_.width, area.width - frame.left - frame.width);
    window_.height = std::min(window_.height, area.height - frame.top - frame.height);
    const int right = area.left + area.width - frame.width - window_.width;
    const int bottom = area.top + area.height - frame.height - window_.height;
    window_.left = std::max(area.left + frame.left, std::min(window_.left, right));
    window_.top = std::max(area.top + frame.top, std::min(window_.top, bottom));
}

void HelpWindow::layout() {
    SystemMetrics metrics = host_.systemMetrics();
    int inner = window_.height - 15 * metrics.minWindowHeightPx - 60 * metrics.borderHeightPx;
    frame_ = {50, 50, std::abs(window_.width - 225), std::abs(inner - 30)};
    panel_ = {frame_.left + 50, frame_.top + 50, frame_.width - 100, frame_.height - 100};
    // Below these sizes the text box keeps the size it had (a negative size is refused).
    if (frame_.width > 200 && frame_.width - 555 >= 0) textBox_.width = frame_.width - 555;
    if (frame_.height > 900) textBox_.height = frame_.height - 900;
    textBox_.left = 200;
    textBox_.top = 550;
    TextMeasure measure = host_.measureText(text_, kTextFont, fontPoints_, textBox_.width);
    scrolling_ = measure.lineCount * measure.letterHeightTwips > textBox_.height;
    changed();
}

void HelpWindow::remember() {
    remembered_ = std::to_string(window_.left) + "," + std::to_string(window_.top) + "," +
                  std::to_string(window_.width) + "," + std::to_string(window_.height) + "," +
                  std::to_string(fontPoints_);
}

void HelpWindow::changed() {
    if (onChanged_) onChanged_();
}

}  // namespace quorvel
