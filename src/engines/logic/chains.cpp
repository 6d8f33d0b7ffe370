// Remote Pair and XY-Chain: chains of cells with two candidates, each seeing the next. In an
// XY-Chain each cell shares one value with the next; if the first cell is not z, every cell
// takes the value it does not share with the one before, and the last cell is z, so one of the
// two ends is z. A Remote Pair is a chain of cells with the same two values, which alternate;
// two cells an odd number of links apart hold both values between them.

#include <bit>
#include <vector>

#include "engines/logic/chain_graph.h"
#include "engines/logic/finders.h"
#include "engines/logic/links.h"
#include "engines/logic/step_text.h"

namespace quorvel::logic {

namespace {

bool twoCandidates(const LogicGrid& grid, int cell) {
    return grid.value(cell) == 0 && std::popcount(grid.candidates(cell)) == 2;
}

int otherValue(const LogicGrid& grid, int cell, int value) {
    return std::countr_zero(static_cast<unsigned>(grid.candidates(cell) & ~(1u << value)));
}

std::string chainText(const LogicGrid& grid, const std::vector<int>& chain) {
    std::string text;
    for (std::size_t i = 0; i < chain.size(); ++i)
        text += (i > 0 ? " - " : "") + cellWithCandidates(grid, chain[i]);
    return text;
}

// The cells of the ON literals of a path: the cells of the chain, each with the value it takes.
std::vector<int> takingCells(const ChainGraph& graph, const std::vector<int>& literals) {
    std::vector<int> cells;
    for (const int literal : literals)
        if (isOn(literal)) cells.push_back(graph.node(nodeOf(literal)).cell);
    return cells;
}

// Links of a chain of cells with two candidates: strong inside a cell (its other value), weak to
// a cell with two candidates (`mask` when not 0) holding the value.
auto pairLinks(const LogicGrid& grid, const ChainGraph& graph, ValueMask mask) {
    return [&grid, &graph, mask](int from, int next) {
        const ChainNode& a = graph.node(nodeOf(from));
        const ChainNode& b = graph.node(next);
        if (!isOn(from)) return b.value != a.value;
        return b.value == a.value && twoCandidates(grid, b.cell) &&
               (mask == 0 || grid.candidates(b.cell) == mask);
    };
}

// The links of a chain of cells with two candidates when the first is not `notFirst`: a strong
// link inside each cell to the value it takes, a weak one to the next cell, which loses it.
std::vector<ChainLink> pairChain(const LogicGrid& grid, const std::vector<int>& cells,
                                 int notFirst) {
    std::vector<ChainLink> chain;
    int lost = notFirst;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) chain.push_back(candidateLink(cells[i - 1], lost, cells[i], lost, false));
        const int takes = otherValue(grid, cells[i], lost);
        chain.push_back(candidateLink(cells[i], lost, cells[i], takes, true));
        lost = takes;
    }
    return chain;
}

}  // namespace

bool findRemotePair(const LogicGrid& grid, const StepSink& sink) {
    const GridKind& kind = grid.kind();
    const ChainGraph& graph = chainGraph(grid, false);
    // Each cell is reached once, by the shortest way; its values alternate along the chain.
    ChainSearch search(graph, Along::AlternatingLinks, Reach::EachNode);
    std::vector<int> pairs;
    for (int cell = 1; cell <= grid.cellCount(); ++cell)
        if (twoCandidates(grid, cell)) pairs.push_back(cell);
    for (std::size_t start = 0; start < pairs.size(); ++start) {
        const int first = pairs[start];
        const ValueMask mask = grid.candidates(first);
        const std::vector<int> values = valuesOf(mask);
        search.run(literalOf(graph.candidateNode(first, values.front()), false),
                   pairLinks(grid, graph, mask));
        for (std::size_t end = start + 1; end < pairs.size(); ++end) {
            // A cell an odd number of links from the first takes its lower value when the
            // first does not: "is" on the lower value, three links or more from the first.
            const int last = pairs[end];
            const int reached = literalOf(graph.candidateNode(last, values.front()), true);
            if (grid.candidates(last) != mask || !search.reached(reached) ||
                search.length(reached) < 7)
                continue;
            const std::vector<int> chain = takingCells(graph, search.pathTo(reached));
            Step step;
            step.values = values;
            step.cells = chain;
            for (const int value : step.values) {
                const auto removed = seenByAll(grid, value, {first, last}, chain);
                step.eliminations.insert(step.eliminations.end(), removed.begin(), removed.end());
            }
            if (step.eliminations.empty()) continue;
            step.chain = pairChain(grid, chain, step.values.front());
            finishStep(kind, step, Technique::RemotePair,
                       "from " + cellName(kind, first) + " to " + cellName(kind, last),
                       chainText(grid, chain) + " all hold only " + valueList(step.values) +
                           " and each sees the next: the values alternate along the chain, and " +
                           cellName(kind, first) + " and " + cellName(kind, last) +
                           " hold one each");
            if (!sink(std::move(step))) return false;
        }
    }
    return true;
}

bool findXyChain(const LogicGrid& grid, const StepSink& sink) {
    const GridKind& kind = grid.kind();
    const ChainGraph& graph = chainGraph(grid, false);
    ChainSearch search(graph);
    const auto links = pairLinks(grid, graph, 0);
    for (int first = 1; first <= grid.cellCount(); ++first) {
        if (!twoCandidates(grid, first)) continue;
        for (const int z : valuesOf(grid.candidates(first))) {
            // From "the first cell is not z": each cell of the chain takes a value, its ON literal.
            search.run(literalOf(graph.candidateNode(first, z), false), links);
            for (const int literal : search.order()) {
                const ChainNode& takes = graph.node(nodeOf(literal));
                if (!isOn(literal) || takes.cell == first || takes.value != z) continue;
                const int cell = takes.cell;
                Step step;
                step.eliminations = seenByAll(grid, z, {first, cell}, {first, cell});
                if (step.eliminations.empty()) continue;
                step.cells = takingCells(graph, search.pathTo(literal));
                step.chain = pairChain(grid, step.cells, z);
                step.values = {z};
                const std::string zs = std::to_string(z);
                finishStep(
                    kind, step, Technique::XyChain,
                    "on " + zs + " from " + cellName(kind, first) + " to " + cellName(kind, cell),
                    chainText(grid, step.cells) + ": one of " + cellName(kind, first) + " and " +
                        cellName(kind, cell) + " is " + zs + ", since if " + cellName(kind, first) +
                        " is not " + zs +
                        ", each cell takes the value it does not share with the one "
                        "before and " +
                        cellName(kind, cell) + " is " + zs);
                if (!sink(std::move(step))) return false;
            }
        }
    }
    return true;
}

}  // namespace quorvel::logic
