#pragma once
// Reading and changing the screen mode. The mode is read in logical pixels, the ones the windows
// are laid out in, so a 2048 x 1536 screen at a scale factor of 2 counts as 1024 x 768 and needs
// no change. Changing the mode goes through the XRandR command-line client on X11 when it is
// installed, in device pixels; elsewhere it is not possible.

#include "application/host.h"

#include <QString>

#include <optional>

class QScreen;

namespace quorvel::view {

std::optional<DisplayMode> readDisplayMode(const QScreen* screen);
// Device pixels of a logical length at the given device pixel ratio.
int devicePixels(int logical, double ratio);

// The xrandr program to run, or an empty text when mode changes cannot be made here.
QString xrandrProgram(const QString& platformName);

// Runs `xrandr -s WIDTHxHEIGHT` for a mode in logical pixels at the given device pixel ratio;
// true when it reported success.
bool changeModeWithXrandr(const QString& program, const DisplayMode& mode, double ratio);

}  // namespace quorvel::view
