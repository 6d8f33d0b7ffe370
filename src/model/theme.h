#pragma once
// The program's look: Classic paints every colour as named in colour.h; Dark paints each as its
// counterpart on a dark ground; Follow Desktop is Dark while the desktop itself is dark. Every
// colour the windows paint goes through `themedColour` with the use it is painted for, so this
// file is the one place that says what a colour becomes in each theme.

#include <optional>
#include <string_view>
#include <utility>

#include "model/colour.h"

namespace quorvel {

enum class Theme { Classic, Dark, FollowDesktop };

// Each theme by the name the options file and the session dump use for it.
inline constexpr std::pair<Theme, std::string_view> kThemeNames[] = {
    {Theme::Classic, "Classic"},
    {Theme::Dark, "Dark"},
    {Theme::FollowDesktop, "Follow Desktop"},
};
std::string_view themeName(Theme theme);
std::optional<Theme> themeNamed(std::string_view name);

// What a colour is painted as: text (and lines and marks drawn over a ground), or the ground
// behind text.
enum class ColourUse { Text, Ground };

// The colour to paint for `classic` used as `use`, dark or not. Not dark: `classic` itself.
Colour themedColour(Colour classic, ColourUse use, bool dark);

}  // namespace quorvel
