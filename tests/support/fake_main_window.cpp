#include "support/fake_main_window.h"

#include "application/grid/text_number.h"

namespace quorvel::testing {

void FakeMainWindow::showMessage(std::string_view text, Colour colour, Alignment alignment) {
    if (trimBlanks(text) == trimBlanks(panelShown)) return;
    panelShown = text;
    panel.push_back({std::string(text), colour, alignment});
}

void FakeMainWindow::pressLevelButton() {
    ++levelPresses;
    session_.currentLevel = session_.currentLevel + 1 == 5 ? 1 : session_.currentLevel + 1;
}

bool FakeMainWindow::isActiveChild(const GridWindow& window) const {
    return activeChild == nullptr || activeChild == &window;
}

}  // namespace quorvel::testing
