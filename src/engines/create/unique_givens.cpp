#include "engines/create/unique_givens.h"

#include "engines/solver/solution_count.h"

namespace quorvel {

UniqueGivens addGivensUntilUnique(const GridKind& kind, std::vector<int>& puzzle,
                                  const std::vector<int>& solution, RandomSource& random) {
    UniqueGivens result;
    if (solution.size() != puzzle.size()) return result;
    const int last = kind.cellCount() - 1;
    while (true) {
        const SolutionCount count = countSolutions(kind, puzzle, 2);
        if (count.count < 2) {
            result.unique = count.count == 1;
            return result;
        }
        const std::vector<int> differ = differingCells(count);
        const int index = differ[drawBelow(random, differ.size())] - 1;
        if (solution[index] == 0) return result;  // not a full grid: nothing to add
        for (const int cell : {index, last - index}) {
            if (puzzle[cell] != 0) continue;
            puzzle[cell] = solution[cell];
            ++result.cellsAdded;
        }
    }
}

}  // namespace quorvel
