// Forcing chains and forcing nets (engines/logic/net.h):
//   contradiction: assuming a candidate true (false) leads to a contradiction, so it is false
//                  (true);
//   verity:        every candidate of a cell, every place of a value in a unit, or a candidate
//                  both true and false, leads to the same conclusion, which therefore holds.
// Forcing Chain Contradiction and Verity follow only the chain graph's links; Forcing Net
// follows singles on the narrowing copy, then adds Locked Candidates, then nested nets, one
// depth at a time. The nets are searched without records; the steps shown run again recording,
// and a depth's steps are reported simplest (fewest nodes) first; two or more deep the first net
// found under the smallest limit of facts per nested net is reported. A shown net two or more
// deep keeps only the nested nets its conclusion cannot do without.

#include <algorithm>
#include <bit>
#include <functional>
#include <memory>
#include <optional>
#include <set>

#include "engines/logic/finders.h"
#include "engines/logic/net.h"
#include "engines/logic/step_text.h"

namespace quorvel::logic {

namespace {

// Nets nest only on a grid the exact counter has shown to have one solution, and no deeper than
// this: elsewhere a candidate may hold in one solution and not in another, and the ever deeper
// search would find nothing at ever greater cost.
constexpr int kDeepestNet = 5;
constexpr int kDeepestUnnested = 1;
// The first limits of facts per nested net when nets two or more deep are searched, and when the
// one shown is recorded.
constexpr int kFewestFacts = 32;
constexpr int kFewestShownFacts = 8;

// What one assumption led to: per value, the cells it placed it in and those it removed it from.
struct Outcome {
    bool contradiction = false;
    bool limited = false;  // a limit of facts stopped the net or a net nested in it
    int reach = 0;         // candidates placed or removed on the way
    std::array<CellSet, kMaxSide + 1> placed;
    std::array<CellSet, kMaxSide + 1> removed;
};

Outcome follow(const LogicGrid& grid, const NetState& base, int depth, int mostFacts,
               CellValue candidate, bool on) {
    Net net(grid, base, depth, false);
    net.limitFacts(0, mostFacts);
    Outcome outcome;
    outcome.contradiction = !net.assume(candidate, on);
    outcome.limited = net.limited();
    outcome.reach = net.reach();
    if (!outcome.contradiction)
        for (int value = 1; value <= grid.side(); ++value) {
            outcome.placed[value] = net.state().placing[value];
            outcome.removed[value] =
                base.holding[value] - net.state().holding[value] - net.state().placing[value];
        }
    return outcome;
}

// A source of cases: a cell's candidates, a unit's places for a value, or a candidate true and
// false. Its words are made only for the step shown.
struct Source {
    enum class Kind { Cell, Unit, Candidate };
    Kind kind = Kind::Cell;
    int at = 0;  // the cell, or the unit
    int value = 0;
    std::vector<std::pair<CellValue, bool>> cases;
};

struct SourceWords {
    std::string header;    // "r4c4 is 3, 5 or 7"
    std::string eachCase;  // "Whatever r4c4 is (3, 5 or 7)"
    std::string where;
};

SourceWords wordsOf(const GridKind& kind, const Source& source) {
    switch (source.kind) {
        case Source::Kind::Cell: {
            std::vector<int> values;
            for (const auto& [candidate, on] : source.cases)
                values.push_back(candidate.value);
            const std::string cell = cellName(kind, source.at);
            return {cell + " is " + orList(valueList(values)),
                    "Whatever " + cell + " is (" + orList(valueList(values)) + ")", "from " + cell};
        }
        case Source::Kind::Unit: {
            std::vector<int> cells;
            for (const auto& [candidate, on] : source.cases)
                cells.push_back(candidate.cell);
            const std::string value = std::to_string(source.value);
            const std::string unit = unitName(kind, source.at);
            return {placesText(kind, source.value, cells) + " (its places in " + unit + ")",
                    "Wherever " + value + " goes in " + unit, "from " + value + " in " + unit};
        }
        case Source::Kind::Candidate: {
            const std::string candidate = candidateText(kind, {source.at, source.value}, true);
            return {candidate + " or is not", "Whether or not " + candidate,
                    "from " + cellName(kind, source.at)};
        }
    }
    return {};
}

// What a shown net must reach: its contradiction (nothing), or a candidate placed (true) or
// removed (false).
using Goal = std::optional<std::pair<CellValue, bool>>;

// A case of a verity never contradicts itself: leaving out nested removals only narrows less.
bool reaches(const Net& net, bool held, const Goal& goal) {
    if (!goal) return !held;
    const auto& [target, on] = *goal;
    return on ? net.state().placed[target.cell] == target.value
              : net.state().isOff(target.cell, target.value);
}

// The recorded net of an assumption. Two or more deep, its nested nets may first derive only a
// few facts each, the limit doubled until the net reaches its goal, so it leans on small nested
// nets. A nested net finds every removal it can, round by round, and what follows rests on
// whichever came first; so before the net is shown, each nested removal the goal rests on (those
// whose nested nets show the most facts first) is left out when the net still reaches the goal
// without it, and the net is recorded again with the removals left.
std::unique_ptr<Net> shownNet(const LogicGrid& grid, const NetState& base, int depth,
                              CellValue candidate, bool on, const Goal& goal) {
    auto first = std::make_unique<Net>(grid, base, depth, true);
    if (depth < 2) {
        first->assume(candidate, on);
        return first;
    }
    for (int mostFacts = kFewestShownFacts;; mostFacts *= 2) {
        first->limitFacts(0, mostFacts);
        if (reaches(*first, first->assume(candidate, on), goal) || !first->limited()) break;
        first = std::make_unique<Net>(grid, base, depth, true);
    }
    const std::vector<std::pair<CellValue, int>> used = first->nestedRemovalsUsed(goal);
    std::vector<char> allowed(kCandidateCount, 0);
    for (const auto& [removal, facts] : used)
        allowed[candidateIndex(removal.cell, removal.value)] = 1;
    bool cut = false;
    for (const auto& [removal, facts] : used) {
        char& keep = allowed[candidateIndex(removal.cell, removal.value)];
        keep = 0;
        Net without(grid, base, depth, false);
        without.limitNested(&allowed);
        if (reaches(without, without.assume(candidate, on), goal))
            cut = true;
        else
            keep = 1;
    }
    if (!cut) return first;
    auto shown = std::make_unique<Net>(grid, base, depth, true);
    shown->limitNested(&allowed);
    shown->assume(candidate, on);
    return shown;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += "\n" + line;
    return text;
}

Step contradictionStep(const LogicGrid& grid, Technique technique, int depth, CellValue candidate,
                       bool on) {
    const GridKind& kind = grid.kind();
    const NetState base(grid);
    const std::unique_ptr<Net> shown = shownNet(grid, base, depth, candidate, on, std::nullopt);
    const Net& net = *shown;
    Step step;
    const std::vector<std::string> lines = net.contradictionLines(step.chain);
    (on ? step.eliminations : step.placements).push_back(candidate);
    step.values = {candidate.value};
    step.cells = {candidate.cell};
    step.depth = std::max(depth, 0);
    Net::NodeSet nodes;
    step.nodes = net.shownNodes(std::nullopt, nodes);
    step.nodes += static_cast<int>(nodes.size());
    finishStep(kind, step, technique, "at " + cellName(kind, candidate.cell),
               "if " + candidateText(kind, candidate, on) + ":" + joinLines(lines) + "\nthen " +
                   net.contradictionText());
    step.summary = "If " + candidateText(kind, candidate, on) + ", then " +
                   net.contradictionText() + ", so " + candidateText(kind, candidate, !on) + ".";
    return step;
}

Step verityStep(const LogicGrid& grid, Technique technique, int depth, const Source& source,
                CellValue target, bool on) {
    const GridKind& kind = grid.kind();
    const SourceWords words = wordsOf(kind, source);
    Step step;
    std::string text = words.header + ":";
    std::set<int> cells;
    Net::NodeSet nodes;
    const NetState base(grid);
    for (const auto& [candidate, caseOn] : source.cases) {
        const std::unique_ptr<Net> net =
            shownNet(grid, base, depth, candidate, caseOn, std::pair{target, on});
        text += joinLines(net->targetLines(target, on, step.chain));
        step.nodes += net->shownNodes(std::pair{target, on}, nodes);
        cells.insert(candidate.cell);
    }
    step.nodes += static_cast<int>(nodes.size());
    (on ? step.placements : step.eliminations).push_back(target);
    step.values = {source.cases.front().first.value};
    step.cells.assign(cells.begin(), cells.end());
    step.depth = std::max(depth, 0);
    finishStep(kind, step, technique, words.where,
               text + "\nevery case ends with " + candidateText(kind, target, on));
    step.summary = words.eachCase + ", " + candidateText(kind, target, on) + ".";
    return step;
}

std::vector<Source> sources(const LogicGrid& grid, bool withPairs, bool withCandidates) {
    std::vector<Source> found;
    const std::size_t fewest = withPairs ? 2 : 3;
    for (int cell = 1; cell <= grid.cellCount(); ++cell) {
        const ValueMask values = grid.candidates(cell);
        if (static_cast<std::size_t>(std::popcount(values)) < fewest) continue;
        Source source{Source::Kind::Cell, cell, 0, {}};
        for (unsigned rest = values; rest != 0; rest &= rest - 1)
            source.cases.push_back({{cell, std::countr_zero(rest)}, true});
        found.push_back(std::move(source));
    }
    for (int unit = 0; unit < grid.unitCount(); ++unit)
        for (int value = 1; value <= grid.side(); ++value) {
            const unsigned where = grid.positions(unit, value);
            if (static_cast<std::size_t>(std::popcount(where)) < fewest) continue;
            Source source{Source::Kind::Unit, unit, value, {}};
            for (unsigned rest = where; rest != 0; rest &= rest - 1)
                source.cases.push_back(
                    {{grid.unitCells(unit)[std::countr_zero(rest)], value}, true});
            found.push_back(std::move(source));
        }
    if (withCandidates)
        for (int cell = 1; cell <= grid.cellCount(); ++cell)
            for (unsigned rest = grid.candidates(cell); rest != 0; rest &= rest - 1) {
                const CellValue candidate{cell, std::countr_zero(rest)};
                found.push_back({Source::Kind::Candidate,
                                 cell,
                                 candidate.value,
                                 {{candidate, true}, {candidate, false}}});
            }
    return found;
}

// A contradiction (source -1: `candidate` assumed `on`) or a verity (`candidate` placed when
// `on`, removed when not, in every case of the source).
struct Hit {
    int source = -1;
    CellValue candidate;
    bool on = false;
    int reach = 0;  // how far the nets went: the simplest show first
    // The conclusion: the candidate and whether it is placed.
    std::pair<CellValue, bool> conclusion() const { return {candidate, source < 0 ? !on : on}; }
};

// The outcomes of the assumptions at one depth, each followed once when first needed; the nets
// nested in them may be limited to a number of facts each.
class Search {
  public:
    Search(const LogicGrid& grid, int depth) : grid_(grid), depth_(depth), base_(grid) {
        for (int cell = 1; cell <= grid.cellCount(); ++cell)
            for (const int value : valuesOf(grid.candidates(cell))) {
                index_[candidateIndex(cell, value)] = static_cast<int>(candidates_.size());
                candidates_.push_back({cell, value});
            }
        outcomes_.resize(2 * candidates_.size());
        if (depth >= 2)
            for (const CellValue& candidate : candidates_)
                partners_.push_back(placedByRemoving(grid, candidate));
    }

