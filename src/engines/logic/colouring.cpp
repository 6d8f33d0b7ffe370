// Simple Colouring: the strong links on one value join cells into chains whose cells alternate
// between holding the value and not, so each chain splits into two colours, one of them true.
// Two cells of one colour that see each other make that colour false (every cell of it loses
// the value); a cell that sees both colours loses the value.

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

}  // namespace

bool findSimpleColouring(const LogicGrid& grid, const StepSink& sink) {
    const GridKind& kind = grid.kind();
    const ChainGraph& graph = chainGraph(grid, false);
    // A component is walked along strong links alone, reaching each cell once: its colour is
    // whether the walk reached it holding the value or not.
    ChainSearch search(graph, Along::StrongLinks, Reach::EachNode);
    std::vector<bool> coloured;
    for (int value = 1; value <= grid.side(); ++value) {
        const auto onValue = [&](int, int next) { return graph.node(next).value == value; };
        coloured.assign(grid.cellCount() + 1, false);
        for (int start = 1; start <= grid.cellCount(); ++start) {
            const int node = graph.candidateNode(start, value);
            if (node < 0 || coloured[start]) continue;
            search.run(literalOf(node, false), onValue);
            if (search.order().size() == 1) continue;
            Colours colours;
            const bool consistent = colourComponent(graph, search, value, colours);
            for (const int literal : search.order())
                coloured[graph.node(nodeOf(literal)).cell] = true;
            if (!consistent) continue;
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
            for (const auto& [from, to] : colours.links)
                step.chain.push_back(candidateLink(from, value, to, value, true));
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

}  // namespace quorvel::logic
