// Simple Colouring: the strong links on one value join cells into chains whose cells alternate
// between holding the value and not, so each chain splits into two colours, one of them true.
// Two cells of one colour that see each other make that colour false (every cell of it loses
// the value); a cell that sees both colours loses the value.
//
// Multi-Colouring sets two such chains of one value side by side. A colour whose cells see both
// colours of the other chain is false (colour wrap); when a colour of one sees a colour of the
// other, one of the two other colours holds the value, and a cell seeing both loses it (colour
// trap).

#include <array>
#include <utility>
#include <vector>

#include "engines/logic/chain_graph.h"
#include "engines/logic/finders.h"
#include "engines/logic/links.h"
#include "engines/logic/step_text.h"

namespace quorvel::logic {

namespace {

struct Colours {
    int start = 0;  // the cell the colouring started from, of colour A
    std::vector<int> cells[2];
    std::vector<std::pair<int, int>> links;  // the strong link each cell but the first came by
};

// Colours the component of the cell whose node the search started from (its colour 0: the
// literals with the start's truth); false when it cannot be two-coloured (a broken grid).
bool colourComponent(const ChainGraph& graph, const ChainSearch& search, int value, Colours& out) {
    const std::vector<int>& order = search.order();
    const bool startOn = isOn(order.front());
    bool consistent = true;
    for (const int literal : order) {
        const int cell = graph.node(nodeOf(literal)).cell;
        out.cells[isOn(literal) == startOn ? 0 : 1].push_back(cell);
        if (search.parent(literal) >= 0)
            out.links.emplace_back(graph.node(nodeOf(search.parent(literal))).cell, cell);
        for (const int next : graph.strong(nodeOf(literal)))
            if (graph.node(next).value == value && search.reached(literalOf(next, isOn(literal))))
                consistent = false;
    }
    return consistent;
}

// The colour (0 or 1) two of whose cells see each other, or -1; `pair` gets the two cells.
int clashingColour(const LogicGrid& grid, const Colours& colours, std::array<int, 2>& pair) {
    for (int c = 0; c < 2; ++c) {
        const auto& cells = colours.cells[c];
        for (std::size_t i = 0; i < cells.size(); ++i)
            for (std::size_t j = i + 1; j < cells.size(); ++j)
                if (grid.sees(cells[i], cells[j])) {
                    pair = {cells[i], cells[j]};
                    return c;
                }
    }
    return -1;
}

std::string colourReason(const GridKind& kind, int value, const Colours& colours) {
    return "the strong links on " + std::to_string(value) + " join " +
           cellList(kind, colours.cells[0]) + " (colour A) and " +
           cellList(kind, colours.cells[1]) + " (colour B); the value is in all cells of one " +
           "colour and in none of the other";
}

// The components of the strong links on `value` that join two cells or more and can be
// two-coloured, from the lowest cell up.
std::vector<Colours> clustersOf(const LogicGrid& grid, int value) {
    const ChainGraph& graph = chainGraph(grid, false);
    // A component is walked along strong links alone, reaching each cell once: its colour is
    // whether the walk reached it holding the value or not.
    ChainSearch search(graph, Along::StrongLinks, Reach::EachNode);
    const auto onValue = [&](int, int next) { return graph.node(next).value == value; };
    std::vector<bool> coloured(grid.cellCount() + 1, false);
    std::vector<Colours> clusters;
    for (int start = 1; start <= grid.cellCount(); ++start) {
        const int node = graph.candidateNode(start, value);
        if (node < 0 || coloured[start]) continue;
        search.run(literalOf(node, false), onValue);
        if (search.order().size() == 1) continue;
        Colours colours;
        colours.start = start;
        const bool consistent = colourComponent(graph, search, value, colours);
        for (const int literal : search.order())
            coloured[graph.node(nodeOf(literal)).cell] = true;
        if (consistent) clusters.push_back(std::move(colours));
    }
    return clusters;
}

void addTreeLinks(const Colours& colours, int value, std::vector<ChainLink>& chain) {
    for (const auto& [from, to] : colours.links)
        chain.push_back(candidateLink(from, value, to, value, true));
}

// A cell of `cells` that sees `cell`, or 0.
int seenIn(const LogicGrid& grid, int cell, const std::vector<int>& cells) {
    for (const int other : cells)
        if (grid.sees(cell, other)) return other;
    return 0;
}

}  // namespace

bool findSimpleColouring(const LogicGrid& grid, const StepSink& sink) {
    const GridKind& kind = grid.kind();
    for (int value = 1; value <= grid.side(); ++value) {
        for (const Colours& colours : clustersOf(grid, value)) {
            const int start = colours.start;
            Step step;
            step.cells = colours.cells[0];
            step.cells.insert(step.cells.end(), colours.cells[1].begin(), colours.cells[1].end());
            std::vector<bool> inComponent(grid.cellCount() + 1, false);
            for (const int cell : step.cells)
                inComponent[cell] = true;
            std::array<int, 2> clashing{};
            const int clash = clashingColour(grid, colours, clashing);
            std::vector<int> trapped;
            if (clash >= 0) {
                for (const int cell : colours.cells[clash])
                    step.eliminations.push_back({cell, value});
            } else {
                for (int cell = 1; cell <= grid.cellCount(); ++cell) {
                    if (!grid.hasCandidate(cell, value) || inComponent[cell]) continue;
                    const auto seesColour = [&](int c) {
                        for (const int other : colours.cells[c])
                            if (grid.sees(cell, other)) return true;
                        return false;
                    };
                    if (seesColour(0) && seesColour(1)) {
                        step.eliminations.push_back({cell, value});
                        trapped.push_back(cell);
                    }
                }
            }
            if (step.eliminations.empty()) continue;
            // The reason is written only for a component that eliminates something.
            std::string reason = colourReason(kind, value, colours);
            if (clash >= 0) {
                const std::string name = clash == 0 ? "A" : "B";
                reason += "; two cells of colour " + name + " see each other, which makes colour " +
                          name + " the one without it";
            } else {
                reason += "; " + cellList(kind, trapped) +
                          (trapped.size() == 1 ? " sees" : " see") + " cells of both colours";
            }
            step.values = {value};
            addTreeLinks(colours, value, step.chain);
            // Two cells of one colour that see each other cannot both hold the value.
            if (clash >= 0)
                step.chain.push_back(candidateLink(clashing[0], value, clashing[1], value, false));
            finishStep(kind, step, Technique::SimpleColouring,
                       "on " + std::to_string(value) + " from " + cellName(kind, start), reason);
            if (!sink(std::move(step))) return false;
        }
    }
    return true;
}

namespace {

// Two clusters of one value, X and Y, with colours A and B for X and C and D for Y.
struct ClusterPair {
    const LogicGrid& grid;
    int value;
    const Colours& x;
    const Colours& y;

