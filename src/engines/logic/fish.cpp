// X-Wing, Swordfish and Jellyfish: in n rows a value fits only within the same n columns, so
// those columns lose it everywhere else (and the same with rows and columns swapped).
//
// Their finned forms: the n rows hold the value within n columns except for a few cells, the
// fins, all in one block. If no fin holds the value the fish stands; if one does, the block has
// it. Either way the columns' cells in the fins' block outside the n rows lose it. A Sashimi fish
// is a finned fish where, without its fins, a row would hold the value only once.
//
// Franken and Mutant fish take blocks as well as lines for their sets. k base units that share no
// cell holding the value hold it k times; when all those cells lie in k cover units, each cover
// holds one of them, so the covers' other cells lose the value. Their fins are the base cells
// outside the covers: if none holds the value the fish stands, so a cell seeing every fin loses it
// either way. Siamese fish are two finned fish on the same base lines, told as one step.

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <iterator>
#include <span>
#include <string>
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
    const StepSink* sink;

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
        return (*sink)(std::move(step));
    }
};

Technique complexFishTechnique(int size, FishShape shape, bool finned) {
    static constexpr Technique kTechniques[3][4] = {
        {Technique::FrankenXWing, Technique::FinnedFrankenXWing, Technique::MutantXWing,
         Technique::FinnedMutantXWing},
        {Technique::FrankenSwordfish, Technique::FinnedFrankenSwordfish, Technique::MutantSwordfish,
         Technique::FinnedMutantSwordfish},
        {Technique::FrankenJellyfish, Technique::FinnedFrankenJellyfish, Technique::MutantJellyfish,
         Technique::FinnedMutantJellyfish},
    };
    return kTechniques[size - 2][static_cast<int>(shape) * 2 + (finned ? 1 : 0)];
}

// "rows 1 and 4, column 3 and block 7".
std::string unitsText(const GridKind& kind, std::span<const int> units) {
    static const char* const kTypeNames[][2] = {
        {"row ", "rows "}, {"column ", "columns "}, {"block ", "blocks "}};
    std::vector<std::string> parts;
    for (int type = 0; type < 3; ++type) {
        std::vector<std::string> numbers;
        for (const int unit : units)
            if (unit / kind.side == type) numbers.push_back(std::to_string(unit % kind.side + 1));
        if (!numbers.empty())
            parts.push_back(kTypeNames[type][numbers.size() > 1 ? 1 : 0] + joinWords(numbers));
    }
    return joinWords(parts);
}

// The most fins a Franken or Mutant fish may have.
constexpr int kMostFins = 2;

// Unit types as bits: rows 1, columns 2, blocks 4.
constexpr unsigned kRows = 1;
constexpr unsigned kColumns = 2;
constexpr unsigned kBlocks = 4;

struct ComplexFishSearch {
    ComplexFishSearch(const LogicGrid& on, int k, FishShape mix, bool withFins)
        : grid(on), size(k), shape(mix), finned(withFins) {}

    const LogicGrid& grid;
    int size;
    FishShape shape;
    bool finned;
    int value = 0;
    const StepSink* sink = nullptr;
    unsigned baseTypes = 0;   // the unit types the base may take
    unsigned coverTypes = 0;  // and the covers
    CellSet valueCells;
    std::array<CellSet, 3 * kMaxSide> unitCells{};  // per unit, its cells holding the value
    std::vector<int> candidates;                    // units that may be a base
    std::vector<char> holdsGone;                    // per candidate: whether it holds a gone cell
    int lastHoldingGone = -1;                       // the last candidate that does
    std::array<int, kMostChosen> bases{};
    int baseCount = 0;
    std::uint64_t baseUnits = 0;  // bit per unit
    CellSet baseCells;
    std::array<int, kMostChosen> covers{};
    int coverCount = 0;
    std::vector<int> fins;

