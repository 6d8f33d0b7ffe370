#include "model/colouring.h"

#include <charconv>
#include <optional>

namespace quorvel {

namespace {

std::optional<int> number(std::string_view text) {
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return number;
}

}  // namespace

std::string formatColouring(const Colouring& colouring) {
    std::string text;
    const auto add = [&text](const std::string& part) {
        if (!text.empty()) text += ' ';
        text += part;
    };
    for (std::size_t cell = 1; cell < colouring.cells.size(); ++cell) {
        if (colouring.cells[cell] != 0)
            add(std::to_string(cell) + ':' + std::to_string(colouring.cells[cell]));
        for (std::size_t value = 1; value < colouring.notes[cell].size(); ++value) {
            const int colour = colouring.notes[cell][value];
            if (colour != 0)
                add(std::to_string(cell) + '/' + std::to_string(value) + ':' +
                    std::to_string(colour));
        }
    }
    return text;
}

Colouring parseColouring(std::string_view text, const GridKind& kind) {
    Colouring colouring;
    while (!text.empty()) {
        const std::size_t end = text.find(' ');
        const std::string_view part = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const std::size_t colon = part.find(':');
        if (colon == std::string_view::npos) continue;
        const std::string_view place = part.substr(0, colon);
        const std::size_t slash = place.find('/');
        const std::optional<int> cell = number(place.substr(0, slash));
        const std::optional<int> value =
            slash == std::string_view::npos ? 0 : number(place.substr(slash + 1));
        const std::optional<int> colour = number(part.substr(colon + 1));
        if (!cell || *cell < 1 || *cell > kind.cellCount() || !value || *value < 0 ||
            *value > kind.side || (slash != std::string_view::npos && *value == 0) || !colour ||
            *colour < 1 || *colour > kColouringColours)
            continue;
        const auto at = static_cast<std::size_t>(*cell);
        const auto shade = static_cast<std::uint8_t>(*colour);
        if (*value == 0) {
            colouring.cells[at] = shade;
        } else {
            colouring.notes[at][static_cast<std::size_t>(*value)] = shade;
        }
    }
    return colouring;
}

}  // namespace quorvel
