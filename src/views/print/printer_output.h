#pragma once
// Sends one painted page to the default printer. With no printer installed the user is offered
// to save the page as a PDF file instead, and told where it went.

#include <QPainter>
#include <QRectF>
#include <QString>

#include <functional>
#include <vector>

#include "application/host.h"
#include "application/print/drawing.h"
#include "storage/file_error.h"

class QWidget;

namespace quorvel::view {

// Paints the page inside the given rectangle (device units of the painter).
using PagePainter = std::function<void(QPainter& painter, const QRectF& page)>;

enum class PrintOutcome { Printed, SavedAsPdf, Cancelled, Failed };

// Paints the page into a PDF document in memory and replaces the file at path with it in one
// rename, as every save of the program does; the failure names the file and the reason.
FileStatus writePagePdf(const QString& path, const PagePainter& paint);

// The default printer, or the PDF offer when there is none.
PrintOutcome printPage(QWidget* parent, const PagePainter& paint);

// The print dialog for drawn pages (a booklet): prints them on the printer chosen there, on the
// pages' paper, portrait. NoPrinter, without a dialog, when the system has no printer.
PagesPrinted printPages(QWidget* parent, const std::vector<DrawnPage>& pages);

}  // namespace quorvel::view
