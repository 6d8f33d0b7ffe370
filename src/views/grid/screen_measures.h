#pragma once
// The core measures in twips and colours in Colour (0x00BBGGRR); widgets want logical pixels and
// QColor. Logical pixels keep high-DPI screens sharp: Qt scales them to device pixels itself.

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <cmath>

#include "model/colour.h"

namespace quorvel::view {

inline constexpr int kTwipsPerPixel = 15;

// Rounds to the nearest pixel, halves away from zero, so -7..7 twips all land on 0.
inline int pixelsFromTwips(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

inline QPoint pointFromTwips(double left, double top) {
    return {pixelsFromTwips(left), pixelsFromTwips(top)};
}

inline QSize sizeFromTwips(double width, double height) {
    return {pixelsFromTwips(width), pixelsFromTwips(height)};
}

inline QRect rectFromTwips(double left, double top, double width, double height) {
    return {pointFromTwips(left, top), sizeFromTwips(width, height)};
}

// Red sits in the low byte; the top byte carries no colour and is ignored.
inline QColor colorFromBgr(Colour bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

inline Colour bgrFromColor(const QColor& color) {
    return static_cast<Colour>(color.red()) | (static_cast<Colour>(color.green()) << 8) |
           (static_cast<Colour>(color.blue()) << 16);
}

}  // namespace quorvel::view