    const Outcome& outcome(CellValue candidate, bool on) {
        const int index = index_[candidateIndex(candidate.cell, candidate.value)];
        // A removal that places another candidate is followed as that placement.
        if (!on && !partners_.empty() && partners_[index].cell != 0)
            return outcome(partners_[index], true);
        auto& slot = outcomes_[2 * index + (on ? 1 : 0)];
        if (!slot) {
            slot =
                std::make_unique<Outcome>(follow(grid_, base_, depth_, mostFacts_, candidate, on));
            limited_ = limited_ || slot->limited;
        }
        return *slot;
    }

    // Whether the limit of facts stopped a net: a larger limit might find more.
    bool limited() const { return limited_; }

    // Sets the limit of facts per nested net (0: any number), at least the last one: the outcomes
    // the old limit cut short are followed again.
    void raiseLimit(int mostFacts) {
        mostFacts_ = mostFacts;
        limited_ = false;
        for (auto& slot : outcomes_)
            if (slot && slot->limited) slot.reset();
    }

    // Calls found(hit) for each contradiction, each candidate assumed true and then false,
    // until it returns false; false then. An assumption that agrees with the grid's known
    // solution cannot contradict itself, so it is not followed.
    template <typename Found>
    bool contradictions(const Found& found) {
        for (const bool on : {true, false})
            for (const CellValue& candidate : candidates_) {
                const int solved = grid_.solutionValue(candidate.cell);
                if (solved != 0 && (solved == candidate.value) == on) continue;
                if (const Outcome& result = outcome(candidate, on);
                    result.contradiction && !found(Hit{-1, candidate, on, result.reach}))
                    return false;
            }
        return true;
    }

