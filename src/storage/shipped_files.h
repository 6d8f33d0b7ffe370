#pragma once
// The data files the program ships (the two puzzle databases and the help text) and how a
// program folder gets its copies: only the files it lacks, so the user's puzzles stay.

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

inline constexpr std::array<std::string_view, 3> kShippedDataFiles{"type3.pxz", "type5.pxz",
                                                                   "sudokuhelp.pxz"};

// Copies each shipped file from `source` into `target` where `target` has no file of that name
// in any case. Returns the names `target` still lacks: missing from `source`, or not copied.
std::vector<std::string> SeedMissingDataFiles(const std::filesystem::path& source,
                                              const std::filesystem::path& target);

}  // namespace quorvel
