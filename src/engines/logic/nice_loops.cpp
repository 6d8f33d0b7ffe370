// AIC and nice loops over the chain graph (engines/logic/chain_graph.h): plain, with group nodes,
// or with almost locked sets as nodes.
//   AIC: from "p is not" along alternating links to "q is": one of p and q is true, so every
//        candidate weakly linked to both is false.
//   Discontinuous Nice Loop: "p is" leads to "p is not" (p is false), or "p is not" to "p is"
//        (p is true).
//   Continuous Nice Loop: "p is" leads back to "p is" through distinct nodes: every link of the
//        loop then has exactly one true end, so a candidate weakly linked to both ends of one of
//        its weak links is false.
// Each start is searched breadth first, so every conclusion comes with its shortest chain; the
// instances are reported shortest first, one per set of eliminations and placements.

#include <algorithm>
#include <array>
#include <set>

#include "engines/logic/chain_graph.h"
#include "engines/logic/finders.h"
#include "engines/logic/step_text.h"

namespace quorvel::logic {

namespace {

constexpr std::size_t kShortestChain = 4;  // literals

enum class ChainShape { Aic, Discontinuous, Continuous };

struct Found {
    std::vector<int> literals;  // as shown: a loop repeats its first literal at the end
    std::vector<CellValue> eliminations;
    std::vector<CellValue> placements;
};

// Per value, the cells whose candidate ON(node) makes OFF.
std::array<CellSet, kMaxSide + 1> seenSets(const ChainGraph& graph, int node) {
    std::array<CellSet, kMaxSide + 1> seen;
    for (const CellValue& candidate : graph.candidatesSeen(node))
        seen[candidate.value].insert(candidate.cell);
    return seen;
}

// The graph a chain needs: a set's link or node makes it a chain of almost locked sets, a group
// node a grouped one.
ChainNodes nodesOf(const ChainGraph& graph, const std::vector<int>& literals) {
    ChainNodes needed = ChainNodes::Candidates;
    for (std::size_t i = 0; i < literals.size(); ++i) {
        const ChainNode& node = graph.node(nodeOf(literals[i]));
        if (node.ofSet ||
            (i > 0 && !graph.linkingSet(nodeOf(literals[i - 1]), nodeOf(literals[i])).empty()))
            return ChainNodes::AlmostLockedSets;
        if (node.group) needed = ChainNodes::Groups;
    }
    return needed;
}

void addAics(const ChainGraph& graph, ChainNodes nodes, std::vector<Found>& found) {
    const GridKind& kind = graph.grid().kind();
    ChainSearch search(graph);
    for (int p = 0; p < graph.candidateCount(); ++p) {
        if (graph.strong(p).empty()) continue;
        const auto seenByP = seenSets(graph, p);
        search.run(literalOf(p, false));
        for (const int literal : search.order()) {
            const int q = nodeOf(literal);
            if (!isOn(literal) || q <= p || q >= graph.candidateCount()) continue;
            // Seen by both: the value of q in the cells both see, and other values of q's cell.
            const ChainNode& end = graph.node(q);
            const CellSet both =
                seenByP[end.value] & peerSet(kind, end.cell) & graph.holding(end.value);
            const ValueMask others =
                static_cast<ValueMask>(graph.grid().candidates(end.cell) & ~(1u << end.value));
            bool inCell = false;
            for (const int value : valuesOf(others))
                inCell = inCell || seenByP[value].contains(end.cell);
            if (both.empty() && !inCell) continue;
            Found chain;
            for (const CellValue& candidate : graph.candidatesSeen(q))
                if (seenByP[candidate.value].contains(candidate.cell))
                    chain.eliminations.push_back(candidate);
            chain.literals = search.pathTo(literal);
            if (chain.literals.size() < kShortestChain || nodesOf(graph, chain.literals) != nodes)
                continue;
            found.push_back(std::move(chain));
        }
    }
}

void addDiscontinuousLoops(const ChainGraph& graph, ChainNodes nodes, std::vector<Found>& found) {
    ChainSearch search(graph);
    for (int p = 0; p < graph.candidateCount(); ++p) {
        const ChainNode& start = graph.node(p);
        const CellValue candidate{start.cell, start.value};
        // "p is" leads to a node whose being true makes p false.
        const auto seenByP = seenSets(graph, p);
        search.run(literalOf(p, true));
        for (const int literal : search.order()) {
            const ChainNode& node = graph.node(nodeOf(literal));
            if (!isOn(literal) || nodeOf(literal) == p ||
                !(node.cells - seenByP[node.value]).empty())
                continue;
            Found chain{search.pathTo(literal), {candidate}, {}};
            chain.literals.push_back(literalOf(p, false));
            if (chain.literals.size() < kShortestChain || nodesOf(graph, chain.literals) != nodes)
                continue;
            found.push_back(std::move(chain));
            break;
        }
        if (graph.strong(p).empty()) continue;
        search.run(literalOf(p, false));
        if (!search.reached(literalOf(p, true))) continue;
        Found chain{search.pathTo(literalOf(p, true)), {}, {candidate}};
        if (nodesOf(graph, chain.literals) == nodes) found.push_back(std::move(chain));
    }
}

// The candidates weakly linked to both ends of each weak link of the loop.
std::vector<CellValue> loopEliminations(const ChainGraph& graph, const std::vector<int>& loop) {
    std::vector<CellValue> eliminations;
    for (std::size_t i = 0; i + 1 < loop.size(); ++i) {
        if (!isOn(loop[i])) continue;
        const auto seenByA = seenSets(graph, nodeOf(loop[i]));
        for (const CellValue& candidate : graph.candidatesSeen(nodeOf(loop[i + 1])))
            if (seenByA[candidate.value].contains(candidate.cell))
                eliminations.push_back(candidate);
    }
    return eliminations;
}

void addContinuousLoops(const ChainGraph& graph, ChainNodes nodes, std::vector<Found>& found) {
    ChainSearch search(graph);
    for (int p = 0; p < graph.candidateCount(); ++p) {
        if (graph.strong(p).empty()) continue;
        // The loop closes through a strong partner of p, which the first link must not reach.
        const int start = literalOf(p, true);
        const std::vector<int>& partners = graph.strong(p);
        search.run(start, [&](int from, int next) {
            return from != start ||
                   std::find(partners.begin(), partners.end(), next) == partners.end();
        });
        for (const int literal : search.order()) {
            if (isOn(literal)) continue;
            const auto& strong = graph.strong(nodeOf(literal));
            if (std::find(strong.begin(), strong.end(), p) == strong.end()) continue;
            Found chain{search.pathTo(literal), {}, {}};
            if (chain.literals.size() < kShortestChain) continue;
            std::set<int> distinct;
            for (const int at : chain.literals)
                distinct.insert(nodeOf(at));
            if (distinct.size() != chain.literals.size()) continue;
            chain.literals.push_back(literalOf(p, true));
            if (nodesOf(graph, chain.literals) != nodes) continue;
            chain.eliminations = loopEliminations(graph, chain.literals);
            if (!chain.eliminations.empty()) found.push_back(std::move(chain));
        }
    }
}

std::string reasonOf(const ChainGraph& graph, ChainShape shape, const Found& chain) {
    std::string text = graph.chainText(chain.literals);
    switch (shape) {
        case ChainShape::Aic:
            return text + ": " + graph.literalText(chain.literals.front() + 1) + " or " +
                   graph.literalText(chain.literals.back());
        case ChainShape::Discontinuous:
            return text + ": the assumption refutes itself";
        case ChainShape::Continuous:
            return text + ": the loop closes, so each of its links has exactly one true end";
    }
    return text;
}

// The technique of each shape, by the nodes its chains need.
constexpr Technique kTechniques[3][3] = {
    {Technique::Aic, Technique::GroupedAic, Technique::AlsAic},
    {Technique::DiscontinuousNiceLoop, Technique::GroupedDiscontinuousNiceLoop,
     Technique::AlsDiscontinuousNiceLoop},
    {Technique::ContinuousNiceLoop, Technique::GroupedContinuousNiceLoop,
     Technique::AlsContinuousNiceLoop},
};

bool report(const ChainGraph& graph, ChainShape shape, ChainNodes nodes, std::vector<Found>& found,
            const StepSink& sink) {
    const GridKind& kind = graph.grid().kind();
    std::stable_sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return a.literals.size() < b.literals.size();
    });
    std::set<std::pair<std::vector<CellValue>, std::vector<CellValue>>> reported;
    for (Found& chain : found) {
        Step step;
        step.eliminations = chain.eliminations;
        std::sort(step.eliminations.begin(), step.eliminations.end());
        step.eliminations.erase(std::unique(step.eliminations.begin(), step.eliminations.end()),
                                step.eliminations.end());
        step.placements = chain.placements;
        if (!reported.insert({step.eliminations, step.placements}).second) continue;
        std::set<int> values;
        for (const int literal : chain.literals) {
            const ChainNode& node = graph.node(nodeOf(literal));
            values.insert(node.value);
            node.cells.forEach([&](int cell) {
                if (std::find(step.cells.begin(), step.cells.end(), cell) == step.cells.end())
                    step.cells.push_back(cell);
            });
        }
        step.values.assign(values.begin(), values.end());
        graph.addLinks(chain.literals, step.chain);
        const int first = graph.node(nodeOf(chain.literals.front())).cell;
        const int last = graph.node(nodeOf(chain.literals.back())).cell;
        const Technique technique = kTechniques[static_cast<int>(shape)][static_cast<int>(nodes)];
        const std::string where = shape == ChainShape::Aic ? "from " + cellName(kind, first) +
                                                                 " to " + cellName(kind, last)
                                                           : "at " + cellName(kind, first);
        finishStep(kind, step, technique, where, reasonOf(graph, shape, chain));
        if (!sink(std::move(step))) return false;
    }
    return true;
}

