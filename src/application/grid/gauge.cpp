#include "application/grid/gauge.h"

#include <cmath>
#include <cstdlib>

namespace quorvel {

namespace {

int fullWidth(const GridKind& kind) {
    return kind.isNine() ? 6515 : 7965;
}

// Rounds to the nearest whole number, halves to the even neighbour.
int roundHalfEven(double value) {
    const double down = std::floor(value);
    const double fraction = value - down;
    double rounded = down;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(down, 2.0) != 0.0)) rounded = down + 1;
    return static_cast<int>(rounded);
}

}  // namespace

int gaugeWidthFor(const GridKind& kind, int deficit) {
    // M: the deficit of an empty grid, twice the sum of all values.
    const int most = kind.side * kind.side * (kind.side + 1);
    const double filled = static_cast<double>(most - std::abs(deficit)) / most;
    return roundHalfEven(filled * fullWidth(kind));
}

std::string percentTextFor(const GridKind& kind, int gaugeWidth) {
    const double share = static_cast<double>(gaugeWidth) / fullWidth(kind);
    const int percent = roundHalfEven((share - 0.0045) * 100);
    std::string text = "     ";
    for (const char digit : std::to_string(percent)) {
        text += ' ';
        text += digit;
    }
    return text + " %";
}

}  // namespace quorvel
