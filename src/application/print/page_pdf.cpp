#include "application/print/page_pdf.h"

#include <algorithm>

#include "application/print/pdf_document.h"

namespace quorvel {

namespace {

constexpr double kMargin = 36.0;
constexpr int kTwipsPerPoint = 20;
constexpr int kTitlePoints = 12;

// The page's twips scaled into the A4 sheet's margins, keeping its proportions.
class Canvas {
  public:
    explicit Canvas(const PrintPage& page) {
        page_.size = sizeOf(Paper::A4);
        scale_ = std::min((page_.size.width - 2 * kMargin) / page.widthTwips,
                          (page_.size.height - 2 * kMargin) / page.heightTwips);
    }
    void fill(const TwipRect& rect, Colour colour) { add(FillRect{onPage(rect), colour}); }
    void frame(const TwipRect& rect, Colour colour, int widthTwips) {
        add(StrokeRect{onPage(rect), widthTwips * scale_, colour});
    }
    void line(const TwipLine& line, int widthTwips) {
        add(StrokeLine{x(line.x1), y(line.y1), x(line.x2), y(line.y2), widthTwips * scale_,
                       colour::kBlack});
    }
    void text(const TwipRect& rect, const std::string& text, int points, Colour colour) {
        add(PageText{onPage(rect), text, points * kTwipsPerPoint * scale_, false, TextAlign::Centre,
                     colour});
    }
    DrawnPage take() { return std::move(page_); }

  private:
    double x(int twips) const { return kMargin + twips * scale_; }
    double y(int twips) const { return kMargin + twips * scale_; }
    PageRect onPage(const TwipRect& rect) const {
        return {x(rect.left), y(rect.top), rect.width * scale_, rect.height * scale_};
    }
    template <class Shape>
    void add(Shape shape) {
        page_.commands.emplace_back(std::move(shape));
    }

    DrawnPage page_;
    double scale_ = 1;
};

}  // namespace

DrawnPage drawPrintPage(const PrintPage& page) {
    if (page.widthTwips <= 0 || page.heightTwips <= 0) return {sizeOf(Paper::A4), {}};
    Canvas canvas(page);
    canvas.fill(page.title.rect, page.titleBackColour);
    canvas.text(page.title.rect, page.title.text, kTitlePoints, 0);
    canvas.frame(page.frame, page.frameColour, 30);
    for (const PrintCell& cell : page.cells) {
        canvas.fill(cell.rect, cell.backColour);
        canvas.frame(cell.rect, kPrintCellBorder, 8);
        canvas.text(cell.rect, cell.text, page.cellFontPoints, cell.foreColour);
    }
    for (const TwipLine& line : page.blockLines)
        canvas.line(line, 30);
    for (const auto* headings : {&page.letterHeadings, &page.numberHeadings}) {
        for (const PrintLabel& label : *headings)
            canvas.text(label.rect, label.text, page.headingFontPoints, 0);
    }
    return canvas.take();
}

FileStatus writePagePdf(const PrintPage& page, const std::filesystem::path& file) {
    return writePdfDocument({drawPrintPage(page)}, file);
}

}  // namespace quorvel
