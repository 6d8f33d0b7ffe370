#include "views/grid/note_places.h"

#include <algorithm>

namespace quorvel::view {

namespace {

constexpr int kAcross = 3;

}  // namespace

QRectF noteArea(const QRectF& cell) {
    return cell.adjusted(1, 0, -1, 0);
}

QRectF notePlace(const QRectF& area, int side, int value) {
    const int rows = side / kAcross;  // whole: 3 rows of 3 notes, or 5 rows of 3
    const double width = area.width() / kAcross;
    const double height = area.height() / rows;
    const int row = (value - 1) / kAcross;
    const int column = (value - 1) % kAcross;
    return {area.left() + column * width, area.top() + row * height, width, height};
}

int notePixelSize(const QRectF& area, int side) {
    const int rows = side / kAcross;
    return std::max(7, static_cast<int>(area.height() / rows * 0.8));
}

QSizeF ringRadii(const QRectF& place, int pixelSize) {
    const double round = 0.62 * pixelSize;
    return {std::min(0.45 * place.width(), round), std::min(0.48 * place.height(), round)};
}

QString noteText(int value) {
    return value <= 9 ? QString::number(value) : QString(QChar('A' + value - 10));
}

}  // namespace quorvel::view
