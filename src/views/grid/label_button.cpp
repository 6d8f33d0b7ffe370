#include "views/grid/label_button.h"

#include "views/grid/glyphs.h"
#include "views/grid/screen_measures.h"

#include <qdrawutil.h>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace quorvel::view {
namespace {

// A label button as a screen reader sees it: a button that can be pressed.
class LabelButtonAccessible : public QAccessibleWidget {
  public:
    explicit LabelButtonAccessible(LabelButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        const auto* button = static_cast<const LabelButton*>(widget());
        QString said = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && said.isEmpty()) {
            said = button->toolTip().trimmed();
            if (said.isEmpty()) said = button->shownText();
        }
        if (kind == QAccessible::Description && said.isEmpty()) said = text(QAccessible::Name);
        return said;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction() && widget()->isEnabled()) {
            emit static_cast<LabelButton*>(widget())->mouseUp(1, 0);
        }
    }
};

QAccessibleInterface* labelButtonAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(LabelButton::staticMetaObject.className())) {
        return new LabelButtonAccessible(static_cast<LabelButton*>(object));
    }
    return nullptr;
}

}  // namespace

int shiftStateOf(Qt::KeyboardModifiers modifiers) {
    int state = 0;
    if (modifiers & Qt::ShiftModifier) state |= 1;
    if (modifiers & Qt::ControlModifier) state |= 2;
    if (modifiers & Qt::AltModifier) state |= 4;
    return state;
}

LabelButton::LabelButton(QWidget* parent) : QWidget(parent) {
    static const bool accessibleInstalled =
        (QAccessible::installFactory(labelButtonAccessible), true);
    Q_UNUSED(accessibleInstalled);
    // Tab only: a click must leave the focus where it was (the cell being filled).
    setFocusPolicy(Qt::TabFocus);
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
    painter.fillRect(area, groundColor(look_.backColour));
    if (look_.raised) {
        qDrawShadePanel(&painter, area, palette(), false, 1);
    } else {
        painter.setPen(QColor(160, 160, 160));
        painter.drawRect(area.adjusted(0, 0, -1, -1));
    }
    painter.setFont(shownFont_);
    // A disabled label shows its caption greyed, as the platform's labels do.
    painter.setPen(isEnabled() ? textColor(look_.textColour) : textColor(colour::kGrey));
    painter.drawText(area, Qt::AlignCenter, shownText_);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(area.adjusted(2, 2, -3, -3));
    }
}

void LabelButton::keyPressEvent(QKeyEvent* event) {
    const int shift = shiftStateOf(event->modifiers());
    switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit mouseUp(1, shift);
            return;
        case Qt::Key_Menu:
            emit mouseUp(2, shift);
            return;
        case Qt::Key_F10:
            if (event->modifiers() & Qt::ShiftModifier) {
                emit mouseUp(2, shift & ~1);
                return;
            }
            break;
        default:
            break;
    }
    QWidget::keyPressEvent(event);
}

void LabelButton::mouseReleaseEvent(QMouseEvent* event) {
    if (!rect().contains(event->position().toPoint())) return;
    const int button = event->button() == Qt::RightButton  ? 2
                       : event->button() == Qt::LeftButton ? 1
                                                           : 4;
    emit mouseUp(button, shiftStateOf(event->modifiers()));
}

}  // namespace quorvel::view
