#include "engines/logic/net.h"

#include <algorithm>
#include <bit>

#include "engines/logic/step_text.h"

namespace quorvel::logic {

namespace {

enum Kind { kAssumption, kPeer, kNaked, kHidden, kGroup, kLocked, kNested };

// Where a cell lies in its units, as bits of a unit's places (NetState::places).
struct CellBits {
    std::array<std::uint16_t, 3> own{};  // its bit in its row, its column and its block
    std::uint16_t rowInBlock = 0;        // the bits, in its row, of the row's cells in its block
    std::uint16_t columnInBlock = 0;     // the same for its column
    std::uint16_t blockInRow = 0;        // the bits, in its block, of the block's cells in its row
    std::uint16_t blockInColumn = 0;     // the same for its column
};
using CellBitsTable = std::array<CellBits, kMaxCells + 1>;

CellBitsTable buildCellBits(const GridKind& kind) {
    const UnitTables& tables = unitTables(kind);
    // The bits, in unit `unit`, of its cells that lie in unit `other`.
    const auto within = [&](int unit, int other) {
        std::uint16_t bits = 0;
        const auto& otherCells = tables.unitCells[other];
        for (int i = 0; i < kind.side; ++i)
            if (std::find(otherCells.begin(), otherCells.begin() + kind.side,
                          tables.unitCells[unit][i]) != otherCells.begin() + kind.side)
                bits |= static_cast<std::uint16_t>(1u << i);
        return bits;
    };
    CellBitsTable table;
    for (int cell = 1; cell <= kind.cellCount(); ++cell) {
        const int row = tables.rowIndex[cell];
        const int column = kind.side + tables.columnIndex[cell];
        const int block = 2 * kind.side + tables.blockIndex[cell];
        CellBits& bits = table[cell];
        const int units[3] = {row, column, block};
        for (int k = 0; k < 3; ++k) {
            const auto& cells = tables.unitCells[units[k]];
            const auto at = std::find(cells.begin(), cells.begin() + kind.side, cell);
            bits.own[k] = static_cast<std::uint16_t>(1u << (at - cells.begin()));
        }
        bits.rowInBlock = within(row, block);
        bits.columnInBlock = within(column, block);
        bits.blockInRow = within(block, row);
        bits.blockInColumn = within(block, column);
    }
    return table;
}

// Built before main, as the unit sets (engines/logic/cell_set.h), for the same reason.
const CellBitsTable kNineCellBits = buildCellBits(kNineGrid);
const CellBitsTable kFifteenCellBits = buildCellBits(kFifteenGrid);

const CellBits& cellBits(const GridKind& kind, int cell) {
    return kind.isNine() ? kNineCellBits[cell] : kFifteenCellBits[cell];
}

// Queues of finished nets, kept for the next: a search makes thousands of short-lived nets.
template <typename Item>
std::vector<std::vector<Item>>& spareQueues() {
    thread_local std::vector<std::vector<Item>> spare;
    return spare;
}

}  // namespace

// One recorded conclusion of a net: a candidate ON or OFF (or a group ON), why, and the facts
// and (for a net inside another) the outer net's removals it rests on.
struct Net::Fact {
    int cell = 0;
    int value = 0;
    bool isOn = false;
    int kind = kAssumption;
    int unit = -1;
    CellSet cells;  // a group's cells
    std::vector<int> preds;
    std::vector<CellValue> externals;
    int inner = -1;
};

CellValue placedByRemoving(const LogicGrid& grid, CellValue candidate) {
    const ValueMask values = grid.candidates(candidate.cell);
    if (std::popcount(values) == 2)
        return {candidate.cell,
                std::countr_zero(static_cast<unsigned>(values & ~(1u << candidate.value)))};
    for (const int unit : {grid.rowUnit(candidate.cell), grid.columnUnit(candidate.cell),
                           grid.blockUnit(candidate.cell)}) {
        const unsigned places = grid.positions(unit, candidate.value);
        if (std::popcount(places) != 2) continue;
        const auto cells = grid.unitCells(unit);
        const int other = cells[std::countr_zero(places)] == candidate.cell
                              ? cells[31 - std::countl_zero(places)]
                              : cells[std::countr_zero(places)];
        return {other, candidate.value};
    }
    return {};
}

NetState::NetState(const LogicGrid& grid) {
    for (int cell = 1; cell <= grid.cellCount(); ++cell) {
        candidates[cell] = grid.candidates(cell);
        placed[cell] = static_cast<std::uint8_t>(grid.value(cell));
        for (unsigned rest = candidates[cell]; rest != 0; rest &= rest - 1)
            holding[std::countr_zero(rest)].insert(cell);
        const int units[3] = {grid.rowUnit(cell), grid.columnUnit(cell), grid.blockUnit(cell)};
        const CellBits& bits = cellBits(grid.kind(), cell);
        for (int k = 0; k < 3; ++k) {
            for (unsigned rest = candidates[cell]; rest != 0; rest &= rest - 1)
                places[units[k]][std::countr_zero(rest)] |= bits.own[k];
            if (grid.value(cell) != 0)
                unitPlaced[units[k]] |= static_cast<ValueMask>(1u << grid.value(cell));
        }
    }
}

Net::Net(const LogicGrid& grid, const NetState& base, int depth, bool record)
    : grid_(grid), start_(nullptr), state_(base), depth_(depth), record_(record) {
    narrowed_.fill(~std::uint64_t{0});
    takeSpareQueue();
    if (record_) {
        own_ = std::make_unique<NetState>(state_);
        start_ = own_.get();
        factIndex_.assign(2 * kCandidateCount, -1);
    }
}

Net::Net(const Net& outer, int depth, bool record)
    : grid_(outer.grid_),
      start_(nullptr),
      state_(outer.state_),
      depth_(depth),
      record_(record),
      narrowed_(outer.narrowed_),
      consistent_(outer.consistent_) {
    takeSpareQueue();
    if (record_) {
        own_ = std::make_unique<NetState>(state_);
        start_ = own_.get();
        factIndex_.assign(2 * kCandidateCount, -1);
    }
}

Net::~Net() {
    queue_.clear();
    spareQueues<Pending>().push_back(std::move(queue_));
}

void Net::takeSpareQueue() {
    auto& spare = spareQueues<Pending>();
    if (spare.empty()) return;
    queue_ = std::move(spare.back());
    spare.pop_back();
}

int Net::factOf(int cell, int value, bool isOn) const {
    return factIndex_[candidateIndex(cell, value) * 2 + (isOn ? 1 : 0)];
}

int Net::addFact(int cell, int value, bool isOn, int kind, std::vector<int> preds, int unit,
                 std::vector<CellValue> externals) {
    Fact fact;
    fact.externals = std::move(externals);
    fact.cell = cell;
    fact.value = value;
    fact.isOn = isOn;
    fact.kind = kind;
    fact.unit = unit;
    fact.preds = std::move(preds);
    facts_.push_back(std::move(fact));
    const int index = static_cast<int>(facts_.size()) - 1;
    if (cell != 0) factIndex_[candidateIndex(cell, value) * 2 + (isOn ? 1 : 0)] = index;
    return index;
}

void Net::gather(const CellSet& cells, int value, int except, std::vector<int>& preds,
                 std::vector<CellValue>& externals) const {
    cells.forEach([&](int cell) {
        if (cell == except) return;
        if ((start_->candidates[cell] >> value) & 1u) {
            if (const int fact = factOf(cell, value, false); fact >= 0) preds.push_back(fact);
        } else if (grid_.hasCandidate(cell, value)) {
            externals.push_back({cell, value});
        }
    });
}

void Net::gatherCell(int cell, int except, std::vector<int>& preds,
                     std::vector<CellValue>& externals) const {
    for (unsigned rest = grid_.candidates(cell); rest != 0; rest &= rest - 1) {
        const int value = std::countr_zero(rest);
        if (value == except) continue;
        if ((start_->candidates[cell] >> value) & 1u) {
            if (const int fact = factOf(cell, value, false); fact >= 0) preds.push_back(fact);
        } else {
            externals.push_back({cell, value});
        }
    }
}

bool Net::fail(Contradiction kind, int cell, int value, int unit) {
    contradiction_ = kind;
    badCell_ = cell;
    badValue_ = value;
    badUnit_ = unit;
    return false;
}

void Net::on(int cell, int value, int kind, std::vector<int> preds,
             std::vector<CellValue> externals, int unit) {
    queue_.push_back({cell, value, kind, unit, std::move(preds), std::move(externals)});
}

bool Net::off(int cell, int value, int kind, std::vector<int> preds,
              std::vector<CellValue> externals) {
    NetState& s = state_;
    const ValueMask bit = static_cast<ValueMask>(1u << value);
    if (!(s.candidates[cell] & bit)) return true;
    if (atLimit()) return giveUp();
    s.candidates[cell] &= static_cast<ValueMask>(~bit);
    s.holding[value].erase(cell);
    ++reach_;
    int fact = -1;
    if (record_)
        fact = addFact(cell, value, false, kind, std::move(preds), -1, std::move(externals));
    const GridKind& gridKind = grid_.kind();
    if (s.placed[cell] == 0) {
        const ValueMask left = s.candidates[cell];
        if (left == 0) return fail(Contradiction::EmptyCell, cell, 0, -1);
        if (depth_ == kChainDepth) {
            const ValueMask was = grid_.candidates(cell);
            if (std::popcount(was) == 2 && (left & was) != 0) {
                std::vector<int> why;
                if (record_) why.push_back(fact);
                on(cell, std::countr_zero(static_cast<unsigned>(left & was)), kNaked,
                   std::move(why), {}, -1);
            }
        } else if ((left & (left - 1)) == 0) {
            const int single = std::countr_zero(static_cast<unsigned>(left));
            std::vector<int> why;
            std::vector<CellValue> outside;
            if (record_) gatherCell(cell, single, why, outside);
            on(cell, single, kNaked, std::move(why), std::move(outside), -1);
        }
    }
    const int units[3] = {grid_.rowUnit(cell), grid_.columnUnit(cell), grid_.blockUnit(cell)};
    const CellBits& bits = cellBits(gridKind, cell);
    for (int k = 0; k < 3; ++k) {
        const int u = units[k];
        if (s.unitPlaced[u] & bit) continue;
        narrowed_[value] |= std::uint64_t{1} << u;
        const unsigned left = s.places[u][value] &= static_cast<std::uint16_t>(~bits.own[k]);
        if (left == 0) return fail(Contradiction::EmptyUnit, 0, value, u);
        if ((left & (left - 1)) != 0) continue;
        const int place = grid_.unitCells(u)[std::countr_zero(left)];
        if (depth_ == kChainDepth && std::popcount(grid_.positions(u, value)) != 2) continue;
        std::vector<int> why;
        std::vector<CellValue> outside;
        if (record_) {
            if (depth_ == kChainDepth)
                why.push_back(fact);
            else
                gather(unitSet(gridKind, u), value, place, why, outside);
        }
        on(place, value, kHidden, std::move(why), std::move(outside), u);
    }
    return true;
}

bool Net::drain() {
    NetState& s = state_;
    for (std::size_t head = 0; head < queue_.size(); ++head) {
        const int cell = queue_[head].cell;
        const int value = queue_[head].value;
        if (s.placed[cell] == value) continue;
        const ValueMask bit = static_cast<ValueMask>(1u << value);
        int fact = -1;
        if (record_)
            fact = addFact(cell, value, true, queue_[head].kind, std::move(queue_[head].preds),
                           queue_[head].unit, std::move(queue_[head].externals));
        if (!(s.candidates[cell] & bit)) {
            if (record_) {
                clashPreds_ = {fact};
                const int against = s.placed[cell] != 0 ? factOf(cell, s.placed[cell], true)
                                                        : factOf(cell, value, false);
                if (against >= 0)
                    clashPreds_.push_back(against);
                else
                    clashExternals_.push_back({cell, value});
            }
            queue_.clear();
            return fail(Contradiction::Clash, cell, value, -1);
        }
        if (atLimit()) return giveUp();
        s.placed[cell] = static_cast<std::uint8_t>(value);
        s.placing[value].insert(cell);
        ++reach_;
        for (const int u : {grid_.rowUnit(cell), grid_.columnUnit(cell), grid_.blockUnit(cell)})
            s.unitPlaced[u] |= bit;
        std::vector<int> why;
        for (unsigned rest = s.candidates[cell] & ~bit; rest != 0; rest &= rest - 1) {
            if (record_) why.assign(1, fact);
            if (!off(cell, std::countr_zero(rest), kPeer, why, {})) {
                queue_.clear();
                return false;
            }
        }
        s.candidates[cell] = 0;
        s.holding[value].erase(cell);
        const CellSet seen = peerSet(grid_.kind(), cell) & s.holding[value];
        bool ok = true;
        seen.forEach([&](int peer) {
            if (!ok) return;
            if (record_) why.assign(1, fact);
            ok = off(peer, value, kPeer, why, {});
        });
        if (!ok) {
            queue_.clear();
            return false;
        }
    }
    queue_.clear();
    return true;
}

// Locked Candidates on the net's copy: a unit's places for a value within one other unit leave
// that unit's other cells.
bool Net::lockedCandidates(bool& changed) {
    const GridKind& kind = grid_.kind();
    const int side = grid_.side();
    const std::uint64_t units = (std::uint64_t{1} << (3 * side)) - 1;
    for (int value = 1; value <= side; ++value)
        for (narrowed_[value] &= units; narrowed_[value] != 0; narrowed_[value] &= units) {
            const int unit = std::countr_zero(narrowed_[value]);
            narrowed_[value] &= narrowed_[value] - 1;
            if ((state_.unitPlaced[unit] >> value) & 1u) continue;
            const unsigned places = state_.places[unit][value];
            if (places == 0) continue;
            // A line's places can lock in a block, a block's in a row or a column: only when
            // they lie among the cells the unit shares with the first place's other unit.
            const int cell = grid_.unitCells(unit)[std::countr_zero(places)];
            const CellBits& bits = cellBits(kind, cell);
            const bool isBlock = unit >= 2 * side;
            const unsigned shared = isBlock        ? bits.blockInRow
                                    : unit >= side ? bits.columnInBlock
                                                   : bits.rowInBlock;
            if ((places & ~shared) != 0 && (!isBlock || (places & ~bits.blockInColumn) != 0))
                continue;
            // Each pair is the other unit, the bits (in this unit) of their shared cells and the
            // same bits in the other unit.
            const CellSet placeCells =
                record_ ? state_.holding[value] & unitSet(kind, unit) : CellSet();
            struct Lock {
                int other;
                unsigned sharedHere;
                unsigned sharedThere;
            };
            const std::array<Lock, 2> locks =
                isBlock        ? std::array<Lock, 2>{Lock{grid_.rowUnit(cell), bits.blockInRow,
                                                   bits.rowInBlock},
                                                     Lock{grid_.columnUnit(cell), bits.blockInColumn,
                                                   bits.columnInBlock}}
                : unit >= side ? std::array<Lock, 2>{Lock{grid_.blockUnit(cell), bits.columnInBlock,
                                                          bits.blockInColumn},
                                                     Lock{-1, 0, 0}}
                               : std::array<Lock, 2>{
                                     Lock{grid_.blockUnit(cell), bits.rowInBlock, bits.blockInRow},
                                     Lock{-1, 0, 0}};
            for (const Lock& lock : locks) {
                if (lock.other < 0 || (places & ~lock.sharedHere) != 0 ||
                    ((state_.unitPlaced[lock.other] >> value) & 1u))
                    continue;
                const unsigned removed = state_.places[lock.other][value] & ~lock.sharedThere;
                if (removed == 0) continue;
                int group = -1;
                if (record_) {
                    std::vector<int> why;
                    std::vector<CellValue> outside;
                    gather(unitSet(kind, unit) - unitSet(kind, lock.other), value, 0, why, outside);
                    group =
                        addFact(0, value, true, kGroup, std::move(why), unit, std::move(outside));
                    facts_[group].cells = placeCells;
                }
                const auto otherCells = grid_.unitCells(lock.other);
                for (unsigned rest = removed; rest != 0; rest &= rest - 1)
                    if (!off(otherCells[std::countr_zero(rest)], value, kLocked,
                             record_ ? std::vector<int>{group} : std::vector<int>{}, {}))
                        return false;
                if (!drain()) return false;
                changed = true;
            }
        }
    return true;
}

// Each candidate whose assumption, one depth less deep, contradicts itself is removed.
bool Net::nested(bool& changed) {
    if (record_) return nestedShortestFirst(changed);
    // A candidate probed after the last removal of the round before saw the state as it is now,
    // unless something else has narrowed it since: it need not be probed again.
    const int end =
        reach_ == reachAfterProbes_ && lastRemoval_ > 0 ? lastRemoval_ : grid_.cellCount() + 1;
    int last = 0;
    // Per value, the cells a probe of the present state placed it in without a contradiction and
    // without reaching its limit: what such a candidate implies, that probe already followed.
    std::array<CellSet, kMaxSide + 1> implied{};
    for (int cell = 1; cell < end; ++cell)
        for (unsigned rest = state_.candidates[cell]; rest != 0; rest &= rest - 1) {
            const int value = std::countr_zero(rest);
            if (!((state_.candidates[cell] >> value) & 1u)) continue;
            if (nestedAllowed_ != nullptr && !(*nestedAllowed_)[candidateIndex(cell, value)])
                continue;
            if (implied[value].contains(cell)) continue;
            if (consistent_ && grid_.solutionValue(cell) == value) continue;
            Net probe(*this, depth_ - 1, false);
            probe.limitFacts(mostNestedFacts_, mostNestedFacts_);
            const bool held = probe.assume({cell, value}, true);
            limited_ = limited_ || probe.limited_;
            if (held) {
                if (!probe.limited_)
                    for (int other = 1; other <= grid_.side(); ++other)
                        implied[other] |= probe.state_.placing[other];
                continue;
            }
            if (!off(cell, value, kNested, {}, {}) || !drain()) return false;
            implied = {};
            changed = true;
            last = cell;
        }
    lastRemoval_ = last + 1;
    reachAfterProbes_ = reach_;
    return true;
}

// A net shows each fact with the first reason found for it, so the removals whose nested nets
// went least far go first, one at a time with the simpler steps between them; those waiting stay
// true as the net narrows, and the candidates are searched again only when none is left. A
// nested net is recorded when its removal is made, on the narrower copy, where it is shorter.
bool Net::nestedShortestFirst(bool& changed) {
    if (!removeWaiting(changed)) return false;
    if (changed) return true;
    for (int cell = 1; cell <= grid_.cellCount(); ++cell)
        for (unsigned rest = state_.candidates[cell]; rest != 0; rest &= rest - 1) {
            const int value = std::countr_zero(rest);
            if (nestedAllowed_ != nullptr && !(*nestedAllowed_)[candidateIndex(cell, value)])
                continue;
            int reach = 0;
            if (probeContradicts(cell, value, reach)) waiting_.push_back({reach, {cell, value}});
        }
    std::stable_sort(waiting_.begin(), waiting_.end(),
                     [](const Waiting& a, const Waiting& b) { return a.reach > b.reach; });
    return removeWaiting(changed);
}

bool Net::removeWaiting(bool& changed) {
    while (!waiting_.empty()) {
        const Waiting next = waiting_.back();
        waiting_.pop_back();
        const auto [cell, value] = next.candidate;
        if (!((state_.candidates[cell] >> value) & 1u)) continue;
        auto shown = std::make_unique<Net>(*this, depth_ - 1, true);
        shown->assume({cell, value}, true);
        std::vector<int> why;
        std::vector<CellValue> externals;
        innerReasons(*shown, why, externals);
        inner_.push_back(std::move(shown));
        // The removal may itself end the net; its fact is recorded first either way.
        const bool held = off(cell, value, kNested, std::move(why), {});
        Fact& fact = facts_[factOf(cell, value, false)];
        fact.inner = static_cast<int>(inner_.size()) - 1;
        fact.externals = std::move(externals);
        changed = true;
        return held && drain();
    }
    return true;
}

void Net::innerReasons(const Net& inner, std::vector<int>& why,
                       std::vector<CellValue>& externals) const {
    std::vector<CellValue> outer;
    std::vector<int> stack = inner.contradictionFacts(&outer);
    std::vector<char> seen(inner.facts_.size(), 0);
    const auto take = [&](const std::vector<CellValue>& removals) {
        for (const CellValue& outside : removals) {
            const int mine = factOf(outside.cell, outside.value, false);
            if (mine >= 0)
                why.push_back(mine);
            else
                externals.push_back(outside);
        }
    };
    take(outer);
    while (!stack.empty()) {
        const int f = stack.back();
        stack.pop_back();
        if (f < 0 || seen[f]) continue;
        seen[f] = 1;
        take(inner.facts_[f].externals);
        stack.insert(stack.end(), inner.facts_[f].preds.begin(), inner.facts_[f].preds.end());
    }
    std::sort(why.begin(), why.end());
    why.erase(std::unique(why.begin(), why.end()), why.end());
}

bool Net::probeContradicts(int cell, int value, int& reach) {
    Net probe(*this, depth_ - 1, false);
    probe.limitFacts(mostNestedFacts_, mostNestedFacts_);
    const bool held = probe.assume({cell, value}, true);
    limited_ = limited_ || probe.limited_;
    reach = probe.reach();
    return !held;
}

bool Net::giveUp() {
    gaveUp_ = true;
    limited_ = true;
    queue_.clear();
    return false;
}

bool Net::assume(CellValue candidate, bool isOn) {
    const int solved = grid_.solutionValue(candidate.cell);
    consistent_ = consistent_ && solved != 0 && (solved == candidate.value) == isOn;
    return follow(candidate, isOn) || gaveUp_;
}

bool Net::follow(CellValue candidate, bool isOn) {
    if (isOn)
        queue_.push_back({candidate.cell, candidate.value, kAssumption, -1, {}, {}});
    else if (!off(candidate.cell, candidate.value, kAssumption, {}, {}))
        return false;
    if (!drain()) return false;
    for (bool changed = true; changed && depth_ >= 1;) {
        changed = false;
        if (!lockedCandidates(changed)) return false;
        if (!changed && depth_ >= 2 && !nested(changed)) return false;
    }
    return true;
}

std::vector<int> Net::contradictionFacts(std::vector<CellValue>* externals) const {
    std::vector<int> facts;
    std::vector<CellValue> outside;
    const GridKind& kind = grid_.kind();
    switch (contradiction_) {
        case Contradiction::EmptyCell:
            gatherCell(badCell_, 0, facts, outside);
            break;
        case Contradiction::EmptyUnit:
            gather(unitSet(kind, badUnit_), badValue_, 0, facts, outside);
            break;
        case Contradiction::Clash:
            facts = clashPreds_;
            outside = clashExternals_;
            break;
        case Contradiction::None:
            break;
    }
    if (externals != nullptr) *externals = std::move(outside);
    return facts;
}

std::string Net::contradictionText() const {
    const GridKind& kind = grid_.kind();
    switch (contradiction_) {
        case Contradiction::EmptyCell:
            return emptyCellText(kind, badCell_);
        case Contradiction::EmptyUnit:
            return emptyUnitText(kind, badValue_, badUnit_);
        case Contradiction::Clash:
            return clashText(kind, badCell_, badValue_, state_.placed[badCell_]);
        case Contradiction::None:
            break;
    }
    return {};
}

std::string Net::factText(int index) const {
    const Fact& fact = facts_[index];
    const GridKind& kind = grid_.kind();
    if (fact.kind == kGroup)
        return placesText(kind, fact.value, cellsOf(fact.cells)) + lastPlacesNote(kind, fact.unit);
    std::string text = candidateText(kind, {fact.cell, fact.value}, fact.isOn);
    if (fact.kind == kNaked && fact.preds.size() > 1) text += lastCandidateNote();
    if (fact.kind == kHidden && fact.preds.size() > 1)
        text += lastPlaceNote(kind, fact.value, fact.unit);
    if (fact.kind == kNested && fact.inner >= 0)
        text += nestedNote(fact.value, inner_[fact.inner]->contradictionText());
    return text;
}

std::vector<std::string> Net::insideLines(int index) const {
    const Fact& fact = facts_[index];
    if (fact.kind != kNested || fact.inner < 0) return {};
    const Net& inner = *inner_[fact.inner];
    // The grid draws the branch that decides: the outer net's links, not its nested nets'.
    std::vector<ChainLink> innerLinks;
    std::vector<std::string> lines = inner.contradictionLines(innerLinks);
    lines.push_back("then " + inner.contradictionText());
    for (std::string& line : lines)
        line.insert(0, kInsideIndent);
    lines.insert(lines.begin(), insideHeader(grid_.kind(), {fact.cell, fact.value}));
    return lines;
}

std::vector<char> Net::closure(std::vector<int> targets) const {
    std::vector<char> seen(facts_.size(), 0);
    while (!targets.empty()) {
        const int f = targets.back();
        targets.pop_back();
        if (f < 0 || seen[f]) continue;
        seen[f] = 1;
        targets.insert(targets.end(), facts_[f].preds.begin(), facts_[f].preds.end());
    }
    return seen;
}

std::vector<CellValue> Net::nodeOf(const Fact& fact) {
    std::vector<CellValue> node;
    if (fact.kind == kGroup)
        fact.cells.forEach([&](int cell) { node.push_back({cell, fact.value}); });
    else
        node.push_back({fact.cell, fact.value});
    return node;
}

int Net::nodesTo(std::vector<int> targets, NodeSet& nodes) const {
    const std::vector<char> seen = closure(std::move(targets));
    int nested = 0;
    for (std::size_t f = 0; f < facts_.size(); ++f) {
        if (!seen[f]) continue;
        const Fact& fact = facts_[f];
        nodes.insert(nodeOf(fact));
        if (fact.kind == kNested && fact.inner >= 0) {
            const Net& inner = *inner_[fact.inner];
            NodeSet own;
            nested += inner.nodesTo(inner.contradictionFacts(), own);
            nested += static_cast<int>(own.size());
        }
    }
    return nested;
}

int Net::shownNodes(std::optional<std::pair<CellValue, bool>> target, NodeSet& nodes) const {
    return nodesTo(
        target ? std::vector<int>{factOf(target->first.cell, target->first.value, target->second)}
               : contradictionFacts(),
        nodes);
}

std::vector<std::pair<CellValue, int>> Net::nestedRemovalsUsed(
    std::optional<std::pair<CellValue, bool>> target) const {
    const std::vector<char> seen = closure(
        target ? std::vector<int>{factOf(target->first.cell, target->first.value, target->second)}
               : contradictionFacts());
    std::vector<std::pair<CellValue, int>> used;
    for (std::size_t f = 0; f < facts_.size(); ++f) {
        if (!seen[f] || facts_[f].kind != kNested || facts_[f].inner < 0) continue;
        const std::vector<char> inside =
            inner_[facts_[f].inner]->closure(inner_[facts_[f].inner]->contradictionFacts());
        used.push_back({{facts_[f].cell, facts_[f].value},
                        static_cast<int>(std::count(inside.begin(), inside.end(), 1))});
    }
    std::stable_sort(used.begin(), used.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    return used;
}

std::vector<std::string> Net::linesTo(std::vector<int> targets,
                                      std::vector<ChainLink>& links) const {
    const std::vector<char> seen = closure(std::move(targets));
    const GridKind& kind = grid_.kind();
    std::vector<std::string> lines;
    int last = -1;
    // The removals a placement makes one after another share the placement's line: "r2c5 is 5,
    // so r2c5 is not 7 or 8; r1c5 and r3c5 are not 5".
    struct Removals {
        int placement = -1;  // the fact they follow from
        std::string lead;    // the line before the first of them
        std::vector<CellValue> removed;
    } removals;
    for (int f = 0; f < static_cast<int>(facts_.size()); ++f) {
        if (!seen[f]) continue;
        const Fact& fact = facts_[f];
        for (const int pred : fact.preds)
            links.push_back({nodeOf(facts_[pred]), nodeOf(fact), fact.isOn, facts_[pred].isOn});
        const bool byPlacement = fact.kind == kPeer && fact.preds.size() == 1;
        if (byPlacement && removals.placement == fact.preds.front()) {
            removals.removed.push_back({fact.cell, fact.value});
            const Fact& placed = facts_[removals.placement];
            lines.back() = removals.lead +
                           peerRemovalsText(kind, {placed.cell, placed.value}, removals.removed);
            last = -1;  // a "so" after the list would not say which removal it follows from
            continue;
        }
        removals.placement = -1;
        if (fact.kind == kAssumption) {
            lines.push_back(candidateText(kind, {fact.cell, fact.value}, fact.isOn));
            last = f;
            continue;
        }
        const int main =
            fact.preds.empty() ? -1 : *std::max_element(fact.preds.begin(), fact.preds.end());
        // A removal that a nested net made shows that net's lines first, each saying which
        // assumption it is inside; the removal then starts a line of its own.
        const std::vector<std::string> inside = insideLines(f);
        lines.insert(lines.end(), inside.begin(), inside.end());
        std::string lead;
        if (main >= 0 && main == last && inside.empty() && !lines.empty()) {
            lead = lines.back() + ", so ";
        } else {
            if (main >= 0) {
                const Fact& from = facts_[main];
                lead = from.kind == kGroup
                           ? factText(main)
                           : candidateText(kind, {from.cell, from.value}, from.isOn);
                lead += ", so ";
            }
            lines.emplace_back();
        }
        lines.back() = lead + factText(f);
        if (byPlacement) removals = {fact.preds.front(), lead, {{fact.cell, fact.value}}};
        last = f;
    }
    return lines;
}

std::vector<std::string> Net::contradictionLines(std::vector<ChainLink>& links) const {
    return linesTo(contradictionFacts(), links);
}

std::vector<std::string> Net::targetLines(CellValue target, bool isOn,
                                          std::vector<ChainLink>& links) const {
    return linesTo({factOf(target.cell, target.value, isOn)}, links);
}

}  // namespace quorvel::logic
