#include "ui/print/view/printer_output.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <filesystem>
#include <system_error>

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

bool writePagePdf(const QString& path, const PagePainter& paint) {
    // Written beside the target first and renamed into place, so an old file is never left
    // half overwritten.
    const QString partial = path + QStringLiteral(".part");
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(partial);
        if (!paintOn(printer, paint)) {
            QFile::remove(partial);
            return false;
        }
    }
    if (!QFileInfo(partial).isFile() || QFileInfo(partial).size() == 0) {
        QFile::remove(partial);
        return false;
    }
    // Renaming over the old file replaces it in one step; removing it first would leave no file
    // at all if the program were stopped in between.
    std::error_code error;
    std::filesystem::rename(partial.toStdString(), path.toStdString(), error);
    if (error) QFile::remove(partial);
    return !error;
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
    if (!writePagePdf(path, paint)) {
        QMessageBox::warning(parent, QObject::tr("Print"),
                             QObject::tr("The page could not be written to %1.").arg(path));
        return PrintOutcome::Failed;
    }
    QMessageBox::information(parent, QObject::tr("Print"),
                             QObject::tr("No printer is installed; the page was saved as %1.")
                                 .arg(QDir::toNativeSeparators(path)));
    return PrintOutcome::SavedAsPdf;
}

}  // namespace quorvel::view
