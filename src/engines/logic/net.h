#pragma once
// Following an assumption on a copy of the candidates: the engine of the forcing chains and
// forcing nets. How far a conclusion may reach is the net's depth:
//   kChainDepth  only the chain graph's links: a placed value leaves its cell and its peers, and
//                a value leaving a cell is placed where the grid had exactly two candidates or
//                two places for it (forcing chains);
//   0            singles on the copy as it narrows: a cell with one candidate left, a unit with
//                one place left for a value;
//   1            also Locked Candidates on the copy;
//   2 and up     also a candidate whose own assumption, followed at one depth less, contradicts
//                itself (nested nets).
// A contradiction is a cell without candidates, a unit without a place for a value it lacks, or a
// value placed where it was already removed. Searching runs without records; the one net a step
// shows runs again recording every fact with the facts it rests on, for its text and links, and
// its nested step then removes first the candidates whose nested nets went least far. A net may
// be limited to a number of facts: it then gives up when it would derive more, keeping the facts
// it found (true, but not all), and reports no contradiction.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "engines/logic/cell_set.h"
#include "engines/logic/logic_grid.h"
#include "engines/logic/step.h"

namespace quorvel::logic {

inline constexpr int kChainDepth = -1;

struct NetState {
    std::array<ValueMask, kMaxCells + 1> candidates{};
    std::array<std::uint8_t, kMaxCells + 1> placed{};
    std::array<CellSet, kMaxSide + 1> holding;  // cells with the value as a candidate
    std::array<CellSet, kMaxSide + 1> placing;  // cells the net placed the value in
    std::array<ValueMask, 3 * kMaxSide> unitPlaced{};
    // Per unit and value, the unit's places for it (bit i: the unit's i-th cell), kept with
    // `holding` so that a unit's last place shows without intersecting sets. Not kept for a unit
    // once the value is placed in it.
    std::array<std::array<std::uint16_t, kMaxSide + 1>, 3 * kMaxSide> places{};

    explicit NetState(const LogicGrid& grid);
    bool isOff(int cell, int value) const {
        return !((candidates[cell] >> value) & 1u) && placed[cell] != value;
    }
};

enum class Contradiction { None, EmptyCell, EmptyUnit, Clash };

// The candidate that removing `candidate` places: the other candidate of its cell, or the other
// place of its value in one of its units; none (cell 0) when it has neither. Assuming the one
// false and assuming the other true narrow a copy to the same facts before any nested net looks at
// it, so from there their nets run alike: the searches follow one for both (how far a
// contradiction went before the nested nets may differ, which only the unnested nets' order reads).
CellValue placedByRemoving(const LogicGrid& grid, CellValue candidate);

class Net {
  public:
    // `base` is NetState(grid), made once for the many nets on one grid.
    Net(const LogicGrid& grid, const NetState& base, int depth, bool record);
    // A net inside another, starting from its state.
    Net(const Net& outer, int depth, bool record);
    Net(const Net&) = delete;
    Net& operator=(const Net&) = delete;
    ~Net();

    // Limits this net to `own` facts and each net nested in it (and in those) to `nested` facts;
    // 0 leaves it unlimited. Called before assume().
    void limitFacts(int own, int nested) {
        mostFacts_ = own;
        mostNestedFacts_ = nested;
    }
    // Assumes the candidate true (`on`) or false and follows it; false on a contradiction.
    bool assume(CellValue candidate, bool on);
    // Whether a limit stopped this net or a net nested in it: without the limits it might have
    // gone further.
    bool limited() const { return limited_; }
    const NetState& state() const { return state_; }
    Contradiction contradiction() const { return contradiction_; }
    // How many candidates the net placed or removed: how far it had to go.
    int reach() const { return reach_; }

    // Recording nets: the lines of chains leading from the assumption to the contradiction, or
    // to `target` (on: placed, off: removed), and their links appended to `links` (a nested
    // net's lines are shown, its links not: they draw the branch that decides).
    std::vector<std::string> contradictionLines(std::vector<ChainLink>& links) const;
    std::vector<std::string> targetLines(CellValue target, bool on,
                                         std::vector<ChainLink>& links) const;
    // Recording nets: the nodes of the lines leading to the contradiction (no target) or to the
    // target, added to `nodes`; returned, the number of nodes of the nested nets those lines
    // show, each nested net's counted in full, so a node two nested nets share counts in both.
    using NodeSet = std::set<std::vector<CellValue>>;
    int shownNodes(std::optional<std::pair<CellValue, bool>> target, NodeSet& nodes) const;
    // What the contradiction is: "r4c4 has no candidate left".
    std::string contradictionText() const;

