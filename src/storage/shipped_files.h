#pragma once
// The data files the program ships (the two puzzle databases and the help text) and how a
// program folder gets its copies: only the files it lacks, so the user's puzzles stay.

#include <array>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

inline constexpr std::array<std::string_view, 3> kShippedDataFiles{"type3.pxz", "type5.pxz",
                                                                   "sudokuhelp.pxz"};
// The two puzzle databases alone: an installed program reads the help text where it was
// delivered and copies only these.
inline constexpr std::array<std::string_view, 2> kShippedDatabases{"type3.pxz", "type5.pxz"};

// Copies each of the named shipped files from `source` into `target` where `target` has no file
// of that name in any case. Returns the names `target` still lacks: missing from `source`, or not
// copied.
std::vector<std::string> seedMissingDataFiles(
    const std::filesystem::path& source, const std::filesystem::path& target,
    std::span<const std::string_view> names = kShippedDataFiles);

}  // namespace quorvel
