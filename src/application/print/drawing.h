#pragma once
// A printed page as drawing commands: filled and outlined rectangles, lines and texts, in points
// from the page's top left corner, y downwards. The booklet and the single printed page are made
// of them; the PDF writer (pdf_document.h) turns them into a document and the Qt view paints them
// onto a printer. Only vector shapes and text: nothing is a raster image, so a page prints sharp
// at any size.

#include <string>
#include <variant>
#include <vector>

#include "model/colour.h"

namespace quorvel {

enum class Paper { A4, Letter };

// Sheet sizes in points (1/72 inch), portrait.
struct PaperSize {
    double width = 0;
    double height = 0;
};
constexpr PaperSize sizeOf(Paper paper) {
    return paper == Paper::Letter ? PaperSize{612, 792} : PaperSize{595, 842};
}

struct PageRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

struct FillRect {
    PageRect rect;
    Colour colour = colour::kBlack;
};

struct StrokeRect {
    PageRect rect;
    double lineWidth = 1;
    Colour colour = colour::kBlack;
};

struct StrokeLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double lineWidth = 1;
    Colour colour = colour::kBlack;
};

enum class TextAlign { Left, Centre, Right };

// A line of text in Helvetica (bold or regular), placed across the rectangle by `align` and with
// its capital letters centred from top to bottom. Bytes outside printable ASCII print as "?".
struct PageText {
    PageRect rect;
    std::string text;
    double size = 10;  // points
    bool bold = false;
    TextAlign align = TextAlign::Centre;
    Colour colour = colour::kBlack;
};

using DrawCommand = std::variant<FillRect, StrokeRect, StrokeLine, PageText>;

struct DrawnPage {
    PaperSize size;
    std::vector<DrawCommand> commands;
};

}  // namespace quorvel