    // The same for what every case of a source agrees on.
    template <typename Found>
    bool verities(const std::vector<Source>& sources, const Found& found) {
        for (std::size_t i = 0; i < sources.size(); ++i) {
            std::array<CellSet, kMaxSide + 1> placed;
            std::array<CellSet, kMaxSide + 1> removed;
            bool first = true;
            int reach = 0;
            for (const auto& [candidate, on] : sources[i].cases) {
                const Outcome& result = outcome(candidate, on);
                if (result.contradiction) break;
                reach += result.reach;
                for (int value = 1; value <= grid_.side(); ++value) {
                    placed[value] =
                        first ? result.placed[value] : placed[value] & result.placed[value];
                    removed[value] =
                        first ? result.removed[value] : removed[value] & result.removed[value];
                }
                first = false;
                if (&candidate == &sources[i].cases.back().first)
                    for (int value = 1; value <= grid_.side(); ++value)
                        for (const bool place : {true, false})
                            for (const int cell : cellsOf(place ? placed[value] : removed[value]))
                                if (!found(Hit{static_cast<int>(i), {cell, value}, place, reach}))
                                    return false;
            }
        }
        return true;
    }

  private:
    const LogicGrid& grid_;
    int depth_;
    int mostFacts_ = 0;
    bool limited_ = false;
    NetState base_;
    std::vector<CellValue> candidates_;
    std::array<int, kCandidateCount> index_{};
    std::vector<std::unique_ptr<Outcome>> outcomes_;
    std::vector<CellValue> partners_;  // two or more deep, per candidate (placedByRemoving())
};

Step stepOf(const LogicGrid& grid, Technique technique, int depth,
            const std::vector<Source>& sources, const Hit& hit) {
    return hit.source < 0
               ? contradictionStep(grid, technique, depth, hit.candidate, hit.on)
               : verityStep(grid, technique, depth, sources[hit.source], hit.candidate, hit.on);
}

// The steps of the hits, one per conclusion: sorted (placements first, then the simplest), or as
// found.
// Only the steps handed on are recorded.
class Reporter {
  public:
    Reporter(const LogicGrid& grid, Technique technique, int depth,
             const std::vector<Source>& sources, bool sorted, const StepSink& sink)
        : grid_(grid),
          technique_(technique),
          depth_(depth),
          sources_(sources),
          sorted_(sorted),
          sink_(sink) {}

