#include "application/commands/exact_commands.h"

#include <string>

#include "application/grid/puzzle_board.h"
#include "engines/solver/solution_count.h"
#include "engines/solver/solve_texts.h"
#include "model/units.h"

namespace quorvel {

namespace {

bool busy(Board& board) {
    return board.session().loadBusy || board.session().solverBusy;
}

SolutionCount countGivens(const Board& board) {
    return countSolutions(board.kind(), givenValues(board), 2);
}

void say(Board& board, const std::string& text, bool good) {
    board.events().messageLine(text, good ? colour::kBlue : colour::kRed, Alignment::Centre);
}

std::string mistakesText(int count) {
    if (count == 0) return "No entry differs from the solution.";
    if (count == 1) return "1 entry differs from the solution.";
    return std::to_string(count) + " entries differ from the solution.";
}

}  // namespace

std::vector<int> givenValues(const Board& board) {
    std::vector<int> values = shownValues(board);
    bool anyLocked = false;
    for (int cell = 1; cell <= board.cellCount(); ++cell)
        anyLocked = anyLocked || board.cell(cell).locked;
    if (!anyLocked) return values;
    for (int cell = 1; cell <= board.cellCount(); ++cell) {
        if (!board.cell(cell).locked) values[cell - 1] = 0;
    }
    return values;
}

std::vector<int> checkPuzzleCommand(Board& board) {
    if (busy(board)) return {};
    const SolutionCount count = countGivens(board);
    if (count.count == 1) say(board, kUniqueSolutionText, true);
    if (count.count == 0) say(board, kCheckGivensText, false);
    if (count.count == 2) say(board, kSeveralSolutionsText, false);
    return differingCells(count);
}

std::vector<int> showMistakesCommand(Board& board) {
    if (busy(board)) return {};
    const SolutionCount count = countGivens(board);
    if (count.count != 1) {
        say(board, count.count == 0 ? kCheckGivensText : kMistakesUntoldText, false);
        return {};
    }
    std::vector<int> mistakes;
    for (int cell = 1; cell <= board.cellCount(); ++cell) {
        const int shown = board.shownValue(cell);
        if (shown != 0 && shown != count.firstSolution[cell - 1]) mistakes.push_back(cell);
    }
    say(board, mistakesText(static_cast<int>(mistakes.size())), mistakes.empty());
    return mistakes;
}

bool exactSolveCommand(Board& board) {
    if (busy(board)) return false;
    const SolutionCount count = countGivens(board);
    if (count.count != 1) {
        say(board, count.count == 0 ? kNoExactSolutionText : kNoUniqueSolutionText, false);
        return false;
    }
    for (int cell = 1; cell <= board.cellCount(); ++cell) {
        const int value = count.firstSolution[cell - 1];
        if (board.shownValue(cell) != value || board.cellValue(cell) != value)
            board.setCellValue(cell, valueText(value));
    }
    say(board, kDoneText, true);
    board.checkConsistency(1);
    return true;
}

void noteWhenNotUnique(Board& board) {
    const int solutions = countGivens(board).count;
    if (solutions == 0) say(board, kCheckGivensText, false);
    if (solutions == 2) say(board, kSeveralSolutionsText, false);
}

}  // namespace quorvel
