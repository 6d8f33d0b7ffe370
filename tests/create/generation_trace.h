#pragma once
// Helpers for the generator tests: a random source that plays a script before falling back to a
// seeded one, and a fill whose hooks record every placement the generator checks and every dead
// end it reports.

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "engines/create/generate_puzzle.h"
#include "engines/create/random_source.h"
#include "model/grid_kind.h"
#include "model/program_state.h"

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
    std::string message;       // the progress line of a dead end
};

// fillRandomGrid with hooks that record its steps.
struct TracedFill {
    explicit TracedFill(const GridKind& kind) : kind(kind) {}
    std::optional<std::vector<int>> run(RandomSource& random);

    const GridKind& kind;
    ProgramState session;
    std::vector<TraceStep> trace;
    // Sets stopRequested once this many placements were checked (0: never).
    int stopAfterChecks = 0;
    int checks = 0;
};

}  // namespace quorvel::testing