    unsigned typeOf(int unit) const { return 1u << (unit / grid.side()); }
    std::array<int, 3> unitsOf(int cell) const {
        return {grid.rowUnit(cell), grid.columnUnit(cell), grid.blockUnit(cell)};
    }
    bool mayCover(int unit) const {
        return (typeOf(unit) & coverTypes) != 0 && ((baseUnits >> unit) & 1u) == 0;
    }

    bool run(int v, const CellSet& gone, const StepSink& counted) {
        value = v;
        sink = &counted;
        valueCells = candidateCells(grid, value);
        for (int unit = 0; unit < grid.unitCount(); ++unit)
            unitCells[unit] = valueCells & unitSet(grid.kind(), unit);
        const bool franken = shape == FishShape::Franken;
        for (const unsigned lines : {kRows, kColumns}) {
            baseTypes = franken ? lines | kBlocks : kRows | kColumns | kBlocks;
            coverTypes = franken ? (kRows | kColumns) - lines + kBlocks : baseTypes;
            candidates.clear();
            holdsGone.clear();
            lastHoldingGone = -1;
            for (int unit = 0; unit < grid.unitCount(); ++unit)
                if ((typeOf(unit) & baseTypes) != 0 && unitCells[unit].count() >= 2) {
                    const bool holds = gone.empty() || unitSet(grid.kind(), unit).intersects(gone);
                    if (holds) lastHoldingGone = static_cast<int>(candidates.size());
                    holdsGone.push_back(holds);
                    candidates.push_back(unit);
                }
            if (!chooseBase(0, false)) return false;
            if (!franken) break;
        }
        return true;
    }

    // Cells of `cells` no two of which one cover outside `barred` can hold: each needs a cover of
    // its own or is a fin. Counted up to one more than a fish could take.
    int separateCells(const CellSet& cells, std::uint64_t barred) const {
        std::array<int, kMostChosen + kMostFins + 1> apart{};
        int count = 0;
        bool fits = true;
        cells.forEach([&](int cell) {
            if (!fits) return;
            const auto units = unitsOf(cell);
            for (int i = 0; i < count; ++i)
                for (const int unit : units)
                    if (mayCover(unit) && ((barred >> unit) & 1u) == 0 &&
                        unitCells[unit].contains(apart[i]))
                        return;
            apart[count++] = cell;
            fits = count < static_cast<int>(apart.size());
        });
        return count;
    }

    // `holding`: whether a base chosen so far holds a cell of `gone` (run()); the base must.
    bool chooseBase(std::size_t from, bool holding) {
        for (std::size_t i = from; i < candidates.size(); ++i) {
            if (!holding && static_cast<int>(i) > lastHoldingGone) break;
            const int unit = candidates[i];
            if (unitCells[unit].intersects(baseCells)) continue;
            const CellSet before = baseCells;
            bases[baseCount++] = unit;
            baseUnits |= std::uint64_t{1} << unit;
            baseCells |= unitCells[unit];
            bool goOn = true;
            const bool holds = holding || holdsGone[i];
            if (separateCells(baseCells, 0) <= size + (finned ? kMostFins : 0))
                goOn = baseCount < size ? chooseBase(i + 1, holds)
                       : holds          ? chooseCover(CellSet(), 0, valueCells - baseCells)
                                        : true;
            baseCells = before;
            baseUnits &= ~(std::uint64_t{1} << unit);
            --baseCount;
            if (!goOn) return false;
        }
        return true;
    }

