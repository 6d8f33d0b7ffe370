#pragma once
// Where the small values of a cell go, the user's notes and the candidates Explain Next Step
// shows alike: three places across and side / 3 down, 1 at the top left, 10..15 as A..F. The
// cell draws the values; the chain overlay joins them, so both take their places from here.

#include <QRectF>
#include <QSizeF>
#include <QString>

namespace quorvel::view {

// The part of a cell's rectangle the places share.
QRectF noteArea(const QRectF& cell);
QRectF notePlace(const QRectF& area, int side, int value);
// The pixel size of the values' font: as tall as a place allows on the 9 x 9 grid, never below
// 7 pixels, the least that reads.
int notePixelSize(const QRectF& area, int side);
// The half width and half height of the ring around a value drawn at that size in that place:
// a circle where the place has room, flatter where its places are low (the 15 x 15 grid), so
// that the rings of values one above the other do not overlap.
QSizeF ringRadii(const QRectF& place, int pixelSize);
QString noteText(int value);

}  // namespace quorvel::view
