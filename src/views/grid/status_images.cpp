#include "views/grid/status_images.h"

#include <QPainter>
#include <QPainterPath>

namespace quorvel::view {

QPixmap statusPicture(bool complete, int size, qreal devicePixelRatio) {
    QPixmap pixmap(QSize(size, size) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF circle(1.5, 1.5, size - 3.0, size - 3.0);
    painter.setPen(QPen(QColor(60, 60, 60), 1.5));
    painter.setBrush(complete ? QColor(40, 170, 60) : QColor(215, 215, 215));
    painter.drawEllipse(circle);
    painter.setPen(QPen(complete ? Qt::white : QColor(170, 30, 30), size / 9.0, Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    const qreal s = size;
    if (complete) {
        QPainterPath tick;
        tick.moveTo(s * 0.27, s * 0.52);
        tick.lineTo(s * 0.44, s * 0.69);
        tick.lineTo(s * 0.74, s * 0.33);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(tick);
    } else {
        painter.drawLine(QPointF(s * 0.33, s * 0.33), QPointF(s * 0.67, s * 0.67));
        painter.drawLine(QPointF(s * 0.67, s * 0.33), QPointF(s * 0.33, s * 0.67));
    }
    return pixmap;
}

}  // namespace quorvel::view
