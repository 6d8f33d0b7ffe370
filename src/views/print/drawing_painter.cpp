#include "views/print/drawing_painter.h"

#include <QFont>

#include <algorithm>
#include <cmath>

#include "views/grid/screen_measures.h"

namespace quorvel::view {
namespace {

class Painting {
  public:
    Painting(QPainter& painter, double scale) : painter_(painter), scale_(scale) {}

    void operator()(const FillRect& fill) const {
        painter_.fillRect(rect(fill.rect), colorFromBgr(fill.colour));
    }
    void operator()(const StrokeRect& frame) const {
        painter_.setPen(pen(frame.colour, frame.lineWidth));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(rect(frame.rect));
    }
    void operator()(const StrokeLine& line) const {
        painter_.setPen(pen(line.colour, line.lineWidth));
        painter_.drawLine(QPointF(line.x1 * scale_, line.y1 * scale_),
                          QPointF(line.x2 * scale_, line.y2 * scale_));
    }
    void operator()(const PageText& text) const {
        if (text.text.empty()) return;
        // Helvetica, or the sans-serif face the system puts in its place.
        QFont font(QStringLiteral("Helvetica"));
        font.setStyleHint(QFont::SansSerif);
        font.setBold(text.bold);
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(text.size * scale_))));
        painter_.setFont(font);
        painter_.setPen(colorFromBgr(text.colour));
        const Qt::Alignment across = text.align == TextAlign::Left    ? Qt::AlignLeft
                                     : text.align == TextAlign::Right ? Qt::AlignRight
                                                                      : Qt::AlignHCenter;
        painter_.drawText(rect(text.rect), across | Qt::AlignVCenter,
                          QString::fromStdString(text.text));
    }

  private:
    QRectF rect(const PageRect& r) const {
        return QRectF(r.left * scale_, r.top * scale_, r.width * scale_, r.height * scale_);
    }
    QPen pen(Colour colour, double width) const {
        QPen pen(colorFromBgr(colour), width * scale_);
        pen.setCapStyle(Qt::SquareCap);
        return pen;
    }

    QPainter& painter_;
    double scale_;
};

}  // namespace

void paintDrawnPage(QPainter& painter, const DrawnPage& page, double pixelsPerPoint) {
    painter.save();
    const Painting painting(painter, pixelsPerPoint);
    for (const DrawCommand& command : page.commands)
        std::visit(painting, command);
    painter.restore();
}

}  // namespace quorvel::view
