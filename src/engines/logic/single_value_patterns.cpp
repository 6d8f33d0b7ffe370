// Skyscraper, Two-String Kite and Turbot Fish: two strong links on one value, joined at one end
// by a shared unit, so that at least one of the two far ends holds the value and every cell
// seeing both far ends loses it. A Skyscraper joins two parallel lines across, a Two-String Kite
// a row and a column in a block; a Turbot Fish is any other such pair. Two kites through one block
// that remove different candidates make a Dual Two-String Kite, one step.

#include <algorithm>
#include <array>
#include <vector>

#include "engines/logic/finders.h"
#include "engines/logic/links.h"
#include "engines/logic/step_text.h"

namespace quorvel::logic {

namespace {

std::string linkText(const GridKind& kind, const StrongLink& link) {
    return unitName(kind, link.unit) + " (" + cellName(kind, link.first) + ", " +
           cellName(kind, link.second) + ")";
}

// A pair of strong links whose near ends share a unit: its cells, chain and eliminations, and
// the reason in words. No eliminations when no cell sees both far ends.
struct PairPattern {
    Step step;
    std::string reason;
};

// `joined` are the two near ends, which share a unit and so cannot both hold the value.
PairPattern pairPattern(const LogicGrid& grid, int value, const StrongLink& one,
                        const StrongLink& two, std::array<int, 2> joined, std::array<int, 2> far,
                        int joiningUnit) {
    const GridKind& kind = grid.kind();
    PairPattern pattern;
    Step& step = pattern.step;
    step.cells = {one.first, one.second, two.first, two.second};
    step.eliminations = seenByAll(grid, value, {far[0], far[1]}, step.cells);
    if (step.eliminations.empty()) return pattern;
    step.values = {value};
    step.units = {unitRef(kind, one.unit), unitRef(kind, two.unit)};
    step.chain = {candidateLink(far[0], value, joined[0], value, true),
                  candidateLink(joined[0], value, joined[1], value, false),
                  candidateLink(joined[1], value, far[1], value, true)};
    const std::string v = std::to_string(value);
    pattern.reason = v + " fits only twice in " + linkText(kind, one) + " and in " +
                     linkText(kind, two) + "; " + cellName(kind, joined[0]) + " and " +
                     cellName(kind, joined[1]) + " share " + unitName(kind, joiningUnit) +
                     " and cannot both be " + v + ", which leaves " + v + " in " +
                     cellName(kind, far[0]) + " or " + cellName(kind, far[1]);
    return pattern;
}

// Reports the step when cells see both far ends.
bool reportPair(const LogicGrid& grid, Technique technique, int value, const StrongLink& one,
                const StrongLink& two, std::array<int, 2> joined, std::array<int, 2> far,
                int joiningUnit, const StepSink& sink) {
    PairPattern pattern = pairPattern(grid, value, one, two, joined, far, joiningUnit);
    if (pattern.step.eliminations.empty()) return true;
    const std::string v = std::to_string(value);
    finishStep(grid.kind(), pattern.step, technique,
               "on " + v + " in " + unitName(grid.kind(), one.unit) + " and " +
                   unitName(grid.kind(), two.unit),
               pattern.reason);
    return sink(std::move(pattern.step));
}

// Two strong links with one end of each chosen as the near end.
struct LinkPair {
    const StrongLink& one;
    const StrongLink& two;
    int a;  // near end of one
    int farA;
    int b;  // near end of two
    int farB;
};

// Calls visit(LinkPair) for each link of `ones` with each of `twos` (or each later link of `ones`
// when `twos` is null), both ends of each taken as the near end in turn; stops when visit returns
// false.
template <typename Visit>
bool eachLinkPair(const std::vector<StrongLink>& ones, const std::vector<StrongLink>* twos,
                  const Visit& visit) {
    for (std::size_t i = 0; i < ones.size(); ++i) {
        const std::vector<StrongLink>& others = twos ? *twos : ones;
        for (std::size_t j = twos ? 0 : i + 1; j < others.size(); ++j) {
            const StrongLink& one = ones[i];
            const StrongLink& two = others[j];
            for (const auto& [a, farA] :
                 {std::array{one.first, one.second}, std::array{one.second, one.first}})
                for (const auto& [b, farB] :
                     {std::array{two.first, two.second}, std::array{two.second, two.first}})
                    if (!visit(LinkPair{one, two, a, farA, b, farB})) return false;
        }
    }
    return true;
}

bool reportPair(const LogicGrid& grid, Technique technique, int value, const LinkPair& pair,
                int joiningUnit, const StepSink& sink) {
    return reportPair(grid, technique, value, pair.one, pair.two, {pair.a, pair.b},
                      {pair.farA, pair.farB}, joiningUnit, sink);
}

// Calls visit(pair, block) for every Two-String Kite on `value`: a row link and a column link
// whose near ends are two cells of one block and whose far ends lie outside it.
template <typename Visit>
bool eachKite(const LogicGrid& grid, int value, const Visit& visit) {
    const int side = grid.side();
    const auto rowLinks = strongLinks(grid, value, 0, side);
    const auto columnLinks = strongLinks(grid, value, side, 2 * side);
    return eachLinkPair(rowLinks, &columnLinks, [&](const LinkPair& pair) {
        const int block = grid.blockUnit(pair.a);
        if (pair.a == pair.b || pair.farA == pair.farB || pair.farA == pair.b ||
            pair.farB == pair.a || grid.blockUnit(pair.b) != block ||
            grid.blockUnit(pair.farA) == block || grid.blockUnit(pair.farB) == block)
            return true;
        return visit(pair, block);
    });
}

}  // namespace

bool findSkyscraper(const LogicGrid& grid, const StepSink& sink) {
    const int side = grid.side();
    for (int value = 1; value <= side; ++value) {
        for (const bool rows : {true, false}) {
            const auto links = strongLinks(grid, value, rows ? 0 : side, rows ? side : 2 * side);
            const auto crossLine = [&](int cell) {
                return rows ? grid.columnUnit(cell) : grid.rowUnit(cell);
            };
            const bool goOn = eachLinkPair(links, nullptr, [&](const LinkPair& pair) {
                if (crossLine(pair.a) != crossLine(pair.b) ||
                    crossLine(pair.farA) == crossLine(pair.farB))
                    return true;
                return reportPair(grid, Technique::Skyscraper, value, pair, crossLine(pair.a),
                                  sink);
            });
            if (!goOn) return false;
        }
    }
    return true;
}

bool findTwoStringKite(const LogicGrid& grid, const StepSink& sink) {
    for (int value = 1; value <= grid.side(); ++value) {
        const bool goOn = eachKite(grid, value, [&](const LinkPair& pair, int block) {
            return reportPair(grid, Technique::TwoStringKite, value, pair, block, sink);
        });
        if (!goOn) return false;
    }
    return true;
}

// Two kites through one block, each removing something the other does not, make one step.
bool findDualTwoStringKite(const LogicGrid& grid, const StepSink& sink) {
    const GridKind& kind = grid.kind();
    for (int value = 1; value <= grid.side(); ++value) {
        std::vector<std::pair<int, PairPattern>> kites;  // with their blocks
        eachKite(grid, value, [&](const LinkPair& pair, int block) {
            PairPattern pattern = pairPattern(grid, value, pair.one, pair.two, {pair.a, pair.b},
                                              {pair.farA, pair.farB}, block);
            if (!pattern.step.eliminations.empty()) kites.emplace_back(block, std::move(pattern));
            return true;
        });
        for (std::size_t i = 0; i < kites.size(); ++i)
            for (std::size_t j = i + 1; j < kites.size(); ++j) {
                const auto& [block, first] = kites[i];
                const PairPattern& second = kites[j].second;
                if (kites[j].first != block || !removesMore(first.step, second.step) ||
                    !removesMore(second.step, first.step))
                    continue;
                Step step = joinedSteps(first.step, second.step);
                finishStep(kind, step, Technique::DualTwoStringKite,
                           "on " + std::to_string(value) + " in " + unitName(kind, block),
                           first.reason + "; and " + second.reason);
                if (!sink(std::move(step))) return false;
            }
    }
    return true;
}

bool findTurbotFish(const LogicGrid& grid, const StepSink& sink) {
    const int side = grid.side();
    const auto isRow = [&](int unit) { return unit < side; };
    const auto isColumn = [&](int unit) { return unit >= side && unit < 2 * side; };
    for (int value = 1; value <= side; ++value) {
        // One link per pair of cells: a block's link only when no line links the same cells.
        std::vector<StrongLink> links = strongLinks(grid, value, 0, 2 * side);
        const std::size_t lineLinks = links.size();
        for (const StrongLink& link : strongLinks(grid, value, 2 * side, 3 * side))
            if (std::none_of(links.begin(), links.begin() + lineLinks, [&](const StrongLink& line) {
                    return line.first == link.first && line.second == link.second;
                }))
                links.push_back(link);
        const bool goOn = eachLinkPair(links, nullptr, [&](const LinkPair& pair) {
            const auto [one, two, a, farA, b, farB] = pair;
            if (a == b || farA == farB || a == farB || b == farA || !grid.sees(a, b)) return true;
            // Skyscrapers, X-Wings and Two-String Kites are techniques of their own.
            const bool parallel =
                (isRow(one.unit) && isRow(two.unit) && grid.columnUnit(a) == grid.columnUnit(b)) ||
                (isColumn(one.unit) && isColumn(two.unit) && grid.rowUnit(a) == grid.rowUnit(b));
            const int block = grid.blockUnit(a);
            const bool kite = ((isRow(one.unit) && isColumn(two.unit)) ||
                               (isColumn(one.unit) && isRow(two.unit))) &&
                              grid.blockUnit(b) == block && grid.blockUnit(farA) != block &&
                              grid.blockUnit(farB) != block;
            if (parallel || kite) return true;
            const int joining = grid.rowUnit(a) == grid.rowUnit(b)         ? grid.rowUnit(a)
                                : grid.columnUnit(a) == grid.columnUnit(b) ? grid.columnUnit(a)
                                                                           : block;
            return reportPair(grid, Technique::TurbotFish, value, pair, joining, sink);
        });
        if (!goOn) return false;
    }
    return true;
}

}  // namespace quorvel::logic
