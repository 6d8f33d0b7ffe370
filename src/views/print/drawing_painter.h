#pragma once
// Paints the core's drawn pages (application/print/drawing.h) onto any painter: each shape and text
// at its place in points, times the device's pixels per point.

#include <QPainter>

#include "application/print/drawing.h"

namespace quorvel::view {

void paintDrawnPage(QPainter& painter, const DrawnPage& page, double pixelsPerPoint);

}  // namespace quorvel::view
