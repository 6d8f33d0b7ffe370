// The core's PDF documents: a readable file structure (every cross-reference offset lands on its
// object, each stream's length is exact, one page object per page), texts escaped, placed by
// their alignment in their font, and the printed page scaled into the sheet's margins.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "application/print/page_pdf.h"
#include "application/print/pdf_document.h"

namespace quorvel::testing {
namespace {

std::vector<DrawnPage> twoPages() {
    DrawnPage first{sizeOf(Paper::A4), {}};
    first.commands = {
        FillRect{{10, 20, 30, 40}, 0xFFFFFF},
        PageText{{100, 200, 100, 20}, "5", 20, false, TextAlign::Centre, 0x0000FF},
        PageText{{100, 200, 100, 20}, "(x)\\\xC3\xA9", 10, true, TextAlign::Right},
        PageText{{100, 200, 100, 20}, "No. 1", 10, false, TextAlign::Left},
    };
    DrawnPage second{sizeOf(Paper::Letter), {StrokeLine{1, 2, 3, 4, 0.5}}};
    return {first, second};
}

TEST(PdfDocumentTest, CrossReferencePointsAtEveryObjectAndStreamLengthsAreExact) {
    // The document information in UTF-16 (a Latin letter, one beyond the first plane, and a
    // sequence beyond Unicode's last character, which is replaced); an empty entry is left out.
    const std::string pdf =
        pdfDocument(twoPages(), {"Caf\xC3\xA9 \xF0\x9F\x98\x80\xF7\xBF\xBF\xBF", "", "Q"});
    ASSERT_EQ(pdf.rfind("%PDF-1.4\n", 0), 0u);
    EXPECT_NE(pdf.find("/Count 2 "), std::string::npos);
    EXPECT_NE(pdf.find("<< /Title <FEFF00430061006600E90020D83DDE00FFFD> /Creator <FEFF0051> >>"),
              std::string::npos);
    EXPECT_NE(pdf.find("/Info 5 0 R"), std::string::npos);
    const int objects = std::stoi(pdf.substr(pdf.find("/Size ") + 6)) - 1;
    EXPECT_EQ(objects, 9);
    const std::size_t xref = std::stoul(pdf.substr(pdf.rfind("startxref\n") + 10));
    ASSERT_EQ(pdf.compare(xref, 5, "xref\n"), 0);
    for (int object = 1; object <= objects; ++object) {
        const std::size_t entry =
            pdf.find('\n', xref + 5) + 1 + 20 * static_cast<std::size_t>(object);
        const std::size_t offset = std::stoul(pdf.substr(entry, 10));
        const std::string header = std::to_string(object) + " 0 obj\n";
        EXPECT_EQ(pdf.compare(offset, header.size(), header), 0) << object;
    }
    for (std::size_t at = pdf.find("/Length "); at != std::string::npos;
         at = pdf.find("/Length ", at + 1)) {
        const std::size_t start = pdf.find("stream\n", at) + 7;
        EXPECT_EQ(pdf.find("endstream", start), start + std::stoul(pdf.substr(at + 8)));
    }
    EXPECT_NE(pdf.find("/MediaBox [0 0 612.000 792.000]"), std::string::npos);
}

TEST(PdfDocumentTest, TextsAreEscapedAndPlacedInTheirFont) {
    const std::string pdf = pdfDocument(twoPages());
    // "5" is 556/1000 of 20 points wide: left 100 + (100 - 11.12) / 2; baseline at the middle
    // plus half the capital height.
    EXPECT_NE(pdf.find("1.000 0.000 0.000 rg /F1 20.000 Tf 1 0 0 -1 144.440 217.180 Tm (5) Tj"),
              std::string::npos);
    // Bold, right-aligned: "(x)\?" is 333+556+333+278+611+611 thousandths of 10 points wide.
    EXPECT_NE(pdf.find("/F2 10.000 Tf 1 0 0 -1 172.780 213.590 Tm (\\(x\\)\\\\?\?) Tj"),
              std::string::npos);
    EXPECT_NE(pdf.find("1 0 0 -1 100.000 213.590 Tm (No. 1) Tj"), std::string::npos);
    EXPECT_NE(pdf.find("1.000 1.000 1.000 rg 10.000 20.000 30.000 40.000 re f"), std::string::npos);
}

TEST(PagePdfTest, ThePageIsScaledIntoTheSheetMargins) {
    PrintPage page;
    page.widthTwips = 4000;
    page.heightTwips = 2000;
    page.cells = {{{100, 200, 1000, 1000}, "5", 0x0000FF, 0xFFFFFF}};
    // After the title and the frame; 523 points of width for 4000 twips, from the 36 point margin.
    const DrawnPage drawn = drawPrintPage(page);
    const auto* cell = std::get_if<FillRect>(&drawn.commands.at(3));
    ASSERT_NE(cell, nullptr);
    EXPECT_NEAR(cell->rect.left, 36 + 100 * 0.13075, 1e-9);
    EXPECT_NEAR(cell->rect.top, 36 + 200 * 0.13075, 1e-9);
    EXPECT_NEAR(cell->rect.width, 1000 * 0.13075, 1e-9);
    EXPECT_TRUE(drawPrintPage(PrintPage{}).commands.empty());
}

}  // namespace
}  // namespace quorvel::testing
