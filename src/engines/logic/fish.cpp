// X-Wing, Swordfish and Jellyfish: in n rows a value fits only within the same n columns, so
// those columns lose it everywhere else (and the same with rows and columns swapped).
//
// Their finned forms: the n rows hold the value within n columns except for a few cells, the
// fins, all in one block. If no fin holds the value the fish stands; if one does, the block has
// it. Either way the columns' cells in the fins' block outside the n rows lose it. A Sashimi fish
// is a finned fish where, without its fins, a row would hold the value only once.

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

#include "engines/logic/cell_set.h"
#include "engines/logic/finders.h"
#include "engines/logic/step_text.h"
#include "engines/logic/subset_chooser.h"

namespace quorvel::logic {

namespace {

Technique fishTechnique(int size, FishFins fins) {
    static constexpr Technique kTechniques[3][3] = {
        {Technique::XWing, Technique::Swordfish, Technique::Jellyfish},
        {Technique::FinnedXWing, Technique::FinnedSwordfish, Technique::FinnedJellyfish},
        {Technique::SashimiXWing, Technique::SashimiSwordfish, Technique::SashimiJellyfish},
    };
    return kTechniques[static_cast<int>(fins)][size - 2];
}

struct FishSearch {
    const LogicGrid& grid;
    int size;
    FishFins fins;
    int value;
    int baseFirst;                 // unit number of line 1 of the base: 0 for rows, N for columns
    int coverFirst;                // the other kind of line
    int band;                      // cover lines a block spans: the block's width for row bases
    std::vector<int> lines;        // base lines with 2..size (plus the band for fins) positions
    std::vector<unsigned> spread;  // their positions
    std::span<const int> chosen;   // the base lines tried, indexes into lines
    std::vector<int> finCells;
    const StepSink& sink;

    bool search() {
        const int widest = size + (fins == FishFins::None ? 0 : band);
        return chooseSubsetsOf(spread, size, widest,
                               [&](std::span<const int> picked, unsigned combined) {
                                   chosen = picked;
                                   if (fins != FishFins::None) return tryBands(combined);
                                   return std::popcount(combined) != size || report(combined);
                               });
    }

    // Fins lie in one block, so in one band of cover lines: every position outside the band is
    // a cover, and the covers still missing come from the band.
    bool tryBands(unsigned positions) {
        for (int first = 0; first < grid.side(); first += band) {
            const unsigned bandMask = ((1u << band) - 1) << first;
            const unsigned inside = positions & bandMask;
            const int missing = size - std::popcount(positions & ~bandMask);
            if (missing < 0 || std::popcount(inside) <= missing) continue;
            for (unsigned part = inside;; part = (part - 1) & inside) {
                if (std::popcount(part) == missing && !tryCovers((positions & ~bandMask) | part))
                    return false;
                if (part == 0) break;
            }
        }
        return true;
    }

    bool tryCovers(unsigned covers) {
        finCells.clear();
        int finBlock = -1;
        bool sashimi = false;
        for (const int i : chosen) {
            const int body = std::popcount(spread[i] & covers);
            if (body == 0) return true;
            sashimi = sashimi || body == 1;
            for (unsigned rest = spread[i] & ~covers; rest != 0; rest &= rest - 1) {
                const int cell = grid.unitCells(lines[i])[std::countr_zero(rest)];
                if (finBlock < 0) finBlock = grid.blockUnit(cell);
                if (grid.blockUnit(cell) != finBlock) return true;
                finCells.push_back(cell);
            }
        }
        if (sashimi != (fins == FishFins::Sashimi)) return true;
        return report(covers, finBlock);
    }

    bool report(unsigned covers, int finBlock = -1) {
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
                else if (grid.hasCandidate(cells[i], value) &&
                         (finBlock < 0 || grid.blockUnit(cells[i]) == finBlock))
                    step.eliminations.push_back({cells[i], value});
            }
        }
        if (step.eliminations.empty()) return true;
        step.cells.insert(step.cells.end(), finCells.begin(), finCells.end());
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
        const std::string v = std::to_string(value);
        const std::string base = lineNames(baseUnits, rows);
        const std::string cover = lineNames(coverUnits, !rows);
        const std::string lineKind = rows ? "rows" : "columns";
        std::string reason = v + " fits only within " + cover + " there";
        if (finBlock < 0) {
            reason += ", which must therefore take their " + v + " in those " + lineKind;
        } else {
            const bool one = finCells.size() == 1;
            reason += ", apart from the fin" + std::string(one ? " " : "s ") +
                      cellList(kind, finCells) + " in " + unitName(kind, finBlock) + ": if " +
                      (one ? "the fin is not " : "no fin is ") + v + ", the " +
                      (rows ? "columns" : "rows") + " take their " + v + " in those " + lineKind +
                      ", and if " + (one ? "it is" : "one is") + ", " + unitName(kind, finBlock) +
                      " has it";
        }
        finishStep(kind, step, fishTechnique(size, fins), "on " + v + " in " + base, reason);
        return sink(std::move(step));
    }
};

}  // namespace

bool findFish(const LogicGrid& grid, int size, FishFins fins, const StepSink& sink) {
    const int side = grid.side();
    // A value's fish depend on its cells alone: the cells of a value that showed none are kept
    // per grid kind, size and fins, and the value is passed over while they stay the same (the
    // solver asks again after every step, mostly about other values).
    thread_local std::array<std::array<CellSet, kMaxSide + 1>, 2 * 5 * 3> barren;
    auto& none = barren[((grid.kind().isNine() ? 0 : 1) * 5 + size) * 3 + static_cast<int>(fins)];
    int reported = 0;
    const StepSink counted = [&](Step&& step) {
        ++reported;
        return sink(std::move(step));
    };
    // One search for every value and direction, so that its lists' storage is reused.
    FishSearch fish{grid, size, fins, 0, 0, 0, 0, {}, {}, {}, {}, counted};
    for (int value = 1; value <= side; ++value) {
        const CellSet cells = candidateCells(grid, value);
        if (!cells.empty() && cells == none[value]) continue;
        const int before = reported;
        for (const int baseFirst : {0, side}) {
            fish.value = value;
            fish.baseFirst = baseFirst;
            fish.coverFirst = side - baseFirst;
            fish.band = baseFirst == 0 ? grid.kind().blockWidth : grid.kind().blockHeight;
            const int widest = size + (fins == FishFins::None ? 0 : fish.band);
            fish.lines.clear();
            fish.spread.clear();
            for (int line = baseFirst; line < baseFirst + side; ++line) {
                const unsigned where = grid.positions(line, value);
                const int count = std::popcount(where);
                if (count < 2 || count > widest) continue;
                fish.lines.push_back(line);
                fish.spread.push_back(where);
            }
            if (static_cast<int>(fish.lines.size()) >= size && !fish.search()) return false;
        }
        if (reported == before) none[value] = cells;
    }
    return true;
}

}  // namespace quorvel::logic
