#pragma once
// Numbers read from the texts the cells and dialogs hold.

#include <string_view>

namespace quorvel {

// Lenient reading: leading blanks, an optional sign and the digits that follow; "" and text that
// does not begin with a number give 0. Saturates instead of overflowing.
double lenientNumber(std::string_view text);

// True when `text` is one or more ASCII digits and nothing else: the only numeric texts a
// whole-number field admits.
bool isWholeNumberText(std::string_view text);

// `text` without its leading and trailing blanks.
std::string_view trimBlanks(std::string_view text);

// A whole-number text without its leading zeros ("01" gives "1", "0" gives ""); any other text
// unchanged.
std::string_view withoutLeadingZeros(std::string_view text);

}  // namespace quorvel