    // Covers the lowest base cell neither covered nor a fin: by one of its units, or (finned) by
    // making it a fin. A unit passed over is not taken further down, so each set of covers comes
    // once. `sight`: the cells outside the base that see every fin so far.
    bool chooseCover(const CellSet& covered, std::uint64_t barred, const CellSet& sight) {
        CellSet open = baseCells - covered;
        for (const int fin : fins)
            open.erase(fin);
        const int cell = open.first();
        if (cell == 0) return coverCount == size ? report(covered, sight) : true;
        const int finsLeft = finned ? kMostFins - static_cast<int>(fins.size()) : 0;
        if (separateCells(open, barred) > size - coverCount + finsLeft) return true;
        for (const int unit : unitsOf(cell)) {
            if (coverCount == size || !mayCover(unit) || ((barred >> unit) & 1u) != 0) continue;
            covers[coverCount++] = unit;
            const bool goOn = chooseCover(covered | unitCells[unit], barred, sight);
            --coverCount;
            if (!goOn) return false;
            barred |= std::uint64_t{1} << unit;
        }
        if (!finned || static_cast<int>(fins.size()) == kMostFins) return true;
        const CellSet seen = sight & peerSet(grid.kind(), cell);
        if (seen.empty()) return true;
        for (const int unit : unitsOf(cell))
            barred |= std::uint64_t{1} << unit;
        fins.push_back(cell);
        const bool goOn = chooseCover(covered, barred, seen);
        fins.pop_back();
        return goOn;
    }

    bool report(const CellSet& covered, const CellSet& sight) {
        if (finned == fins.empty()) return true;
        unsigned baseKinds = 0;
        unsigned coverKinds = 0;
        for (int i = 0; i < size; ++i) {
            baseKinds |= typeOf(bases[i]);
            coverKinds |= typeOf(covers[i]);
        }
        const auto within = [](unsigned kinds, unsigned allowed) {
            return (kinds & ~allowed) == 0;
        };
        const bool basic = (baseKinds == kRows && coverKinds == kColumns) ||
                           (baseKinds == kColumns && coverKinds == kRows);
        const bool franken =
            (within(baseKinds, kRows | kBlocks) && within(coverKinds, kColumns | kBlocks)) ||
            (within(baseKinds, kColumns | kBlocks) && within(coverKinds, kRows | kBlocks));
        if (basic || franken != (shape == FishShape::Franken)) return true;
        // Every base unit keeps a cell inside the covers.
        for (int i = 0; i < size; ++i)
            if (!unitCells[bases[i]].intersects(covered)) return true;
        CellSet removed;
        for (int i = 0; i < size; ++i)
            removed |= unitCells[covers[i]];
        removed -= baseCells;
        if (finned) removed &= sight;
        if (removed.empty()) return true;
        const GridKind& kind = grid.kind();
        Step step;
        removed.forEach([&](int cell) { step.eliminations.push_back({cell, value}); });
        step.cells = cellsOf(baseCells);
        step.values = {value};
        std::vector<int> baseList(bases.begin(), bases.begin() + size);
        std::vector<int> coverList(covers.begin(), covers.begin() + size);
        std::sort(baseList.begin(), baseList.end());
        std::sort(coverList.begin(), coverList.end());
        for (const int unit : baseList)
            step.units.push_back(unitRef(kind, unit));
        const std::string v = std::to_string(value);
        const std::string base = unitsText(kind, baseList);
        std::string reason = v + " fits only within " + unitsText(kind, coverList) + " there";
        const bool one = fins.size() == 1;
        if (finned)
            reason += ", apart from the fin" + std::string(one ? " " : "s ") + cellList(kind, fins);
        reason += ", which must therefore take their " + v + " in " + base;
        if (finned)
            reason += one ? " unless the fin is " + v + ", which every cell removed sees"
                          : " unless a fin is " + v + ", and every cell removed sees all the fins";
        finishStep(kind, step, complexFishTechnique(size, shape, finned), "on " + v + " in " + base,
                   reason);
        return (*sink)(std::move(step));
    }
};

