#include "storage/shipped_files.h"

#include "storage/data_file.h"
#include "storage/file_system.h"

namespace quorvel {

std::vector<std::string> seedMissingDataFiles(const std::filesystem::path& source,
                                              const std::filesystem::path& target,
                                              std::span<const std::string_view> names) {
    std::vector<std::string> missing;
    for (const std::string_view name : names) {
        if (currentFileSystem().exists(resolveDataFile(target, name))) continue;
        // Written whole under a temporary name and renamed: an interrupted copy never leaves a
        // half database that would count as present from then on.
        const std::optional<std::string> bytes = readFileBytes(resolveDataFile(source, name));
        if (!bytes || replaceFileAtomically(target / name, *bytes)) missing.emplace_back(name);
    }
    return missing;
}

}  // namespace quorvel
