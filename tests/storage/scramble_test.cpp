#include "storage/scramble.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

// Printable ASCII with CR LF breaks every 40 characters, as the program's own texts look.
std::string PlainText(std::size_t length) {
    std::string text;
    while (text.size() < length) {
        text += (text.size() % 42 == 40) ? "\r\n" : std::string(1, char(' ' + text.size() % 95));
    }
    text.resize(length);
    return text;
}

class ScrambleRoundTrip : public ::testing::TestWithParam<std::size_t> {};

TEST_P(ScrambleRoundTrip, UnscrambleRestoresText) {
    const std::string plain = PlainText(GetParam());
    const std::string scrambled = scramble(plain, false);
    ASSERT_EQ(scrambled.size(), plain.size());
    if (!plain.empty()) {
        EXPECT_NE(scrambled, plain);
    }
    EXPECT_EQ(scramble(scrambled, true), plain);
}

INSTANTIATE_TEST_SUITE_P(Lengths, ScrambleRoundTrip,
                         ::testing::Values(0u, 1u, 127u, 128u, 129u, 4999u));

TEST(Scramble, ShiftsOfFirstAndLastCharacter) {
    const std::size_t length = 10;
    const std::string scrambled = scramble(std::string(length, 'A'), false);
    const int last = 1531 % 128;
    const int first = (1531 + int(length) - 1) % 128;
    EXPECT_EQ(static_cast<unsigned char>(scrambled.back()), 'A' + last - 1);
    EXPECT_EQ(static_cast<unsigned char>(scrambled.front()), ('A' + first - 1) % 256);
}

TEST(Scramble, AppendingOneCharacterChangesEveryEarlierByte) {
    const std::string plain = PlainText(300);
    const std::string shorter = scramble(plain, false);
    const std::string longer = scramble(plain + "x", false);
    for (std::size_t i = 0; i < shorter.size(); ++i)
        ASSERT_NE(shorter[i], longer[i]) << i;
}

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
    ASSERT_EQ(ShiftAt(6, 1), 0);
    const std::string foreign =
        "\xFF"
        "abcde";
    const std::string plain = scramble(foreign, true);
    EXPECT_EQ(plain[0], '\0');
    EXPECT_EQ(scramble(plain, false), foreign);
}

}  // namespace
}  // namespace quorvel
