#pragma once
// The printed page as a one-page PDF file: the page's cells, frame, block lines, headings and
// title drawn on an A4 sheet, scaled into its margins (pdf_document.h writes it). The scripted
// session prints with it; the program prints through the platform's printer.

#include <filesystem>

#include "application/print/drawing.h"
#include "application/print/print_layout.h"
#include "storage/file_error.h"

namespace quorvel {

// The page's drawing on an A4 sheet; nothing drawn for a page without a size.
DrawnPage drawPrintPage(const PrintPage& page);

// Writes the PDF document of drawPrintPage(page) into `file`, replacing it atomically.
FileStatus writePagePdf(const PrintPage& page, const std::filesystem::path& file);

}  // namespace quorvel
