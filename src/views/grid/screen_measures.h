#pragma once
// The core measures in twips and colours in Colour (0x00BBGGRR); widgets want logical pixels and
// QColor. Logical pixels keep high-DPI screens sharp: Qt scales them to device pixels itself. On
// top of that the user's zoom scales every measure, and the theme maps every colour painted.

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <cmath>

#include "model/colour.h"
#include "model/theme.h"

namespace quorvel::view {

inline constexpr int kTwipsPerPixel = 15;

// How the windows are drawn now: the zoom (1 for the designed size) and whether in dark colours.
// The main view sets it from the main window's options before it lays its windows out again.
struct ViewLook {
    double zoom = 1.0;
    bool dark = false;
};
inline ViewLook& viewLook() {
    static ViewLook look;
    return look;
}

// A length of the designed look, in pixels at the zoom in use.
inline int zoomed(double pixels) {
    return static_cast<int>(std::lround(pixels * viewLook().zoom));
}

// Rounds to the nearest pixel, halves away from zero, so -7..7 twips all land on 0 at 100 %.
inline int pixelsFromTwips(double twips) {
    return static_cast<int>(std::lround(twips * viewLook().zoom / kTwipsPerPixel));
}

// Pixels at the zoom in use back to twips of the designed look.
inline int twipsFromPixels(int pixels) {
    return static_cast<int>(std::lround(pixels * kTwipsPerPixel / viewLook().zoom));
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

// A colour of the core as painted in the theme in use, for text and lines or for a ground.
inline QColor textColor(Colour bgr) {
    return colorFromBgr(themedColour(bgr, ColourUse::Text, viewLook().dark));
}
inline QColor groundColor(Colour bgr) {
    return colorFromBgr(themedColour(bgr, ColourUse::Ground, viewLook().dark));
}

inline Colour bgrFromColor(const QColor& color) {
    return static_cast<Colour>(color.red()) | (static_cast<Colour>(color.green()) << 8) |
           (static_cast<Colour>(color.blue()) << 16);
}

}  // namespace quorvel::view
