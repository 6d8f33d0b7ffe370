#pragma once
// The colours of the grid aids (conflicts, the highlighted value, the candidate filter and the
// user's colouring), in one set so that another look of the program can swap them as one.
// Text on the highlight keeps a contrast of at least 4.5 : 1: a highlighted cell draws its red,
// blue or purple text and its notes in the darker shades named here.

#include <array>

#include "model/colour.h"

namespace quorvel {

// 0xRRGGBB as this program's 0x00BBGGRR.
constexpr Colour fromRgb(unsigned rgb) {
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

struct AidColours {
    // A cell whose value repeats in its row, column or block: its text, and its back.
    Colour conflictFore;
    Colour conflictBack;
    // The highlighted value: the back of its cells and of its notes, and the text drawn there.
    Colour highlightBack;
    Colour highlightGivenFore;
    Colour highlightEntryFore;
    Colour highlightExperimentFore;
    Colour highlightNoteFore;
    Colour highlightMistakeFore;  // a contradicted note or a conflicting value
    // The empty cells where the filtered value is still possible.
    Colour filterBack;
    // The user's colours 1..4 (element 0 unused): 1 and 2 are a pair, 3 and 4 the other.
    std::array<Colour, 5> colouring;
};

inline constexpr AidColours kClassicAidColours{
    kNoteMistakeFore,
    fromRgb(0xFFE4E4),
    fromRgb(0xFFD060),
    fromRgb(0xB00000),
    kEntryBlue,
    fromRgb(0x800080),
    kNoteFore,
    fromRgb(0xB00000),
    fromRgb(0xB8F0E8),
    {0, fromRgb(0x9CD3FF), fromRgb(0xFFC48C), fromRgb(0xB4EBA0), fromRgb(0xE6B4F0)}};

// The set in use.
inline const AidColours& aidColours() {
    return kClassicAidColours;
}

}  // namespace quorvel