    // Lets this net's own nested step remove only the candidates marked in `allowed` (indexed by
    // candidateIndex); the vector must outlive assume().
    void limitNested(const std::vector<char>* allowed) { nestedAllowed_ = allowed; }
    // Recording nets: the removals by a nested net that the contradiction (no target) or the
    // target rests on, each with the number of facts its nested net's own lines show, most
    // first.
    std::vector<std::pair<CellValue, int>> nestedRemovalsUsed(
        std::optional<std::pair<CellValue, bool>> target) const;

  private:
    struct Fact;
    struct Pending {
        int cell;
        int value;
        int kind;
        int unit;
        std::vector<int> preds;
        std::vector<CellValue> externals;
    };

    // Removes a candidate (false on a contradiction) and queues the singles it leaves.
    bool off(int cell, int value, int kind, std::vector<int> preds,
             std::vector<CellValue> externals);
    void on(int cell, int value, int kind, std::vector<int> preds, std::vector<CellValue> externals,
            int unit);
    bool drain();
    bool follow(CellValue candidate, bool on);
    // Stops the net at its limit of facts: false, as a contradiction would, but without one.
    bool giveUp();
    bool atLimit() const { return mostFacts_ > 0 && reach_ >= mostFacts_; }
    // A probe of the nested step: the candidate assumed true at one depth less, within the limit.
    bool probeContradicts(int cell, int value, int& reach);
    void takeSpareQueue();
    bool lockedCandidates(bool& changed);
    bool nested(bool& changed);
    // A recording net's nested step: removes the waiting candidate whose nested net went least
    // far, finding the candidates anew when none is waiting.
    bool nestedShortestFirst(bool& changed);
    bool removeWaiting(bool& changed);
    // The outer removals a recorded nested net rests on: this net's facts, and those it started
    // without.
    void innerReasons(const Net& inner, std::vector<int>& why,
                      std::vector<CellValue>& externals) const;
    bool fail(Contradiction kind, int cell, int value, int unit);
    // The facts removing `value` from `cells` (but `except`) that the net started with; those it
    // started without but the grid has are the outer net's removals, `externals`.
    void gather(const CellSet& cells, int value, int except, std::vector<int>& preds,
                std::vector<CellValue>& externals) const;
    // The same for the candidates of a cell but `except`.
    void gatherCell(int cell, int except, std::vector<int>& preds,
                    std::vector<CellValue>& externals) const;
    int factOf(int cell, int value, bool isOn) const;
    int addFact(int cell, int value, bool isOn, int kind, std::vector<int> preds, int unit,
                std::vector<CellValue> externals = {});
    // Which facts the `targets` rest on, themselves included.
    std::vector<char> closure(std::vector<int> targets) const;
    int nodesTo(std::vector<int> targets, NodeSet& nodes) const;
    // A fact's node: its candidate, or a group's cells with the value.
    static std::vector<CellValue> nodeOf(const Fact& fact);
    std::vector<std::string> linesTo(std::vector<int> targets, std::vector<ChainLink>& links) const;
    std::string factText(int index) const;
    // The lines of the nested net behind a removal under "inside: if r3c9 were 6:", indented;
    // none for other facts.
    std::vector<std::string> insideLines(int index) const;
    std::vector<int> contradictionFacts(std::vector<CellValue>* externals = nullptr) const;

    const LogicGrid& grid_;
    const NetState* start_;  // the state the net started from
    NetState state_;
    std::unique_ptr<NetState> own_;
    int depth_;
    bool record_;
    const std::vector<char>* nestedAllowed_ = nullptr;
    int reach_ = 0;
    // Per value, the units whose places for it narrowed since Locked Candidates last looked at
    // them (one bit a unit): only those can lock anew.
    std::array<std::uint64_t, kMaxSide + 1> narrowed_{};
    int mostFacts_ = 0;
    int mostNestedFacts_ = 0;
    // The round of probes before: the cell after the one of its last removal (0: none ran), and
    // how many facts the net had derived when it ended.
    int lastRemoval_ = 0;
    int reachAfterProbes_ = -1;
    bool gaveUp_ = false;
    bool limited_ = false;
    // Whether every assumption this net rests on (its own and those of the nets it is nested in)
    // agrees with the grid's known solution: then the copy still allows the solution, and a probe
    // of one of the solution's candidates cannot contradict itself.
    bool consistent_ = true;
    std::vector<Pending> queue_;
    Contradiction contradiction_ = Contradiction::None;
    int badCell_ = 0;
    int badValue_ = 0;
    int badUnit_ = -1;
    std::vector<int> clashPreds_;
    std::vector<CellValue> clashExternals_;
    std::vector<Fact> facts_;
    std::vector<int> factIndex_;
    std::vector<std::unique_ptr<Net>> inner_;
    struct Waiting {
        int reach;  // how far its nested net went
        CellValue candidate;
    };
    std::vector<Waiting> waiting_;  // furthest first
};

}  // namespace quorvel::logic
