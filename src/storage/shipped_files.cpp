#include "storage/shipped_files.h"

#include "storage/data_file.h"

namespace quorvel {

std::vector<std::string> SeedMissingDataFiles(const std::filesystem::path& source,
                                              const std::filesystem::path& target,
                                              std::span<const std::string_view> names) {
    std::vector<std::string> missing;
    for (const std::string_view name : names) {
        if (std::filesystem::exists(ResolveDataFile(target, name))) continue;
        std::error_code error;
        if (!std::filesystem::copy_file(ResolveDataFile(source, name), target / name, error)) {
            missing.emplace_back(name);
        }
    }
    return missing;
}

}  // namespace quorvel
