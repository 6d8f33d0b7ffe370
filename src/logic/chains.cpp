// Remote Pair and XY-Chain: chains of cells with two candidates, each seeing the next. In an
// XY-Chain each cell shares one value with the next; if the first cell is not z, every cell
// takes the value it does not share with the one before, and the last cell is z, so one of the
// two ends is z. A Remote Pair is a chain of cells with the same two values, which alternate;
// two cells an odd number of links apart hold both values between them.

#include <bit>
#include <vector>

#include "logic/finders.h"
#include "logic/links.h"
#include "logic/step_text.h"

namespace quorvel::logic {

namespace {

// The cells with exactly two candidates and, for each, the others of them it sees.
struct PairCells {
    std::vector<int> cells;
    std::vector<std::vector<int>> seen;  // indexes into cells

    explicit PairCells(const LogicGrid& grid) {
        for (int cell = 1; cell <= grid.cellCount(); ++cell)
            if (grid.value(cell) == 0 && std::popcount(grid.candidates(cell)) == 2)
                cells.push_back(cell);
        seen.resize(cells.size());
        for (std::size_t i = 0; i < cells.size(); ++i)
            for (std::size_t j = i + 1; j < cells.size(); ++j)
                if (grid.sees(cells[i], cells[j])) {
                    seen[i].push_back(static_cast<int>(j));
                    seen[j].push_back(static_cast<int>(i));
                }
    }
};

int otherValue(const LogicGrid& grid, int cell, int value) {
    return std::countr_zero(static_cast<unsigned>(grid.candidates(cell) & ~(1u << value)));
}

std::string chainText(const LogicGrid& grid, const std::vector<int>& chain) {
    std::string text;
    for (std::size_t i = 0; i < chain.size(); ++i)
        text += (i > 0 ? " - " : "") + cellWithCandidates(grid, chain[i]);
    return text;
}

// Follows parent links from `state` back to the start; states are index * 2 + (0 or 1).
std::vector<int> pathTo(const PairCells& pairs, const std::vector<int>& parent, int state) {
    std::vector<int> path;
    for (; state >= 0; state = parent[state])
        path.insert(path.begin(), pairs.cells[state / 2]);
    return path;
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
    const PairCells pairs(grid);
    const int count = static_cast<int>(pairs.cells.size());
    for (int start = 0; start < count; ++start) {
        const ValueMask mask = grid.candidates(pairs.cells[start]);
        // Breadth-first over cells with the same two values; parent of index i is at 2i.
        std::vector<int> parent(2 * count, -1);
        std::vector<int> distance(count, -1);
        std::vector<int> queue = {start};
        distance[start] = 0;
        for (std::size_t head = 0; head < queue.size(); ++head) {
            const int at = queue[head];
            for (const int next : pairs.seen[at]) {
                if (distance[next] >= 0 || grid.candidates(pairs.cells[next]) != mask) continue;
                distance[next] = distance[at] + 1;
                parent[2 * next] = 2 * at;
                queue.push_back(next);
            }
        }
        for (int end = start + 1; end < count; ++end) {
            if (distance[end] < 3 || distance[end] % 2 == 0) continue;
            const std::vector<int> chain = pathTo(pairs, parent, 2 * end);
            const int first = pairs.cells[start];
            const int last = pairs.cells[end];
            Step step;
            step.values = valuesOf(mask);
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
    const PairCells pairs(grid);
    const int count = static_cast<int>(pairs.cells.size());
    // A state is a cell of the chain with the value it takes when the start is not z:
    // index * 2 + 0 for its lower candidate, + 1 for its higher one.
    const auto stateOf = [&](int index, int value) {
        const int cell = pairs.cells[index];
        return 2 * index + (value == std::countr_zero(grid.candidates(cell)) ? 0 : 1);
    };
    for (int start = 0; start < count; ++start) {
        const int first = pairs.cells[start];
        for (const int z : valuesOf(grid.candidates(first))) {
            std::vector<int> parent(2 * count, -1);
            std::vector<bool> reached(2 * count, false);
            const int startState = stateOf(start, otherValue(grid, first, z));
            std::vector<int> queue = {startState};
            reached[startState] = true;
            for (std::size_t head = 0; head < queue.size(); ++head) {
                const int state = queue[head];
                const int index = state / 2;
                const int cell = pairs.cells[index];
                const int takes =
                    state % 2 == 0
                        ? std::countr_zero(grid.candidates(cell))
                        : otherValue(grid, cell, std::countr_zero(grid.candidates(cell)));
                if (index != start && takes == z) {
                    Step step;
                    step.eliminations = seenByAll(grid, z, {first, cell}, {first, cell});
                    if (!step.eliminations.empty()) {
                        step.cells = pathTo(pairs, parent, state);
                        step.chain = pairChain(grid, step.cells, z);
                        step.values = {z};
                        const std::string zs = std::to_string(z);
                        finishStep(kind, step, Technique::XyChain,
                                   "on " + zs + " from " + cellName(kind, first) + " to " +
                                       cellName(kind, cell),
                                   chainText(grid, step.cells) + ": one of " +
                                       cellName(kind, first) + " and " + cellName(kind, cell) +
                                       " is " + zs + ", since if " + cellName(kind, first) +
                                       " is not " + zs +
                                       ", each cell takes the value it does not share with the "
                                       "one before and " +
                                       cellName(kind, cell) + " is " + zs);
                        if (!sink(std::move(step))) return false;
                    }
                }
                for (const int next : pairs.seen[index]) {
                    const int nextCell = pairs.cells[next];
                    if (!grid.hasCandidate(nextCell, takes)) continue;
                    const int nextState = stateOf(next, otherValue(grid, nextCell, takes));
                    if (reached[nextState]) continue;
                    reached[nextState] = true;
                    parent[nextState] = state;
                    queue.push_back(nextState);
                }
            }
        }
    }
    return true;
}

}  // namespace quorvel::logic
