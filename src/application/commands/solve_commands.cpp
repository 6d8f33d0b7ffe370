#include "application/commands/solve_commands.h"

#include <algorithm>

#include "application/grid/puzzle_board.h"
#include "engines/solver/solve_texts.h"

namespace quorvel {

namespace {

// The cell a solve that ends complete focuses and clicks.
constexpr int kFinishFocusCell = 21;

// Guards and Stop item shared by Check For Single and Get Next; false when the command must not
// run.
bool beginAssistCommand(Board& board, SolveDisplay& display) {
    ProgramState& session = board.session();
    if (session.loadBusy) return false;
    display.setDrawingSuspended(true);
    // A running solve releases the freeze when it finishes.
    if (session.solverBusy) return false;
    display.setStopItemVisible(true);
    session.stopRequested = false;
    return true;
}

void endAssistCommand(Board& board, SolveDisplay& display) {
    display.setStopItemVisible(false);
    board.session().stopRequested = false;
    display.setDrawingSuspended(false);
}

// After a full run: the cells show the grid the run reached, or with `beforeGuesses` the grid as
// the singles left it before the first guess (layer 1 then holds it too).
void showReachedGrid(Board& board, bool beforeGuesses) {
    for (int cell = 1; cell <= board.cellCount(); ++cell) {
        if (beforeGuesses) {
            board.setCellValue(cell, valueText(board.storeValue(kPropagatedLayer, cell)));
        } else {
            board.setCellText(cell, valueText(board.storeValue(kWorkLayer, cell)));
        }
    }
}

// After a one-step run that ended complete: the cells and layer 1 go back to the grid before the
// run, with the single it placed and the first-level guess that solved the grid.
void showNextStep(Board& board, const SolveOutcome& outcome) {
    board.tables().copyLayer(kStartLayer, kWorkLayer);
    for (int cell = 1; cell <= board.cellCount(); ++cell)
        board.setCellText(cell, valueText(board.storeValue(kWorkLayer, cell)));
    if (outcome.guessCell == 0) return;
    board.setStoreValue(kWorkLayer, outcome.guessCell, outcome.guessValue);
    board.setCellText(outcome.guessCell, valueText(outcome.guessValue));
}

// After a one-step run that did not end complete: layer 1 says what the cells show, so that the
// tables match the grid (a shown single stays, a failed search's branch goes).
void keepShownGrid(Board& board) {
    for (int cell = 1; cell <= board.cellCount(); ++cell)
        board.setStoreValue(kWorkLayer, cell, board.shownValue(cell));
}

// What the user sees when a run ends: the single it placed, the Tip mark as the run found it, the
// grid it reached (a full run) or its one step, and the check of what the cells then show, whose
// verdict becomes the result.
void showOutcome(Board& board, SolveDisplay& display, SolveOutcome& outcome, bool oneStep,
                 bool tipMark) {
    if (outcome.singleCell != 0) {
        board.setCellText(outcome.singleCell, valueText(outcome.singleValue));
        display.cellGotFocus(outcome.singleCell);
        display.focusCell(outcome.singleCell);
    }
    if (outcome.panelCell != 0) board.paintPanelFor(outcome.panelCell);
    display.setTipMenuChecked(tipMark);
    board.checkConsistency(1, true);
    if (!oneStep) {
        // After guessing that failed, the cells go back to the grid before the guesses.
        const bool beforeGuesses = board.statusImageVisible(1) && outcome.guessed;
        showReachedGrid(board, beforeGuesses);
        if (beforeGuesses) display.markIncompleteAfterGuessing();
    }
    board.checkConsistency(1, true);
    display.processEvents();
    outcome.result = !board.statusImageVisible(1);
    if (outcome.result && !oneStep) {
        display.processEvents();
        display.focusCell(kFinishFocusCell);
        display.cellClicked(kFinishFocusCell);
        display.messageLine(kDoneText, colour::kBlue, Alignment::Centre);
        board.setGuessing(false);
        board.checkConsistency(1);
    } else if (outcome.result) {
        showNextStep(board, outcome);
        if (outcome.guessCell != 0) {
            display.cellGotFocus(outcome.guessCell);
            display.flashCell(outcome.guessCell);
        }
    } else if (!oneStep) {
        display.messageLine(incompleteText(board.session().solveMode), colour::kBlue,
                            Alignment::Centre);
    } else {
        keepShownGrid(board);
    }
}

// One engine run as the commands show it: the message line cleared, Working Hard on, drawing
// frozen and the first cell focused while it works, the guesses counted on the message line;
// then its outcome shown. A run already under way refuses (nothing changes, `ran` stays false).
SolveOutcome runEngine(Board& board, SolveDisplay& display, bool oneStep) {
    ProgramState& session = board.session();
    if (session.solverBusy) return {};
    session.solverBusy = true;
    const bool savedTipMark = display.tipMenuChecked();
    display.messageLine("", colour::kWhite, Alignment::Centre);
    display.setWorkingHard(true);
    display.setDrawingSuspended(true);
    display.focusCell(1);
    display.processEvents();
    if (oneStep) session.solveMode = SolveMode::NumberCrunch;
    SolveOutcome outcome = solveTables(board.tables(), session, oneStep, [&display](long guesses) {
        display.guessProgress(guesses);
    });
    outcome.ran = true;
    // The run's checks left the gauge of the grid it reached before guessing; the checks below
    // leave it alone while the tables say guessing.
    if (outcome.guessed) board.settleGaugeOn(kPropagatedLayer);
    showOutcome(board, display, outcome, oneStep, savedTipMark);
    display.setDrawingSuspended(false);
    session.solverBusy = false;
    board.setGuessing(false);
    return outcome;
}

}  // namespace

int findSingleCandidate(Board& board, std::span<const ValueMask> notes) {
    for (int cell = 1; cell <= board.cellCount(); ++cell) {
        if (!board.cell(cell).text.empty()) continue;
        ValueMask candidates = maskOfCandidateText(board.candidatesOf(cell, true));
        const auto at = static_cast<std::size_t>(cell);
        if (at < notes.size() && notes[at] != 0) candidates &= notes[at];
        if (candidates != 0 && (candidates & (candidates - 1)) == 0) return cell;
    }
    return 0;
}

int checkForSingleCommand(Board& board, SolveDisplay& display, std::span<const ValueMask> notes) {
    if (!beginAssistCommand(board, display)) return 0;
    const int cell = findSingleCandidate(board, notes);
    if (cell != 0) {
        display.focusCell(cell);
    } else {
        display.messageLine(kNoneFoundText, colour::kRed, Alignment::Centre);
    }
    endAssistCommand(board, display);
    return cell;
}

GetNextOutcome getNextCommand(Board& board, SolveDisplay& display) {
    GetNextOutcome outcome;
    if (!beginAssistCommand(board, display)) return outcome;
    display.setGetNextButtonEnabled(false);
    display.setFrameColour(kGetNextFrame);
    const std::vector<int> before = shownValues(board);
    outcome.solve = runEngine(board, display, true);
    display.processEvents();
    display.setWorkingHard(false);
    for (int cell = 1; cell <= board.cellCount(); ++cell) {
        if (before[cell - 1] == 0 && board.shownValue(cell) != 0) {
            outcome.cell = cell;
            outcome.value = board.shownValue(cell);
            break;
        }
    }
    // A run that ends incomplete without showing anything says so instead of naming a reason.
    const bool nothingFound = !outcome.solve.result && outcome.cell == 0;
    display.messageLine(nothingFound ? kNoSolutionText : outcome.solve.reason, colour::kBlue,
                        Alignment::Centre);
    display.processEvents();
    board.checkConsistency(1);
    display.setGetNextButtonEnabled(true);
    endAssistCommand(board, display);
    return outcome;
}

SolveOutcome solveCommand(Board& board, SolveDisplay& display, SolveMode mode) {
    ProgramState& session = board.session();
    if (session.loadBusy) return {};
    display.setDrawingSuspended(false);
    display.processEvents();
    display.setStopItemVisible(true);
    session.stopRequested = false;
    session.fillBusy = true;
    session.solveMode = mode;
    SolveOutcome outcome = runEngine(board, display, false);
    // The guesses a solution needed replace "D  o  n  e   !"; an unsolved grid keeps its line.
    if (mode == SolveMode::NumberCrunch && outcome.result)
        display.messageLine(requiredText(outcome.reason), colour::kBlue, Alignment::Centre);
    if (!board.statusImageVisible(1)) display.setElapsedTimer(false);
    display.setWorkingHard(false);
    display.setStopItemVisible(false);
    if (session.stopRequested)
        display.messageLine(kInterruptedText, colour::kRed, Alignment::Centre);
    session.stopRequested = false;
    session.fillBusy = false;
    return outcome;
}

}  // namespace quorvel
