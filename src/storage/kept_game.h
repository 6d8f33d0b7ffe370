#pragma once
// The games kept for later: a puzzle with the user's entries that would otherwise be lost, because
// the program quit or another puzzle took its grid before Save Incomplete Puzzle stored them.
// They live in a small text file beside the settings ("QuorvelResume.txt"), at most one game per
// grid size: each game is a block of "Name=value" lines (the notes as the notes files write them;
// a block without them keeps none), blocks separated by an empty line. A file of one block, as
// earlier versions wrote it, reads as one game; the first block is the one offered first.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/colouring.h"
#include "model/grid_kind.h"
#include "model/units.h"
#include "storage/file_error.h"

namespace quorvel {

inline constexpr std::string_view kKeptGameFileName = "QuorvelResume.txt";

struct KeptGame {
    GridKind kind = kNineGrid;
    std::vector<int> givens;   // index 0 is cell 1; 0 = not a given
    std::vector<int> entries;  // the user's values in the other cells; 0 = empty
    NoteMasks notes;           // the notes of the empty cells (element n for cell n)
    Colouring colouring;       // the user's colours on cells and notes ("Colouring=")
    int puzzleNumber = 0;      // the stored puzzle it came from, 0 for none
    int puzzleKind = 0;
    int puzzleLevel = 0;
    std::string caption;        // the puzzle caption the grid showed
    double elapsedDays = 0;     // the elapsed time, in days as the timer keeps it
    bool offerAtStart = false;  // the next start asks whether to continue it

    bool operator==(const KeptGame&) const = default;
};

// nullopt for a text that is not a whole kept game (a missing field, a grid of the wrong size,
// a given and an entry in one cell, a value outside the grid).
std::optional<KeptGame> parseKeptGame(std::string_view text);
std::string formatKeptGame(const KeptGame& game);

// Every whole game of the file's blocks, in file order; a block that is not a whole game, and a
// second game of a grid size, are left out.
std::vector<KeptGame> parseKeptGames(std::string_view text);
std::string formatKeptGames(const std::vector<KeptGame>& games);

// The games of the file in `settingsFolder`; none when it is missing or unreadable.
std::vector<KeptGame> loadKeptGames(const std::filesystem::path& settingsFolder);
// Replaces the file atomically, so a failed write keeps the games kept before.
FileStatus saveKeptGames(const std::filesystem::path& settingsFolder,
                         const std::vector<KeptGame>& games);

}  // namespace quorvel
