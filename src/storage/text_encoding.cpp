#include "storage/text_encoding.h"

namespace quorvel {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string& out, char32_t code) {
    const auto byte = [&out](char32_t bits) { out += static_cast<char>(bits); };
    if (code < 0x80) {
        byte(code);
    } else if (code < 0x800) {
        byte(0xC0 | code >> 6);
        byte(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        byte(0xE0 | code >> 12);
        byte(0x80 | (code >> 6 & 0x3F));
        byte(0x80 | (code & 0x3F));
    } else {
        byte(0xF0 | code >> 18);
        byte(0x80 | (code >> 12 & 0x3F));
        byte(0x80 | (code >> 6 & 0x3F));
        byte(0x80 | (code & 0x3F));
    }
}

bool isHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit < 0xDC00;
}

bool isLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit < 0xE000;
}

}  // namespace

std::optional<std::string> utf16AsUtf8(std::string_view text) {
    if (text.size() < 2) return std::nullopt;
    const auto byte = [text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    std::size_t start = 0;
    bool little = true;
    if (byte(0) == 0xFF && byte(1) == 0xFE) {
        start = 2;
    } else if (byte(0) == 0xFE && byte(1) == 0xFF) {
        start = 2;
        little = false;
    } else if (byte(0) == 0 && byte(1) != 0 && byte(1) < 0x80) {
        little = false;
    } else if (byte(0) == 0 || byte(0) >= 0x80 || byte(1) != 0) {
        return std::nullopt;
    }
    const auto unit = [&](std::size_t i) -> char32_t {
        return little ? byte(i) | byte(i + 1) << 8 : byte(i) << 8 | byte(i + 1);
    };
    std::string out;
    out.reserve(text.size() / 2);
    std::size_t i = start;
    for (; i + 1 < text.size(); i += 2) {
        char32_t code = unit(i);
        if (isHighSurrogate(code) && i + 3 < text.size() && isLowSurrogate(unit(i + 2))) {
            code = 0x10000 + ((code - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (isHighSurrogate(code) || isLowSurrogate(code)) {
            code = kReplacement;
        }
        appendUtf8(out, code);
    }
    if (i < text.size()) appendUtf8(out, kReplacement);
    return out;
}

}  // namespace quorvel
