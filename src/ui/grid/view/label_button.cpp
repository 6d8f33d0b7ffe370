#include "ui/grid/view/label_button.h"

#include "ui/grid/view/glyphs.h"
#include "ui/grid/view/units.h"

#include <qdrawutil.h>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace quorvel::view {

int shiftStateOf(Qt::KeyboardModifiers modifiers) {
    int state = 0;
    if (modifiers & Qt::ShiftModifier) state |= 1;
    if (modifiers & Qt::ControlModifier) state |= 2;
    if (modifiers & Qt::AltModifier) state |= 4;
    return state;
}

LabelButton::LabelButton(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setLook(look_);
}

void LabelButton::setLook(const LabelLook& look) {
    look_ = look;
    const DisplayText shown = displayTextFor(look.fontName, look.caption, look.pointSize);
    shownText_ = shown.text;
    shownFont_ = shown.font;
    shownFont_.setBold(look.bold);
    update();
}

void LabelButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, colorFromBgr(look_.backColour));
    if (look_.raised) {
        qDrawShadePanel(&painter, area, palette(), false, 1);
    } else {
        painter.setPen(QColor(160, 160, 160));
        painter.drawRect(area.adjusted(0, 0, -1, -1));
    }
    painter.setFont(shownFont_);
    // A disabled label shows its caption greyed, as the platform's labels do.
    painter.setPen(isEnabled() ? colorFromBgr(look_.textColour) : QColor(128, 128, 128));
    painter.drawText(area, Qt::AlignCenter, shownText_);
}

void LabelButton::mouseReleaseEvent(QMouseEvent* event) {
    if (!rect().contains(event->position().toPoint())) return;
    const int button = event->button() == Qt::RightButton  ? 2
                       : event->button() == Qt::LeftButton ? 1
                                                           : 4;
    emit mouseUp(button, shiftStateOf(event->modifiers()));
}

}  // namespace quorvel::view
