// Each technique on a grid where it applies and on a near miss where it must not, on both grid
// kinds where the block shape matters. The grids start with every candidate everywhere and are
// narrowed to the pattern, so nothing but the pattern can produce the step.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "engines/logic/logic_solver.h"
#include "engines/logic/rating_scale.h"
#include "engines/logic/step_text.h"
#include "engines/solver/solution_count.h"
#include "model/puzzle_line.h"

namespace quorvel::logic {
namespace {

int cellNamed(const GridKind& kind, const std::string& name) {
    const std::size_t c = name.find('c');
    return kind.cellAt(std::stoi(name.substr(1, c - 1)), std::stoi(name.substr(c + 1)));
}

std::vector<int> numbers(const std::string& list) {
    std::vector<int> values;
    std::stringstream in(list);
    for (std::string item; std::getline(in, item, ',');)
        values.push_back(std::stoi(item));
    return values;
}

// Narrowing commands separated by blanks:
//   r2c3=1,7       the candidates of r2c3 become 1 and 7
//   5@r2:r2c3,r2c7  5 stays in its row (r), column (c) or block (b) only in the cells named
//   r1c1:4         r1c1 holds the value 4, placed by the solver (r1c1!4: as a given)
//   givens:LINE    the puzzle line's values are placed as givens
//   5!r1c1,r2c7    5 stays in the grid only in the cells named
LogicGrid narrowed(const GridKind& kind, const std::string& commands) {
    LogicGrid grid(kind);
    std::stringstream in(commands);
    for (std::string command; in >> command;) {
        if (command.starts_with("givens:")) {
            const Puzzle puzzle = *parsePuzzleLine(command.substr(7)).puzzle;
            for (int cell = 1; cell <= kind.cellCount(); ++cell)
                if (puzzle.values[cell - 1] != 0) grid.place(cell, puzzle.values[cell - 1], true);
        } else if (const std::size_t only = command.find('!');
                   only != std::string::npos && command.front() != 'r') {
            const std::string list = "," + command.substr(only + 1) + ",";
            for (int cell = 1; cell <= kind.cellCount(); ++cell)
                if (list.find("," + cellName(kind, cell) + ",") == std::string::npos)
                    grid.removeCandidate(cell, std::stoi(command.substr(0, only)));
        } else if (const std::size_t at = command.find('@'); at != std::string::npos) {
            const int value = std::stoi(command.substr(0, at));
            const std::size_t colon = command.find(':');
            const int cell = [&] {
                std::string first = command.substr(colon + 1);
                return cellNamed(kind, first.substr(0, first.find(',')));
            }();
            const char type = command[at + 1];
            const int unit = type == 'r'   ? grid.rowUnit(cell)
                             : type == 'c' ? grid.columnUnit(cell)
                                           : grid.blockUnit(cell);
            std::vector<int> kept;
            std::stringstream cells(command.substr(colon + 1));
            for (std::string name; std::getline(cells, name, ',');)
                kept.push_back(cellNamed(kind, name));
            for (const int other : grid.unitCells(unit))
                if (std::find(kept.begin(), kept.end(), other) == kept.end())
                    grid.removeCandidate(other, value);
        } else if (const std::size_t eq = command.find('='); eq != std::string::npos) {
            ValueMask mask = 0;
            for (const int value : numbers(command.substr(eq + 1)))
                mask |= static_cast<ValueMask>(1u << value);
            grid.setCandidates(cellNamed(kind, command.substr(0, eq)), mask);
        } else {
            const std::size_t mark = command.find_first_of(":!");
            grid.place(cellNamed(kind, command.substr(0, mark)),
                       std::stoi(command.substr(mark + 1)), command[mark] == '!');
        }
    }
    return grid;
}

// The grids are taken to have one solution, as if the exact counter had shown it, for the
// uniqueness techniques; nets then stay shallow, as on a grid with several.
std::vector<Step> stepsOf(Technique technique, LogicGrid grid) {
    std::vector<Step> steps;
    grid.setOneSolution(techniqueInfo(technique).group == TechniqueGroup::Uniqueness);
    findSteps(technique, grid, [&](Step&& step) {
        steps.push_back(std::move(step));
        return true;
    });
    return steps;
}

struct TechniqueCase {
    Technique technique;
    const GridKind* kind;
    std::string pattern;
    std::string expected;  // "r5c5-3": 3 is removed from r5c5; "r1c4=5": 5 is placed in r1c4
    std::string nearMiss;  // narrowing commands that keep the technique from applying
};

// A puzzle with one solution, for the techniques that rest on its givens or values alone.
const std::string kTopPuzzle =
    "givens:4...3.......6..8..........1....5..9..8....6...7.2........1.27..5.3....4.9........ ";

const TechniqueCase kCases[] = {
    {Technique::FullHouse, &kNineGrid, "r1c1:1 r1c2:2 r1c3:3 r1c4:4 r1c5:5 r1c6:6 r1c7:7 r1c8:8",
     "r1c9=9", "r1c1:1 r1c2:2 r1c3:3 r1c4:4 r1c5:5 r1c6:6 r1c7:7"},
    {Technique::FullHouse, &kNineGrid, "r1c5:1 r2c5:2 r3c5:3 r4c5:4 r5c5:5 r6c5:6 r7c5:7 r8c5:8",
     "r9c5=9", "r1c5:1 r2c5:2 r3c5:3 r4c5:4 r5c5:5 r6c5:6 r7c5:7"},
    {Technique::FullHouse, &kFifteenGrid,
     "r1c1:1 r1c2:2 r1c3:3 r2c1:4 r2c2:5 r2c3:6 r3c1:7 r3c2:8 r3c3:9 r4c1:10 r4c2:11 r4c3:12 "
     "r5c1:13 r5c2:14",
     "r5c3=15", "r1c1:1 r1c2:2 r1c3:3 r2c1:4 r2c2:5 r2c3:6 r3c1:7 r3c2:8 r3c3:9 r4c1:10"},
    {Technique::NakedSingle, &kNineGrid, "r4c4=6", "r4c4=6", "r4c4=6,7"},
    {Technique::HiddenSingle, &kNineGrid, "5@c4:r7c4", "r7c4=5", "5@c4:r7c4,r8c4"},
    {Technique::HiddenSingle, &kFifteenGrid, "5@b2:r5c6", "r5c6=5", "5@b2:r5c6,r4c4"},
    {Technique::LockedPointing, &kNineGrid, "5@b1:r1c1,r1c2", "r1c9-5", "5@b1:r1c1,r2c2"},
    {Technique::LockedPointing, &kFifteenGrid, "5@b1:r1c1,r5c1", "r15c1-5", "5@b1:r1c1,r5c2"},
    {Technique::LockedClaiming, &kNineGrid, "5@r1:r1c1,r1c3", "r3c2-5", "5@r1:r1c1,r1c4"},
    {Technique::LockedClaiming, &kFifteenGrid, "5@c1:r1c1,r5c1", "r3c2-5", "5@c1:r1c1,r6c1"},
    {Technique::NakedPair, &kNineGrid, "r1c1=2,7 r1c5=2,7", "r1c9-7", "r1c1=2,7 r1c5=2,8"},
    {Technique::HiddenPair, &kNineGrid, "2@r1:r1c1,r1c5 7@r1:r1c1,r1c5", "r1c5-3",
     "2@r1:r1c1,r1c5 7@r1:r1c1,r1c6"},
    {Technique::NakedTriple, &kNineGrid, "r2c1=1,2 r2c5=2,3 r2c9=1,3", "r2c4-3",
     "r2c1=1,2 r2c5=2,3 r2c9=1,4"},
    {Technique::HiddenTriple, &kFifteenGrid, "1@b1:r1c1,r2c2 2@b1:r2c2,r5c3 3@b1:r1c1,r5c3",
     "r5c3-4", "1@b1:r1c1,r2c2 2@b1:r2c2,r5c3 3@b1:r1c1,r5c2"},
    {Technique::NakedQuad, &kNineGrid, "r1c1=1,2 r1c2=2,3 r1c3=3,4 r1c4=1,4", "r1c9-4",
     "r1c1=1,2 r1c2=2,3 r1c3=3,4 r1c4=1,5"},
    {Technique::HiddenQuad, &kNineGrid,
     "1@c1:r1c1,r2c1 2@c1:r2c1,r3c1 3@c1:r3c1,r9c1 4@c1:r9c1,r1c1", "r9c1-5",
     "1@c1:r1c1,r2c1 2@c1:r2c1,r3c1 3@c1:r3c1,r9c1 4@c1:r8c1,r1c1"},
    {Technique::XWing, &kFifteenGrid, "5@r2:r2c3,r2c14 5@r12:r12c3,r12c14", "r7c14-5",
     "5@r2:r2c3,r2c14 5@r12:r12c3,r12c13"},
    {Technique::Swordfish, &kNineGrid, "5@c1:r1c1,r4c1 5@c4:r4c4,r7c4 5@c7:r1c7,r7c7", "r1c2-5",
     "5@c1:r1c1,r4c1 5@c4:r4c4,r7c4 5@c7:r1c7,r8c7"},
    {Technique::Jellyfish, &kNineGrid,
     "6@r1:r1c1,r1c2 6@r3:r3c2,r3c5 6@r6:r6c5,r6c8 6@r8:r8c8,r8c1", "r9c5-6",
     "6@r1:r1c1,r1c2 6@r3:r3c2,r3c5 6@r6:r6c5,r6c8 6@r8:r8c8,r8c9"},
    {Technique::Skyscraper, &kNineGrid, "5@r1:r1c1,r1c5 5@r4:r4c1,r4c6", "r6c5-5",
     "5@r1:r1c1,r1c5 5@r4:r4c2,r4c6"},
    {Technique::TwoStringKite, &kNineGrid, "5@r1:r1c2,r1c8 5@c1:r3c1,r7c1", "r7c8-5",
     "5@r1:r1c2,r1c8 5@c1:r4c1,r7c1"},
    {Technique::TwoStringKite, &kFifteenGrid, "5@r1:r1c2,r1c14 5@c1:r4c1,r12c1", "r12c14-5",
     "5@r1:r1c2,r1c14 5@c1:r6c1,r12c1"},
    {Technique::FinnedXWing, &kNineGrid, "5@r1:r1c2,r1c8 5@r5:r5c2,r5c8,r5c9", "r4c8-5",
     "5@r1:r1c2,r1c8 5@r5:r5c2,r5c8,r5c9,r5c4"},
    {Technique::FinnedXWing, &kFifteenGrid, "5@c1:r2c1,r12c1 5@c4:r2c4,r12c4,r14c4", "r12c5-5",
     "5@c1:r2c1,r12c1 5@c4:r2c4,r12c4,r10c4"},
    {Technique::SashimiXWing, &kNineGrid, "5@r1:r1c2,r1c8 5@r5:r5c8,r5c9", "r4c8-5",
     "5@r1:r1c2,r1c8 5@r5:r5c2,r5c8,r5c9"},
    {Technique::FinnedSwordfish, &kNineGrid, "5@r1:r1c1,r1c5 5@r4:r4c5,r4c9 5@r7:r7c1,r7c9,r7c8",
     "r8c9-5", "5@r1:r1c1,r1c5 5@r4:r4c5,r4c9 5@r7:r7c1,r7c9,r7c8,r7c2"},
    {Technique::SashimiSwordfish, &kNineGrid, "5@r1:r1c1,r1c5 5@r4:r4c5,r4c9 5@r7:r7c9,r7c8",
     "r8c9-5", "5@r1:r1c1,r1c5 5@r4:r4c5,r4c9 5@r7:r7c1,r7c9,r7c8"},
    {Technique::FinnedJellyfish, &kNineGrid,
     "6@r1:r1c1,r1c2 6@r3:r3c2,r3c5 6@r6:r6c5,r6c8 6@r8:r8c8,r8c1,r8c9", "r9c8-6",
     "6@r1:r1c1,r1c2 6@r3:r3c2,r3c5 6@r6:r6c5,r6c8 6@r8:r8c8,r8c1,r8c9,r8c4"},
    {Technique::SashimiJellyfish, &kNineGrid,
     "6@r1:r1c1,r1c2 6@r3:r3c2,r3c5 6@r6:r6c5,r6c8 6@r8:r8c8,r8c9", "r9c8-6",
     "6@r1:r1c1,r1c2 6@r3:r3c2,r3c5 6@r6:r6c5,r6c8 6@r8:r8c8,r8c9,r8c4"},
    {Technique::TurbotFish, &kNineGrid, "5@b1:r1c1,r3c2 5@c5:r3c5,r8c5", "r8c1-5",
     "5@b1:r1c1,r3c2 5@c5:r4c5,r8c5"},
    {Technique::EmptyRectangle, &kNineGrid, "5@b1:r2c1,r2c3,r1c2,r3c2 5@c7:r2c7,r8c7", "r8c2-5",
     "5@b1:r2c1,r2c3,r1c2,r3c2,r1c1 5@c7:r2c7,r8c7"},
    {Technique::EmptyRectangle, &kFifteenGrid, "5@b1:r3c1,r3c3,r1c2,r5c2 5@c7:r3c7,r13c7",
     "r13c2-5", "5@b1:r3c1,r3c3,r1c2,r5c2,r1c1 5@c7:r3c7,r13c7"},
    {Technique::XChain, &kNineGrid, "5@r1:r1c1,r1c5 5@r4:r4c5,r4c8 5@r7:r7c8,r7c2", "r8c1-5",
     "5@r1:r1c1,r1c5 5@r4:r4c5,r4c8,r4c9 5@r7:r7c8,r7c2"},
    {Technique::WxyzWing, &kNineGrid, "r1c1=1,2,3,4 r2c2=1,4 r1c5=2,4 r2c3=3,4", "r1c3-4",
     "r1c1=1,2,3,4 r2c2=1,4 r1c5=2,4 r2c3=3,5"},
    {Technique::XyWing, &kNineGrid, "r1c1=1,2 r1c5=1,3 r5c1=2,3", "r5c5-3",
     "r1c1=1,2 r1c5=1,3 r5c1=2,4"},
    {Technique::XyzWing, &kNineGrid, "r1c1=1,2,3 r2c2=1,3 r1c5=2,3", "r1c3-3",
     "r1c1=1,2,3 r2c2=1,3 r1c5=2,4"},
    {Technique::XyzWing, &kFifteenGrid, "r1c1=1,2,3 r5c2=1,3 r1c9=2,3", "r1c3-3",
     "r1c1=1,2,3 r6c2=1,3 r1c9=2,3"},
    {Technique::WWing, &kNineGrid, "r1c1=1,2 r5c6=1,2 1@r9:r9c1,r9c6", "r5c1-2",
     "r1c1=1,2 r5c6=1,2 1@r9:r9c1,r9c7"},
    {Technique::SimpleColouring, &kNineGrid,
     "5@r1:r1c1,r1c4 5@c4:r1c4,r7c4 5@r7:r7c4,r7c8 "
     "5@c8:r7c8,r3c8",
     "r3c5-5",
     "5@r1:r1c1,r1c4 5@c4:r1c4,r7c4 5@r7:r7c4,r7c8 "
     "5@c8:r7c8,r3c8,r9c8"},
    {Technique::SimpleColouring, &kNineGrid,
     "5@r1:r1c1,r1c4 5@c4:r1c4,r7c4 5@r7:r7c4,r7c8 "
     "5@c8:r7c8,r2c8 5@r2:r2c8,r2c5",
     "r7c8-5",
     "5@r1:r1c1,r1c4 5@c4:r1c4,r7c4 "
     "5@r7:r7c4,r7c8 5@c8:r7c8,r3c8,r9c8"},
    {Technique::UniqueRectangle1, &kNineGrid, "r1c1=1,2 r1c4=1,2 r3c1=1,2 r3c4=1,2,5", "r3c4-2",
     "r1c1=1,2 r1c4=1,2 r4c1=1,2 r4c4=1,2,5"},
    {Technique::UniqueRectangle1, &kFifteenGrid, "r1c1=1,2 r1c4=1,2 r5c1=1,2 r5c4=1,2,5", "r5c4-1",
     "r1c1=1,2 r1c4=1,2 r6c1=1,2 r6c4=1,2,5"},
    {Technique::UniqueRectangle2, &kNineGrid, "r1c1=1,2 r1c4=1,2 r3c1=1,2,7 r3c4=1,2,7", "r3c9-7",
     "r1c1=1,2 r1c4=1,2 r3c1=1,2,7 r3c4=1,2,8"},
    {Technique::UniqueRectangle3, &kNineGrid, "r1c1=1,2 r1c4=1,2 r3c1=1,2,7 r3c4=1,2,8 r3c7=7,8",
     "r3c9-8", "r1c1=1,2 r1c4=1,2 r3c1=1,2,7 r3c4=1,2,8 r3c7=7,9"},
    {Technique::UniqueRectangle4, &kNineGrid,
     "r1c1=1,2 r1c4=1,2 r3c1=1,2,7 r3c4=1,2,8 1@r3:r3c1,r3c4", "r3c1-2",
     "r1c1=1,2 r1c4=1,2 r3c1=1,2,7 r3c4=1,2,8 1@r3:r3c1,r3c4,r3c9"},
    {Technique::UniqueRectangle5, &kNineGrid, "r1c1=1,2 r1c4=1,2,7 r3c1=1,2,7 r3c4=1,2", "r1c2-7",
     "r1c1=1,2 r1c4=1,2,7 r3c1=1,2,8 r3c4=1,2"},
    {Technique::UniqueRectangle6, &kNineGrid,
     "r1c1=1,2 r1c4=1,2,7 r3c1=1,2,8 r3c4=1,2 1@r1:r1c1,r1c4 1@r3:r3c1,r3c4", "r1c4-1",
     "r1c1=1,2 r1c4=1,2,7 r3c1=1,2,8 r3c4=1,2 1@r1:r1c1,r1c4 1@r3:r3c1,r3c4,r3c9"},
    {Technique::HiddenRectangle, &kNineGrid, "r1c1=1,2 1@r3:r3c1,r3c4 1@c4:r1c4,r3c4", "r3c4-2",
     "r1c1=1,2 1@r3:r3c1,r3c4 1@c4:r1c4,r3c4,r9c4"},
    {Technique::DualTwoStringKite, &kNineGrid, "5@r1:r1c2,r1c8 5@c1:r3c1,r7c1 5@c3:r2c3,r8c3",
     "r8c8-5", "5@r1:r1c2,r1c8 5@c1:r3c1,r7c1 5@c3:r2c3,r8c3,r9c3"},
    {Technique::DualTwoStringKite, &kFifteenGrid, "5@r1:r1c2,r1c14 5@c1:r4c1,r12c1 5@c3:r2c3,r13c3",
     "r13c14-5", "5@r1:r1c2,r1c14 5@c1:r4c1,r12c1 5@c3:r2c3,r13c3,r14c3"},
    {Technique::DualEmptyRectangle, &kNineGrid,
     "5@b1:r2c1,r2c3,r1c2,r3c2 5@c7:r2c7,r8c7 5@r5:r5c2,r5c8", "r2c8-5",
     "5@b1:r2c1,r2c3,r1c2,r3c2 5@c7:r2c7,r8c7 5@r5:r5c2,r5c8,r5c9"},
    {Technique::DualEmptyRectangle, &kNineGrid,
     "5@b1:r2c1,r2c3,r1c2,r3c2 5@r5:r5c2,r5c8 5@b9:r8c9,r8c7,r9c8,r7c8 5@c3:r8c3,r2c3", "r8c2-5",
     "5@b1:r2c1,r2c3,r1c2,r3c2 5@r5:r5c2,r5c8 5@b9:r8c9,r8c7,r9c8,r7c8 5@c3:r8c3,r2c3,r4c3"},
    {Technique::DualEmptyRectangle, &kFifteenGrid,
     "5@b1:r3c1,r3c3,r1c2,r5c2 5@c7:r3c7,r13c7 5@r8:r8c2,r8c8", "r3c8-5",
     "5@b1:r3c1,r3c3,r1c2,r5c2 5@c7:r3c7,r13c7 5@r8:r8c2,r8c8,r8c9"},
    {Technique::MultiColouring, &kNineGrid, "5@r1:r1c1,r1c5 5@c5:r1c5,r7c5 5@c2:r2c2,r7c2",
     "r1c1-5", "5@r1:r1c1,r1c5 5@c5:r1c5,r7c5 5@c2:r2c2,r8c2"},
    {Technique::MultiColouring, &kNineGrid, "5@r1:r1c1,r1c5 5@c2:r2c2,r8c2", "r8c5-5",
     "5@r1:r1c1,r1c5 5@c2:r4c2,r8c2"},
    {Technique::MultiColouring, &kFifteenGrid, "5@r1:r1c1,r1c5 5@c2:r2c2,r12c2", "r12c5-5",
     "5@r1:r1c1,r1c5 5@c2:r7c2,r12c2"},
    {Technique::Medusa, &kNineGrid,
     "r1c1=1,2 r1c5=1,3 1@r1:r1c1,r1c5 2@c1:r1c1,r5c1 3@c5:r1c5,r5c5", "r5c5-2",
     "r1c1=1,2 r1c5=1,3,4 1@r1:r1c1,r1c5 2@c1:r1c1,r5c1 3@c5:r1c5,r5c5"},
    {Technique::Medusa, &kFifteenGrid,
     "r1c1=1,2 r1c5=1,3 1@r1:r1c1,r1c5 2@c1:r1c1,r7c1 3@c5:r1c5,r7c5", "r7c5-2",
     "r1c1=1,2 r1c5=1,3,4 1@r1:r1c1,r1c5 2@c1:r1c1,r7c1 3@c5:r1c5,r7c5"},
    {Technique::AvoidableRectangle1, &kNineGrid, kTopPuzzle + "r3c4:5 r3c2:9 r1c4:9", "r1c2-5",
     kTopPuzzle + "r3c4!5 r3c2:9 r1c4:9"},
    {Technique::AvoidableRectangle2, &kNineGrid, kTopPuzzle + "r1c4:9 r3c4:5 r1c2=5,6 r3c2=6,9",
     "r1c3-6", kTopPuzzle + "r1c4:9 r3c4!5 r1c2=5,6 r3c2=6,9"},
    {Technique::UniqueRectangleMissing, &kNineGrid,
     kTopPuzzle + "r3c4=5,9 r3c2=5,9 r1c4=5,9 r1c2=5,6", "r1c2-5",
     kTopPuzzle + "r3c4=5,9 r3c2=5,9 r1c4=5,9 r1c2=5,6,9"},
    {Technique::SueDeCoq, &kNineGrid, "r1c1=1,2,3,4 r1c2=1,2,3,4 r1c5=1,2 r2c1=3,4", "r1c3-1",
     "r1c1=1,2,3,4 r1c2=1,2,3,4 r1c5=1,2 r2c1=3,5"},
    {Technique::SueDeCoq, &kFifteenGrid, "r1c1=1,2,3 r2c1=3,4 r3c1=4,5 r9c1=1,2 r4c2=4,5", "r4c1-3",
     "r1c1=1,2,3 r2c1=3,4 r3c1=4,5 r9c1=1,6 r4c2=4,5"},
    {Technique::AlsXz, &kNineGrid, "r1c1=1,2 r4c1=2,3 r4c5=1,3", "r1c5-1",
     "r1c1=1,2 r4c1=2,3 r4c5=1,4"},
    {Technique::AlsXyWing, &kNineGrid, "r1c1=1,2 r1c5=2,4 r1c6=3,4 r5c6=1,3", "r5c1-1",
     "r1c1=1,2 r1c5=2,4 r1c6=3,4 r5c7=1,3"},
    {Technique::AlignedPairExclusion, &kNineGrid, "r1c1=1,2,3 r2c5=1,2 r1c5=1,3 r2c2=2,3", "r1c1-3",
     "r1c1=1,2,3 r2c5=1,2 r1c5=1,3 r2c2=2,4"},
    {Technique::AlsXyChain, &kNineGrid, "r1c1=1,2 r1c5=2,6 r2c5=3,6 r5c5=3,7 r5c6=4,7 r8c6=4,1",
     "r8c1-1", "r1c1=1,2 r1c5=2,6 r2c5=3,6 r5c5=3,7 r5c6=4,7 r8c6=4,5"},
    {Technique::DeathBlossom, &kNineGrid, "r5c5=1,2,3 r5c1=1,7 r5c2=2,7 r5c3=3,7", "r4c1-7",
     "r5c5=1,2,3 r5c1=1,7 r5c2=2,7 r5c3=3,8"},
    {Technique::RemotePair, &kNineGrid, "r1c1=1,2 r1c5=1,2 r4c5=1,2 r4c8=1,2", "r4c1-2",
     "r1c1=1,2 r1c5=1,2 r4c5=1,2 r4c8=1,3"},
    {Technique::XyChain, &kNineGrid, "r1c1=1,2 r1c5=2,3 r4c5=3,4 r4c8=4,1", "r4c1-1",
     "r1c1=1,2 r1c5=2,3 r4c5=3,4 r4c8=4,5"},
    {Technique::Aic, &kNineGrid, "r1c1=1,2 2@c5:r1c5,r4c5 r4c8=1,2", "r4c1-1",
     "r1c1=1,2 2@c5:r1c5,r4c5,r9c5 r4c8=1,2"},
    {Technique::DiscontinuousNiceLoop, &kNineGrid, "r1c1=1,2 2@c5:r1c5,r4c5 r4c8=1,2", "r1c8-1",
     "r1c1=1,2 2@c5:r1c5,r4c5,r9c5 r4c8=1,2"},
    {Technique::ContinuousNiceLoop, &kNineGrid, "r1c1=1,2 r1c5=2,3 r4c5=3,4 r4c1=4,1", "r1c9-2",
     "r1c1=1,2 r1c5=2,3 r4c5=3,4 r4c1=4,5"},
    {Technique::GroupedAic, &kNineGrid, "r1c1=1,2 2@b2:r1c4,r1c5,r3c6 r3c8=1,2", "r3c2-1",
     "r1c1=1,2 2@b2:r1c4,r2c5,r3c6 r3c8=1,2"},
    {Technique::GroupedAic, &kFifteenGrid, "r1c1=1,2 2@b6:r6c1,r8c1,r10c3 r10c9=1,2", "r10c1-1",
     "r1c1=1,2 2@b6:r6c1,r8c2,r10c3 r10c9=1,2"},
    {Technique::GroupedDiscontinuousNiceLoop, &kNineGrid, "r1c1=1,2 2@b2:r1c4,r1c5,r3c6 r3c8=1,2",
     "r1c7-1", "r1c1=1,2 2@b2:r1c4,r2c5,r3c6 r3c8=1,2"},
    {Technique::GroupedContinuousNiceLoop, &kNineGrid,
     "5@r1:r1c1,r1c5 5@c2:r2c2,r5c2 5@b5:r4c5,r6c5,r5c4", "r8c5-5",
     "5@r1:r1c1,r1c5 5@c2:r2c2,r5c2 5@b5:r4c5,r6c5,r5c4,r4c6"},
    {Technique::GroupedContinuousNiceLoop, &kFifteenGrid,
     "5@r1:r1c1,r1c5 5@c2:r2c2,r8c2 5@b7:r7c5,r9c5,r8c4", "r14c5-5",
     "5@r1:r1c1,r1c5 5@c2:r2c2,r8c2 5@b7:r7c5,r9c5,r8c4,r7c6"},
    {Technique::ForcingChainContradiction, &kNineGrid,
     "r1c1=1,2,3 2@r1:r1c1,r1c9 3@c1:r1c1,r9c1 r9c9=2,3", "r1c1-1",
     "r1c1=1,2,3 2@r1:r1c1,r1c9 3@c1:r1c1,r9c1 r9c9=2,3,5"},
    {Technique::ForcingChainVerity, &kNineGrid, "r1c1=1,2,3 r1c5=1,9 r5c1=2,9 r2c2=3,8 r2c5=8,9",
     "r5c5-9", "r1c1=1,2,3 r1c5=1,9 r5c1=2,9 r2c2=3,8 r2c5=8,7"},
    // Locked Pair and Triple: a naked pair or triple where a block meets a line.
    {Technique::LockedPair, &kNineGrid, "r1c1=2,7 r1c2=2,7", "r2c2-7", "r1c1=2,7 r2c2=2,7"},
    {Technique::LockedPair, &kFifteenGrid, "r1c1=2,7 r5c1=2,7", "r2c2-7", "r1c1=2,7 r6c1=2,7"},
    {Technique::LockedTriple, &kNineGrid, "r1c1=1,2 r1c2=2,3 r1c3=1,3", "r2c2-1",
     "r1c1=1,2 r1c2=2,3 r1c4=1,3"},
    {Technique::LockedTriple, &kFifteenGrid, "r1c1=1,2 r3c1=2,3 r5c1=1,3", "r2c2-1",
     "r1c1=1,2 r3c1=2,3 r5c2=1,3"},
    // Franken fish: rows and a block against columns; Mutant: a row and a column against a
    // block and rows.
    {Technique::FrankenXWing, &kNineGrid, "5@r1:r1c1,r1c4 5@b8:r7c4,r8c4", "r5c1-5",
     "5@r1:r1c1,r1c4 5@b8:r7c4,r8c5"},
    {Technique::FrankenXWing, &kFifteenGrid, "5@r1:r1c1,r1c4 5@b7:r6c4,r9c4", "r12c1-5",
     "5@r1:r1c1,r1c4 5@b7:r6c4,r9c5"},
    {Technique::FinnedFrankenXWing, &kNineGrid, "5@r1:r1c1,r1c4,r1c2 5@b8:r7c4,r8c4", "r2c1-5",
     "5!r1c1,r1c4,r1c9,r7c4,r8c4,r5c1"},
    {Technique::FinnedFrankenXWing, &kFifteenGrid, "5@r1:r1c1,r1c4,r1c2 5@b7:r6c4,r9c4", "r2c1-5",
     "5!r1c1,r1c4,r1c15,r6c4,r9c4,r12c1"},
    {Technique::MutantXWing, &kNineGrid, "5@r1:r1c2,r1c3 5@c1:r2c1,r7c1", "r7c5-5",
     "5@r1:r1c2,r1c4 5@c1:r2c1,r7c1"},
    {Technique::MutantXWing, &kFifteenGrid, "5@r1:r1c2,r1c3 5@c1:r2c1,r12c1", "r12c5-5",
     "5@r1:r1c2,r1c4 5@c1:r2c1,r12c1"},
    {Technique::FinnedMutantXWing, &kNineGrid, "5@r1:r1c2,r1c3,r1c5 5@c1:r2c1,r7c1", "r7c5-5",
     "5!r1c2,r1c3,r1c5,r2c1,r7c1,r7c8"},
    {Technique::FinnedMutantXWing, &kFifteenGrid, "5@r1:r1c2,r1c3,r1c5 5@c1:r2c1,r12c1", "r12c5-5",
     "5@r1:r1c2,r1c3,r1c5 5@c1:r2c1,r12c1 5@c5:r1c5,r2c5"},
    {Technique::FrankenSwordfish, &kNineGrid, "5@r1:r1c1,r1c4 5@r2:r2c1,r2c7 5@b9:r7c7,r9c7",
     "r5c4-5", "5@r1:r1c1,r1c4 5@r2:r2c1,r2c7 5@b9:r7c7,r8c8"},
    {Technique::FrankenSwordfish, &kFifteenGrid, "5@r1:r1c1,r1c4 5@r2:r2c1,r2c7 5@b8:r6c7,r9c7",
     "r12c4-5", "5@r1:r1c1,r1c4 5@r2:r2c1,r2c7 5@b8:r6c7,r9c8"},
    {Technique::FinnedFrankenSwordfish, &kNineGrid,
     "5@r1:r1c1,r1c4,r1c2 5@r2:r2c1,r2c7 5@b9:r7c7,r9c7", "r3c1-5",
     "5!r1c1,r1c2,r1c4,r2c1,r2c7,r7c7,r9c7,r5c1"},
    {Technique::MutantSwordfish, &kNineGrid, "5@r1:r1c2,r1c3 5@c1:r2c1,r7c1 5@c9:r4c9,r7c9",
     "r4c5-5", "5!r1c2,r1c3,r2c1,r7c1,r4c9,r8c9,r4c5"},
    {Technique::FinnedMutantSwordfish, &kNineGrid,
     "5@r1:r1c2,r1c3,r1c5 5@c1:r2c1,r7c1 5@c9:r4c9,r7c9", "r7c5-5",
     "5!r1c2,r1c3,r1c5,r2c1,r7c1,r4c9,r7c9,r7c6"},
    {Technique::FrankenJellyfish, &kNineGrid,
     "5@r1:r1c1,r1c4 5@r2:r2c1,r2c7 5@b9:r7c7,r9c7 5@r4:r4c4,r4c9", "r5c9-5",
     "5!r1c1,r1c4,r2c1,r2c7,r7c7,r8c8,r4c4,r4c9,r5c9"},
    {Technique::FinnedFrankenJellyfish, &kNineGrid,
     "5@r1:r1c1,r1c4,r1c2 5@r2:r2c1,r2c7 5@b9:r7c7,r9c7 5@r4:r4c4,r4c9", "r3c1-5",
     "5!r1c1,r1c2,r1c4,r2c1,r2c7,r7c7,r9c7,r4c4,r4c9,r6c1"},
    {Technique::MutantJellyfish, &kNineGrid,
     "5@r1:r1c2,r1c3 5@c1:r2c1,r7c1 5@c9:r4c9,r7c9 5@c5:r4c5,r6c5", "r6c2-5",
     "5!r1c2,r1c3,r2c1,r7c1,r4c9,r7c9,r4c5,r8c5,r6c2"},
    {Technique::FinnedMutantJellyfish, &kNineGrid,
     "5@r1:r1c2,r1c3,r1c8 5@c1:r2c1,r7c1 5@c9:r4c9,r7c9 5@c5:r4c5,r6c5", "r6c8-5",
     "5!r1c2,r1c3,r1c8,r2c1,r7c1,r4c9,r7c9,r4c5,r6c5,r6c2"},
    // Siamese fish: two finned fish on rows 1 and 2 (and more), fins in block 2 either way.
    {Technique::SiameseXWing, &kNineGrid, "5@r1:r1c1,r1c4,r1c5 5@r2:r2c1,r2c4,r2c5", "r3c5-5",
     "5@r1:r1c1,r1c4,r1c5 5@r2:r2c1,r2c4,r2c5 5@c5:r1c5,r2c5"},
    {Technique::SiameseSwordfish, &kNineGrid,
     "5@r1:r1c1,r1c4,r1c5 5@r2:r2c1,r2c4,r2c5 5@r5:r5c1,r5c7", "r3c5-5",
     "5@r1:r1c1,r1c4,r1c5 5@r2:r2c1,r2c4,r2c5 5@r5:r5c1,r5c7 5@c5:r1c5,r2c5"},
    {Technique::SiameseJellyfish, &kNineGrid,
     "5@r1:r1c1,r1c4,r1c5 5@r2:r2c1,r2c4,r2c5 5@r5:r5c1,r5c7 5@r8:r8c7,r8c9", "r3c5-5",
     "5@r1:r1c1,r1c4,r1c5 5@r2:r2c1,r2c4,r2c5 5@r5:r5c1,r5c7 5@r8:r8c7,r8c9 5@c5:r1c5,r2c5 "
     "5@b9:r8c7,r8c9"},
    // Aligned Triple Exclusion: r1c1 and r1c2 cannot take 1 and 2, which r1c5 needs.
    {Technique::AlignedTripleExclusion, &kNineGrid, "r1c1=1,2,3 r1c2=1,2,3 r1c3=3,4 r1c5=1,2",
     "r1c3-3", "r1c1=1,2,3 r1c2=1,2,3 r1c3=3,4 r1c5=1,5"},
    {Technique::AlignedTripleExclusion, &kNineGrid, "r9c1=1,2,3 r9c2=1,2,3 r9c3=3,4 r9c9=1,2",
     "r9c3-3", "r9c1=1,2,3 r9c2=1,2,3 r9c3=3,4 r9c9=1,5"},
    {Technique::AlignedTripleExclusion, &kFifteenGrid, "r1c1=1,2,3 r2c2=1,2,3 r5c3=3,4 r3c1=1,2",
     "r5c3-3", "r1c1=1,2,3 r2c2=1,2,3 r5c3=3,4 r3c1=1,5"},
    {Technique::ForcingNet, &kNineGrid,
     "r1c1=1,2,3 2@r1:r1c1,r1c9 3@c1:r1c1,r9c1 r9c9=2,3,4 4@r7:r7c7,r7c8", "r1c1-1",
     "r1c1=1,2,3 2@r1:r1c1,r1c9 3@c1:r1c1,r9c1 r9c9=2,3,4 4@r7:r7c7,r7c8,r7c1"},
    {Technique::ForcingNet, &kFifteenGrid,
     "r1c1=1,2,3 2@r1:r1c1,r1c15 3@c1:r1c1,r15c1 r15c15=2,3,4 4@r11:r11c13,r11c14", "r1c1-1",
     "r1c1=1,2,3 2@r1:r1c1,r1c15 3@c1:r1c1,r15c1 r15c15=2,3,4 4@r11:r11c13,r11c14,r11c1"},
};

bool stepHas(const Step& step, const GridKind& kind, const std::string& expected) {
    const std::size_t mark = expected.find_first_of("=-");
    const CellValue wanted{cellNamed(kind, expected.substr(0, mark)),
                           std::stoi(expected.substr(mark + 1))};
    const auto& list = expected[mark] == '=' ? step.placements : step.eliminations;
    return std::find(list.begin(), list.end(), wanted) != list.end();
}

TEST(Techniques, ApplyToTheirPatternAndNotToANearMiss) {
    for (const TechniqueCase& c : kCases) {
        const std::string name = std::string(techniqueInfo(c.technique).name) + " on " +
                                 std::to_string(c.kind->side) + ": ";
        const std::vector<Step> steps = stepsOf(c.technique, narrowed(*c.kind, c.pattern));
        ASSERT_FALSE(steps.empty()) << name << c.pattern;
        EXPECT_TRUE(std::any_of(steps.begin(), steps.end(),
                                [&](const Step& s) { return stepHas(s, *c.kind, c.expected); }))
            << name << steps.front().text;
        for (const Step& step : steps) {
            EXPECT_EQ(step.technique, c.technique) << name;
            // The chains and nets carry their links for drawing.
            EXPECT_TRUE(techniqueInfo(c.technique).group < TechniqueGroup::Chain ||
                        !step.chain.empty())
                << name;
            EXPECT_EQ(step.text.rfind(step.headline() + ": ", 0), 0u) << name << step.text;
        }
        const std::vector<Step> missed = stepsOf(c.technique, narrowed(*c.kind, c.nearMiss));
        EXPECT_TRUE(missed.empty()) << name << "near miss: " << missed.front().text;
    }
}

TEST(Techniques, ExplainInPlainWords) {
    const struct {
        Technique technique;
        const GridKind* kind;
        std::string text;
        int pattern = 0;  // which of the technique's patterns on that grid kind, in table order
    } cases[] = {
        {Technique::HiddenSingle, &kFifteenGrid,
         "Hidden Single in block 2: 5 fits only in r5c6, so r5c6 is 5."},
        {Technique::LockedClaiming, &kFifteenGrid,
         "Locked Candidates (Claiming) on 5 in column 1: 5 can only go in r1c1 and r5c1, which "
         "lie in block 1, so remove 5 from r1c2, r1c3, r2c2, r2c3, r3c2, r3c3, r4c2, r4c3, r5c2 "
         "and r5c3."},
        {Technique::HiddenPair, &kNineGrid,
         "Hidden Pair in row 1: 2 and 7 fit only in r1c1 and r1c5, so remove 1, 3, 4, 5, 6, 8 "
         "and 9 from r1c1 and r1c5."},
        {Technique::Swordfish, &kNineGrid,
         "Swordfish on 5 in columns 1, 4 and 7: 5 fits only within rows 1, 4 and 7 there, which "
         "must therefore take their 5 in those columns, so remove 5 from r1c2, r1c3, r1c5, r1c6, "
         "r1c8, r1c9, r4c2, r4c3, r4c5, r4c6, r4c8, r4c9, r7c2, r7c3, r7c5, r7c6, r7c8 and r7c9."},
        {Technique::TwoStringKite, &kFifteenGrid,
         "Two-String Kite on 5 in row 1 and column 1: 5 fits only twice in row 1 (r1c2, r1c14) "
         "and in column 1 (r4c1, r12c1); r1c2 and r4c1 share block 1 and cannot both be 5, which "
         "leaves 5 in r1c14 or r12c1, so remove 5 from r12c14."},
        {Technique::WWing, &kNineGrid,
         "W-Wing on r1c1 and r5c6: r1c1 (1/2) and r5c6 (1/2) are joined by 1 in row 9, which fits "
         "only in r9c1 and r9c6; one of the two is 2, since if either were 1 the other would be "
         "2, so remove 2 from r1c6 and r5c1."},
        {Technique::XyChain, &kNineGrid,
         "XY-Chain on 1 from r1c1 to r4c8: r1c1 (1/2) - r1c5 (2/3) - r4c5 (3/4) - r4c8 (1/4): "
         "one of r1c1 and r4c8 is 1, since if r1c1 is not 1, each cell takes the value it does "
         "not share with the one before and r4c8 is 1, so remove 1 from r1c8 and r4c1."},
        {Technique::SimpleColouring, &kNineGrid,
         "Simple Colouring on 5 from r1c1: the strong links on 5 join r1c1, r7c4 and r2c8 (colour "
         "A) and r1c4, r7c8 and r2c5 (colour B); the value is in all cells of one colour and in "
         "none of the other; two cells of colour B see each other, which makes colour B the one "
         "without it, so remove 5 from r1c4, r2c5 and r7c8.",
         1},
        {Technique::Medusa, &kNineGrid,
         "3D Medusa from 1 in r1c1: the strong links join 1 in r1c1, 2 in r5c1 and 3 in r1c5 "
         "(colour A) and 2 in r1c1, 1 in r1c5 and 3 in r5c5 (colour B); every candidate of one "
         "colour is true, none of the other; each candidate removed sees both colours, in its cell "
         "or in its units, so remove 2 from r5c5; 3 from r5c1."},
        {Technique::AvoidableRectangle1, &kNineGrid,
         "Avoidable Rectangle Type 1 on 5 and 9 at r1c2, r1c4, r3c2 and r3c4: since the puzzle has "
         "one solution, r1c2, r1c4, r3c2 and r3c4, none of them a given, cannot end up holding "
         "only 5 and 9, which could swap; r3c4 is 5, r3c2 and r1c4 are 9, which leaves r1c2 to "
         "take a value other than 5, so remove 5 from r1c2."},
        {Technique::MultiColouring, &kNineGrid,
         "Multi-Colouring on 5 from r1c1 and r2c2: the strong links on 5 join r1c1 and r7c5 "
         "(colour A) and r1c5 (colour B), and apart from them r2c2 (colour C) and r7c2 (colour "
         "D); in each pair of colours one holds 5 in all its cells; r1c1 (colour A) sees r2c2 "
         "(colour C) and r7c5 (colour A) sees r7c2 (colour D), so colour A would leave neither C "
         "nor D the value, which makes colour A the one without it, so remove 5 from r1c1 and "
         "r7c5."},
        {Technique::GroupedAic, &kFifteenGrid,
         "Grouped AIC from r1c1 to r10c9: r1c1 is not 1, so r1c1 is 2, so neither r6c1 nor r8c1 "
         "is 2, so r10c3 is 2, so r10c9 is not 2, so r10c9 is 1: r1c1 is 1 or r10c9 is 1, so "
         "remove 1 from r1c9 and r10c1."},
        {Technique::ContinuousNiceLoop, &kNineGrid,
         "Continuous Nice Loop at r1c1: r1c1 is 1, so r4c1 is not 1, so r4c1 is 4, so r4c5 is "
         "not 4, so r4c5 is 3, so r1c5 is not 3, so r1c5 is 2, so r1c1 is not 2, so r1c1 is 1: "
         "the loop closes, so each of its links has exactly one true end, so remove 1 from r2c1, "
         "r3c1, r5c1, r6c1, r7c1, r8c1 and r9c1; 2 from r1c2, r1c3, r1c4, r1c6, r1c7, r1c8 and "
         "r1c9; 3 from r2c5, r3c5, r5c5, r6c5, r7c5, r8c5 and r9c5; 4 from r4c2, r4c3, r4c4, "
         "r4c6, r4c7, r4c8 and r4c9."},
        {Technique::ForcingChainContradiction, &kNineGrid,
         "Forcing Chain Contradiction at r9c2: if r9c2 is 3:\nr9c2 is 3, so r9c1 and r9c9 are "
         "not 3\nr9c1 is not 3, so r1c1 is 3, so r1c1 is not 2\n"
         "r9c9 is not 3, so r9c9 is 2, so r1c9 is not 2\nthen 2 has no place left in row 1, so "
         "remove 3 from r9c2."},
    };
    for (const auto& c : cases) {
        int skipped = 0;
        const auto pattern = std::find_if(std::begin(kCases), std::end(kCases), [&](const auto& t) {
            return t.technique == c.technique && t.kind == c.kind && skipped++ == c.pattern;
        });
        const std::vector<Step> steps = stepsOf(c.technique, narrowed(*c.kind, pattern->pattern));
        ASSERT_FALSE(steps.empty());
        EXPECT_EQ(steps.front().text, c.text);
    }
}

// The one-sentence summary: the text when it is short, else the technique with what decides
// (the assumption and where it ends, a chain's two ends) and what it does, cut short to fit.
TEST(Techniques, SummariesSayWhyInOneSentence) {
    struct Case {
        Technique technique;
        const GridKind* kind;
        std::string summary;
    };
    const Case cases[] = {
        {Technique::HiddenPair, &kNineGrid,
         "Hidden Pair in row 1: 2 and 7 fit only in r1c1 and r1c5, so remove 1, 3, 4, 5, 6, 8 and "
         "9 from r1c1 and r1c5."},
        {Technique::Swordfish, &kNineGrid,
         "Swordfish on 5 in columns 1, 4 and 7, so remove 5 from r1c2, r1c3, r1c5, r1c6, r1c8, "
         "r1c9, r4c2, r4c3, r4c5, r4c6, r4c8, r4c9, r7c2, r7c3, r7c5, r7c6, r7c8 and r7c9."},
        {Technique::XyChain, &kNineGrid,
         "XY-Chain on 1 from r1c1 to r4c8: r1c1 is 1 or r4c8 is 1, so remove 1 from r1c8 and "
         "r4c1."},
        {Technique::ContinuousNiceLoop, &kNineGrid,
         "Continuous Nice Loop at r1c1: a loop through r1c1, r4c1, r4c5 and r1c5, so remove 1 "
         "from r2c1 and r3c1; 2 from r1c2, r1c3, r1c4, r1c6, r1c7, r1c8 and r1c9; 3 from r2c5 and "
         "r3c5, and 17 more."},
        {Technique::ForcingChainContradiction, &kNineGrid,
         "If r9c2 is 3, then 2 has no place left in row 1, so r9c2 is not 3."},
    };
    for (const auto& c : cases) {
        const auto pattern = std::find_if(std::begin(kCases), std::end(kCases), [&](const auto& t) {
            return t.technique == c.technique && t.kind == c.kind;
        });
        const std::vector<Step> steps = stepsOf(c.technique, narrowed(*c.kind, pattern->pattern));
        ASSERT_FALSE(steps.empty());
        EXPECT_EQ(steps.front().summary, c.summary);
        EXPECT_LE(steps.front().summary.size(), kSummaryLength);
    }
}

// A chain in the notation of chain diagrams, "(5)r1c5 = (5)r1c1 - (5)r4c1": "=" for a strong link,
// "-" for a weak one, a group's cells joined by "/"; a link that does not go on from where the one
// before ended starts again after " | ".
std::string chainNotation(const GridKind& kind, const std::vector<ChainLink>& chain) {
    const auto node = [&](const std::vector<CellValue>& cells) {
        std::string text = "(" + std::to_string(cells.front().value) + ")";
        for (std::size_t i = 0; i < cells.size(); ++i)
            text += (i > 0 ? "/" : "") + cellName(kind, cells[i].cell);
        return text;
    };
    std::string text;
    for (std::size_t i = 0; i < chain.size(); ++i) {
        if (i == 0 || chain[i].from != chain[i - 1].to)
            text += (i > 0 ? " | " : "") + node(chain[i].from);
        text += (chain[i].strong ? " = " : " - ") + node(chain[i].to);
    }
    return text;
}

// The chain techniques link the cells of their pattern in order, each link as strong as the
// reasoning needs it; the hint panel reads a chain one link a line ("lines", joined by " / ",
// checked where given).
TEST(Techniques, LinkTheirChains) {
    const struct {
        Technique technique;
        const GridKind* kind;
        std::string chain;
        std::string lines;
        int pattern = 0;  // as for ExplainInPlainWords
    } cases[] = {
        {Technique::Skyscraper, &kNineGrid, "(5)r1c5 = (5)r1c1 - (5)r4c1 = (5)r4c6",
         "r1c5 is not 5, so r1c1 is 5 / so r4c1 is not 5 / so r4c6 is 5"},
        {Technique::TwoStringKite, &kFifteenGrid, "(5)r1c14 = (5)r1c2 - (5)r4c1 = (5)r12c1", ""},
        {Technique::TurbotFish, &kNineGrid, "(5)r8c5 = (5)r3c5 - (5)r3c2 = (5)r1c1", ""},
        {Technique::EmptyRectangle, &kNineGrid, "(5)r8c7 = (5)r2c7 - (5)r2c1/r2c3 = (5)r1c2/r3c2",
         "r8c7 is not 5, so r2c7 is 5 / so neither r2c1 nor r2c3 is 5 / so 5 is in r1c2 or r3c2"},
        {Technique::XChain, &kNineGrid, "(5)r1c1 = (5)r1c5 - (5)r4c5 = (5)r4c8 - (5)r7c8 = (5)r7c2",
         ""},
        {Technique::WWing, &kNineGrid, "(2)r1c1 = (1)r1c1 - (1)r9c1 = (1)r9c6 - (1)r5c6 = (2)r5c6",
         ""},
        {Technique::SimpleColouring, &kNineGrid,
         "(5)r1c1 = (5)r1c4 = (5)r7c4 = (5)r7c8 = (5)r2c8 = (5)r2c5 | (5)r1c4 - (5)r2c5",
         "r1c1 is not 5, so r1c4 is 5 / r1c4 is not 5, so r7c4 is 5 / r7c4 is not 5, so r7c8 is 5 "
         "/ r7c8 is not 5, so r2c8 is 5 / r2c8 is not 5, so r2c5 is 5 / r1c4 is 5, so r2c5 is not "
         "5",
         1},
        {Technique::RemotePair, &kNineGrid,
         "(1)r1c1 = (2)r1c1 - (2)r1c5 = (1)r1c5 - (1)r4c5 = (2)r4c5 - (2)r4c8 = (1)r4c8", ""},
        {Technique::XyChain, &kNineGrid,
         "(1)r1c1 = (2)r1c1 - (2)r1c5 = (3)r1c5 - (3)r4c5 = (4)r4c5 - (4)r4c8 = (1)r4c8", ""},
        {Technique::Medusa, &kNineGrid,
         "(1)r1c1 = (2)r1c1 | (1)r1c1 = (1)r1c5 | (2)r1c1 = (2)r5c1 | (1)r1c5 = (3)r1c5 = (3)r5c5",
         ""},
    };
    for (const auto& c : cases) {
        int skipped = 0;
        const auto pattern = std::find_if(std::begin(kCases), std::end(kCases), [&](const auto& t) {
            return t.technique == c.technique && t.kind == c.kind && skipped++ == c.pattern;
        });
        const std::vector<Step> steps = stepsOf(c.technique, narrowed(*c.kind, pattern->pattern));
        ASSERT_FALSE(steps.empty());
        EXPECT_EQ(chainNotation(*c.kind, steps.front().chain), c.chain);
        std::string lines;
        for (const std::string& line : chainLines(*c.kind, steps.front().chain))
            lines += (lines.empty() ? "" : " / ") + line;
        if (!c.lines.empty()) {
            EXPECT_EQ(lines, c.lines);
        }
    }
}

// A finder stops when the sink has had enough, and says so: the solver takes one step from
// patterns that hold several.
TEST(Techniques, StopWhenTheSinkHasEnough) {
    for (const TechniqueCase& c : kCases) {
        LogicGrid grid = narrowed(*c.kind, c.pattern);
        grid.setOneSolution(techniqueInfo(c.technique).group == TechniqueGroup::Uniqueness);
        int calls = 0;
        EXPECT_FALSE(findSteps(c.technique, grid, [&](Step&&) { return ++calls < 0; }))
            << techniqueInfo(c.technique).name << ": " << c.pattern;
        EXPECT_EQ(calls, 1) << techniqueInfo(c.technique).name << ": " << c.pattern;
    }
}

// Candidate states other programs publish as cases where a technique must find nothing, as
// candidate lines, with the placement a hint makes from those notes; the solution holds it.
TEST(Techniques, ClaimNothingOnPublishedFailCases) {
    const struct {
        Technique technique;
        std::string state;
        std::string hint;
    } cases[] = {
        // Every empty cell holds two candidates but r7c6 (1/4/6), and 9 fits three times in row
        // 7, column 6 and block 8, but r7c6 cannot hold it: no BUG+1.
        {Technique::BugPlusOne,
         "....5.......4..........67...23..............9.2...6..........8...3...7..1........"
         "..3..............9.2.......1..4.....1.....7.........8......67......5.......4.6..."
         "......78.1.............6.8...3.5.........67.....45......3.....9.2..........4....9"
         "......78...3.........4..........6...1......8.1.....7......5............9.2......."
         ".....6....2.............78.....5...9...4.........5...91..............78...3......"
         "1............5............9.2....7...2.....8...3...........67.....4..........6.8."
         ".2......9.......8.....5.......4....9.2...6...1..4.6.....3.....91.3............7.."
         ".2......9......7..1...............8...3.......2......9...4..........6.......5...."
         "...4..........6.....3......1.....7......5..........7.9.2.......1......8........89",
         "r1c3=7"},
    };
    for (const auto& c : cases) {
        const Puzzle state = *parseCandidateLine(c.state).puzzle;
        const std::vector<Step> steps =
            stepsOf(c.technique, LogicGrid(state.kind, state.values, state.candidates));
        EXPECT_TRUE(steps.empty()) << steps.front().text;
        const LogicPath hint = hintPath(state.kind, state.values, state.candidates);
        ASSERT_EQ(hint.end, PathEnd::Placed);
        const CellValue placed = hint.steps.back().placements.front();
        EXPECT_EQ(cellName(state.kind, placed.cell) + "=" + std::to_string(placed.value), c.hint);
        EXPECT_EQ(countSolutions(state.kind, state.values, 1).firstSolution[placed.cell - 1],
                  placed.value);
    }
}

// Whether a link holds on the grid before the step, read as a checker outside the program reads
// the tool's chains: a strong link from a false node to a true one, between two values of the
// same cells that make an almost locked set (n cells of one unit holding n + 1 values; one cell
// with two) or a value's only places in a unit; a weak link from a true node to a false one,
// between two values of a cell or cells of one value that all see each other. A node's cells
// lacking its value do not count, but one must hold it.
bool linkHolds(const LogicGrid& grid, const ChainLink& link) {
    if (link.from.empty() || link.to.empty() || link.fromOn == link.strong) return false;
    std::vector<int> fromCells;
    std::vector<int> toCells;
    std::vector<int> ends;
    for (const auto& [node, cells] :
         {std::pair(&link.from, &fromCells), std::pair(&link.to, &toCells)})
        for (const CellValue& candidate : *node) {
            if (candidate.value != node->front().value) return false;
            if (!grid.hasCandidate(candidate.cell, candidate.value)) continue;
            cells->push_back(candidate.cell);
            ends.push_back(candidate.cell);
        }
    if (fromCells.empty() || toCells.empty()) return false;
    const int value = link.from.front().value;
    if (link.to.front().value != value) {
        if (!link.strong)
            return link.from.size() == 1 && link.to.size() == 1 && fromCells == toCells;
        ValueMask held = 0;
        for (const CellValue& candidate : link.from)
            held |= grid.candidates(candidate.cell);
        const bool sameCells =
            std::equal(link.from.begin(), link.from.end(), link.to.begin(), link.to.end(),
                       [](const CellValue& a, const CellValue& b) { return a.cell == b.cell; });
        bool oneUnit = false;
        for (int unit = 0; unit < grid.unitCount(); ++unit) {
            const auto cells = grid.unitCells(unit);
            oneUnit =
                oneUnit || std::all_of(link.from.begin(), link.from.end(), [&](const CellValue& c) {
                    return std::find(cells.begin(), cells.end(), c.cell) != cells.end();
                });
        }
        return sameCells && oneUnit &&
               std::popcount(static_cast<unsigned>(held)) == static_cast<int>(link.from.size()) + 1;
    }
    std::sort(ends.begin(), ends.end());
    if (std::adjacent_find(ends.begin(), ends.end()) != ends.end()) return false;
    if (!link.strong)
        return std::all_of(fromCells.begin(), fromCells.end(), [&](int a) {
            return std::all_of(toCells.begin(), toCells.end(),
                               [&](int b) { return grid.sees(a, b); });
        });
    for (int unit = 0; unit < grid.unitCount(); ++unit) {
        std::vector<int> places;
        for (const int cell : grid.unitCells(unit))
            if (grid.hasCandidate(cell, value)) places.push_back(cell);
        if (places == ends) return true;
    }
    return false;
}

// Every link of the chain techniques holds on the grid the step was found on, and a chain goes on
// from what its last link concluded.
TEST(Techniques, ChainLinksHoldOnTheirGrid) {
    const Technique chained[] = {Technique::Skyscraper,
                                 Technique::TwoStringKite,
                                 Technique::TurbotFish,
                                 Technique::EmptyRectangle,
                                 Technique::XChain,
                                 Technique::WWing,
                                 Technique::RemotePair,
                                 Technique::XyChain,
                                 Technique::Aic,
                                 Technique::GroupedAic,
                                 Technique::ContinuousNiceLoop,
                                 Technique::DiscontinuousNiceLoop,
                                 Technique::GroupedContinuousNiceLoop,
                                 Technique::GroupedDiscontinuousNiceLoop,
                                 Technique::DualTwoStringKite,
                                 Technique::DualEmptyRectangle,
                                 Technique::MultiColouring,
                                 Technique::Medusa};
    // Two patterns in one step, or a colouring's tree of links, start again where they branch.
    const Technique branching[] = {Technique::DualTwoStringKite, Technique::DualEmptyRectangle,
                                   Technique::MultiColouring, Technique::Medusa};
    for (const TechniqueCase& c : kCases) {
        if (std::find(std::begin(chained), std::end(chained), c.technique) == std::end(chained))
            continue;
        const LogicGrid grid = narrowed(*c.kind, c.pattern);
        for (const Step& step : stepsOf(c.technique, grid)) {
            ASSERT_FALSE(step.chain.empty()) << step.text;
            for (std::size_t i = 0; i < step.chain.size(); ++i) {
                const ChainLink& link = step.chain[i];
                EXPECT_TRUE(linkHolds(grid, link)) << step.text << " link " << i;
                if (i > 0 && std::find(std::begin(branching), std::end(branching), c.technique) ==
                                 std::end(branching)) {
                    EXPECT_EQ(link.from, step.chain[i - 1].to) << step.text << " link " << i;
                    EXPECT_EQ(link.fromOn, step.chain[i - 1].strong) << step.text << " link " << i;
                }
            }
        }
    }
}

// Chains and shapes beyond the shortest: an X-Chain of nine links (five rows and four columns
// holding 5 twice each) and one that goes round the cells it clears, an ALS-XY-Chain that needs
// seven sets, a Sue de Coq whose block part takes one cell more than the cells that already lock it
// and one whose line part holds a cell sharing no value with the meeting cells, and chains through
// almost locked sets as nodes (optional techniques); each with a near miss that loses the
// elimination, its chain unbroken.
TEST(Techniques, ReachLongChainsAndWiderShapes) {
    const std::string tenCells =
        "5@r1:r1c1,r1c2 5@c2:r1c2,r4c2 5@r4:r4c2,r4c5 5@c5:r4c5,r7c5 5@c6:r7c6,r2c6 "
        "5@r2:r2c6,r2c8 5@c8:r2c8,r8c8 5@r8:r8c8,r8c3 ";
    // r1c1 to r8c3 in five links passes r1c3 and r3c3, which see both ends; seven go round them.
    const std::string detour =
        "5@r1:r1c1,r1c3 5@c1:r1c1,r5c1 5@r3:r3c3,r3c7 5@r8:r8c7,r8c3 5@c8:r7c8,r9c8 "
        "5@b7:r9c2,r8c3 ";
    const TechniqueCase cases[] = {
        {Technique::XChain, &kNineGrid, tenCells + "5@r7:r7c5,r7c6", "r3c3-5",
         tenCells + "5@r7:r7c5,r7c6,r7c9"},
        {Technique::XChain, &kNineGrid, detour + "5@c5:r5c5,r7c5", "r3c3-5",
         detour + "5@c5:r5c5,r7c5,r2c5"},
        {Technique::AlsXyChain, &kNineGrid,
         "r1c1=1,2 r1c4=2,3 r4c4=3,4 r4c7=4,5 r7c7=5,6 r7c2=6,7 r2c2=7,8 r2c5=8,9 r5c5=9,3 "
         "r5c8=3,4 r8c8=4,5 r8c3=5,6 r3c3=6,7 r3c6=7,1",
         "r1c5-1",
         "r1c1=1,2 r1c4=2,3 r4c4=3,4 r4c7=4,5 r7c7=5,6 r7c2=6,7 r2c2=7,8 r2c5=8,9 r5c5=9,3 "
         "r5c8=3,4 r8c8=4,5 r8c3=5,6 r3c3=6,7 r3c6=7,2"},
        {Technique::SueDeCoq, &kNineGrid, "r1c1=1,2,3,4 r1c2=1,2,3,4 r1c5=1,2 r2c1=3,4 r2c2=3,5",
         "r3c3-5", "r1c1=1,2,3,4 r1c2=1,2,3,4 r1c5=1,2 r2c1=3,6 r2c2=3,5"},
        {Technique::SueDeCoq, &kNineGrid,
         "r1c1=1,2,3,4 r1c2=1,2,3,4 r1c5=1,5 r1c6=2,6 r1c7=5,6 r2c1=3,4", "r1c4-5",
         "r1c1=1,2,3,4 r1c2=1,2,3,4 r1c5=1,5 r1c6=2,6 r1c7=5,7 r2c1=3,4"},
        {Technique::AlsAic, &kNineGrid, "r1c1=1,2 r4c1=2,3 r5c1=2,3,4 r5c9=1,4", "r1c9-1",
         "r1c1=1,2 r4c1=2,3 r5c1=2,3,4 r5c9=1,5"},
    };
    for (const TechniqueCase& c : cases) {
        const std::string name(techniqueInfo(c.technique).name);
        const LogicGrid grid = narrowed(*c.kind, c.pattern);
        const std::vector<Step> steps = stepsOf(c.technique, grid);
        EXPECT_TRUE(std::any_of(steps.begin(), steps.end(), [&](const Step& s) {
            return stepHas(s, *c.kind, c.expected);
        })) << name;
        for (const Step& step : steps)
            for (std::size_t i = 0; i < step.chain.size(); ++i) {
                EXPECT_TRUE(linkHolds(grid, step.chain[i])) << step.text << " link " << i;
                if (i > 0) {
                    EXPECT_EQ(step.chain[i].from, step.chain[i - 1].to) << step.text;
                }
            }
        for (const Step& step : stepsOf(c.technique, narrowed(*c.kind, c.nearMiss)))
            EXPECT_FALSE(stepHas(step, *c.kind, c.expected)) << name << " near miss: " << step.text;
    }
}

// The first step of each pattern above rates on the published scale, in tenths: a technique's
// ratings follow its patterns in table order, the last repeating. Hidden Singles rate by their
// unit, chains by their length, and a step that leaves a hidden single (the Pointing pattern
// added last) as the direct form.
TEST(Techniques, RateOnTheScale) {
    const std::string table =
        "Full House: 10|Naked Single: 23|Hidden Single: 15 12|"
        "Locked Candidates (Pointing): 26 26 17|Locked Candidates (Claiming): 28|Naked Pair: 30|"
        "Hidden Pair: 34|Naked Triple: 36|Hidden Triple: 40|Naked Quad: 50|Hidden Quad: 54|"
        "X-Wing: 32|Swordfish: 38|Jellyfish: 52|Skyscraper: 66|Two-String Kite: 66|"
        "Finned X-Wing: 35|Sashimi X-Wing: 36|Finned Swordfish: 41|Sashimi Swordfish: 42|"
        "Finned Jellyfish: 55|Sashimi Jellyfish: 56|Turbot Fish: 66|Empty Rectangle: 66|"
        "X-Chain: 67|WXYZ-Wing: 55|XY-Wing: 42|XYZ-Wing: 44|W-Wing: 67|Simple Colouring: 67|"
        "Remote Pair: 68|XY-Chain: 68|Unique Rectangle Type 1: 45|Unique Rectangle Type 2: 45|"
        "Unique Rectangle Type 3: 46|Unique Rectangle Type 4: 45|Unique Rectangle Type 5: 45|"
        "Unique Rectangle Type 6: 45|Hidden Rectangle: 45|BUG+1: 56|Sue de Coq: 50|ALS-XZ: 55|"
        "ALS-XY-Wing: 60|Aligned Pair Exclusion: 62|ALS-XY-Chain: 68|Death Blossom: 68|"
        "AIC: 71|Discontinuous Nice Loop: 72|Continuous Nice Loop: 72|Grouped AIC: 71|"
        "Grouped Discontinuous Nice Loop: 72|Grouped Continuous Nice Loop: 71|"
        "Forcing Chain Contradiction: 77|Forcing Chain Verity: 83|Forcing Net: 85|"
        "Dual Two-String Kite: 66|Dual Empty Rectangle: 66|Multi-Colouring: 67 66|3D Medusa: 71|"
        "Avoidable Rectangle Type 1: 45|Avoidable Rectangle Type 2: 45|"
        "Unique Rectangle With Missing Candidates: 45|"
        "Locked Pair: 17|Locked Triple: 20|Franken X-Wing: 37|Finned Franken X-Wing: 40|"
        "Mutant X-Wing: 42|Finned Mutant X-Wing: 45|Franken Swordfish: 43|"
        "Finned Franken Swordfish: 46|Mutant Swordfish: 48|Finned Mutant Swordfish: 51|"
        "Franken Jellyfish: 57|Finned Franken Jellyfish: 60|Mutant Jellyfish: 62|"
        "Finned Mutant Jellyfish: 65|Siamese X-Wing: 36|Siamese Swordfish: 42|"
        "Siamese Jellyfish: 56|Aligned Triple Exclusion: 75";
    std::map<std::string, std::vector<int>> rated;
    std::stringstream rows(table);
    for (std::string row; std::getline(rows, row, '|');) {
        std::stringstream ratings(row.substr(row.find(':') + 1));
        for (int tenths; ratings >> tenths;)
            rated[row.substr(0, row.find(':'))].push_back(tenths);
    }
    std::map<Technique, std::size_t> seen;
    std::vector<TechniqueCase> cases(std::begin(kCases), std::end(kCases));
    cases.push_back(
        {Technique::LockedPointing, &kNineGrid, "5@b1:r1c1,r1c2 5@c9:r1c9,r5c9", "", ""});
    for (const TechniqueCase& c : cases) {
        const std::string name(techniqueInfo(c.technique).name);
        ASSERT_TRUE(rated.contains(name)) << name;
        const std::vector<int>& ratings = rated.at(name);
        const int expected = ratings[std::min(seen[c.technique]++, ratings.size() - 1)];
        const LogicGrid grid = narrowed(*c.kind, c.pattern);
        EXPECT_EQ(stepRating(grid, stepsOf(c.technique, grid).front()), expected) << c.pattern;
    }
}

}  // namespace
}  // namespace quorvel::logic
