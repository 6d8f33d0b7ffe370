// X-Chain: on one value, a chain of cells where strong links (a unit holding the value only in
// two cells) alternate with weak links (two cells that see each other), starting and ending with
// a strong link. If the first cell is not the value, each strong link makes its other end hold
// it and each weak link the next cell not, so the last cell holds it: one of the two ends does,
// and every cell seeing both loses the value. Chains of two strong links are Skyscrapers,
// Two-String Kites and Turbot Fish; an X-Chain has at least three.

#include <algorithm>
#include <array>
#include <vector>

#include "logic/finders.h"
#include "logic/links.h"
#include "logic/step_text.h"

namespace quorvel::logic {

namespace {

constexpr int kShortestChain = 3;  // strong links

struct ValueGraph {
    std::vector<int> cells;
    std::array<int, kMaxCells + 1> index{};
    std::vector<std::vector<std::pair<int, int>>> strong;  // (index, unit) per cell index

    void build(const LogicGrid& grid, int value) {
        cells.clear();
        index.fill(-1);
        for (int cell = 1; cell <= grid.cellCount(); ++cell)
            if (grid.hasCandidate(cell, value)) {
                index[cell] = static_cast<int>(cells.size());
                cells.push_back(cell);
            }
        strong.assign(cells.size(), {});
        for (int unit = 0; unit < grid.unitCount(); ++unit) {
            int ends[2];
            int count = 0;
            for (const int cell : grid.unitCells(unit))
                if (index[cell] >= 0 && count++ < 2) ends[count - 1] = index[cell];
            if (count != 2) continue;
            strong[ends[0]].push_back({ends[1], unit});
            strong[ends[1]].push_back({ends[0], unit});
        }
    }
};

}  // namespace

bool findXChain(const LogicGrid& grid, const StepSink& sink) {
    const GridKind& kind = grid.kind();
    ValueGraph graph;
    // A state is a cell index * 2 + 1 when the chain makes the cell hold the value, + 0 when
    // not; the start is "not".
    std::vector<int> parent;
    std::vector<int> parentUnit;
    std::vector<int> strongCount;
    std::vector<int> queue;
    for (int value = 1; value <= grid.side(); ++value) {
        graph.build(grid, value);
        const int count = static_cast<int>(graph.cells.size());
        for (int start = 0; start < count; ++start) {
            parent.assign(2 * count, -1);
            parentUnit.assign(2 * count, -1);
            strongCount.assign(2 * count, -1);
            queue.assign(1, 2 * start);
            strongCount[2 * start] = 0;
            for (std::size_t head = 0; head < queue.size(); ++head) {
                const int state = queue[head];
                const int at = state / 2;
                const auto reach = [&](int next, int unit) {
                    if (strongCount[next] >= 0) return;
                    strongCount[next] = strongCount[state] + (next % 2);
                    parent[next] = state;
                    parentUnit[next] = unit;
                    queue.push_back(next);
                };
                if (state % 2 == 0) {
                    for (const auto& [other, unit] : graph.strong[at])
                        reach(2 * other + 1, unit);
                } else {
                    for (const int peer : grid.peers(graph.cells[at]))
                        if (graph.index[peer] >= 0) reach(2 * graph.index[peer], -1);
                }
            }
            for (int end = start + 1; end < count; ++end) {
                const int state = 2 * end + 1;
                if (strongCount[state] < kShortestChain) continue;
                const int first = graph.cells[start];
                const int last = graph.cells[end];
                Step step;
                for (const int peer : grid.peers(first))
                    if (graph.index[peer] >= 0 && peer != last && grid.sees(peer, last))
                        step.eliminations.push_back({peer, value});
                if (step.eliminations.empty()) continue;
                std::vector<int> states;
                for (int s = state; s >= 0; s = parent[s])
                    states.insert(states.begin(), s);
                bool simple = true;
                for (const int s : states) {
                    const int cell = graph.cells[s / 2];
                    simple = simple && std::count(step.cells.begin(), step.cells.end(), cell) == 0;
                    step.cells.push_back(cell);
                }
                if (!simple) continue;
                std::erase_if(step.eliminations, [&](const CellValue& removed) {
                    return std::count(step.cells.begin(), step.cells.end(), removed.cell) > 0;
                });
                if (step.eliminations.empty()) continue;
                const std::string v = std::to_string(value);
                std::vector<std::string> links;
                for (std::size_t i = 1; i < states.size(); ++i) {
                    const int cell = graph.cells[states[i] / 2];
                    step.chain.push_back(candidateLink(graph.cells[states[i - 1] / 2], value, cell,
                                                       value, states[i] % 2 == 1));
                    links.push_back(
                        cellName(kind, cell) +
                        (states[i] % 2 == 1
                             ? " is " + v + " (" + unitName(kind, parentUnit[states[i]]) + ")"
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
