#include "solver/solve_commands.h"

#include "model/puzzle_board.h"

namespace quorvel {

namespace {

// Guards and Stop item shared by Check For Single and Get Next; false when the command must not
// run.
bool beginAssistCommand(Board& board) {
    Session& session = board.session();
    if (session.loadBusy) return false;
    board.events().freezeDrawing(true);
    // A running solve releases the freeze when it finishes.
    if (session.solverBusy) return false;
    board.events().setStopItemVisible(true);
    session.stopRequested = false;
    return true;
}

void endAssistCommand(Board& board) {
    board.events().setStopItemVisible(false);
    board.session().stopRequested = false;
    board.events().freezeDrawing(false);
}

std::string requiredText(std::string reason) {
    const std::string from = "Reason";
    for (auto at = reason.find(from); at != std::string::npos; at = reason.find(from, at))
        reason.replace(at, from.size(), "Required");
    return reason;
}

}  // namespace

int checkForSingle(Board& board) {
    for (int cell = 1; cell <= board.cellCount(); ++cell) {
        if (!board.cell(cell).text.empty()) continue;
        const std::string candidates = board.candidatesOf(cell, true);
        if (!candidates.empty() && candidates.find(',') == std::string::npos) {
            board.events().focusCell(cell);
            return cell;
        }
    }
    board.events().messageLine(kNoneFoundText, colour::kRed, kAlignCentre);
    return 0;
}

int checkForSingleCommand(Board& board) {
    if (!beginAssistCommand(board)) return 0;
    const int cell = checkForSingle(board);
    endAssistCommand(board);
    return cell;
}

GetNextOutcome getNextCommand(Board& board) {
    GetNextOutcome outcome;
    if (!beginAssistCommand(board)) return outcome;
    GridEvents& events = board.events();
    events.setGetNextButtonEnabled(false);
    board.setFrameColour(kGetNextFrame);
    const std::vector<int> before = shownValues(board);
    outcome.solve = solveBoard(board, true);
    events.processEvents();
    events.setWorkingHard(false);
    for (int cell = 1; cell <= board.cellCount(); ++cell) {
        if (before[cell - 1] == 0 && board.shownValue(cell) != 0) {
            outcome.cell = cell;
            outcome.value = board.shownValue(cell);
            break;
        }
    }
    // A run that ends incomplete without showing anything says so instead of naming a reason.
    const bool nothingFound = !outcome.solve.result && outcome.cell == 0;
    events.messageLine(nothingFound ? kNoSolutionText : board.session().reasonText, colour::kBlue,
                       kAlignCentre);
    events.processEvents();
    board.checkConsistency(1);
    events.setGetNextButtonEnabled(true);
    endAssistCommand(board);
    return outcome;
}

SolveOutcome solveCommand(Board& board, int mode) {
    Session& session = board.session();
    if (session.loadBusy || mode < kMildAttack || mode > kNumberCrunch) return {};
    GridEvents& events = board.events();
    events.freezeDrawing(false);
    events.processEvents();
    events.setStopItemVisible(true);
    session.stopRequested = false;
    session.fillBusy = true;
    session.solveMode = mode;
    const SolveOutcome outcome = solveBoard(board, false);
    // The guesses a solution needed replace "D  o  n  e   !"; an unsolved grid keeps its line.
    if (mode == kNumberCrunch && outcome.result)
        events.messageLine(requiredText(session.reasonText), colour::kBlue, kAlignCentre);
    if (!board.statusImageVisible(1)) events.setElapsedTimer(false);
    events.setWorkingHard(false);
    events.setStopItemVisible(false);
    if (session.stopRequested) events.messageLine(kInterruptedText, colour::kRed, kAlignCentre);
    session.stopRequested = false;
    session.fillBusy = false;
    return outcome;
}

}  // namespace quorvel
