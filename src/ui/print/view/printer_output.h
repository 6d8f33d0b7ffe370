#pragma once
// Sends one painted page to the default printer. With no printer installed the user is offered
// to save the page as a PDF file instead, and told where it went.

#include <QPainter>
#include <QRectF>
#include <QString>

#include <functional>

class QWidget;

namespace quorvel::view {

// Paints the page inside the given rectangle (device units of the painter).
using PagePainter = std::function<void(QPainter& painter, const QRectF& page)>;

enum class PrintOutcome { Printed, SavedAsPdf, Cancelled, Failed };

// Paints the page into a PDF file at path; false when the file could not be written.
bool writePagePdf(const QString& path, const PagePainter& paint);

// The default printer, or the PDF offer when there is none.
PrintOutcome printPage(QWidget* parent, const PagePainter& paint);

}  // namespace quorvel::view
