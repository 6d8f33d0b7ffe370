#pragma once
// Puzzle generation without a window: the pattern step and `generatePuzzle` on a Board with
// headless events, as the companion tool and the benchmarks run them.
//
// Where the window's Grade and Save would write the full grid into the puzzle database, the
// headless run keeps it in memory instead (`storedGrid`): the tool prints it as the solution and
// never touches a database.

#include <memory>
#include <optional>
#include <vector>

#include "create/generate_puzzle.h"
#include "create/random_source.h"
#include "logic/puzzle_rating.h"
#include "model/board.h"
#include "model/headless_grid_events.h"
#include "model/session.h"

namespace quorvel {

class HeadlessGeneration : public GenerationWindow {
  public:
    explicit HeadlessGeneration(Board& board) : board_(board) {}

    Board& board() override { return board_; }
    ConsistencyResult checkConsistency(int cell, bool silent) override {
        return board_.checkConsistency(cell, silent);
    }
    // Every cell emptied, red and unlocked; the board has no caption label or timer.
    void blankGrid() override;
    // Keeps the complete grid (see storedGrid) in place of a database record.
    void gradeAndSave() override;
    // A board without a view has no block shading: the back colour returns to white.
    void restoreCellColour(int cell) override;
    void setDrawingMode(int mode) override { board_.events().setDrawingSuspended(mode == 1); }
    // With unique givens asked for, makes the puzzle unique and aims it at the band (see
    // create/level_aim.h).
    void finishGivens(RandomSource& random) override;
    void setUniqueGivens(const logic::RatingBand& band) { uniqueBand_ = band; }

    // The grid as the last gradeAndSave found it (index 0 is cell 1); empty before any.
    const std::vector<int>& storedGrid() const { return storedGrid_; }
    int storeCount() const { return storeCount_; }

  private:
    Board& board_;
    std::vector<int> storedGrid_;
    int storeCount_ = 0;
    std::optional<logic::RatingBand> uniqueBand_;
};

struct GeneratedPuzzle {
    bool made = false;          // false only when stopped
    int givens = 0;             // cells that kept their value
    bool unique = false;        // the givens allow exactly one solution
    std::vector<int> puzzle;    // the givens left on the grid (0 = empty), index 0 is cell 1
    std::vector<int> solution;  // the full grid that was stored
};

// The pattern of `level` and `generatePuzzle` on a fresh headless board of `kind`; with `unique`,
// the puzzle is made unique and aimed at `level` by its computed rating (see
// create/level_aim.h).
GeneratedPuzzle GeneratePuzzle(const GridKind& kind, int level, RandomSource& random,
                               bool unique = false);
// The same made unique and aimed at a band of ratings, from the pattern of the level the band
// starts in.
GeneratedPuzzle GeneratePuzzle(const GridKind& kind, const logic::RatingBand& band,
                               RandomSource& random);

// GeneratePuzzle aimed at the band on fresh full grids, at most `maxGrids`, until one rates in
// the band; otherwise the closest (see logic::bandOffset).
struct BandPuzzle {
    GeneratedPuzzle made;
    logic::PuzzleRating rating;  // of made.puzzle
    int grids = 0;               // full grids generated
};
BandPuzzle GenerateInBand(const GridKind& kind, const logic::RatingBand& band, RandomSource& random,
                          int maxGrids);

}  // namespace quorvel