    bool operator()(const Hit& hit) {
        if (sorted_) {
            hits_.push_back(hit);
            return true;
        }
        return !concluded_.insert(hit.conclusion()).second ||
               sink_(stepOf(grid_, technique_, depth_, sources_, hit));
    }

    bool found() const { return !hits_.empty() || !concluded_.empty(); }

    // Hands on the sorted steps; false when the sink ended the search.
    bool finish() {
        // Placements first, as they take the solver furthest; then the nets that went least far.
        std::stable_sort(hits_.begin(), hits_.end(), [](const Hit& a, const Hit& b) {
            const bool placesA = a.conclusion().second;
            const bool placesB = b.conclusion().second;
            return placesA != placesB ? placesA : a.reach < b.reach;
        });
        for (const Hit& hit : hits_)
            if (concluded_.insert(hit.conclusion()).second &&
                !sink_(stepOf(grid_, technique_, depth_, sources_, hit)))
                return false;
        return true;
    }

  private:
    const LogicGrid& grid_;
    Technique technique_;
    int depth_;
    const std::vector<Source>& sources_;
    bool sorted_;
    const StepSink& sink_;
    std::set<std::pair<CellValue, bool>> concluded_;
    std::vector<Hit> hits_;
};

}  // namespace

bool findForcingChainContradiction(const LogicGrid& grid, const StepSink& sink) {
    Search search(grid, kChainDepth);
    const std::vector<Source> none;
    Reporter report(grid, Technique::ForcingChainContradiction, kChainDepth, none, true, sink);
    search.contradictions(std::ref(report));
    return report.finish();
}

bool findForcingChainVerity(const LogicGrid& grid, const StepSink& sink) {
    Search search(grid, kChainDepth);
    const std::vector<Source> cases = sources(grid, false, false);
    Reporter report(grid, Technique::ForcingChainVerity, kChainDepth, cases, true, sink);
    search.verities(cases, std::ref(report));
    return report.finish();
}

bool findForcingNet(const LogicGrid& grid, const StepSink& sink) {
    const std::vector<Source> cases = sources(grid, true, true);
    const int deepest = grid.oneSolution() ? kDeepestNet : kDeepestUnnested;
    for (int depth = 0; depth <= deepest; ++depth) {
        // Two or more deep, the first net found is shown (recording every one would cost too
        // much), so that it is a small one the nested nets may first derive only a few facts
        // each, the limit doubled until a net concludes or no nested net reached it.
        const bool limited = depth >= 2;
        Search search(grid, depth);
        for (int mostFacts = limited ? kFewestFacts : 0;; mostFacts *= 2) {
            search.raiseLimit(mostFacts);
            Reporter report(grid, Technique::ForcingNet, depth, cases, !limited, sink);
            if (!search.contradictions(std::ref(report)) ||
                !search.verities(cases, std::ref(report)))
                return false;
            if (report.found()) return report.finish();
            if (!search.limited()) break;
        }
    }
    return true;
}

}  // namespace quorvel::logic
