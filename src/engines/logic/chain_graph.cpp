#include "engines/logic/chain_graph.h"

#include <algorithm>
#include <array>
#include <bit>
#include <map>
#include <memory>

#include "engines/logic/almost_locked_sets.h"
#include "engines/logic/step_text.h"

namespace quorvel::logic {

ChainGraph::ChainGraph(const LogicGrid& grid, ChainNodes kinds)
    : grid_(grid), index_(kCandidateCount, -1) {
    const GridKind& kind = grid.kind();
    std::array<CellSet, kMaxSide + 1>& holding = holding_;
    for (int cell = 1; cell <= grid.cellCount(); ++cell)
        for (const int value : valuesOf(grid.candidates(cell))) {
            index_[candidateIndex(cell, value)] = static_cast<int>(nodes_.size());
            ChainNode node{value, {}, cell, false};
            node.cells.insert(cell);
            nodes_.push_back(node);
            holding[value].insert(cell);
        }
    candidateCount_ = static_cast<int>(nodes_.size());
    const int side = grid.side();
    if (kinds != ChainNodes::Candidates)
        for (int value = 1; value <= side; ++value)
            for (int block = 2 * side; block < 3 * side; ++block)
                for (int line = 0; line < 2 * side; ++line) {
                    const CellSet cells =
                        holding[value] & unitSet(kind, block) & unitSet(kind, line);
                    if (cells.count() >= 2) nodes_.push_back({value, cells, cells.first(), true});
                }
    strong_.assign(nodes_.size(), {});
    if (kinds == ChainNodes::AlmostLockedSets) addSetNodes();
    for (const ChainNode& node : nodes_)
        seeAll_.push_back(seeingAll(kind, node.cells));
    weak_.assign(nodes_.size(), {});
    for (int cell = 1; cell <= grid.cellCount(); ++cell)
        if (std::popcount(grid.candidates(cell)) == 2) {
            const std::vector<int> pair = valuesOf(grid.candidates(cell));
            addStrong(candidateNode(cell, pair[0]), candidateNode(cell, pair[1]));
        }
    std::array<std::vector<int>, kMaxSide + 1> byValue;
    for (int id = 0; id < nodeCount(); ++id)
        byValue[nodes_[id].value].push_back(id);
    // A unit's places for a value split into two nodes.
    std::vector<int> inUnit;
    for (int unit = 0; unit < 3 * side; ++unit)
        for (int value = 1; value <= side; ++value) {
            const CellSet places = holding[value] & unitSet(kind, unit);
            if (places.count() < 2) continue;
            inUnit.clear();
            for (const int id : byValue[value])
                if ((nodes_[id].cells - places).empty() && nodes_[id].cells != places)
                    inUnit.push_back(id);
            for (std::size_t i = 0; i < inUnit.size(); ++i)
                for (std::size_t j = i + 1; j < inUnit.size(); ++j) {
                    const CellSet& a = nodes_[inUnit[i]].cells;
                    const CellSet& b = nodes_[inUnit[j]].cells;
                    if (!a.intersects(b) && (a | b) == places) addStrong(inUnit[i], inUnit[j]);
                }
        }
    std::array<std::vector<int>, kMaxSide + 1> linkedByValue;
    for (int id = 0; id < nodeCount(); ++id)
        if (!strong_[id].empty()) linkedByValue[nodes_[id].value].push_back(id);
    for (int id = 0; id < nodeCount(); ++id) {
        const ChainNode& node = nodes_[id];
        if (!node.group)
            for (const int value : valuesOf(grid.candidates(node.cell))) {
                const int other = candidateNode(node.cell, value);
                if (value != node.value && !strong_[other].empty()) weak_[id].push_back(other);
            }
        for (const int other : linkedByValue[node.value])
            if (other != id && weaklyLinked(id, other)) weak_[id].push_back(other);
    }
}

void ChainGraph::addSetNodes() {
    std::map<std::pair<int, CellSet>, int> existing;
    for (int id = candidateCount_; id < nodeCount(); ++id)
        existing.emplace(std::pair(nodes_[id].value, nodes_[id].cells), id);
    const auto nodeFor = [&](int value, const CellSet& cells) {
        if (cells.count() == 1) return candidateNode(cells.first(), value);
        const auto [at, added] =
            existing.emplace(std::pair(value, cells), static_cast<int>(nodes_.size()));
        if (added) {
            nodes_.push_back({value, cells, cells.first(), true, true});
            strong_.emplace_back();
        }
        return at->second;
    };
    std::vector<int> ids;
    for (const AlmostLockedSet& set : almostLockedSets(grid_).sets) {
        if (set.size < 2) continue;
        ids.clear();
        for (const int value : valuesOf(set.values))
            ids.push_back(nodeFor(value, set.cells & holding_[value]));
        for (std::size_t i = 0; i < ids.size(); ++i)
            for (std::size_t j = i + 1; j < ids.size(); ++j) {
                const ChainNode& a = nodes_[ids[i]];
                const ChainNode& b = nodes_[ids[j]];
                // A cell's last two candidates link without the set.
                const bool pair = !a.group && !b.group && a.cell == b.cell &&
                                  std::popcount(grid_.candidates(a.cell)) == 2;
                if (pair || std::find(strong_[ids[i]].begin(), strong_[ids[i]].end(), ids[j]) !=
                                strong_[ids[i]].end())
                    continue;
                addStrong(ids[i], ids[j]);
                setLinks_.emplace(std::minmax(ids[i], ids[j]), set.cells);
            }
    }
}

CellSet ChainGraph::linkingSet(int a, int b) const {
    const auto found = setLinks_.find(std::minmax(a, b));
    return found == setLinks_.end() ? CellSet{} : found->second;
}

void ChainGraph::addStrong(int a, int b) {
    if (std::find(strong_[a].begin(), strong_[a].end(), b) != strong_[a].end()) return;
    strong_[a].push_back(b);
    strong_[b].push_back(a);
}

bool ChainGraph::weaklyLinked(int a, int b) const {
    const ChainNode& x = nodes_[a];
    const ChainNode& y = nodes_[b];
    if (x.value != y.value) return !x.group && !y.group && x.cell == y.cell;
    return !x.cells.intersects(y.cells) && (y.cells - seeAll_[a]).empty();
}

std::vector<CellValue> ChainGraph::candidatesSeen(int id) const {
    const ChainNode& node = nodes_[id];
    std::vector<CellValue> seen;
    if (!node.group)
        for (const int value : valuesOf(grid_.candidates(node.cell)))
            if (value != node.value) seen.push_back({node.cell, value});
    seeAll_[id].forEach([&](int cell) {
        if (grid_.hasCandidate(cell, node.value)) seen.push_back({cell, node.value});
    });
    return seen;
}

std::vector<CellValue> ChainGraph::nodeCandidates(int id) const {
    std::vector<CellValue> candidates;
    nodes_[id].cells.forEach([&](int cell) { candidates.push_back({cell, nodes_[id].value}); });
    return candidates;
}

std::string ChainGraph::literalText(int literal) const {
    return nodeText(grid_.kind(), nodeCandidates(nodeOf(literal)), isOn(literal));
}

std::string ChainGraph::chainText(const std::vector<int>& literals) const {
    std::string text;
    for (std::size_t i = 0; i < literals.size(); ++i) {
        text += (i > 0 ? ", so " : "") + literalText(literals[i]);
        if (i == 0 || !isOn(literals[i])) continue;
        const CellSet set = linkingSet(nodeOf(literals[i - 1]), nodeOf(literals[i]));
        if (!set.empty())
            text += " (almost locked set " + cellList(grid_.kind(), cellsOf(set)) + ")";
    }
    return text;
}

void ChainGraph::addLinks(const std::vector<int>& literals, std::vector<ChainLink>& links) const {
    std::vector<std::vector<CellValue>> nodes;
    for (const int literal : literals)
        nodes.push_back(nodeCandidates(nodeOf(literal)));
    // Both ends of a link only an almost locked set makes name every cell of the set, so that a
    // reader can check the link: n cells of one unit holding n + 1 values, two of them its ends'.
    for (std::size_t i = 1; i < literals.size(); ++i) {
        if (!isOn(literals[i])) continue;
        const CellSet set = linkingSet(nodeOf(literals[i - 1]), nodeOf(literals[i]));
        if (set.empty()) continue;
        for (const std::size_t end : {i - 1, i}) {
            const int value = nodes_[nodeOf(literals[end])].value;
            nodes[end].clear();
            set.forEach([&](int cell) { nodes[end].push_back({cell, value}); });
        }
    }
    for (std::size_t i = 1; i < literals.size(); ++i)
        links.push_back({nodes[i - 1], nodes[i], isOn(literals[i])});
}

const ChainGraph& chainGraph(const LogicGrid& grid, ChainNodes kinds) {
    thread_local std::array<std::unique_ptr<ChainGraph>, 3> cache;
    std::unique_ptr<ChainGraph>& kept = cache[static_cast<std::size_t>(kinds)];
    bool same = kept && kept->grid().side() == grid.side();
    for (int cell = 1; same && cell <= grid.cellCount(); ++cell)
        same = kept->grid().candidates(cell) == grid.candidates(cell) &&
               kept->grid().value(cell) == grid.value(cell);
    if (!same) kept = std::make_unique<ChainGraph>(grid, kinds);
    return *kept;
}

void BreadthFirst::reset(int count) {
    if (static_cast<int>(stamp_.size()) < count) {
        stamp_.resize(count, 0);
        parent_.resize(count);
        depth_.resize(count);
    }
    if (++walk_ == 0) {
        std::fill(stamp_.begin(), stamp_.end(), 0);
        walk_ = 1;
    }
    order_.clear();
}

bool BreadthFirst::reach(int state, int from) {
    if (reached(state)) return false;
    stamp_[state] = walk_;
    parent_[state] = from;
    depth_[state] = from < 0 ? 0 : depth_[from] + 1;
    order_.push_back(state);
    return true;
}

std::vector<int> BreadthFirst::pathTo(int state) const {
    std::vector<int> path;
    for (int at = state; at >= 0; at = parent_[at])
        path.push_back(at);
    std::reverse(path.begin(), path.end());
    return path;
}

}  // namespace quorvel::logic
