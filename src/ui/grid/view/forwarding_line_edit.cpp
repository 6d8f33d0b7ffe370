#include "ui/grid/view/forwarding_line_edit.h"

#include "ui/grid/view/key_mapping.h"
#include "ui/grid/view/label_button.h"
#include "ui/grid/view/units.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace quorvel::view {

ForwardingLineEdit::ForwardingLineEdit(QWidget* parent) : QLineEdit(parent) {
    setContextMenuPolicy(Qt::NoContextMenu);
    setDragEnabled(false);
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    connect(this, &QLineEdit::selectionChanged, this, &ForwardingLineEdit::reportSelection);
    connect(this, &QLineEdit::cursorPositionChanged, this, &ForwardingLineEdit::reportSelection);
}

void ForwardingLineEdit::showBox(const TextBox& box) {
    showing_ = true;
    const QString text = QString::fromStdString(box.text);
    if (this->text() != text) setText(text);
    // setSelection puts the caret at the end of the selection; the core counts from its start.
    // Only the box with the focus shows its selection, so the grid never shows two at once.
    if (box.selLength > 0 && hasFocus()) {
        setSelection(box.selStart + box.selLength, -box.selLength);
    } else {
        deselect();
        setCursorPosition(box.selStart);
    }
    showing_ = false;
}

void ForwardingLineEdit::showNotes(int side, ValueMask values, ValueMask contradicted) {
    if (side == side_ && values == notes_ && contradicted == contradicted_) return;
    side_ = side;
    notes_ = values;
    contradicted_ = contradicted;
    update();
}

void ForwardingLineEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (notes_ == 0 || !text().isEmpty()) return;
    constexpr int kAcross = 3;
    const int down = side_ / kAcross;
    const QRectF area = QRectF(rect()).adjusted(1, 0, -1, 0);
    const double width = area.width() / kAcross;
    const double height = area.height() / down;
    QFont font(QStringLiteral("DejaVu Sans"));
    // As tall as a place allows on the 9 x 9 grid; never below 7 pixels, the least that reads.
    font.setPixelSize(std::max(7, static_cast<int>(height * 0.8)));
    QPainter painter(this);
    painter.setFont(font);
    for (int value = 1; value <= side_; ++value) {
        if (((notes_ >> value) & 1u) == 0) continue;
        const bool mistake = ((contradicted_ >> value) & 1u) != 0;
        painter.setPen(colorFromBgr(mistake ? kNoteMistakeFore : kNoteFore));
        const QRectF place(area.left() + (value - 1) % kAcross * width,
                           area.top() + (value - 1) / kAcross * height, width, height);
        const QString shown =
            value <= 9 ? QString::number(value) : QString(QChar('A' + value - 10));
        painter.drawText(place, Qt::AlignCenter, shown);
    }
}

void ForwardingLineEdit::focusOutEvent(QFocusEvent* event) {
    // The core keeps the box's selection; the box just stops showing it.
    showing_ = true;
    QLineEdit::focusOutEvent(event);
    deselect();
    showing_ = false;
}

void ForwardingLineEdit::reportSelection() {
    if (showing_) return;
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const int length = hasSelectedText() ? static_cast<int>(selectedText().size()) : 0;
    emit selectionMoved(start, length);
}

bool ForwardingLineEdit::event(QEvent* event) {
    // Copy and paste belong to the menu's Copy Puzzle and Paste Puzzle, not to the cell's text:
    // leaving the shortcut override unclaimed lets the menu shortcuts take them.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste)) {
            event->ignore();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void ForwardingLineEdit::keyPressEvent(QKeyEvent* event) {
    emit keyDown(keyEventFrom(event->key(), event->modifiers(), event->text()));
    event->accept();
}

void ForwardingLineEdit::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat()) {
        emit keyUp(keyEventFrom(event->key(), event->modifiers(), event->text()));
    }
    event->accept();
}

void ForwardingLineEdit::focusInEvent(QFocusEvent* event) {
    // A text box that gets the focus keeps the caret and selection the core gave it.
    showing_ = true;
    QLineEdit::focusInEvent(event);
    showing_ = false;
    emit gotFocus();
}

void ForwardingLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    event->ignore();
}

void ForwardingLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    const int button = event->button() == Qt::RightButton  ? 2
                       : event->button() == Qt::LeftButton ? 1
                                                           : 4;
    emit mouseUp(button, shiftStateOf(event->modifiers()));
}

}  // namespace quorvel::view
