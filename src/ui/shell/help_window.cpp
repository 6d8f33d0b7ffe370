#include "ui/shell/help_window.h"

#include <cstdlib>
#include <sstream>
#include <vector>

#include "model/session.h"
#include "ui/host.h"

namespace quorvel {

namespace {

// Five whole numbers joined by ","; false for anything else.
bool ParseGeometry(const std::string& text, TwipsRect& rect, int& fontPoints) {
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

HelpWindow::HelpWindow(Host& host, Session& session) : host_(host), session_(session) {}

void HelpWindow::show(const std::string& text, const TwipsRect& mainWindow) {
    main_ = mainWindow;
    text_ = text;
    visible_ = true;
    Form_Activate();
}

void HelpWindow::Form_Activate() {
    if (!visible_) return;
    TwipsRect place;
    int font = fontPoints_;
    if (ParseGeometry(remembered_, place, font)) {
        window_ = place;
        fontPoints_ = font;
    } else {
        // Against the main window's right edge, as wide as it; as tall as it too.
        window_.width = main_.width;
        window_.height = main_.height;
        window_.left = main_.left + main_.width - window_.width;
        window_.top = main_.top;
    }
    layout();
    session_.loadBusy = false;
    host_.processEvents();
}

void HelpWindow::Form_Move(int left, int top) {
    window_.left = left;
    window_.top = top;
}

void HelpWindow::Form_Resize(int width, int height) {
    window_.width = width;
    window_.height = height;
    layout();
}

void HelpWindow::Label2_Click(int index) {
    fontPoints_ = index == 1 ? kLargeFont : kSmallFont;
    layout();
}

void HelpWindow::Form_Deactivate() {
    if (!visible_) return;
    remember();
    if (!session_.loadBusy) host_.freezeDrawing(false);
}

void HelpWindow::Form_Unload() {
    if (!visible_) return;
    remember();
    visible_ = false;
    if (!session_.loadBusy) host_.freezeDrawing(false);
    changed();
}

void HelpWindow::layout() {
    SystemMetrics metrics = host_.systemMetrics();
    int inner = window_.height - 15 * metrics.minWindowHeightPx - 60 * metrics.borderHeightPx;
    shape2_ = {50, 50, std::abs(window_.width - 225), std::abs(inner - 30)};
    picture1_ = {shape2_.left + 50, shape2_.top + 50, shape2_.width - 100, shape2_.height - 100};
    // Below these sizes the text box keeps the size it had (a negative size is refused).
    if (shape2_.width > 200 && shape2_.width - 555 >= 0) textBox_.width = shape2_.width - 555;
    if (shape2_.height > 900) textBox_.height = shape2_.height - 900;
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
