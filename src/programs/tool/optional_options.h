#pragma once
// The tool's `--with NAME` option of hint, explain and rate: the optional technique NAME (as
// `techniques` prints it, without regard to case) joins the path, as when the user turns it on in
// the program; repeated for more than one.

#include <optional>
#include <string>
#include <vector>

#include "engines/logic/optional_techniques.h"

namespace quorvel::tool {

// Takes every `--with NAME` out of `args`; nothing (after saying why) for a NAME that is not an
// optional technique.
std::optional<logic::OptionalTechniques> takeOptionalTechniques(const std::string& command,
                                                                std::vector<std::string>& args);

}  // namespace quorvel::tool
