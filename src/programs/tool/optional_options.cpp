#include "programs/tool/optional_options.h"

#include "programs/tool/puzzle_input.h"

namespace quorvel::tool {

std::optional<logic::OptionalTechniques> takeOptionalTechniques(const std::string& command,
                                                                std::vector<std::string>& args) {
    logic::OptionalTechniques turnedOn;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--with") continue;
        const std::string name = i + 1 < args.size() ? args[i + 1] : "";
        const std::optional<logic::Technique> named = logic::techniqueNamed(name);
        if (!named || logic::techniqueInfo(*named).rating.tier != logic::kOptionalTier) {
            failCommand(command, "--with takes an optional technique, not '" + name + "'");
            return std::nullopt;
        }
        turnedOn.insert(*named);
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                   args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
        --i;
    }
    return turnedOn;
}

}  // namespace quorvel::tool
