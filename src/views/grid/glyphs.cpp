#include "views/grid/glyphs.h"

#include <array>
#include <utility>

namespace quorvel::view {
namespace {

struct CaptionGlyph {
    std::string_view font;
    std::string_view caption;
    char16_t symbol;
};

// Whole captions of the toolbar and level marker. The pictures follow the buttons' meaning:
// a branch for the experimental run, cross and tick for reject and confirm, an arrow to a bar
// for Get Next, a target for Check For Single, a pencil for Notes Mode, curved arrows for undo
// and redo, and the level as a digit in a dark circle.
constexpr std::array kCaptionGlyphs{
    CaptionGlyph{"Wingdings 3", "15", u'\u2387'}, CaptionGlyph{"Wingdings 3", "*", u'\u2718'},
    CaptionGlyph{"Wingdings 3", "9", u'\u2714'},  CaptionGlyph{"Wingdings 3", "7", u'\u21E5'},
    CaptionGlyph{"Wingdings 3", "G", u'\u25C9'},  CaptionGlyph{"Wingdings 3", "N", u'\u21B6'},
    CaptionGlyph{"Wingdings 3", "O", u'\u21B7'},  CaptionGlyph{"Wingdings 2", "$", u'\u270E'},
    CaptionGlyph{"Wingdings 2", "u", u'\u2776'},  CaptionGlyph{"Wingdings 2", "v", u'\u2777'},
    CaptionGlyph{"Wingdings 2", "w", u'\u2778'},  CaptionGlyph{"Wingdings 2", "x", u'\u2779'},
};

// Marlett draws one triangle per digit: 3 left, 4 right, 5 up, 6 down.
constexpr std::array<std::pair<char, char16_t>, 4> kMarlettTriangles{{
    {'3', u'\u25C0'},
    {'4', u'\u25B6'},
    {'5', u'\u25B2'},
    {'6', u'\u25BC'},
}};

QString marlettText(std::string_view caption) {
    QString text;
    for (char letter : caption) {
        QChar shown = QChar::fromLatin1(letter);
        for (const auto& [code, symbol] : kMarlettTriangles) {
            if (code == letter) shown = QChar(symbol);
        }
        text.append(shown);
    }
    return text;
}

QFont presentFontFor(std::string_view fontName, double pointSize) {
    QFont font(QString::fromUtf8(fontName.data(), static_cast<qsizetype>(fontName.size())));
    if (fontName.find("Narrow") != std::string_view::npos) font.setStretch(QFont::Condensed);
    if (pointSize > 0) font.setPointSizeF(pointSize);
    return font;
}

}  // namespace

bool isSymbolFont(std::string_view fontName) {
    return fontName == "Marlett" || fontName.starts_with("Wingdings");
}

DisplayText displayTextFor(std::string_view fontName, std::string_view caption, double pointSize) {
    if (!isSymbolFont(fontName)) {
        return {QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())),
                presentFontFor(fontName, pointSize)};
    }
    QFont symbolFont(QStringLiteral("DejaVu Sans"));
    if (pointSize > 0) symbolFont.setPointSizeF(pointSize);
    if (fontName == "Marlett") return {marlettText(caption), symbolFont};
    for (const CaptionGlyph& glyph : kCaptionGlyphs) {
        if (glyph.font == fontName && glyph.caption == caption) {
            return {QString(QChar(glyph.symbol)), symbolFont};
        }
    }
    // An unknown symbol caption still shows something readable rather than nothing.
    return {QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())), symbolFont};
}

}  // namespace quorvel::view
