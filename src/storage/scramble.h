#pragma once
// The reversible per-byte shift that every data file is stored with, so that a text editor shows
// nothing readable. Texts are byte strings: each char is one byte 0..255.

#include <string>
#include <string_view>

namespace quorvel {

// The built-in key, as its Windows-1252 byte codes ("qÆ7ÐµZ×m4Ñe"). Only the sum of the codes
// matters; spelling the bytes out keeps the sum independent of how this file is encoded.
inline constexpr unsigned char kDefaultKey[] = {0x71, 0xC6, 0x37, 0xD0, 0xB5, 0x5A,
                                                0xD7, 0x6D, 0x34, 0xD1, 0x65};

// The sum of the key's codes (1531), known at compile time so a scramble never recomputes it.
constexpr int shiftSum() {
    int sum = 0;
    for (const unsigned char code : kDefaultKey)
        sum += code;
    return sum;
}

// The shift applied at 1-based position `position` of a text of `length` bytes.
int shiftAt(std::size_t length, std::size_t position);

// unscramble = false scrambles, true unscrambles; the result has the same length. Both directions
// work modulo 256, so they are inverse for every byte string, including bytes that the program
// itself never writes (an unscrambled 256 wraps to 0 rather than overflowing the byte).
std::string scramble(std::string_view text, bool unscramble);

}  // namespace quorvel
