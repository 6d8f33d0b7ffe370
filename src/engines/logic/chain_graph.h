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
// With almost locked sets, each set's cells holding a value are a node too (a candidate or a
// group when they are one), and any two values of one set are strongly linked: a set of n cells
// lacking both would hold n - 1 values.

#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "engines/logic/cell_set.h"
#include "engines/logic/logic_grid.h"
#include "engines/logic/step.h"

namespace quorvel::logic {

// The nodes a graph holds besides the candidates.
enum class ChainNodes {
    Candidates,
    Groups,
    AlmostLockedSets,  // the groups, and the values of almost locked sets of two cells or more
};

struct ChainNode {
    int value = 0;
    CellSet cells;
    int cell = 0;        // the first of its cells
    bool group = false;  // more than one cell
    bool ofSet = false;  // the cells of an almost locked set holding the value, and no group
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
    ChainGraph(const LogicGrid& grid, ChainNodes kinds);

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
    // The cells of the almost locked set whose values a and b are when that alone links them
    // strongly; empty otherwise.
    CellSet linkingSet(int a, int b) const;
    // The cells holding a value.
    const CellSet& holding(int value) const { return holding_[value]; }
    // The candidates ON(node) makes OFF.
    std::vector<CellValue> candidatesSeen(int id) const;

    // "r3c4 is 5", "r3c4 is not 5", "5 is in r1c1 or r1c2", "5 is in none of r1c1 and r1c2".
    std::string literalText(int literal) const;
    // "r3c4 is 5, so r3c8 is not 5, so r6c8 is 5"; a link an almost locked set makes names it:
    // "..., so 3 is in r1c1 or r1c5 (almost locked set r1c1, r1c2 and r1c5)".
    std::string chainText(const std::vector<int>& literals) const;
    std::vector<CellValue> nodeCandidates(int id) const;
    // The links from each literal to the next; a link an almost locked set makes lists the set's
    // cells at both ends, those lacking the end's value too.
    void addLinks(const std::vector<int>& literals, std::vector<ChainLink>& links) const;

  private:
    void addStrong(int a, int b);
    void addSetNodes();

    LogicGrid grid_;
    std::vector<ChainNode> nodes_;
    std::vector<CellSet> seeAll_;
    std::array<CellSet, kMaxSide + 1> holding_;  // per node: the cells seeing each of its cells
    int candidateCount_ = 0;
    std::vector<int> index_;
    std::vector<std::vector<int>> strong_;
    std::vector<std::vector<int>> weak_;
    std::map<std::pair<int, int>, CellSet> setLinks_;  // strong links only a set makes, by set
};

// The graph of the grid as it stands, kept until the grid differs (the chain finders run one
// after another on the same grid).
const ChainGraph& chainGraph(const LogicGrid& grid, ChainNodes kinds);
inline const ChainGraph& chainGraph(const LogicGrid& grid, bool grouped) {
    return chainGraph(grid, grouped ? ChainNodes::Groups : ChainNodes::Candidates);
}

// A breadth-first walk over states numbered 0..count-1, from one or more starts: each state is
// reached once, by the first of the shortest ways to it, and `order` lists the states as reached.
// Every chain finder walks with it: over the chain graph's literals (ChainSearch below) or, for
// chains of almost locked sets, over sets and the values linking them.
class BreadthFirst {
  public:
    // Forgets the last walk; the next one is over states 0..count-1.
    void reset(int count);
    // Reaches `state` from `from` (-1 for a start); false when it was reached before.
    bool reach(int state, int from);
    // Calls expand(state) for each state reached, in order, as it reaches further states; stops
    // when expand returns false, and returns false then.
    template <typename Expand>
    bool walk(const Expand& expand) {
        for (std::size_t head = 0; head < order_.size(); ++head)
            if (!expand(order_[head])) return false;
        return true;
    }
    bool reached(int state) const { return stamp_[state] == walk_; }
    int parent(int state) const { return parent_[state]; }
    // Links from the start.
    int depth(int state) const { return depth_[state]; }
    const std::vector<int>& order() const { return order_; }
    // The states from the start to `state`.
    std::vector<int> pathTo(int state) const;

  private:
    std::vector<unsigned> stamp_;
    std::vector<int> parent_;
    std::vector<int> depth_;
    std::vector<int> order_;
    unsigned walk_ = 0;
};

// How a walk over the chain graph goes on from a literal.
enum class Along {
    AlternatingLinks,  // strong links from an OFF literal, weak ones from an ON literal
    StrongLinks,       // strong links from either (a conjugate pair's ends also see each other)
};
// What a walk reaches once.
enum class Reach {
    EachLiteral,
    EachNode,  // as ON or as OFF, whichever comes first
};

// Breadth first from one literal along the graph's links: the shortest way to each literal
// reached. run(start, follows) takes the link from literal `from` to node `next` only when
// follows(from, next) says so: the X-Chain keeps to one value, the XY-Chain to cells with two
// candidates, a continuous nice loop's first link avoids the partner it closes through.
class ChainSearch {
  public:
    explicit ChainSearch(const ChainGraph& graph, Along along = Along::AlternatingLinks,
                         Reach reach = Reach::EachLiteral)
        : graph_(graph), along_(along), reach_(reach) {}

    template <typename Follows>
    void run(int start, const Follows& follows) {
        walk_.reset(2 * graph_.nodeCount());
        walk_.reach(start, -1);
        walk_.walk([&](int literal) {
            const int node = nodeOf(literal);
            const bool on = isOn(literal);
            for (const int next :
                 on&& along_ == Along::AlternatingLinks ? graph_.weak(node) : graph_.strong(node)) {
                if ((reach_ == Reach::EachNode && walk_.reached(literalOf(next, on))) ||
                    !follows(literal, next))
                    continue;
                walk_.reach(literalOf(next, !on), literal);
            }
            return true;
        });
    }
    void run(int start) {
        run(start, [](int, int) { return true; });
    }
    bool reached(int literal) const { return walk_.reached(literal); }
    // Links from the start.
    int length(int literal) const { return walk_.depth(literal); }
    int parent(int literal) const { return walk_.parent(literal); }
    // The literals in the order reached.
    const std::vector<int>& order() const { return walk_.order(); }
    // The literals from the start to `literal`.
    std::vector<int> pathTo(int literal) const { return walk_.pathTo(literal); }

  private:
    const ChainGraph& graph_;
    Along along_;
    Reach reach_;
    BreadthFirst walk_;
};

}  // namespace quorvel::logic
