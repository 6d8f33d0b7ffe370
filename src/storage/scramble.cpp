#include "storage/scramble.h"

namespace quorvel {

int shiftAt(std::size_t length, std::size_t position) {
    // Later positions get smaller shifts; the last byte is shifted by shiftSum() mod 128.
    constexpr auto kSum = static_cast<std::size_t>(shiftSum());
    return static_cast<int>((kSum + length - position) % 128);
}

std::string scramble(std::string_view text, bool unscramble) {
    std::string result(text);
    const std::size_t length = text.size();
    for (std::size_t i = 0; i < length; ++i) {
        const int code = static_cast<unsigned char>(text[i]);
        const int shift = shiftAt(length, i + 1);
        const int changed = unscramble ? code + 1 - shift : code + shift - 1;
        result[i] = static_cast<char>(static_cast<unsigned char>((changed + 256) % 256));
    }
    return result;
}

}  // namespace quorvel
