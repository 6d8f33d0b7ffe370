#pragma once
// Captions written for symbol fonts (Marlett, Wingdings 2 and 3) keep their letters in the core;
// none of those fonts exists here, so the view shows an equivalent symbol from DejaVu Sans.

#include <QFont>
#include <QString>

#include <string_view>

namespace quorvel::view {

struct DisplayText {
    QString text;
    QFont font;
};

// True for the font names whose letters stand for pictures.
bool isSymbolFont(std::string_view fontName);

// What to draw for a caption in the named font at the given point size: the caption itself in a
// matching present font, or the equivalent symbols for a symbol font.
DisplayText displayTextFor(std::string_view fontName, std::string_view caption, double pointSize);

}  // namespace quorvel::view
