#include "views/shell/program_icon.h"

#include "views/grid/screen_measures.h"

#include <QPainter>

namespace quorvel::view {

QPixmap programIcon(int size, qreal devicePixelRatio) {
    QPixmap pixmap(QSize(size, size) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal cell = size / 3.0;
    const char* digits = "5 3 7 9 1";
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QRectF square(column * cell, row * cell, cell, cell);
            // The same shading as the grid: odd-numbered squares light yellow.
            const bool odd = (row * 3 + column) % 2 == 0;
            painter.fillRect(square, colorFromBgr(odd ? kShadedBack : kPlainBack));
            painter.setPen(QPen(QColor(64, 64, 64), 1));
            painter.drawRect(square.adjusted(0.5, 0.5, -0.5, -0.5));
            const char digit = digits[row * 3 + column];
            if (digit == ' ') continue;
            QFont font(QStringLiteral("DejaVu Sans"));
            font.setPixelSize(static_cast<int>(cell * 0.7));
            font.setBold(true);
            painter.setFont(font);
            painter.setPen(colorFromBgr((row + column) % 2 == 0 ? kGivenRed : kEntryBlue));
            painter.drawText(square, Qt::AlignCenter, QString(QChar::fromLatin1(digit)));
        }
    }
    painter.setPen(QPen(Qt::black, 2));
    painter.drawRect(QRectF(1, 1, size - 2, size - 2));
    return pixmap;
}

QIcon programWindowIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(programIcon(size, 1.0));
    return icon;
}

}  // namespace quorvel::view
