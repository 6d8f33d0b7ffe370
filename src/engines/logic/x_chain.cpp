// X-Chain: on one value, a chain of cells where strong links (a unit holding the value only in
// two cells) alternate with weak links (two cells that see each other), starting and ending with
// a strong link. If the first cell is not the value, each strong link makes its other end hold
// it and each weak link the next cell not, so the last cell holds it: one of the two ends does,
// and every cell seeing both loses the value. Chains of two strong links are Skyscrapers,
// Two-String Kites and Turbot Fish; an X-Chain has at least three.

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

}  // namespace

bool findXChain(const LogicGrid& grid, const StepSink& sink) {
    const GridKind& kind = grid.kind();
    const ChainGraph& graph = chainGraph(grid, false);
    ChainSearch search(graph);
    for (int value = 1; value <= grid.side(); ++value) {
        const std::vector<int> cells = cellsOf(graph.holding(value));
        const auto onValue = [&](int, int next) { return graph.node(next).value == value; };
        const std::string v = std::to_string(value);
        for (std::size_t start = 0; start < cells.size(); ++start) {
            const int first = cells[start];
            search.run(literalOf(graph.candidateNode(first, value), false), onValue);
            for (std::size_t end = start + 1; end < cells.size(); ++end) {
                const int last = cells[end];
                const int reached = literalOf(graph.candidateNode(last, value), true);
                if (!search.reached(reached) || search.length(reached) < kShortestChain) continue;
                Step step;
                for (const int peer : grid.peers(first))
                    if (grid.hasCandidate(peer, value) && peer != last && grid.sees(peer, last))
                        step.eliminations.push_back({peer, value});
                if (step.eliminations.empty()) continue;
                const std::vector<int> literals = search.pathTo(reached);
                bool simple = true;
                for (const int literal : literals) {
                    const int cell = graph.node(nodeOf(literal)).cell;
                    simple = simple && std::count(step.cells.begin(), step.cells.end(), cell) == 0;
                    step.cells.push_back(cell);
                }
                if (!simple) continue;
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
