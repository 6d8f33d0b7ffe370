# The canonical forms of the puzzles generated ones must not repeat (data/known-puzzles.txt),
# compiled into the create engine as knownPuzzleLines() (engines/create/known_puzzles.h). The
# list is read when CMake configures, and a change to it configures again.

set(known_puzzles_source ${CMAKE_SOURCE_DIR}/data/known-puzzles.txt)
set(known_puzzles_cpp ${CMAKE_BINARY_DIR}/generated/known_puzzle_lines.cpp)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${known_puzzles_source})
file(STRINGS ${known_puzzles_source} known_puzzles_lines REGEX "^[.1-9]+$")
list(LENGTH known_puzzles_lines known_puzzles_count)
list(JOIN known_puzzles_lines "\",\n    \"" known_puzzles_entries)
file(CONFIGURE OUTPUT ${known_puzzles_cpp} CONTENT "// Made by cmake/QuorvelKnownPuzzles.cmake from data/known-puzzles.txt.
#include \"engines/create/known_puzzles.h\"

#include <array>

namespace quorvel {

namespace {

constexpr std::array<std::string_view, @known_puzzles_count@> kLines{
    \"@known_puzzles_entries@\"};

}  // namespace

std::span<const std::string_view> knownPuzzleLines() {
    return kLines;
}

}  // namespace quorvel
" @ONLY)
target_sources(quorvel_create PRIVATE ${known_puzzles_cpp})
