#pragma once
// Reading and changing the screen mode. Qt reports the screen in logical pixels; the mode is
// wanted in device pixels, so the device pixel ratio is undone. Changing the mode goes through
// the XRandR command-line client on X11 when it is installed; elsewhere it is not possible.

#include "ui/host.h"

#include <QString>

#include <optional>

class QScreen;

namespace quorvel::view {

std::optional<DisplayMode> readDisplayMode(const QScreen* screen);
// Device pixels of a logical length at the given device pixel ratio.
int devicePixels(int logical, double ratio);

// The xrandr program to run, or an empty text when mode changes cannot be made here.
QString xrandrProgram(const QString& platformName);

// Runs `xrandr -s WIDTHxHEIGHT`; true when it reported success.
bool changeModeWithXrandr(const QString& program, const DisplayMode& mode);

}  // namespace quorvel::view
