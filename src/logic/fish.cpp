// X-Wing, Swordfish and Jellyfish: in n rows a value fits only within the same n columns, so
// those columns lose it everywhere else (and the same with rows and columns swapped).

#include <algorithm>
#include <bit>
#include <vector>

#include "logic/finders.h"
#include "logic/step_text.h"

namespace quorvel::logic {

namespace {

Technique fishTechnique(int size) {
    return size == 2 ? Technique::XWing : size == 3 ? Technique::Swordfish : Technique::Jellyfish;
}

struct FishSearch {
    const LogicGrid& grid;
    int size;
    int value;
    int baseFirst;                 // unit number of line 1 of the base: 0 for rows, N for columns
    int coverFirst;                // the other kind of line
    std::vector<int> lines;        // base lines with 2..size positions
    std::vector<unsigned> spread;  // their positions
    std::vector<int> chosen;
    const StepSink& sink;

    bool search(std::size_t from, unsigned combined) {
        if (static_cast<int>(chosen.size()) == size)
            return std::popcount(combined) != size || report(combined);
        for (std::size_t i = from; i < lines.size(); ++i) {
            const unsigned next = combined | spread[i];
            if (std::popcount(next) > size) continue;
            chosen.push_back(static_cast<int>(i));
            const bool goOn = search(i + 1, next);
            chosen.pop_back();
            if (!goOn) return false;
        }
        return true;
    }

    bool report(unsigned covers) {
        const GridKind& kind = grid.kind();
        Step step;
        std::vector<int> baseUnits;
        unsigned baseMask = 0;
        for (const int i : chosen) {
            baseUnits.push_back(lines[i]);
            baseMask |= 1u << (lines[i] - baseFirst);
        }
        std::vector<int> coverUnits;
        for (unsigned rest = covers; rest != 0; rest &= rest - 1) {
            const int cover = coverFirst + std::countr_zero(rest);
            coverUnits.push_back(cover);
            const auto cells = grid.unitCells(cover);
            for (int i = 0; i < grid.side(); ++i) {
                if ((baseMask >> i) & 1u)
                    step.cells.push_back(cells[i]);
                else if (grid.hasCandidate(cells[i], value))
                    step.eliminations.push_back({cells[i], value});
            }
        }
        if (step.eliminations.empty()) return true;
        std::sort(step.cells.begin(), step.cells.end());
        std::erase_if(step.cells, [&](int cell) { return !grid.hasCandidate(cell, value); });
        step.values = {value};
        for (const int unit : baseUnits)
            step.units.push_back(unitRef(kind, unit));
        const bool rows = baseFirst == 0;
        const auto lineNames = [&](const std::vector<int>& units, bool asRows) {
            std::vector<std::string> numbers;
            for (const int unit : units)
                numbers.push_back(std::to_string(unitRef(kind, unit).index));
            return std::string(asRows ? "rows " : "columns ") + joinWords(numbers);
        };
        const std::string base = lineNames(baseUnits, rows);
        const std::string cover = lineNames(coverUnits, !rows);
        finishStep(kind, step, fishTechnique(size), "on " + std::to_string(value) + " in " + base,
                   std::to_string(value) + " fits only within " + cover + " there" +
                       ", which must therefore take their " + std::to_string(value) + " in those " +
                       (rows ? "rows" : "columns"));
        return sink(std::move(step));
    }
};

}  // namespace

bool findFish(const LogicGrid& grid, int size, const StepSink& sink) {
    const int side = grid.side();
    // One search for every value and direction, so that its lists' storage is reused.
    FishSearch fish{grid, size, 0, 0, 0, {}, {}, {}, sink};
    for (int value = 1; value <= side; ++value) {
        for (const int baseFirst : {0, side}) {
            fish.value = value;
            fish.baseFirst = baseFirst;
            fish.coverFirst = side - baseFirst;
            fish.lines.clear();
            fish.spread.clear();
            for (int line = baseFirst; line < baseFirst + side; ++line) {
                const unsigned where = grid.positions(line, value);
                const int count = std::popcount(where);
                if (count < 2 || count > size) continue;
                fish.lines.push_back(line);
                fish.spread.push_back(where);
            }
            if (static_cast<int>(fish.lines.size()) >= size && !fish.search(0, 0)) return false;
        }
    }
    return true;
}

}  // namespace quorvel::logic
