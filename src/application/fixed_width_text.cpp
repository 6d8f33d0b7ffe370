#include "application/fixed_width_text.h"

#include <algorithm>

namespace quorvel {

TextMeasure measureFixedWidth(const std::string& text, int points, int widthTwips,
                              int charWidthTwips) {
    const int perLine = std::max(1, widthTwips / std::max(1, charWidthTwips));
    int lines = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const int length = static_cast<int>(end - start);
        lines += std::max(1, (length + perLine - 1) / perLine);
        start = end + 1;
    }
    return {lines, points * 20};
}

}  // namespace quorvel
