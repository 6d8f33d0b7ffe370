#pragma once
// The zoom and theme of the main window's options applied to the whole application: viewLook()
// for the measures and colours the views compute, the application's font for every text they do
// not size themselves, and its palette for the desktop's own controls (menus, frames, dialogs).

#include "model/theme.h"

namespace quorvel::view {

// True for Dark, and for Follow Desktop while the desktop's own palette is dark.
bool themeIsDark(Theme theme);
void applyViewLook(int zoomPercent, Theme theme);

}  // namespace quorvel::view
