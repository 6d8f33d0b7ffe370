#include "views/grid/note_places.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>

namespace quorvel::view {

namespace {

constexpr int kRows = 3;
// A font's digits stand about this part of its pixel size high.
constexpr double kDigitHeight = 0.73;
constexpr double kLeastDigitPixels = 8;

}  // namespace

QRectF noteArea(const QRectF& cell) {
    return cell.adjusted(1, 0, -1, 0);
}

QRectF notePlace(const QRectF& area, int side, int value) {
    const int across = side / kRows;  // whole: 3 rows of 3 notes, or 3 rows of 5
    const double width = area.width() / across;
    const double height = area.height() / kRows;
    const int row = (value - 1) / across;
    const int column = (value - 1) % across;
    return {area.left() + column * width, area.top() + row * height, width, height};
}

int notePixelSize(const QRectF& area) {
    return std::max(static_cast<int>(std::ceil(kLeastDigitPixels / kDigitHeight)),
                    static_cast<int>(area.height() / kRows * 0.8));
}

QFont noteFont(const QRectF& area) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(notePixelSize(area));
    return font;
}

double noteSqueeze(const QFont& font, const QRectF& area, int side) {
    const int across = side / kRows;  // whole places in a row
    const double room = area.width() / across;
    const QFontMetricsF metrics(font);
    double widest = 0;
    for (int value = 1; value <= side; ++value)
        widest = std::max(widest, metrics.horizontalAdvance(noteText(value)));
    return widest > room ? room / widest : 1.0;
}

QSizeF ringRadii(const QRectF& place, int pixelSize) {
    const double round = 0.62 * pixelSize;
    return {std::min(0.45 * place.width(), round),
            std::max(std::min(0.48 * place.height(), round), 0.45 * pixelSize)};
}

QString noteText(int value) {
    return value <= 9 ? QString::number(value) : QString(QChar('A' + value - 10));
}

}  // namespace quorvel::view
