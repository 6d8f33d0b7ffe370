#include "application/print/pdf_document.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <utility>

#include "storage/data_file.h"

namespace quorvel {

namespace {

// Helvetica's capital height as a part of the font size (the same in bold): centres a line of
// digits or capitals.
constexpr double kCapHeight = 0.718;

// Advance widths of the characters 32..126 in thousandths of the font size.
constexpr std::array<int, 95> kHelveticaWidths{
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333,  278, 278, 556, 556, 556,
    556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, 1015, 667, 667, 722, 722, 667,
    611, 778, 722, 278, 500, 667, 556, 833, 722, 778, 667, 778, 722, 667,  611, 722, 667, 944, 667,
    667, 611, 278, 278, 278, 469, 556, 333, 556, 556, 500, 556, 556, 278,  556, 556, 222, 222, 500,
    222, 833, 556, 556, 556, 556, 333, 500, 278, 556, 500, 722, 500, 500,  500, 334, 260, 334, 584};
constexpr std::array<int, 95> kHelveticaBoldWidths{
    278, 333, 474, 556, 556, 889, 722, 238, 333, 333, 389, 584, 278, 333, 278, 278, 556, 556, 556,
    556, 556, 556, 556, 556, 556, 556, 333, 333, 584, 584, 584, 611, 975, 722, 722, 722, 722, 667,
    611, 778, 722, 278, 556, 722, 611, 833, 722, 778, 667, 778, 722, 667, 611, 722, 667, 944, 667,
    667, 611, 333, 278, 333, 584, 556, 333, 556, 611, 556, 611, 556, 333, 611, 611, 278, 278, 556,
    278, 889, 611, 611, 611, 611, 389, 556, 333, 611, 556, 778, 556, 556, 500, 389, 280, 389, 584};

bool printable(char c) {
    return c >= 32 && c <= 126;
}

std::string number(double value, int decimals = 3) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// "r g b" of a colour.
std::string rgb(Colour colour) {
    const auto part = [colour](int shift) { return number(((colour >> shift) & 0xFFu) / 255.0); };
    return part(0) + " " + part(8) + " " + part(16);
}

// The text as a PDF string literal; bytes outside printable ASCII show as "?".
std::string literal(const std::string& text) {
    std::string literal = "(";
    for (char c : text) {
        if (c == '(' || c == ')' || c == '\\') literal += '\\';
        literal += printable(c) ? c : '?';
    }
    return literal + ")";
}

std::string rect(const PageRect& rect) {
    return number(rect.left) + " " + number(rect.top) + " " + number(rect.width) + " " +
           number(rect.height) + " re";
}

// One command as PDF operators, in a space whose y runs downwards (the page matrix flips it).
struct Operators {
    std::string operator()(const FillRect& fill) const {
        return rgb(fill.colour) + " rg " + rect(fill.rect) + " f\n";
    }
    std::string operator()(const StrokeRect& frame) const {
        return rgb(frame.colour) + " RG " + number(frame.lineWidth) + " w " + rect(frame.rect) +
               " S\n";
    }
    std::string operator()(const StrokeLine& line) const {
        return rgb(line.colour) + " RG " + number(line.lineWidth) + " w " + number(line.x1) + " " +
               number(line.y1) + " m " + number(line.x2) + " " + number(line.y2) + " l S\n";
    }
    std::string operator()(const PageText& text) const {
        if (text.text.empty()) return "";
        const double width = helveticaWidth(text.text, text.size, text.bold);
        const double x = text.align == TextAlign::Left ? text.rect.left
                         : text.align == TextAlign::Right
                             ? text.rect.left + text.rect.width - width
                             : text.rect.left + (text.rect.width - width) / 2;
        const double baseline = text.rect.top + text.rect.height / 2 + text.size * kCapHeight / 2;
        return "BT " + rgb(text.colour) + " rg /" + (text.bold ? "F2 " : "F1 ") +
               number(text.size) + " Tf 1 0 0 -1 " + number(x) + " " + number(baseline) + " Tm " +
               literal(text.text) + " Tj ET\n";
    }
};

// UTF-8 text as a PDF text string: UTF-16BE after its byte order mark, in hexadecimal, so any
// character of a heading survives. A byte that does not start a valid sequence, and a sequence
// beyond U+10FFFF, count as U+FFFD.
std::string textString(const std::string& text) {
    std::string hex = "<FEFF";
    const auto unit = [&hex](unsigned value) {
        char digits[9];  // room for any unsigned, though a unit never passes 0xFFFF
        std::snprintf(digits, sizeof digits, "%04X", value & 0xFFFFu);
        hex += digits;
    };
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const int length = lead < 0x80       ? 1
                           : lead >> 5 == 6  ? 2
                           : lead >> 4 == 14 ? 3
                           : lead >> 3 == 30 ? 4
                                             : 0;
        unsigned code = length == 1 ? lead : length == 0 ? 0xFFFD : lead & (0x7Fu >> length);
        bool valid = length > 0 && at + static_cast<std::size_t>(length) <= text.size();
        for (int next = 1; valid && next < length; ++next) {
            const auto byte = static_cast<unsigned char>(text[at + static_cast<std::size_t>(next)]);
            valid = byte >> 6 == 2;
            code = code << 6 | (byte & 0x3Fu);
        }
        if (!valid || code > 0x10FFFF) code = 0xFFFD;
        at += valid ? static_cast<std::size_t>(length) : 1;
        if (code >= 0x10000) {
            code -= 0x10000;
            unit(0xD800 + (code >> 10));
            unit(0xDC00 + (code & 0x3FF));
        } else {
            unit(code);
        }
    }
    return hex + ">";
}

std::string infoDictionary(const PdfInfo& info) {
    std::string entries;
    for (const auto& [key, value] :
         {std::pair{"Title", &info.title}, {"Author", &info.author}, {"Creator", &info.creator}}) {
        if (!value->empty()) entries += std::string(" /") + key + " " + textString(*value);
    }
    return "<<" + entries + " >>";
}

std::string pageContent(const DrawnPage& page) {
    std::string content = "1 0 0 -1 0 " + number(page.size.height) + " cm\n";
    for (const DrawCommand& command : page.commands)
        content += std::visit(Operators{}, command);
    return content;
}

}  // namespace

