// Skyscraper and Two-String Kite: two strong links on one value, joined at one end by a shared
// unit, so that at least one of the two far ends holds the value and every cell seeing both far
// ends loses it.

#include <array>

#include "logic/finders.h"
#include "logic/links.h"
#include "logic/step_text.h"

namespace quorvel::logic {

namespace {

std::string linkText(const GridKind& kind, const StrongLink& link) {
    return unitName(kind, link.unit) + " (" + cellName(kind, link.first) + ", " +
           cellName(kind, link.second) + ")";
}

// Reports the step when cells see both far ends; `joined` are the two near ends, which share a
// unit and so cannot both hold the value.
bool reportPair(const LogicGrid& grid, Technique technique, int value, const StrongLink& one,
                const StrongLink& two, std::array<int, 2> joined, std::array<int, 2> far,
                int joiningUnit, const StepSink& sink) {
    const GridKind& kind = grid.kind();
    Step step;
    step.cells = {one.first, one.second, two.first, two.second};
    step.eliminations = seenByAll(grid, value, {far[0], far[1]}, step.cells);
    if (step.eliminations.empty()) return true;
    step.values = {value};
    step.units = {unitRef(kind, one.unit), unitRef(kind, two.unit)};
    const std::string v = std::to_string(value);
    finishStep(kind, step, technique,
               "on " + v + " in " + unitName(kind, one.unit) + " and " + unitName(kind, two.unit),
               v + " fits only twice in " + linkText(kind, one) + " and in " + linkText(kind, two) +
                   "; " + cellName(kind, joined[0]) + " and " + cellName(kind, joined[1]) +
                   " share " + unitName(kind, joiningUnit) + " and cannot both be " + v +
                   ", which leaves " + v + " in " + cellName(kind, far[0]) + " or " +
                   cellName(kind, far[1]));
    return sink(std::move(step));
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
            for (std::size_t i = 0; i < links.size(); ++i) {
                for (std::size_t j = i + 1; j < links.size(); ++j) {
                    const StrongLink& one = links[i];
                    const StrongLink& two = links[j];
                    for (const auto& [a, farA] :
                         {std::array{one.first, one.second}, std::array{one.second, one.first}}) {
                        for (const auto& [b, farB] : {std::array{two.first, two.second},
                                                      std::array{two.second, two.first}}) {
                            if (crossLine(a) != crossLine(b) || crossLine(farA) == crossLine(farB))
                                continue;
                            if (!reportPair(grid, Technique::Skyscraper, value, one, two, {a, b},
                                            {farA, farB}, crossLine(a), sink))
                                return false;
                        }
                    }
                }
            }
        }
    }
    return true;
}

bool findTwoStringKite(const LogicGrid& grid, const StepSink& sink) {
    const int side = grid.side();
    for (int value = 1; value <= side; ++value) {
        const auto rowLinks = strongLinks(grid, value, 0, side);
        const auto columnLinks = strongLinks(grid, value, side, 2 * side);
        for (const StrongLink& row : rowLinks) {
            for (const StrongLink& column : columnLinks) {
                for (const auto& [a, farA] :
                     {std::array{row.first, row.second}, std::array{row.second, row.first}}) {
                    for (const auto& [b, farB] : {std::array{column.first, column.second},
                                                  std::array{column.second, column.first}}) {
                        const int block = grid.blockUnit(a);
                        if (a == b || farA == farB || farA == b || farB == a ||
                            grid.blockUnit(b) != block || grid.blockUnit(farA) == block ||
                            grid.blockUnit(farB) == block)
                            continue;
                        if (!reportPair(grid, Technique::TwoStringKite, value, row, column, {a, b},
                                        {farA, farB}, block, sink))
                            return false;
                    }
                }
            }
        }
    }
    return true;
}

}  // namespace quorvel::logic
