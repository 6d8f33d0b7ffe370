#include "views/print/printer_output.h"

#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include <string_view>

#include "application/print/pdf_document.h"
#include "storage/data_file.h"
#include "views/print/drawing_painter.h"

namespace quorvel::view {
namespace {

bool paintOn(QPrinter& printer, const PagePainter& paint) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // The painter's origin is the top left of the printable area.
    const QSize printable = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    paint(painter, QRectF(QPointF(0, 0), QSizeF(printable)));
    return painter.end();
}

}  // namespace

FileStatus writePagePdf(const QString& path, const PagePainter& paint) {
    QBuffer document;
    document.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&document);
        writer.setPageSize(QPageSize(QPageSize::A4));
        QPainter painter;
        if (!painter.begin(&writer)) {
            return FileError{path.toStdString(), "save", "the page could not be drawn"};
        }
        // The painter's origin is the top left of the printable area.
        const QSize printable = writer.pageLayout().paintRectPixels(writer.resolution()).size();
        paint(painter, QRectF(QPointF(0, 0), QSizeF(printable)));
        painter.end();
    }
    const QByteArray& bytes = document.data();
    return replaceFileAtomically(
        path.toStdString(),
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

PrintOutcome printPage(QWidget* parent, const PagePainter& paint) {
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (!defaultPrinter.isNull()) {
        QPrinter printer(defaultPrinter, QPrinter::HighResolution);
        return paintOn(printer, paint) ? PrintOutcome::Printed : PrintOutcome::Failed;
    }
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString chosen = QFileDialog::getSaveFileName(
        parent, QObject::tr("No printer installed - save the page as PDF"),
        QDir(folder).filePath(QStringLiteral("Quorvel puzzle.pdf")),
        QObject::tr("PDF Files (*.pdf)"));
    if (chosen.isEmpty()) return PrintOutcome::Cancelled;
    const QString path = QString::fromStdString(withPdfSuffix(chosen.toStdString()).string());
    if (const FileStatus error = writePagePdf(path, paint)) {
        QMessageBox::warning(parent, QObject::tr("Print"),
                             QString::fromStdString(error->message()));
        return PrintOutcome::Failed;
    }
    QMessageBox::information(parent, QObject::tr("Print"),
                             QObject::tr("No printer is installed; the page was saved as %1.")
                                 .arg(QDir::toNativeSeparators(path)));
    return PrintOutcome::SavedAsPdf;
}

PagesPrinted printPages(QWidget* parent, const std::vector<DrawnPage>& pages) {
    if (pages.empty() || QPrinterInfo::availablePrinters().isEmpty())
        return PagesPrinted::NoPrinter;
    QPrinter printer(QPrinter::HighResolution);
    const PaperSize paper = pages.front().size;
    printer.setPageSize(
        QPageSize(QSize(static_cast<int>(paper.width), static_cast<int>(paper.height))));
    printer.setPageOrientation(QPageLayout::Portrait);
    // The pages bring their own margins: the painter's origin is the sheet's corner.
    printer.setFullPage(true);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return PagesPrinted::Cancelled;
    QPainter painter;
    if (!painter.begin(&printer)) return PagesPrinted::Failed;
    const double pixelsPerPoint = printer.resolution() / 72.0;
    for (std::size_t index = 0; index < pages.size(); ++index) {
        if (index > 0 && !printer.newPage()) return PagesPrinted::Failed;
        paintDrawnPage(painter, pages[index], pixelsPerPoint);
    }
    return painter.end() ? PagesPrinted::Printed : PagesPrinted::Failed;
}

}  // namespace quorvel::view
