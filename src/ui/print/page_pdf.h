#pragma once
// The printed page as a one-page PDF file, drawn without a font system: the page's cells,
// frame, block lines, headings and title on an A4 sheet, texts in the standard Helvetica font.
// The scripted session prints with it; the program prints through the platform's printer.

#include <filesystem>
#include <string>

#include "storage/file_error.h"
#include "ui/print/print_layout.h"

namespace quorvel {

// The whole PDF document of the page.
std::string PagePdf(const PrintPage& page);

// Writes PagePdf(page) into `file`, replacing it atomically.
FileStatus WritePagePdf(const PrintPage& page, const std::filesystem::path& file);

}  // namespace quorvel