    std::string reason() const {
        const GridKind& kind = grid.kind();
        const std::string v = std::to_string(value);
        return "the strong links on " + v + " join " + cellList(kind, x.cells[0]) +
               " (colour A) and " + cellList(kind, x.cells[1]) +
               " (colour B), and apart from them " + cellList(kind, y.cells[0]) +
               " (colour C) and " + cellList(kind, y.cells[1]) +
               " (colour D); in each pair of colours one holds " + v + " in all its cells";
    }

    // The step with both clusters' links and `sightings`, weak links between cells of the two
    // clusters that see each other.
    Step step(const std::vector<std::pair<int, int>>& sightings) const {
        Step step;
        step.values = {value};
        for (const Colours* cluster : {&x, &y})
            for (const auto& cells : cluster->cells)
                step.cells.insert(step.cells.end(), cells.begin(), cells.end());
        addTreeLinks(x, value, step.chain);
        addTreeLinks(y, value, step.chain);
        for (const auto& [from, to] : sightings)
            step.chain.push_back(candidateLink(from, value, to, value, false));
        return step;
    }
};

const char* const kColourNames[2][2] = {{"A", "B"}, {"C", "D"}};

// Colour wrap: a colour of X with cells seeing both colours of Y would leave Y without the
// value, so it is the one without it.
bool colourWrap(const ClusterPair& pair, const StepSink& sink) {
    const GridKind& kind = pair.grid.kind();
    for (int a = 0; a < 2; ++a) {
        std::pair<int, int> sees[2] = {};
        for (const int cell : pair.x.cells[a])
            for (int c = 0; c < 2; ++c)
                if (sees[c].first == 0)
                    if (const int seen = seenIn(pair.grid, cell, pair.y.cells[c]))
                        sees[c] = {cell, seen};
        if (sees[0].first == 0 || sees[1].first == 0) continue;
        Step step = pair.step({sees[0], sees[1]});
        for (const int cell : pair.x.cells[a])
            step.eliminations.push_back({cell, pair.value});
        const std::string name = kColourNames[0][a];
        finishStep(kind, step, Technique::MultiColouring,
                   "on " + std::to_string(pair.value) + " from " + cellName(kind, pair.x.start) +
                       " and " + cellName(kind, pair.y.start),
                   pair.reason() + "; " + cellName(kind, sees[0].first) + " (colour " + name +
                       ") sees " + cellName(kind, sees[0].second) + " (colour C) and " +
                       cellName(kind, sees[1].first) + " (colour " + name + ") sees " +
                       cellName(kind, sees[1].second) + " (colour D), so colour " + name +
                       " would leave neither C nor D the value, which makes colour " + name +
                       " the one without it");
        return sink(std::move(step));
    }
    return true;
}

// Colour trap: a cell of colour a of X sees one of colour c of Y, so a and c are not both true
// and the value is in the other colour of X or the other colour of Y: a cell outside both
// clusters seeing cells of both of those loses it.
bool colourTrap(const ClusterPair& pair, const StepSink& sink) {
    const LogicGrid& grid = pair.grid;
    const GridKind& kind = grid.kind();
    std::vector<bool> inClusters(grid.cellCount() + 1, false);
    for (const Colours* cluster : {&pair.x, &pair.y})
        for (const auto& cells : cluster->cells)
            for (const int cell : cells)
                inClusters[cell] = true;
    for (int a = 0; a < 2; ++a)
        for (int c = 0; c < 2; ++c) {
            std::pair<int, int> clash{};
            for (const int cell : pair.x.cells[a])
                if (const int seen = seenIn(grid, cell, pair.y.cells[c]); seen && !clash.first)
                    clash = {cell, seen};
            if (clash.first == 0) continue;
            const std::vector<int>& otherX = pair.x.cells[1 - a];
            const std::vector<int>& otherY = pair.y.cells[1 - c];
            std::vector<int> trapped;
            for (int cell = 1; cell <= grid.cellCount(); ++cell)
                if (grid.hasCandidate(cell, pair.value) && !inClusters[cell] &&
                    seenIn(grid, cell, otherX) && seenIn(grid, cell, otherY))
                    trapped.push_back(cell);
            if (trapped.empty()) continue;
            Step step = pair.step({clash});
            for (const int cell : trapped)
                step.eliminations.push_back({cell, pair.value});
            const std::string nameA = kColourNames[0][a];
            const std::string nameC = kColourNames[1][c];
            finishStep(kind, step, Technique::MultiColouring,
                       "on " + std::to_string(pair.value) + " from " +
                           cellName(kind, pair.x.start) + " and " + cellName(kind, pair.y.start),
                       pair.reason() + "; " + cellName(kind, clash.first) + " (colour " + nameA +
                           ") sees " + cellName(kind, clash.second) + " (colour " + nameC +
                           "), so colour " + kColourNames[0][1 - a] + " or colour " +
                           kColourNames[1][1 - c] + " holds the value, and " +
                           cellList(kind, trapped) + (trapped.size() == 1 ? " sees" : " see") +
                           " cells of both");
            if (!sink(std::move(step))) return false;
        }
    return true;
}

}  // namespace

bool findMultiColouring(const LogicGrid& grid, const StepSink& sink) {
    for (int value = 1; value <= grid.side(); ++value) {
        const std::vector<Colours> clusters = clustersOf(grid, value);
        for (std::size_t i = 0; i < clusters.size(); ++i)
            for (std::size_t j = 0; j < clusters.size(); ++j) {
                if (i == j) continue;
                const ClusterPair pair{grid, value, clusters[i], clusters[j]};
                if (!colourWrap(pair, sink) || (i < j && !colourTrap(pair, sink))) return false;
            }
    }
    return true;
}

}  // namespace quorvel::logic
