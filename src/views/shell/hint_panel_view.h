#pragma once
// The hint panel of Explain Next Step: a small modeless window beside the main window listing the
// steps that lead to the next value, one numbered paragraph each, a chain step's links listed
// beneath it one a line. placeHintPanel decides where it stands; its text scrolls when it is
// taller than the screen allows.

#include <QWidget>

#include "application/shell/main_window.h"

class QLabel;
class QTextBrowser;

namespace quorvel::view {

class HintPanelView : public QWidget {
  public:
    explicit HintPanelView(QWidget* owner);

    // Shows the panel's title and lines clear of `mainFrame` and `gridFrame` (the main window's
    // and the grid window's frames in screen coordinates), or hides it when the panel is closed.
    // Returns how far the main window must move right (negative: left) to make room.
    [[nodiscard]] int render(const HintPanel& panel, const QRect& mainFrame,
                             const QRect& gridFrame);

  private:
    // The height the steps need, title and margins included, at the given inside width.
    int wantedHeight(int width);
    // The frame around the inside: the panel's own once the window system has framed it, else
    // the owner's, which gets the same decoration.
    QMargins decoration() const;

    QLabel* title_;
    QTextBrowser* steps_;
};

}  // namespace quorvel::view
