#include "application/commands/rate_puzzle.h"

#include <optional>

#include "application/commands/exact_commands.h"
#include "application/grid/dialog_titles.h"
#include "engines/logic/puzzle_rating.h"

namespace quorvel {

namespace {

bool busy(Board& board) {
    return board.session().loadBusy || board.session().solverBusy;
}

std::optional<logic::PuzzleRating> uniqueRating(const GridKind& kind,
                                                const std::vector<int>& givens) {
    logic::PuzzleRating rating = logic::ratePuzzle(kind, givens);
    if (rating.solutions != 1) return std::nullopt;
    return rating;
}

}  // namespace

void ratePuzzleCommand(Board& board, const logic::OptionalTechniques& turnedOn) {
    if (busy(board)) return;
    const logic::PuzzleRating rating =
        logic::ratePuzzle(board.kind(), givenValues(board), {}, turnedOn);
    const bool unique = rating.solutions == 1;
    const std::string text = rating.solutions == 0 ? kCheckGivensText
                             : unique              ? logic::ratingText(rating)
                                                   : kSeveralSolutionsText;
    board.events().messageLine(text, unique ? colour::kBlue : colour::kRed, Alignment::Centre);
}

std::vector<int> checkAndRatePuzzleCommand(Board& board) {
    std::vector<int> differ = checkPuzzleCommand(board);
    if (!busy(board) && differ.empty()) {
        if (const auto rating = uniqueRating(board.kind(), givenValues(board))) {
            board.events().messageLine(
                std::string(kUniqueSolutionText) + " " + logic::ratingText(*rating), colour::kBlue,
                Alignment::Centre);
        }
    }
    return differ;
}

std::string gradeQuestion(ProgramState& session, const logic::PuzzleRating& rating) {
    if (rating.solutions != 1 || rating.hardest.empty()) return std::string(kGradePrompt);
    session.gradeLevel = rating.level;
    return logic::ratingText(rating) + ". " + std::string(kGradePrompt);
}

int computedLevel(const GridKind& kind, const std::vector<int>& givens) {
    const auto rating = uniqueRating(kind, givens);
    return rating ? rating->level : 0;
}

}  // namespace quorvel
