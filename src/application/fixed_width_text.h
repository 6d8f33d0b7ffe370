#pragma once
// Text layout without a font system: every character equally wide. Hosts that have no real
// fonts (the scripted session, core tests) measure the help text with it.

#include <string>

#include "application/host.h"

namespace quorvel {

// Each line break starts a paragraph of at least one line; a paragraph wraps after as many
// characters of `charWidthTwips` as fit `widthTwips`. The letter "A" is 20 twips per point high.
TextMeasure measureFixedWidth(const std::string& text, int points, int widthTwips,
                              int charWidthTwips);

}  // namespace quorvel
