#pragma once
// The hint panel of Explain Next Step: a small modeless window beside the main window showing one
// step of those that lead to the next value: "Step 3 of 15" between Back and Next (PageUp and
// PageDown press them too), the step's summary, and a Details button that unfolds its whole
// deduction beneath (a chain step's links one a line). placeHintPanel decides where it stands;
// the details scroll when they are taller than the screen allows.

#include <QWidget>

#include <functional>
#include <vector>

#include "application/shell/main_window.h"

class QLabel;
class QPushButton;
class QShortcut;
class QTextBrowser;

namespace quorvel::view {

class HintPanelView : public QWidget {
  public:
    // `clicked` receives the panel's button presses.
    HintPanelView(QWidget* owner, std::function<void(HintPanelButton)> clicked);

    // Shows the panel's title and lines clear of `mainFrame` and `gridFrame` (the main window's
    // and the grid window's frames in screen coordinates), or hides it when the panel is closed.
    // Returns how far the main window must move right (negative: left) to make room.
    [[nodiscard]] int render(const HintPanel& panel, const QRect& mainFrame,
                             const QRect& gridFrame);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // Puts the shown step into the panel's labels, buttons and details.
    void showStep(const HintPanel& panel);
    // The height the steps need, title and margins included, at the given inside width.
    int wantedHeight(int width);
    // The frame around the inside: the panel's own once the window system has framed it, else
    // the owner's, which gets the same decoration.
    QMargins decoration() const;

    std::function<void(HintPanelButton)> clicked_;
    QLabel* title_;
    QLabel* stepLabel_;
    QLabel* summary_;
    QPushButton* details_;
    QTextBrowser* steps_;
    QPushButton* back_;
    QPushButton* next_;
    std::vector<QShortcut*> pageKeys_;  // PageUp and PageDown in the main window
};

}  // namespace quorvel::view
