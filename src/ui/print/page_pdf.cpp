#include "ui/print/page_pdf.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

#include "storage/data_file.h"

namespace quorvel {

namespace {

constexpr double kSheetWidth = 595.0;  // A4 in points
constexpr double kSheetHeight = 842.0;
constexpr double kMargin = 36.0;
constexpr int kTwipsPerPoint = 20;
constexpr int kTitlePoints = 12;
// Helvetica's capital height as a part of the font size: centres a line of digits or capitals.
constexpr double kCapHeight = 0.718;

// Advance widths of Helvetica's characters 32..126, in thousandths of the font size.
constexpr std::array<int, 95> kHelveticaWidths{
    278, 278, 355, 556, 556, 889, 667, 222, 333, 333, 389, 584, 278, 333,  278, 278, 556, 556, 556,
    556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, 1015, 667, 667, 722, 722, 667,
    611, 778, 722, 278, 500, 667, 556, 833, 722, 778, 667, 778, 722, 667,  611, 722, 667, 944, 667,
    667, 611, 278, 278, 278, 469, 556, 222, 556, 556, 500, 556, 556, 278,  556, 556, 222, 222, 500,
    222, 833, 556, 556, 556, 556, 333, 500, 278, 556, 500, 722, 500, 500,  500, 334, 260, 334, 584};

std::string Number(double value, int decimals = 3) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// "r g b" of a colour.
std::string Rgb(Colour colour) {
    const auto part = [colour](int shift) { return Number(((colour >> shift) & 0xFFu) / 255.0); };
    return part(0) + " " + part(8) + " " + part(16);
}

// The text as a PDF string literal; bytes outside printable ASCII show as "?".
std::string Literal(const std::string& text) {
    std::string literal = "(";
    for (char c : text) {
        if (c == '(' || c == ')' || c == '\\') literal += '\\';
        literal += (c >= 32 && c <= 126) ? c : '?';
    }
    return literal + ")";
}

double TextWidth(const std::string& text, double size) {
    int thousandths = 0;
    for (char c : text)
        thousandths += (c >= 32 && c <= 126) ? kHelveticaWidths[static_cast<std::size_t>(c - 32)]
                                             : kHelveticaWidths['?' - 32];
    return thousandths * size / 1000.0;
}

std::string Rect(const TwipRect& rect) {
    return Number(rect.left) + " " + Number(rect.top) + " " + Number(rect.width) + " " +
           Number(rect.height) + " re";
}

// Drawing commands in the page's twips, y downwards (the page matrix flips them).
class Canvas {
  public:
    void fill(const TwipRect& rect, Colour colour) {
        ops_ += Rgb(colour) + " rg " + Rect(rect) + " f\n";
    }
    void frame(const TwipRect& rect, Colour colour, int width) {
        ops_ += Rgb(colour) + " RG " + Number(width) + " w " + Rect(rect) + " S\n";
    }
    void line(const TwipLine& line, Colour colour, int width) {
        ops_ += Rgb(colour) + " RG " + Number(width) + " w " + Number(line.x1) + " " +
                Number(line.y1) + " m " + Number(line.x2) + " " + Number(line.y2) + " l S\n";
    }
    // The text centred in the rectangle.
    void text(const TwipRect& rect, const std::string& text, int points, Colour colour) {
        if (text.empty()) return;
        const double size = points * kTwipsPerPoint;
        const double x = rect.left + (rect.width - TextWidth(text, size)) / 2;
        const double baseline = rect.top + rect.height / 2.0 + size * kCapHeight / 2;
        ops_ += "BT " + Rgb(colour) + " rg /F1 " + Number(size) + " Tf 1 0 0 -1 " + Number(x) +
                " " + Number(baseline) + " Tm " + Literal(text) + " Tj ET\n";
    }
    const std::string& operations() const { return ops_; }

  private:
    std::string ops_;
};

std::string PageContent(const PrintPage& page) {
    const double scale = std::min((kSheetWidth - 2 * kMargin) / page.widthTwips,
                                  (kSheetHeight - 2 * kMargin) / page.heightTwips);
    Canvas canvas;
    canvas.fill(page.title.rect, page.titleBackColour);
    canvas.text(page.title.rect, page.title.text, kTitlePoints, 0);
    canvas.frame(page.frame, page.frameColour, 30);
    for (const PrintCell& cell : page.cells) {
        canvas.fill(cell.rect, cell.backColour);
        canvas.frame(cell.rect, kPrintCellBorder, 8);
        canvas.text(cell.rect, cell.text, page.cellFontPoints, cell.foreColour);
    }
    for (const TwipLine& line : page.blockLines)
        canvas.line(line, 0, 30);
    for (const auto* headings : {&page.letterHeadings, &page.numberHeadings}) {
        for (const PrintLabel& label : *headings)
            canvas.text(label.rect, label.text, page.headingFontPoints, 0);
    }
    return "q " + Number(scale, 6) + " 0 0 " + Number(-scale, 6) + " " + Number(kMargin) + " " +
           Number(kSheetHeight - kMargin) + " cm\n" + canvas.operations() + "Q\n";
}

}  // namespace

std::string PagePdf(const PrintPage& page) {
    const std::string content =
        page.widthTwips > 0 && page.heightTwips > 0 ? PageContent(page) : std::string();
    const std::vector<std::string> objects{
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + Number(kSheetWidth) + " " +
            Number(kSheetHeight) + "] /Resources << /Font << /F1 4 0 R >> >> /Contents 5 0 R >>",
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>",
        "<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content + "endstream",
    };
    std::string pdf = "%PDF-1.4\n";
    std::vector<std::size_t> offsets;
    for (std::size_t index = 0; index < objects.size(); ++index) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(index + 1) + " 0 obj\n" + objects[index] + "\nendobj\n";
    }
    const std::size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (std::size_t offset : offsets) {
        char entry[24];
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
        pdf += entry;
    }
    pdf += "trailer\n<< /Size " + std::to_string(objects.size() + 1) +
           " /Root 1 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return pdf;
}

FileStatus WritePagePdf(const PrintPage& page, const std::filesystem::path& file) {
    return ReplaceFileAtomically(file, PagePdf(page));
}

}  // namespace quorvel