// Runs `search(value, gone, sink)` for every value of the grid. A value's fish depend on its cells
// alone: the cells of a value that showed none are kept per grid kind and `slot`, and the value is
// passed over while they stay the same (the solver asks again after every step, mostly about
// other values). When the value has only lost cells since, `gone` holds those (else it is empty):
// a fish there now would, without them, have stood before, unless one of its base units held one
// of them, so the search may keep to bases that do.
template <typename Search>
bool forEachFishValue(const LogicGrid& grid, int slot, const StepSink& sink, const Search& search) {
    static constexpr int kSlots = 32;
    thread_local std::array<std::array<CellSet, kMaxSide + 1>, 2 * kSlots> barren;
    auto& none = barren[(grid.kind().isNine() ? 0 : kSlots) + slot];
    int reported = 0;
    const StepSink counted = [&](Step&& step) {
        ++reported;
        return sink(std::move(step));
    };
    for (int value = 1; value <= grid.side(); ++value) {
        const CellSet cells = candidateCells(grid, value);
        if (!cells.empty() && cells == none[value]) continue;
        const bool narrowed = !none[value].empty() && (cells - none[value]).empty();
        const int before = reported;
        if (!search(value, narrowed ? none[value] - cells : CellSet(), counted)) return false;
        if (reported == before) none[value] = cells;
    }
    return true;
}

}  // namespace

bool findFish(const LogicGrid& grid, int size, FishFins fins, const StepSink& sink) {
    const int side = grid.side();
    // One search for every value and direction, so that its lists' storage is reused.
    FishSearch fish{grid, size, fins, 0, 0, 0, 0, {}, {}, {}, {}, nullptr};
    return forEachFishValue(
        grid, size * 3 + static_cast<int>(fins), sink,
        [&](int value, const CellSet&, const StepSink& counted) {
            fish.value = value;
            fish.sink = &counted;
            for (const int baseFirst : {0, side}) {
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
            return true;
        });
}

bool findComplexFish(const LogicGrid& grid, int size, FishShape shape, bool finned,
                     const StepSink& sink) {
    ComplexFishSearch fish(grid, size, shape, finned);
    const int slot = 15 + (size - 2) * 4 + static_cast<int>(shape) * 2 + (finned ? 1 : 0);
    return forEachFishValue(grid, slot, sink,
                            [&](int value, const CellSet& gone, const StepSink& counted) {
                                return fish.run(value, gone, counted);
                            });
}

bool findSiameseFish(const LogicGrid& grid, int size, const StepSink& sink) {
    std::vector<Step> finned;
    for (const FishFins fins : {FishFins::Finned, FishFins::Sashimi})
        findFish(grid, size, fins, [&](Step&& step) {
            finned.push_back(std::move(step));
            return true;
        });
    static constexpr Technique kTechniques[] = {
        Technique::SiameseXWing, Technique::SiameseSwordfish, Technique::SiameseJellyfish};
    // The part of a fish step's text between its headline and its result.
    const auto reasonOf = [](const Step& step) {
        const std::size_t start = step.headline().size() + 2;
        return step.text.substr(start, step.text.rfind(", so ") - start);
    };
    for (std::size_t i = 0; i < finned.size(); ++i)
        for (std::size_t j = i + 1; j < finned.size(); ++j) {
            const Step& one = finned[i];
            const Step& two = finned[j];
            if (one.values != two.values || one.units != two.units) continue;
            const auto within = [](const Step& a, const Step& b) {
                return std::includes(b.eliminations.begin(), b.eliminations.end(),
                                     a.eliminations.begin(), a.eliminations.end());
            };
            if (within(one, two) || within(two, one)) continue;
            Step step;
            step.values = one.values;
            step.units = one.units;
            std::set_union(one.cells.begin(), one.cells.end(), two.cells.begin(), two.cells.end(),
                           std::back_inserter(step.cells));
            step.eliminations = one.eliminations;
            step.eliminations.insert(step.eliminations.end(), two.eliminations.begin(),
                                     two.eliminations.end());
            finishStep(grid.kind(), step, kTechniques[size - 2], one.where,
                       "as a " + std::string(techniqueInfo(one.technique).name) + ", " +
                           reasonOf(one) + "; as a " +
                           std::string(techniqueInfo(two.technique).name) + ", " + reasonOf(two));
            if (!sink(std::move(step))) return false;
        }
    return true;
}

}  // namespace quorvel::logic
