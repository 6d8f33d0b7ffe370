#include "application/grid/text_number.h"

#include <cctype>

namespace quorvel {

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string_view withoutLeadingZeros(std::string_view text) {
    if (!isWholeNumberText(text)) return text;
    const auto first = text.find_first_not_of('0');
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

double lenientNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    double sign = 1;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') sign = -1;
        ++i;
    }
    double value = 0;
    bool fraction = false;
    double scale = 1;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !fraction) {
            fraction = true;
            continue;
        }
        if (!std::isdigit(static_cast<unsigned char>(c))) break;
        if (fraction) {
            scale /= 10;
            value += (c - '0') * scale;
        } else if (value < 1e300) {
            value = value * 10 + (c - '0');
        }
    }
    return sign * value;
}

bool isWholeNumberText(std::string_view text) {
    if (text.empty()) return false;
    for (const char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

}  // namespace quorvel
