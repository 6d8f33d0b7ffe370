#include "views/grid/forwarding_line_edit.h"

#include "views/grid/key_mapping.h"
#include "views/grid/label_button.h"
#include "views/grid/note_places.h"
#include "views/grid/screen_measures.h"

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

void ForwardingLineEdit::showNotes(int side, const NoteMarks& marks) {
    if (side == side_ && marks == marks_) return;
    side_ = side;
    marks_ = marks;
    update();
}

void ForwardingLineEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (marks_.values == 0 || !text().isEmpty()) return;
    const QRectF area = noteArea(QRectF(rect()));
    const QFont font = noteFont(area);
    const double squeeze = noteSqueeze(font, area, side_);
    QFont chainFont = font;
    chainFont.setBold(true);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const auto has = [](ValueMask mask, int value) { return ((mask >> value) & 1u) != 0; };
    for (int drawn = 0; drawn < 2 * side_; ++drawn) {
        const int value = drawn % side_ + 1;
        const bool ringed = has(marks_.ringed, value);
        if (!has(marks_.values, value) || ringed != (drawn >= side_)) continue;
        const bool removed = has(marks_.removed, value);
        const bool shaded = has(marks_.shaded, value);
        const Colour colour = removed  ? kChainRemovedFore
                              : shaded ? marks_.shadeFore[static_cast<std::size_t>(value)]
                              : has(marks_.contradicted, value) ? kNoteMistakeFore
                              : ringed                          ? kChainFore
                                                                : kNoteFore;
        const QRectF place = notePlace(area, side_, value);
        const QSizeF radii = ringRadii(place, font.pixelSize());
        if (ringed) {
            // Filled, so that the value reads on any cell colour; the ring is thinner where the
            // places are small.
            painter.setPen(QPen(textColor(kChainLine), side_ <= 9 ? 1.2 : 0.8));
            painter.setBrush(groundColor(kChainRingFill));
            painter.drawEllipse(place.center(), radii.width(), radii.height());
        }
        painter.setFont(ringed || removed ? chainFont : font);
        painter.setPen(textColor(colour));
        // The caret of the focused box runs down its middle: a note there stands on the box's
        // own colour, so that the caret never looks like a stroke through it.
        if (!ringed)
            painter.fillRect(place,
                             shaded ? groundColor(marks_.shadeBack[static_cast<std::size_t>(value)])
                                    : palette().color(QPalette::Base));
        // Narrowed about the place's centre where the place is narrower than the value.
        painter.save();
        painter.translate(place.center());
        painter.scale(squeeze, 1);
        painter.translate(-place.center());
        painter.drawText(place, Qt::AlignCenter, noteText(value));
        painter.restore();
        if (removed) {
            // Struck out from corner to corner of the ring's rectangle.
            const QPointF reach(0.7 * radii.width(), 0.7 * radii.height());
            painter.setPen(QPen(textColor(kChainRemovedFore), 1.3));
            painter.drawLine(place.center() - reach, place.center() + reach);
        }
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
