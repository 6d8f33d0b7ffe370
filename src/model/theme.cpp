#include "model/theme.h"

#include <algorithm>

namespace quorvel {

namespace {

struct DarkCounterpart {
    Colour classic;
    ColourUse use;
    Colour dark;
};

// Grounds turn deep and texts light, each keeping its hue, so a red given, a blue entry and a
// green possibility stay told apart. Every text here reads at 4.5 : 1 or better on every ground.
constexpr DarkCounterpart kDarkColours[] = {
    // Cell texts and notes.
    {kGivenRed, ColourUse::Text, 0x8080FF},
    {kEntryBlue, ColourUse::Text, 0xFFC890},
    {kExperimentPurple, ColourUse::Text, 0xFFA0F0},
    {kNoteFore, ColourUse::Text, 0xD0D0D0},
    {colour::kBlack, ColourUse::Text, 0xF0F0F0},
    {kPanelPossibleFore, ColourUse::Text, 0x80E080},
    {kFlashFore, ColourUse::Text, 0x80E080},
    {colour::kWhite, ColourUse::Text, 0xF0F0F0},
    {colour::kDarkBlue, ColourUse::Text, 0xFFC890},
    {kVisitedLink, ColourUse::Text, 0xFFA0F0},
    // Lines drawn over the cells.
    {kChainLine, ColourUse::Text, 0x40A0FF},
    {kGaugeFill, ColourUse::Text, 0xFFC890},
    {kGetNextFrame, ColourUse::Text, 0x40A0FF},
    // Grounds of cells, panel, buttons and the windows.
    {kPlainBack, ColourUse::Ground, 0x1E1E1E},
    {kShadedBack, ColourUse::Ground, 0x1A2C30},
    {kMarkedBack, ColourUse::Ground, 0x3A3A1C},
    {kButtonFace, ColourUse::Ground, 0x303030},
    {kPanelTakenBack, ColourUse::Ground, 0x101048},
    {kPanelNotedOutBack, ColourUse::Ground, 0x303030},
    {kHintUnitBack, ColourUse::Ground, 0x1C3C1C},
    {kHintPatternBack, ColourUse::Ground, 0x4A2E14},
    {kHintEliminationBack, ColourUse::Ground, 0x2A1C48},
    {kHintTargetBack, ColourUse::Ground, 0x143450},
    {kChainRingFill, ColourUse::Ground, 0x203448},
    {kDifferingCellBack, ColourUse::Ground, 0x48203A},
    {kMistakeCellBack, ColourUse::Ground, 0x202050},
    {kClientColour, ColourUse::Ground, 0x282420},
    {kIncompleteAfterGuessing, ColourUse::Ground, 0x206020},
};

int channel(Colour colour, int shift) {
    return static_cast<int>((colour >> shift) & 0xFF);
}

// A colour this table lacks: a ground at a fifth of its light, a text halfway to white.
Colour fallback(Colour classic, ColourUse use) {
    Colour mixed = 0;
    for (int shift : {0, 8, 16}) {
        const int value = channel(classic, shift);
        const int toward = use == ColourUse::Ground ? value / 5 : (value + 255 * 3) / 4;
        mixed |= static_cast<Colour>(std::clamp(toward, 0, 255)) << shift;
    }
    return mixed;
}

}  // namespace

std::string_view themeName(Theme theme) {
    for (const auto& [named, name] : kThemeNames)
        if (named == theme) return name;
    return kThemeNames[0].second;
}

std::optional<Theme> themeNamed(std::string_view name) {
    for (const auto& [theme, named] : kThemeNames)
        if (named == name) return theme;
    return std::nullopt;
}

Colour themedColour(Colour classic, ColourUse use, bool dark) {
    if (!dark) return classic;
    for (const DarkCounterpart& counterpart : kDarkColours)
        if (counterpart.classic == classic && counterpart.use == use) return counterpart.dark;
    return fallback(classic, use);
}

}  // namespace quorvel
