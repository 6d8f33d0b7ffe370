#pragma once
// Where the small values of a cell go, the user's notes and the candidates Explain Next Step
// shows alike: three rows of side / 3 places, 1 at the top left, 10..15 as A..F. The
// cell draws the values; the chain overlay joins them, so both take their places from here.

#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace quorvel::view {

// The part of a cell's rectangle the places share.
QRectF noteArea(const QRectF& cell);
QRectF notePlace(const QRectF& area, int side, int value);
// The pixel size of the values' font: as tall as a place allows, its digits never lower than
// 8 pixels, the least that reads.
int notePixelSize(const QRectF& area);
// The values' font in that area, notePixelSize high, and how much narrower than the font the
// values are drawn (1 where the places are wide enough for its widest value).
QFont noteFont(const QRectF& area);
double noteSqueeze(const QFont& font, const QRectF& area, int side);
// The half width and half height of the ring around a value drawn at that size in that place:
// a circle where the place has room, flatter where its places are low (the 15 x 15 grid), yet
// always around the value.
QSizeF ringRadii(const QRectF& place, int pixelSize);
QString noteText(int value);

}  // namespace quorvel::view