bool findChains(const LogicGrid& grid, ChainShape shape, ChainNodes nodes, const StepSink& sink) {
    const ChainGraph& graph = chainGraph(grid, nodes);
    std::vector<Found> found;
    switch (shape) {
        case ChainShape::Aic:
            addAics(graph, nodes, found);
            break;
        case ChainShape::Discontinuous:
            addDiscontinuousLoops(graph, nodes, found);
            break;
        case ChainShape::Continuous:
            addContinuousLoops(graph, nodes, found);
            break;
    }
    return report(graph, shape, nodes, found, sink);
}

}  // namespace

bool findAic(const LogicGrid& grid, bool grouped, const StepSink& sink) {
    return findChains(grid, ChainShape::Aic, grouped ? ChainNodes::Groups : ChainNodes::Candidates,
                      sink);
}

bool findNiceLoop(const LogicGrid& grid, bool continuous, bool grouped, const StepSink& sink) {
    return findChains(grid, continuous ? ChainShape::Continuous : ChainShape::Discontinuous,
                      grouped ? ChainNodes::Groups : ChainNodes::Candidates, sink);
}

bool findAlsAic(const LogicGrid& grid, const StepSink& sink) {
    return findChains(grid, ChainShape::Aic, ChainNodes::AlmostLockedSets, sink);
}

bool findAlsNiceLoop(const LogicGrid& grid, bool continuous, const StepSink& sink) {
    return findChains(grid, continuous ? ChainShape::Continuous : ChainShape::Discontinuous,
                      ChainNodes::AlmostLockedSets, sink);
}

}  // namespace quorvel::logic