double helveticaWidth(const std::string& text, double size, bool bold) {
    const std::array<int, 95>& widths = bold ? kHelveticaBoldWidths : kHelveticaWidths;
    int thousandths = 0;
    for (char c : text)
        thousandths += widths[static_cast<std::size_t>((printable(c) ? c : '?') - 32)];
    return thousandths * size / 1000.0;
}

std::string pdfDocument(const std::vector<DrawnPage>& pages, const PdfInfo& info) {
    // Objects 1 to 5 are the catalog, the page tree, the two fonts and the document information;
    // each page then takes two, the page and its content stream.
    std::vector<std::string> objects{
        "<< /Type /Catalog /Pages 2 0 R >>",
        "",
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>",
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica-Bold /Encoding /WinAnsiEncoding >>",
        infoDictionary(info),
    };
    std::string kids;
    for (const DrawnPage& page : pages) {
        const std::size_t pageObject = objects.size() + 1;
        kids += (kids.empty() ? "" : " ") + std::to_string(pageObject) + " 0 R";
        objects.push_back("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + number(page.size.width) +
                          " " + number(page.size.height) +
                          "] /Resources << /Font << /F1 3 0 R /F2 4 0 R >> >> /Contents " +
                          std::to_string(pageObject + 1) + " 0 R >>");
        const std::string content = pageContent(page);
        objects.push_back("<< /Length " + std::to_string(content.size()) + " >>\nstream\n" +
                          content + "endstream");
    }
    objects[1] =
        "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages.size()) + " >>";

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
           " /Root 1 0 R /Info 5 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return pdf;
}

FileStatus writePdfDocument(const std::vector<DrawnPage>& pages, const std::filesystem::path& file,
                            const PdfInfo& info) {
    return replaceFileAtomically(file, pdfDocument(pages, info));
}

std::filesystem::path withPdfSuffix(std::filesystem::path file) {
    std::string suffix = file.extension().string();
    std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (suffix != ".pdf") file += ".pdf";
    return file;
}

}  // namespace quorvel
