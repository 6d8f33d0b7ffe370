#pragma once
// Every colour the program uses, each named once. A colour is 0x00BBGGRR: red in the low byte,
// blue in the third, as the program has always numbered them (the colour-number palette text
// keeps them so). The views convert a Colour into their own type; the core never does.

#include <cstdint>

namespace quorvel {

using Colour = std::uint32_t;

// The colours by their look.
namespace colour {

inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kDarkRed = 0x000080;
inline constexpr Colour kBlue = 0xFF0000;
inline constexpr Colour kDarkBlue = 0xC00000;
inline constexpr Colour kNavy = 0xA00000;
inline constexpr Colour kGreen = 0x008000;
inline constexpr Colour kBrightGreen = 0x00FF00;
inline constexpr Colour kPurple = 0x800080;
inline constexpr Colour kViolet = 0xC000C0;
inline constexpr Colour kMagenta = 0xFF00FF;
inline constexpr Colour kTeal = 0x808000;
inline constexpr Colour kOrange = 0x0040C0;
inline constexpr Colour kBrightOrange = 0x0080FF;
inline constexpr Colour kLightGrey = 0xE0E0E0;
inline constexpr Colour kSilver = 0xC0C0C0;
inline constexpr Colour kGrey = 0x808080;
inline constexpr Colour kDarkGrey = 0x404040;
inline constexpr Colour kLightYellow = 0xC0FFFF;
inline constexpr Colour kPaleTurquoise = 0xEEEFB1;
inline constexpr Colour kPink = 0xFF80FF;
inline constexpr Colour kLavender = 0xFFC0C0;
inline constexpr Colour kLightViolet = 0xFFB0D0;
inline constexpr Colour kLightRed = 0xC0C0FF;
inline constexpr Colour kPeach = 0x80C0FF;
inline constexpr Colour kCream = 0xC8ECFF;
inline constexpr Colour kPaleGreen = 0xC8F0C8;
inline constexpr Colour kPaleBlue = 0xFFE0B0;
inline constexpr Colour kPalePink = 0xD0D0FF;
inline constexpr Colour kLightOrange = 0x70C8FF;
inline constexpr Colour kPaleApricot = 0xD8ECFF;

}  // namespace colour

// --- The colours by their use ---

// Cells: the text of a given, of an entry and of an entry during an experimental run; the back
// of a plain cell, of a cell in every other block and of a cell of a givens pattern.
inline constexpr Colour kGivenRed = colour::kRed;
inline constexpr Colour kEntryBlue = colour::kBlue;
inline constexpr Colour kExperimentPurple = colour::kViolet;
inline constexpr Colour kPlainBack = colour::kWhite;
inline constexpr Colour kShadedBack = colour::kLightYellow;
inline constexpr Colour kMarkedBack = colour::kPaleTurquoise;

// The 150 ms press flash of a cell, a toolbar button or a label button.
inline constexpr Colour kFlashBack = colour::kLightGrey;
inline constexpr Colour kFlashFore = colour::kGreen;

// Toolbar buttons at rest and the chosen one (a grid size, a running experiment).
inline constexpr Colour kButtonFace = colour::kLightGrey;
inline constexpr Colour kChosenButtonBack = colour::kLightYellow;

// The user's notes in an empty cell, and a note the grid contradicts (drawn as a mistake).
inline constexpr Colour kNoteFore = colour::kDarkGrey;
inline constexpr Colour kNoteMistakeFore = colour::kRed;

// The possibilities panel: a value still possible for the cell, a value its units hold, and a
// value its units leave that the cell's notes leave out.
inline constexpr Colour kPanelPossibleBack = colour::kWhite;
inline constexpr Colour kPanelPossibleFore = colour::kGreen;
inline constexpr Colour kPanelTakenBack = colour::kDarkRed;
inline constexpr Colour kPanelNotedOutBack = colour::kSilver;
inline constexpr Colour kPanelNotedOutFore = colour::kDarkGrey;

// The grid window: the incomplete status image after a solve ended incomplete while guessing,
// the grid's frame after Get Next, the pink lines and the fill gauge.
inline constexpr Colour kIncompleteAfterGuessing = colour::kBrightGreen;
inline constexpr Colour kGetNextFrame = colour::kBrightOrange;
inline constexpr Colour kPinkLine = colour::kPink;
inline constexpr Colour kGaugeFill = colour::kNavy;

// Explain Next Step: the unit of the first press, the cells of the pattern, the cells that lose
// candidates and the cell that gets the value. Light, so red givens and blue entries stay
// readable.
inline constexpr Colour kHintUnitBack = colour::kPaleGreen;
inline constexpr Colour kHintPatternBack = colour::kPaleBlue;
inline constexpr Colour kHintEliminationBack = colour::kPalePink;
inline constexpr Colour kHintTargetBack = colour::kLightOrange;

// The chains Explain Next Step draws: their lines and the rings around their candidates, the
// inside of the rings, the chains' candidates themselves, and the candidates the steps remove.
inline constexpr Colour kChainLine = colour::kOrange;
inline constexpr Colour kChainRingFill = colour::kPaleApricot;
inline constexpr Colour kChainFore = colour::kBlack;
inline constexpr Colour kChainRemovedFore = colour::kRed;

// Check Puzzle marks the cells where two solutions differ, Show Mistakes the wrong entries.
inline constexpr Colour kDifferingCellBack = colour::kLightViolet;
inline constexpr Colour kMistakeCellBack = colour::kLightRed;

// The main window's client area behind the grid window, the splash window, and the about
// window's web-site link before and after it was followed.
inline constexpr Colour kClientColour = colour::kPeach;
inline constexpr Colour kSplashBack = colour::kCream;
inline constexpr Colour kLinkBlue = colour::kBlue;
inline constexpr Colour kVisitedLink = colour::kPurple;

// The printed page: the frame around the grid, the title's back and the cell borders.
inline constexpr Colour kPrintFrame = colour::kLavender;
inline constexpr Colour kPrintTitleBack = colour::kLightGrey;
inline constexpr Colour kPrintCellBorder = colour::kGrey;

}  // namespace quorvel
