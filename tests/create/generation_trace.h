#pragma once
// Helpers for the generator tests: a random source that plays a script before falling back to a
// seeded one, and a headless window that records every placement the generator checks and
// every dead end it reports.

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "create/headless_generation.h"
#include "create/random_source.h"
#include "model/board.h"
#include "model/headless_grid_events.h"
#include "model/session.h"

namespace quorvel::testing {

class ScriptedRandom : public RandomSource {
  public:
    explicit ScriptedRandom(std::deque<double> script, std::uint64_t seed = 7)
        : script_(std::move(script)), rest_(seed) {}
    double uniform() override {
        ++draws;
        if (script_.empty()) return rest_.uniform();
        const double r = script_.front();
        script_.pop_front();
        return r;
    }
    bool scriptUsedUp() const { return script_.empty(); }
    int draws = 0;

  private:
    std::deque<double> script_;
    SeededRandom rest_;
};

// One step the generator took: a placement it checked, or a dead end it reported.
struct TraceStep {
    bool deadEnd = false;
    int cell = 0;  // the placed cell; for a dead end, the cell that had no candidate
    int value = 0;
    bool duplicate = false;
    bool filledBefore = true;  // every cell before `cell` was filled
    bool emptyAfter = true;    // every cell after `cell` was empty
    std::string message;       // the message line of a dead end
};

class TracingEvents : public HeadlessGridEvents {
  public:
    using HeadlessGridEvents::HeadlessGridEvents;
    void messageLine(const std::string& text, Colour colour, int alignment) override;

    Board* board = nullptr;
    std::vector<TraceStep>* trace = nullptr;
};

class TracingGeneration : public HeadlessGeneration {
  public:
    TracingGeneration(Board& board, std::vector<TraceStep>& trace)
        : HeadlessGeneration(board), trace_(trace) {}
    ConsistencyResult checkConsistency(int cell, bool silent) override;

    // Sets stopRequested once this many placements were checked (0: never).
    int stopAfterChecks = 0;

  private:
    std::vector<TraceStep>& trace_;
    int checks_ = 0;
};

// A headless board with the tracing window and events.
struct TracedGrid {
    explicit TracedGrid(const GridKind& kind, int level = 1);

    Session session;
    TracingEvents events{session};
    std::unique_ptr<Board> board;
    std::vector<TraceStep> trace;
    std::unique_ptr<TracingGeneration> window;
};

// Where the fill stands on a board: cells 1..cell-1 filled, cells after `cell` empty.
TraceStep StepAt(const Board& board, int cell);

}  // namespace quorvel::testing
