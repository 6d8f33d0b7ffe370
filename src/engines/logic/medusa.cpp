// 3D Medusa: colouring over every value at once. The strong links of all values (a value's only
// two places in a unit, a cell's only two candidates) join candidates into clusters whose members
// alternate between true and false, so each cluster splits into two colours, one of them true in
// every candidate, the other in none. A colour is false when it would put two values in one cell,
// one value twice in a unit, or leave a cell outside it no candidate; then every candidate of it
// goes. Otherwise a candidate outside the cluster goes when it sees both colours: one in its own
// cell and one of its value in a peer, or its value in peers of both colours. Clusters of one
// value alone are Simple Colouring.

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

#include "engines/logic/chain_graph.h"
#include "engines/logic/finders.h"
#include "engines/logic/links.h"
#include "engines/logic/step_text.h"

namespace quorvel::logic {

namespace {

const char* const kColourNames[2] = {"A", "B"};

// One cluster, coloured: its candidates by colour, per cell the values of each colour.
class Cluster {
  public:
    Cluster(const ChainGraph& graph, const ChainSearch& search) : grid_(graph.grid()) {
        const bool startOn = isOn(search.order().front());
        for (const int literal : search.order()) {
            const ChainNode& node = graph.node(nodeOf(literal));
            const int colour = isOn(literal) == startOn ? 0 : 1;
            members_[colour].push_back({node.cell, node.value});
            byCell_[colour][node.cell] |= static_cast<ValueMask>(1u << node.value);
            values_ |= static_cast<ValueMask>(1u << node.value);
            if (const int parent = search.parent(literal); parent >= 0) {
                const ChainNode& from = graph.node(nodeOf(parent));
                links_.push_back(candidateLink(from.cell, from.value, node.cell, node.value, true));
            }
        }
    }

    const LogicGrid& grid() const { return grid_; }
    int valueCount() const { return std::popcount(static_cast<unsigned>(values_)); }
    const std::vector<CellValue>& members(int colour) const { return members_[colour]; }
    ValueMask inCell(int colour, int cell) const { return byCell_[colour][cell]; }
    const std::vector<ChainLink>& links() const { return links_; }

    // A candidate of `colour` holding `value` in a peer of `cell`, or 0.
    int seenHolding(int colour, int cell, int value) const {
        for (const CellValue& member : members_[colour])
            if (member.value == value && grid_.sees(cell, member.cell)) return member.cell;
        return 0;
    }

    std::string text(int colour) const {
        std::vector<std::string> items;
        for (const CellValue& member : members_[colour])
            items.push_back(std::to_string(member.value) + " in " +
                            cellName(grid_.kind(), member.cell));
        return joinWords(items);
    }

