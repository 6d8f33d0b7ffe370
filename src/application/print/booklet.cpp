#include "application/print/booklet.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <string_view>

#include "application/shell/version.h"
#include "engines/logic/puzzle_rating.h"  // levelName
#include "engines/logic/rating_scale.h"   // formatRating

namespace quorvel {

namespace {

constexpr Colour kCellLine = colour::kGrey;
constexpr Colour kSolvedValue = colour::kDarkGrey;

// Line widths relative to the grid's side: block borders and the frame stand out from the cell
// lines at every size.
constexpr double kCellLineShare = 0.0016;
constexpr double kBlockLineShare = 0.0065;
constexpr double kMinCellLine = 0.35;
constexpr double kMinBlockLine = 1.1;
// A value's text height as a share of the cell.
constexpr double kValueShare = 0.55;

class PageDrawing {
  public:
    explicit PageDrawing(PaperSize size) { page_.size = size; }
    template <class Shape>
    void add(Shape shape) {
        page_.commands.emplace_back(std::move(shape));
    }
    DrawnPage take() { return std::move(page_); }

  private:
    DrawnPage page_;
};

// One grid in its square: the cell values (givens bold, with `solution` the other values
// regular), thin cell lines, heavier block lines and the frame.
void drawGrid(PageDrawing& drawing, const GridKind& kind, const PageRect& square,
              const BookletPuzzle& puzzle, bool solution) {
    const double cell = square.width / kind.side;
    const double thin = std::max(kMinCellLine, square.width * kCellLineShare);
    const double heavy = std::max(kMinBlockLine, square.width * kBlockLineShare);
    for (int k = 1; k < kind.side; ++k) {
        const double x = square.left + k * cell;
        const double y = square.top + k * cell;
        const bool blockColumn = k % kind.blockWidth == 0;
        const bool blockRow = k % kind.blockHeight == 0;
        if (!blockColumn) {
            drawing.add(StrokeLine{x, square.top, x, square.top + square.height, thin, kCellLine});
        }
        if (!blockRow) {
            drawing.add(StrokeLine{square.left, y, square.left + square.width, y, thin, kCellLine});
        }
    }
    for (int k = 1; k < kind.side; ++k) {
        const double x = square.left + k * cell;
        const double y = square.top + k * cell;
        if (k % kind.blockWidth == 0)
            drawing.add(StrokeLine{x, square.top, x, square.top + square.height, heavy});
        if (k % kind.blockHeight == 0)
            drawing.add(StrokeLine{square.left, y, square.left + square.width, y, heavy});
    }
    drawing.add(StrokeRect{square, heavy});
    for (int index = 0; index < kind.cellCount(); ++index) {
        const bool given = puzzle.givens[static_cast<std::size_t>(index)] != 0;
        const int value = solution ? puzzle.solution[static_cast<std::size_t>(index)]
                                   : puzzle.givens[static_cast<std::size_t>(index)];
        if (value == 0) continue;
        const int cellNumber = index + 1;
        const PageRect box{square.left + (kind.columnOf(cellNumber) - 1) * cell,
                           square.top + (kind.rowOf(cellNumber) - 1) * cell, cell, cell};
        drawing.add(PageText{box, std::to_string(value), cell * kValueShare, given,
                             TextAlign::Centre, given ? colour::kBlack : kSolvedValue});
    }
}

}  // namespace

std::string puzzleLabel(const BookletPuzzle& puzzle) {
    std::string label = "No. " + std::to_string(puzzle.number);
    if (puzzle.level >= 1 && puzzle.level <= 4) label += " - " + logic::levelName(puzzle.level);
    if (puzzle.rating > 0) label += " (" + logic::formatRating(puzzle.rating) + ")";
    return label;
}

std::string bookletLinesProblem(std::string_view heading, std::string_view footer) {
    const auto characters = [](std::string_view text) {
        return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
            return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        }));
    };
    if (characters(heading) > kMostHeadingCharacters)
        return "The heading takes at most " + std::to_string(kMostHeadingCharacters) +
               " characters.";
    if (characters(footer) > kMostFooterCharacters)
        return "The footer takes at most " + std::to_string(kMostFooterCharacters) + " characters.";
    return "";
}

std::string bookletDate(int year, int month, int day) {
    static constexpr std::array<std::string_view, 12> kMonths{
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    if (month < 1 || month > 12) return "";
    return std::to_string(day) + " " + std::string(kMonths[static_cast<std::size_t>(month - 1)]) +
           " " + std::to_string(year);
}

std::string bookletDate(double serialDay) {
    using namespace std::chrono;
    const year_month_day date{sys_days{1899y / December / 30} +
                              days{static_cast<int>(std::floor(serialDay))}};
    return bookletDate(static_cast<int>(date.year()), static_cast<int>(unsigned(date.month())),
                       static_cast<int>(unsigned(date.day())));
}

PdfInfo bookletPdfInfo(const Booklet& booklet) {
    const std::string program = kProgramTitle;
    return {booklet.title, booklet.footer.empty() ? program : booklet.footer,
            program + " " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) +
                "." + std::to_string(kVersionRevision)};
}

std::vector<DrawnPage> drawBooklet(const Booklet& booklet, const BookletPlan& plan) {
    std::vector<DrawnPage> pages;
    const std::string pageCount = std::to_string(plan.pages.size());
    for (const PlanPage& planned : plan.pages) {
        PageDrawing drawing(plan.paper);
        drawing.add(PageText{plan.title,
                             planned.solutions ? booklet.title + " - Solutions" : booklet.title, 14,
                             true, TextAlign::Left});
        if (!booklet.date.empty())
            drawing.add(PageText{plan.title, booklet.date, 10, false, TextAlign::Right});
        drawing.add(StrokeLine{plan.title.left, plan.title.top + plan.title.height,
                               plan.title.left + plan.title.width,
                               plan.title.top + plan.title.height, 0.8});
        for (const PlanSlot& slot : planned.places) {
            const BookletPuzzle& puzzle = booklet.puzzles[static_cast<std::size_t>(slot.puzzle)];
            drawGrid(drawing, booklet.kind, slot.grid, puzzle, planned.solutions);
            drawing.add(PageText{
                slot.label,
                planned.solutions ? "No. " + std::to_string(puzzle.number) : puzzleLabel(puzzle),
                planned.solutions ? 8.0 : 10.0});
        }
        if (!booklet.footer.empty())
            drawing.add(PageText{plan.footer, booklet.footer, 9, false, TextAlign::Left});
        drawing.add(PageText{plan.footer,
                             "Page " + std::to_string(pages.size() + 1) + " of " + pageCount, 9,
                             false, booklet.footer.empty() ? TextAlign::Centre : TextAlign::Right});
        pages.push_back(drawing.take());
    }
    return pages;
}

}  // namespace quorvel
