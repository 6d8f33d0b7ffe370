#pragma once
// Numbers as the data files write them: plain decimal integers (read as 16-bit signed values) and
// date/time fractions of a day written as decimal numbers.

#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// An optional "-" and decimal digits within -32768..32767; nullopt for anything else.
std::optional<int> parseInt16(std::string_view text);

// The shortest decimal text that reads back as the same value ("0", "0.5", "0.0123").
std::string formatDecimal(double value);
// A decimal number such as formatDecimal writes; nullopt when the text is not one.
std::optional<double> parseDecimal(std::string_view text);

}  // namespace quorvel
