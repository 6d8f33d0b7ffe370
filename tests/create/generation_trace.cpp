#include "create/generation_trace.h"

namespace quorvel::testing {

TraceStep StepAt(const Board& board, int cell) {
    TraceStep step;
    step.cell = cell;
    step.value = board.cellValue(cell);
    for (int c = 1; c < cell; ++c)
        step.filledBefore = step.filledBefore && !board.cell(c).text.empty();
    for (int c = cell + 1; c <= board.cellCount(); ++c)
        step.emptyAfter = step.emptyAfter && board.cell(c).text.empty();
    return step;
}

void TracingEvents::messageLine(const std::string& text, Colour colour, int alignment) {
    HeadlessGridEvents::messageLine(text, colour, alignment);
    if (board == nullptr || trace == nullptr) return;
    // At a dead end the cell without candidates is the last filled one.
    int last = 0;
    for (int cell = 1; cell <= board->cellCount(); ++cell) {
        if (!board->cell(cell).text.empty()) last = cell;
    }
    TraceStep step = StepAt(*board, last);
    step.deadEnd = true;
    step.message = text;
    trace->push_back(step);
}

ConsistencyResult TracingGeneration::checkConsistency(int cell, bool silent) {
    const ConsistencyResult result = HeadlessGeneration::checkConsistency(cell, silent);
    if (!silent) return result;
    TraceStep step = StepAt(board(), cell);
    step.duplicate = result.invalid;
    trace_.push_back(step);
    if (stopAfterChecks > 0 && ++checks_ == stopAfterChecks) board().session().stopRequested = true;
    return result;
}

TracedGrid::TracedGrid(const GridKind& kind, int level) {
    session.currentLevel = level;
    board = std::make_unique<Board>(kind, session, events);
    events.board = board.get();
    events.trace = &trace;
    window = std::make_unique<TracingGeneration>(*board, trace);
}

}  // namespace quorvel::testing
