#pragma once
// The links alternating inference chains are made of. A node is a candidate, or (in the grouped
// graph) a group: the two or more cells of one block within one row or column that hold a value.
// A node is ON when the value is in it (in one of a group's cells) and OFF when not; a literal is
// a node with one of those states, numbered node * 2 + 1 for ON and node * 2 for OFF.
//   weak link:   ON(a) makes b OFF (same cell, or same value where every cell of a sees every
//                cell of b);
//   strong link: OFF(a) makes b ON (a cell's last two candidates, or a unit whose places for a
//                value are exactly a's and b's cells).
// Chains alternate the two, so only nodes with a strong link can carry one on; the weak lists
// keep only those.

#include <array>
#include <string>
#include <vector>

#include "logic/cell_set.h"
#include "logic/logic_grid.h"
#include "logic/step.h"

namespace quorvel::logic {

struct ChainNode {
    int value = 0;
    CellSet cells;
    int cell = 0;  // the first of its cells
    bool group = false;
};

inline int literalOf(int node, bool on) {
    return node * 2 + (on ? 1 : 0);
}
inline int nodeOf(int literal) {
    return literal / 2;
}
inline bool isOn(int literal) {
    return literal % 2 == 1;
}

class ChainGraph {
  public:
    ChainGraph(const LogicGrid& grid, bool grouped);

    const LogicGrid& grid() const { return grid_; }
    int nodeCount() const { return static_cast<int>(nodes_.size()); }
    int candidateCount() const { return candidateCount_; }
    const ChainNode& node(int id) const { return nodes_[id]; }
    // The node of a candidate, -1 when the cell does not hold it.
    int candidateNode(int cell, int value) const { return index_[candidateIndex(cell, value)]; }
    // OFF(node) makes each of these ON.
    const std::vector<int>& strong(int node) const { return strong_[node]; }
    // ON(node) makes each of these OFF; only nodes with a strong link are listed.
    const std::vector<int>& weak(int node) const { return weak_[node]; }
    // ON(a) makes b OFF, for any two nodes.
    bool weaklyLinked(int a, int b) const;
    // The cells holding a value.
    const CellSet& holding(int value) const { return holding_[value]; }
    // The candidates ON(node) makes OFF.
    std::vector<CellValue> candidatesSeen(int id) const;

    // "r3c4 is 5", "r3c4 is not 5", "5 is in r1c1 or r1c2", "5 is in none of r1c1 and r1c2".
    std::string literalText(int literal) const;
    // "r3c4 is 5, so r3c8 is not 5, so r6c8 is 5".
    std::string chainText(const std::vector<int>& literals) const;
    std::vector<CellValue> nodeCandidates(int id) const;
    // The links from each literal to the next.
    void addLinks(const std::vector<int>& literals, std::vector<ChainLink>& links) const;

  private:
    void addStrong(int a, int b);

    LogicGrid grid_;
    std::vector<ChainNode> nodes_;
    std::vector<CellSet> seeAll_;
    std::array<CellSet, kMaxSide + 1> holding_;  // per node: the cells seeing each of its cells
    int candidateCount_ = 0;
    std::vector<int> index_;
    std::vector<std::vector<int>> strong_;
    std::vector<std::vector<int>> weak_;
};

// The graph of the grid as it stands, kept until the grid differs (the chain finders run one
// after another on the same grid).
const ChainGraph& chainGraph(const LogicGrid& grid, bool grouped);

// Breadth first from one literal along the graph's links: the shortest way to each literal
// reached.
struct ChainSearch {
    explicit ChainSearch(const ChainGraph& graph) : graph(graph) {}
    // `avoid`: nodes the first link may not lead to.
    void run(int start, const std::vector<int>& avoid = {});
    bool reached(int literal) const { return parent[literal] != kUnreached; }
    // The literals from the start to `literal`.
    std::vector<int> pathTo(int literal) const;

    static constexpr int kUnreached = -2;
    const ChainGraph& graph;
    std::vector<int> parent;  // -1 for the start
    std::vector<int> order;   // literals in the order reached
};

}  // namespace quorvel::logic
