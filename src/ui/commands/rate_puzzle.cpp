#include "ui/commands/rate_puzzle.h"

#include "logic/puzzle_rating.h"
#include "solver/exact_commands.h"

namespace quorvel {

void ratePuzzleCommand(Board& board) {
    if (board.session().loadBusy || board.session().solverBusy) return;
    const logic::PuzzleRating rating = logic::ratePuzzle(board.kind(), givenValues(board));
    const bool unique = rating.solutions == 1;
    const std::string text = rating.solutions == 0 ? kCheckGivensText
                             : unique              ? logic::ratingText(rating)
                                                   : kSeveralSolutionsText;
    board.events().messageLine(text, unique ? colour::kBlue : colour::kRed, kAlignCentre);
}

int computedLevel(const GridKind& kind, const std::vector<int>& givens) {
    const logic::PuzzleRating rating = logic::ratePuzzle(kind, givens);
    return rating.solutions == 1 ? rating.level : 0;
}

}  // namespace quorvel
