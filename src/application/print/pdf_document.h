#pragma once
// Drawn pages as one PDF document, written without a font system: every page's rectangles, lines
// and texts as vector drawing operators, texts in the standard Helvetica and Helvetica-Bold fonts
// that every PDF reader has (nothing embedded, no image). The booklet and the scripted session's
// printed page are written with it.

#include <filesystem>
#include <string>
#include <vector>

#include "application/print/drawing.h"
#include "storage/file_error.h"

namespace quorvel {

// The document information a reader shows in its properties (UTF-8; "" leaves an entry out).
struct PdfInfo {
    std::string title;
    std::string author;
    std::string creator;
};

std::string pdfDocument(const std::vector<DrawnPage>& pages, const PdfInfo& info = {});

// Writes pdfDocument(pages, info) into `file`, replacing it atomically.
FileStatus writePdfDocument(const std::vector<DrawnPage>& pages, const std::filesystem::path& file,
                            const PdfInfo& info = {});

// The name a PDF is saved under: `file` with ".pdf" added unless it ends in ".pdf" already (in
// any case), as a name typed without it in a save dialog.
std::filesystem::path withPdfSuffix(std::filesystem::path file);

// The width of `text` in Helvetica (or Helvetica-Bold) at `size` points, as the PDF draws it.
double helveticaWidth(const std::string& text, double size, bool bold);

}  // namespace quorvel
