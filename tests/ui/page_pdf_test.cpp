// The core's PDF of a printed page: a readable file structure (every cross-reference offset
// lands on its object, the stream length is exact), cell boxes, escaped texts centred in their
// boxes, the page scaled into the sheet's margins, and nothing drawn for an empty page.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "ui/print/page_pdf.h"

namespace quorvel::testing {
namespace {

PrintPage SmallPage() {
    PrintPage page;
    page.widthTwips = 4000;
    page.heightTwips = 2000;
    page.cellFontPoints = 10;
    page.cells = {{{100, 200, 1000, 1000}, "5", 0x0000FF, 0xFFFFFF},
                  {{1100, 200, 1000, 1000}, "(x)\\\xC3\xA9", 0, 0xFFFFFF}};
    page.title = {{0, 0, 2000, 300}, "Puzzle No: "};
    return page;
}

TEST(PagePdfTest, CrossReferencePointsAtEveryObjectAndTheStreamLengthIsExact) {
    const std::string pdf = PagePdf(SmallPage());
    ASSERT_EQ(pdf.rfind("%PDF-1.4\n", 0), 0u);
    const std::size_t xref = std::stoul(pdf.substr(pdf.rfind("startxref\n") + 10));
    ASSERT_EQ(pdf.compare(xref, 5, "xref\n"), 0);
    for (int object = 1; object <= 5; ++object) {
        const std::size_t entry = xref + 9 + 20 * static_cast<std::size_t>(object);
        const std::size_t offset = std::stoul(pdf.substr(entry, 10));
        const std::string header = std::to_string(object) + " 0 obj\n";
        EXPECT_EQ(pdf.compare(offset, header.size(), header), 0) << object;
    }
    const std::size_t length = std::stoul(pdf.substr(pdf.find("/Length ") + 8));
    const std::size_t start = pdf.find("stream\n") + 7;
    EXPECT_EQ(pdf.find("endstream"), start + length);
}

TEST(PagePdfTest, AnEmptyPageGivesAnEmptyContentStream) {
    EXPECT_NE(PagePdf(PrintPage{}).find("<< /Length 0 >>\nstream\nendstream"), std::string::npos);
}

TEST(PagePdfTest, CellsTextsAndThePageScaleAreDrawn) {
    const std::string pdf = PagePdf(SmallPage());
    // Red text; "5" is 556/1000 of 200 twips wide: left 100 + (1000 - 111.2) / 2; baseline at the
    // middle plus half the capital height.
    EXPECT_NE(pdf.find("1.000 0.000 0.000 rg /F1 200.000 Tf 1 0 0 -1 544.400 771.800 Tm (5) Tj"),
              std::string::npos);
    EXPECT_NE(pdf.find("1.000 1.000 1.000 rg 100.000 200.000 1000.000 1000.000 re f"),
              std::string::npos);
    // Parentheses and backslashes are escaped; bytes outside printable ASCII print as "?".
    EXPECT_NE(pdf.find("(\\(x\\)\\\\?\?) Tj"), std::string::npos);
    // 523 points of width for 4000 twips; the top margin is 36 points below the sheet's top.
    EXPECT_NE(pdf.find("q 0.130750 0 0 -0.130750 36.000 806.000 cm"), std::string::npos);
}

}  // namespace
}  // namespace quorvel::testing
