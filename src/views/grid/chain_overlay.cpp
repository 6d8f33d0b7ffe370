#include "views/grid/chain_overlay.h"

#include "views/grid/note_places.h"
#include "views/grid/screen_measures.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

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

// The middle of each cell that holds a value, where its digit stands: a link should not cross it.
std::vector<QRectF> digitBoxes(const GridWindow& window) {
    std::vector<QRectF> boxes;
    for (int cell = 1; cell <= window.kind().cellCount(); ++cell) {
        if (window.board().cell(cell).text.empty() || !window.cellVisible(cell)) continue;
        const TwipRect rect = window.cellRect(cell);
        const QRectF box(rectFromTwips(rect.left, rect.top, rect.width, rect.height));
        const double inX = 0.2 * box.width();
        const double inY = 0.15 * box.height();
        boxes.push_back(box.adjusted(inX, inY, -inX, -inY));
    }
    return boxes;
}

// How many of a few points along the curve from `start` to `end` bent towards `control` lie on a
// digit.
int pointsOnDigits(const QPointF& start, const QPointF& control, const QPointF& end,
                   const std::vector<QRectF>& digits) {
    constexpr int kSamples = 24;
    int count = 0;
    for (int sample = 1; sample < kSamples; ++sample) {
        const double t = static_cast<double>(sample) / kSamples;
        const QPointF point = (1 - t) * (1 - t) * start + 2 * t * (1 - t) * control + t * t * end;
        count += static_cast<int>(std::ranges::count_if(
            digits, [&point](const QRectF& digit) { return digit.contains(point); }));
    }
    return count;
}

// Where the link's curve bends towards. Across cells it bows to its left, so that it passes
// beside the candidates in the places between its ends rather than over them; when that takes it
// over the digit of a cell holding a value, the least bend to either side that keeps it clear of
// digits (or crosses the fewest) is taken instead.
QPointF controlPoint(const Spot& from, const Spot& to, double cellHeight,
                     const std::vector<QRectF>& digits) {
    const double length = QLineF(from.centre, to.centre).length();
    const QPointF middle = (from.centre + to.centre) / 2;
    const QPointF along = unit(to.centre - from.centre);
    const QPointF left(along.y(), -along.x());
    const double usual = std::min(0.18 * length, 0.6 * cellHeight);
    QPointF best = middle + usual * left;
    int fewest = pointsOnDigits(from.centre, best, to.centre, digits);
    // A quadratic curve reaches half way to its control point: a bend of two cell heights takes
    // the middle of the link a whole cell aside.
    for (double bend = usual; fewest > 0 && bend <= 2 * cellHeight; bend += 0.25 * cellHeight) {
        for (const double side : {1.0, -1.0}) {
            const QPointF control = middle + side * bend * left;
            const int crossed = pointsOnDigits(from.centre, control, to.centre, digits);
            if (crossed >= fewest) continue;
            fewest = crossed;
            best = control;
        }
    }
    return best;
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
    const double cellHeight = pixelsFromTwips(window_.cellRect(1).height);
    const std::vector<QRectF> digits = digitBoxes(window_);
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
        // Within a cell the line runs straight.
        const QPointF control =
            sameCell ? (from.centre + to.centre) / 2 : controlPoint(from, to, cellHeight, digits);
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
