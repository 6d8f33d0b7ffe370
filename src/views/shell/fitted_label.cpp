#include "views/shell/fitted_label.h"

#include <QFontMetrics>

namespace quorvel::view {

FittedLabel::FittedLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

void FittedLabel::setBaseFont(const QFont& font, int minimumPoints) {
    baseFont_ = font;
    minimumPoints_ = minimumPoints;
    fit();
}

void FittedLabel::setFullText(const QString& text) {
    fullText_ = text;
    fit();
}

void FittedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    fit();
}

void FittedLabel::fit() {
    const QRect room = contentsRect();
    const auto fits = [&](const QFont& font, bool wrapped) {
        const QRect needed = QFontMetrics(font).boundingRect(
            QRect(0, 0, room.width(), 100 * room.height() + 100),
            wrapped ? Qt::TextWordWrap : Qt::TextSingleLine, fullText_);
        return needed.width() <= room.width() && needed.height() <= room.height();
    };
    // One line at the largest size that fits, else wrapped at the largest size that fits.
    for (const bool wrapped : {false, true}) {
        for (int points = baseFont_.pointSize(); points >= minimumPoints_; --points) {
            QFont font = baseFont_;
            font.setPointSize(points);
            if (!fits(font, wrapped)) continue;
            setFont(font);
            setWordWrap(wrapped);
            setText(fullText_);
            setToolTip(wrapped || points < baseFont_.pointSize() ? fullText_ : QString());
            return;
        }
    }
    QFont smallest = baseFont_;
    smallest.setPointSize(minimumPoints_);
    setFont(smallest);
    setWordWrap(false);
    setText(QFontMetrics(smallest).elidedText(fullText_, Qt::ElideRight, room.width()));
    setToolTip(fullText_);
}

}  // namespace quorvel::view
