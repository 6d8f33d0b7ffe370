// X-Chain: on one value, a chain of cells where strong links (a unit holding the value only in
// two cells) alternate with weak links (two cells that see each other), starting and ending with
// a strong link. If the first cell is not the value, each strong link makes its other end hold
// it and each weak link the next cell not, so the last cell holds it: one of the two ends does,
// and every cell seeing both loses the value. Chains of two strong links are Skyscrapers,
// Two-String Kites and Turbot Fish; an X-Chain has at least three. Each pair of ends takes its
// shortest chain, or where that passes a cell twice or a cell seeing both ends, the shortest
// chain round the cells seeing both.

#include <algorithm>
#include <vector>

#include "engines/logic/chain_graph.h"
#include "engines/logic/finders.h"
#include "engines/logic/links.h"
#include "engines/logic/step_text.h"

namespace quorvel::logic {

namespace {

// Links from "the first cell is not" to "the last cell is" in a chain of three strong links.
constexpr int kShortestChain = 5;

// The cells of a chain, once each; empty when it passes a cell twice.
std::vector<int> chainCells(const ChainGraph& graph, const std::vector<int>& literals) {
    std::vector<int> cells;
    for (const int literal : literals) {
        const int cell = graph.node(nodeOf(literal)).cell;
        if (std::count(cells.begin(), cells.end(), cell) > 0) return {};
        cells.push_back(cell);
    }
    return cells;
}

}  // namespace

bool findXChain(const LogicGrid& grid, const StepSink& sink) {
    const GridKind& kind = grid.kind();
    const ChainGraph& graph = chainGraph(grid, false);
    ChainSearch search(graph);
    ChainSearch detour(graph);
    for (int value = 1; value <= grid.side(); ++value) {
        const std::vector<int> cells = cellsOf(graph.holding(value));
        const auto onValue = [&](int, int next) { return graph.node(next).value == value; };
        const std::string v = std::to_string(value);
        for (std::size_t start = 0; start < cells.size(); ++start) {
            const int first = cells[start];
            const int assumed = literalOf(graph.candidateNode(first, value), false);
            search.run(assumed, onValue);
            for (std::size_t end = start + 1; end < cells.size(); ++end) {
                const int last = cells[end];
                const int reached = literalOf(graph.candidateNode(last, value), true);
                if (!search.reached(reached) || search.length(reached) < kShortestChain) continue;
                Step step;
                CellSet seeingBoth;
                for (const int peer : grid.peers(first))
                    if (grid.hasCandidate(peer, value) && peer != last && grid.sees(peer, last)) {
                        step.eliminations.push_back({peer, value});
                        seeingBoth.insert(peer);
                    }
                if (step.eliminations.empty()) continue;
                std::vector<int> literals = search.pathTo(reached);
                step.cells = chainCells(graph, literals);
                const bool clear =
                    std::none_of(step.cells.begin(), step.cells.end(),
                                 [&](int cell) { return seeingBoth.contains(cell); });
                if (step.cells.empty() || !clear) {
                    // The shortest chain passes a cell twice or a cell it would clear: a longer
                    // one may go round them.
                    detour.run(assumed, [&](int, int next) {
                        return graph.node(next).value == value &&
                               !seeingBoth.contains(graph.node(next).cell);
                    });
                    if (detour.reached(reached) && detour.length(reached) >= kShortestChain &&
                        !chainCells(graph, detour.pathTo(reached)).empty()) {
                        literals = detour.pathTo(reached);
                        step.cells = chainCells(graph, literals);
                    }
                }
                if (step.cells.empty()) continue;
                std::erase_if(step.eliminations, [&](const CellValue& removed) {
                    return std::count(step.cells.begin(), step.cells.end(), removed.cell) > 0;
                });
                if (step.eliminations.empty()) continue;
                std::vector<std::string> links;
                for (std::size_t i = 1; i < literals.size(); ++i) {
                    const int from = step.cells[i - 1];
                    const int cell = step.cells[i];
                    const bool strong = isOn(literals[i]);
                    step.chain.push_back(candidateLink(from, value, cell, value, strong));
                    links.push_back(
                        cellName(kind, cell) +
                        (strong ? " is " + v + " (" +
                                      unitName(kind, strongLinkUnit(grid, value, from, cell)) + ")"
                                : " is not"));
                }
                step.values = {value};
                finishStep(
                    kind, step, Technique::XChain,
                    "on " + v + " from " + cellName(kind, first) + " to " + cellName(kind, last),
                    "one of " + cellName(kind, first) + " and " + cellName(kind, last) + " is " +
                        v + ": if " + cellName(kind, first) + " is not " + v + ", " +
                        joinWords(links));
                if (!sink(std::move(step))) return false;
            }
        }
    }
    return true;
}

}  // namespace quorvel::logic
