#include "programs/tool/optional_options.h"

#include <algorithm>
#include <cctype>

#include "programs/tool/puzzle_input.h"

namespace quorvel::tool {

std::optional<logic::OptionalTechniques> takeOptionalTechniques(const std::string& command,
                                                                std::vector<std::string>& args) {
    logic::OptionalTechniques turnedOn;
    const std::vector<logic::TechniqueInfo> optional = logic::optionalTechniques();
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--with") continue;
        const std::string name = i + 1 < args.size() ? args[i + 1] : "";
        const auto named = std::find_if(optional.begin(), optional.end(), [&](const auto& info) {
            return std::equal(info.name.begin(), info.name.end(), name.begin(), name.end(),
                              [](unsigned char a, unsigned char b) {
                                  return std::tolower(a) == std::tolower(b);
                              });
        });
        if (named == optional.end()) {
            failCommand(command, "--with takes an optional technique, not '" + name + "'");
            return std::nullopt;
        }
        turnedOn.insert(named->technique);
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                   args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
        --i;
    }
    return turnedOn;
}

}  // namespace quorvel::tool
