#include "create/headless_generation.h"

#include <cstdlib>

#include "create/givens_pattern.h"
#include "create/level_aim.h"
#include "model/puzzle_board.h"
#include "solver/solution_count.h"

namespace quorvel {

void HeadlessGeneration::blankGrid() {
    for (int cell = 1; cell <= board_.cellCount(); ++cell) {
        board_.setCellValue(cell, "");
        board_.setCellColours(cell, kGivenRed, board_.cell(cell).backColour);
        board_.setCellLocked(cell, false);
    }
    board_.checkConsistency(1);
}

void HeadlessGeneration::gradeAndSave() {
    // As the window's Grade and Save, nothing is kept unless the grid is complete.
    if (!board_.checkConsistency(1).complete) return;
    storedGrid_ = shownValues(board_);
    ++storeCount_;
}

void HeadlessGeneration::finishGivens(RandomSource& random) {
    if (!uniqueBand_) return;
    const Session& session = board_.session();
    aimBoardAtBand(board_, *uniqueBand_, random,
                   [&session](int) { return !session.stopRequested; });
}

void HeadlessGeneration::restoreCellColour(int cell) {
    board_.setCellColours(cell, board_.cell(cell).foreColour, kPlainBack);
}

namespace {

GeneratedPuzzle Generate(const GridKind& kind, int level, RandomSource& random,
                         const std::optional<logic::RatingBand>& band) {
    Session session;
    session.currentLevel = level;
    HeadlessGridEvents events(session);
    const auto board = std::make_unique<Board>(kind, session, events);
    HeadlessGeneration window(*board);
    if (band) window.setUniqueGivens(*band);
    window.blankGrid();
    ApplyGivensPattern(*board, DrawGivensPattern(kind, ExposedCountFor(kind, level), random));

    GeneratedPuzzle result;
    result.made = generatePuzzle(window, random);
    if (!result.made) return result;
    result.puzzle = shownValues(*board);
    result.solution = window.storedGrid();
    for (const int value : result.puzzle)
        result.givens += value != 0 ? 1 : 0;
    result.unique = countSolutions(kind, result.puzzle, 2).count == 1;
    return result;
}

}  // namespace

GeneratedPuzzle GeneratePuzzle(const GridKind& kind, int level, RandomSource& random, bool unique) {
    return Generate(kind, level, random,
                    unique ? std::optional(logic::levelBand(level)) : std::nullopt);
}

GeneratedPuzzle GeneratePuzzle(const GridKind& kind, const logic::RatingBand& band,
                               RandomSource& random) {
    return Generate(kind, logic::levelOfRating(band.low), random, band);
}

BandPuzzle GenerateInBand(const GridKind& kind, const logic::RatingBand& band, RandomSource& random,
                          int maxGrids) {
    BandPuzzle best;
    while (best.grids < maxGrids) {
        ++best.grids;
        GeneratedPuzzle made = GeneratePuzzle(kind, band, random);
        logic::PuzzleRating rating = logic::ratePuzzle(kind, made.puzzle);
        const int offset = std::abs(logic::bandOffset(rating, band));
        if (best.grids == 1 || offset < std::abs(logic::bandOffset(best.rating, band))) {
            best.made = std::move(made);
            best.rating = std::move(rating);
        }
        if (offset == 0) break;
    }
    return best;
}

}  // namespace quorvel
