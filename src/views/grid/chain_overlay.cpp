#include "views/grid/chain_overlay.h"

#include "views/grid/note_places.h"
#include "views/grid/screen_measures.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <limits>

namespace quorvel::view {

namespace {

// A candidate as drawn: the centre of its place and the radii of its ring.
struct Spot {
    QPointF centre;
    QSizeF radii;

    // Where the ring meets a line leaving the centre in the direction `towards` (of length 1).
    QPointF edge(const QPointF& towards) const {
        const double x = towards.x() / radii.width();
        const double y = towards.y() / radii.height();
        return centre + towards / std::sqrt(x * x + y * y);
    }
};

Spot spotOf(const GridWindow& window, const CandidateMark& candidate) {
    const TwipRect cell = window.cellRect(candidate.cell);
    const QRectF area =
        noteArea(QRectF(rectFromTwips(cell.left, cell.top, cell.width, cell.height)));
    const int side = window.kind().side;
    const QRectF place = notePlace(area, side, candidate.value);
    return {place.center(), ringRadii(place, notePixelSize(area))};
}

QPointF unit(const QPointF& vector) {
    const double length = std::hypot(vector.x(), vector.y());
    return length > 0 ? vector / length : QPointF();
}

}  // namespace

ChainOverlay::ChainOverlay(const GridWindow& window, QWidget* parent)
    : QWidget(parent), window_(window) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void ChainOverlay::refresh() {
    const bool shown = !window_.chainMarks().empty();
    if (shown) {
        setGeometry(parentWidget()->rect());
        raise();
        update();
    }
    setVisible(shown);
}

void ChainOverlay::paintEvent(QPaintEvent*) {
    const bool nine = window_.kind().isNine();
    const double width = nine ? 2.0 : 1.5;
    const double head = nine ? 7.0 : 5.0;
    const TwipRect first = window_.cellRect(1);
    const double bendLimit = 0.6 * pixelsFromTwips(first.height);
    const QColor colour = textColor(kChainLine);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const LinkMark& link : window_.chainMarks().links) {
        // The two candidates of the nodes that lie nearest each other.
        Spot from;
        Spot to;
        bool sameCell = false;
        double nearest = std::numeric_limits<double>::max();
        for (const CandidateMark& a : link.from) {
            for (const CandidateMark& b : link.to) {
                const Spot one = spotOf(window_, a);
                const Spot two = spotOf(window_, b);
                const double distance = QLineF(one.centre, two.centre).length();
                if (distance >= nearest) continue;
                nearest = distance;
                from = one;
                to = two;
                sameCell = a.cell == b.cell;
            }
        }
        if (nearest == std::numeric_limits<double>::max() || nearest == 0) continue;
        // Across cells the line bows to its left, so that it passes beside the candidates in
        // the places between its ends rather than over them; within a cell it runs straight.
        const QPointF along = unit(to.centre - from.centre);
        const QPointF left(along.y(), -along.x());
        const double bend = sameCell ? 0 : std::min(0.18 * nearest, bendLimit);
        const QPointF control = (from.centre + to.centre) / 2 + bend * left;
        const QPointF start = from.edge(unit(control - from.centre));
        const QPointF end = to.edge(unit(control - to.centre));
        QPainterPath path(start);
        path.quadTo(control, end);
        QPen pen(colour, width, Qt::SolidLine, Qt::RoundCap);
        if (!link.strong) pen.setDashPattern({3, 2});
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        // The arrowhead, along the line's direction where it arrives.
        const QPointF back = unit(control - end);
        const QPointF across(back.y(), -back.x());
        QPolygonF arrow;
        arrow << end << end + head * back + head / 2 * across
              << end + head * back - head / 2 * across;
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawPolygon(arrow);
    }
}

}  // namespace quorvel::view
