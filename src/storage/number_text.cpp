#include "storage/number_text.h"

#include <charconv>
#include <cmath>

namespace quorvel {

std::optional<int> parseInt16(std::string_view text) {
    if (text.empty() || text.size() > 6) return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (value < -32768 || value > 32767) return std::nullopt;
    return value;
}

std::string formatDecimal(double value) {
    char buffer[512];  // room for any double in fixed notation
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (result.ec != std::errc()) return "0";
    return std::string(buffer, result.ptr);
}

std::optional<double> parseDecimal(std::string_view text) {
    if (text.empty() || text.size() > 64) return std::nullopt;
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace quorvel
