#pragma once
// Paints the core's print layout onto any painter: the printer, a PDF file or an image.

#include <QPainter>
#include <QRectF>

#include "application/print/print_layout.h"

namespace quorvel::view {

// Scales the page to fit `target`, keeping its proportions, and paints it.
void paintPrintPage(QPainter& painter, const QRectF& target, const PrintPage& page);

}  // namespace quorvel::view
