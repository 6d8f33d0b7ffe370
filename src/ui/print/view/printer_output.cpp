#include "ui/print/view/printer_output.h"

#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include <string_view>

#include "storage/data_file.h"

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
    return ReplaceFileAtomically(
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
    const QString path = QFileDialog::getSaveFileName(
        parent, QObject::tr("No printer installed - save the page as PDF"),
        QDir(folder).filePath(QStringLiteral("Quorvel puzzle.pdf")),
        QObject::tr("PDF Files (*.pdf)"));
    if (path.isEmpty()) return PrintOutcome::Cancelled;
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

}  // namespace quorvel::view