  private:
    const LogicGrid& grid_;
    std::array<std::vector<CellValue>, 2> members_;
    std::array<std::array<ValueMask, kMaxCells + 1>, 2> byCell_{};
    ValueMask values_ = 0;
    std::vector<ChainLink> links_;
};

// Why a colour is false: the words and, for two of its candidates that exclude each other, the
// weak link between them.
struct FalseColour {
    int colour = -1;
    std::string why;
    std::vector<ChainLink> clash;
};

FalseColour falseColour(const Cluster& cluster) {
    const LogicGrid& grid = cluster.grid();
    const GridKind& kind = grid.kind();
    for (int colour = 0; colour < 2; ++colour) {
        const std::string name = kColourNames[colour];
        const auto& members = cluster.members(colour);
        for (std::size_t i = 0; i < members.size(); ++i)
            for (std::size_t j = i + 1; j < members.size(); ++j) {
                const CellValue one = members[i];
                const CellValue two = members[j];
                const bool sameCell = one.cell == two.cell;
                if (!sameCell && !(one.value == two.value && grid.sees(one.cell, two.cell)))
                    continue;
                const std::string why =
                    sameCell
                        ? "colour " + name + " would put " + std::to_string(one.value) + " and " +
                              std::to_string(two.value) + " in " + cellName(kind, one.cell)
                        : "colour " + name + " would put " + std::to_string(one.value) +
                              " in both " + cellName(kind, one.cell) + " and " +
                              cellName(kind, two.cell) + ", which see each other";
                return {
                    colour, why, {candidateLink(one.cell, one.value, two.cell, two.value, false)}};
            }
        for (int cell = 1; cell <= grid.cellCount(); ++cell) {
            const ValueMask candidates = grid.candidates(cell);
            if (candidates == 0 || cluster.inCell(0, cell) != 0 || cluster.inCell(1, cell) != 0)
                continue;
            bool emptied = true;
            for (const int value : valuesOf(candidates))
                emptied = emptied && cluster.seenHolding(colour, cell, value) != 0;
            if (emptied)
                return {colour,
                        "colour " + name + " would take every candidate of " +
                            cellWithCandidates(grid, cell) + " from it",
                        {}};
        }
    }
    return {};
}

// The candidates outside the cluster that see both colours.
std::vector<CellValue> trapped(const Cluster& cluster) {
    const LogicGrid& grid = cluster.grid();
    std::vector<CellValue> found;
    for (int cell = 1; cell <= grid.cellCount(); ++cell) {
        const ValueMask inCluster = cluster.inCell(0, cell) | cluster.inCell(1, cell);
        for (const int value : valuesOf(grid.candidates(cell))) {
            if ((inCluster >> value) & 1u) continue;
            const bool seesA = cluster.inCell(0, cell) != 0 || cluster.seenHolding(0, cell, value);
            const bool seesB = cluster.inCell(1, cell) != 0 || cluster.seenHolding(1, cell, value);
            if (seesA && seesB) found.push_back({cell, value});
        }
    }
    return found;
}

bool reportCluster(const Cluster& cluster, const CellValue& start, const StepSink& sink) {
    const GridKind& kind = cluster.grid().kind();
    Step step;
    std::vector<int> values;
    for (int colour = 0; colour < 2; ++colour)
        for (const CellValue& member : cluster.members(colour)) {
            step.cells.push_back(member.cell);
            values.push_back(member.value);
        }
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    step.values = values;
    step.chain = cluster.links();
    std::string reason = "the strong links join " + cluster.text(0) + " (colour A) and " +
                         cluster.text(1) +
                         " (colour B); every candidate of one colour is true, none of the other";
    const FalseColour wrong = falseColour(cluster);
    if (wrong.colour >= 0) {
        step.eliminations = cluster.members(wrong.colour);
        step.chain.insert(step.chain.end(), wrong.clash.begin(), wrong.clash.end());
        reason += "; " + wrong.why + ", which makes colour " + kColourNames[wrong.colour] +
                  " the false one";
    } else {
        step.eliminations = trapped(cluster);
        reason += "; each candidate removed sees both colours, in its cell or in its units";
    }
    if (step.eliminations.empty()) return true;
    finishStep(kind, step, Technique::Medusa,
               "from " + std::to_string(start.value) + " in " + cellName(kind, start.cell), reason);
    return sink(std::move(step));
}

}  // namespace

bool findMedusa(const LogicGrid& grid, const StepSink& sink) {
    const ChainGraph& graph = chainGraph(grid, false);
    ChainSearch search(graph, Along::StrongLinks, Reach::EachNode);
    std::vector<bool> coloured(graph.nodeCount(), false);
    for (int node = 0; node < graph.nodeCount(); ++node) {
        if (coloured[node]) continue;
        search.run(literalOf(node, false));
        bool consistent = true;
        for (const int literal : search.order()) {
            coloured[nodeOf(literal)] = true;
            // A node reachable as true and as false: the grid has no solution.
            for (const int next : graph.strong(nodeOf(literal)))
                consistent = consistent && !search.reached(literalOf(next, isOn(literal)));
        }
        if (!consistent || search.order().size() < 3) continue;
        const Cluster cluster(graph, search);
        if (cluster.valueCount() < 2) continue;
        const ChainNode& start = graph.node(node);
        if (!reportCluster(cluster, {start.cell, start.value}, sink)) return false;
    }
    return true;
}

}  // namespace quorvel::logic
