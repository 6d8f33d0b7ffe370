#pragma once
// The hint panel of Explain Next Step: a small modeless window beside the main window (or over
// its right edge when the screen has no room) listing the steps that lead to the next value, one
// numbered paragraph each, a chain step's links listed beneath it one a line.

#include <QWidget>

#include "ui/shell/main_window.h"

class QLabel;
class QTextBrowser;

namespace quorvel::view {

class HintPanelView : public QWidget {
  public:
    explicit HintPanelView(QWidget* owner);

    // Shows the panel's title and lines beside `ownerFrame` (screen coordinates), or hides it
    // when the panel is closed.
    void render(const HintPanel& panel, const QRect& ownerFrame);

  private:
    QLabel* title_;
    QTextBrowser* steps_;
};

}  // namespace quorvel::view
