#pragma once
// A label that acts as a button, as the toolbar, the Enter-direction button and the small
// buttons of the windows do: caption in a named (possibly symbol) font, back and text colour
// from the core, flat or raised look, and mouse-up with the button and modifier state. Tab
// reaches it: Space or Enter acts as a left click, the context-menu key or Shift+F10 as a right
// click, and screen readers see a button named by its accessible name, tool tip or caption.

#include <QWidget>

#include <string>

#include "model/colour.h"

namespace quorvel::view {

struct LabelLook {
    std::string caption;
    std::string fontName = "Arial";
    double pointSize = 9;
    Colour backColour = kButtonFace;
    Colour textColour = colour::kBlack;
    bool raised = false;  // the 3-D look of a pressed or chosen button
    bool bold = false;
};

class LabelButton : public QWidget {
    Q_OBJECT

  public:
    explicit LabelButton(QWidget* parent = nullptr);

    void setLook(const LabelLook& look);
    const LabelLook& look() const { return look_; }
    // The text actually drawn (symbol captions become present glyphs).
    QString shownText() const { return shownText_; }
    QFont shownFont() const { return shownFont_; }

  signals:
    // button: 1 left, 2 right; shift: 1 shift, 2 ctrl, 4 alt.
    void mouseUp(int button, int shift);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    LabelLook look_;
    QString shownText_;
    QFont shownFont_;
};

// Modifier state of a Qt event in the core's bits.
int shiftStateOf(Qt::KeyboardModifiers modifiers);

}  // namespace quorvel::view
