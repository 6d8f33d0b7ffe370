#pragma once
// A booklet of puzzles and its pages as drawing commands: each puzzle page shows its grids with
// the givens in bold, block borders heavier than the cell lines, and under each grid the
// puzzle's number and level; the solution pages show the complete grids smaller, the givens
// still bold, each labelled with its puzzle's number. The heading line (a club's name, say) heads
// every page with the date at its right when asked; the footer line and the page number end it.

#include <string>
#include <string_view>
#include <vector>

#include "application/print/booklet_plan.h"
#include "application/print/drawing.h"
#include "application/print/pdf_document.h"
#include "model/grid_kind.h"

namespace quorvel {

struct BookletPuzzle {
    int number = 0;             // its number where it came from
    int level = 0;              // 1..4; 0 when not known
    int rating = 0;             // tenths on the shared scale; 0 when not known
    std::vector<int> givens;    // index 0 is cell 1; 0 = empty
    std::vector<int> solution;  // the complete grid
};

struct Booklet {
    GridKind kind = kNineGrid;
    std::string title;   // the heading line
    std::string footer;  // "" for none
    std::string date;    // "" for none
    std::vector<BookletPuzzle> puzzles;
};

// A heading or footer line longer than this many characters would run off the page.
inline constexpr std::size_t kMostHeadingCharacters = 50;
inline constexpr std::size_t kMostFooterCharacters = 80;
// Why the heading or the footer line cannot be printed ("" when both can).
std::string bookletLinesProblem(std::string_view heading, std::string_view footer);

// "15 March 2025": the date a booklet prints.
std::string bookletDate(int year, int month, int day);
// The same for a local date given as days since 1899-12-30 (the Host's clock).
std::string bookletDate(double serialDay);
// The document information of the booklet's PDF: its heading as the Title, the footer as the
// Author (a club signs there; "Quorvel" when empty) and the program as the Creator.
PdfInfo bookletPdfInfo(const Booklet& booklet);

// "No. 12 - Hard"; "No. 12" when the level is not known.
std::string puzzleLabel(const BookletPuzzle& puzzle);

// The pages of the plan with the booklet's puzzles drawn into its slots.
std::vector<DrawnPage> drawBooklet(const Booklet& booklet, const BookletPlan& plan);

}  // namespace quorvel
