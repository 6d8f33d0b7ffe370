#pragma once
// Help > Statistics: the games the user started and solved on each grid and level, with their
// solve times, kept in the statistics file. A game starts when a grid is locked with givens; it
// is solved when that grid becomes full and valid; Get Next, the Solve commands, Explain Next
// Step and Show Mistakes mark it as helped. Every change is written at once; a failed write is
// reported and leaves the record as the file holds it.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "application/shell/command.h"
#include "storage/file_error.h"
#include "storage/play_statistics.h"

namespace quorvel {

// Whether running `command` counts as help for the game on the grid.
bool countsAsHelp(Command command);

// The statistics in words for Help > Statistics: a line per grid and level, then a bar chart of
// each grid's solve times by how long they took.
std::vector<std::string> statisticsLines(const PlayStatistics& statistics);

class GameStatistics {
  public:
    explicit GameStatistics(std::filesystem::path folder) : folder_(std::move(folder)) {}

    const PlayStatistics& record() const { return record_; }
    // Reads the file; what happened to an unreadable one is in the answer.
    LoadedStatistics load();

    // A grid of side `side` was locked with givens of level `level` (0 for none).
    FileStatus gameStarted(int side, int level);
    void helpUsed() {
        if (game_) game_->helped = true;
    }
    // The grid of side `side` became full and valid after `seconds` of play.
    FileStatus gridSolved(int side, int seconds);
    FileStatus reset();

  private:
    struct Game {
        GridLevel key;
        bool helped = false;
    };
    // Writes `next` and keeps it when the write succeeded.
    FileStatus commit(PlayStatistics next);

    std::filesystem::path folder_;
    PlayStatistics record_;
    std::optional<Game> game_;  // the game on the grid, until it is solved or replaced
};

}  // namespace quorvel
