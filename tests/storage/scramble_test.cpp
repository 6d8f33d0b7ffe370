#include "storage/scramble.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

// The shifts themselves are checked against an independent implementation of the format
// (interop_check.py); here the byte values outside printable text.
TEST(Scramble, EveryByteValueRoundTripsBothWays) {
    // All 256 byte values at every shift 0..127: a text of 256 * 128 bytes covers each pairing.
    std::string bytes;
    for (int shift = 0; shift < 128; ++shift) {
        for (int code = 0; code < 256; ++code)
            bytes += static_cast<char>(code);
    }
    EXPECT_EQ(scramble(scramble(bytes, false), true), bytes);
    EXPECT_EQ(scramble(scramble(bytes, true), false), bytes);
}

TEST(Scramble, ForeignByteAtShiftZeroWrapsToZero) {
    // Length 6: the first position's shift is (1531 + 5) mod 128 = 0. An unscrambled code of
    // 255 + 1 - 0 = 256 wraps to 0, which scrambles back to 255.
    ASSERT_EQ(shiftAt(6, 1), 0);
    const std::string foreign =
        "\xFF"
        "abcde";
    const std::string plain = scramble(foreign, true);
    EXPECT_EQ(plain[0], '\0');
    EXPECT_EQ(scramble(plain, false), foreign);
}

}  // namespace
}  // namespace quorvel
