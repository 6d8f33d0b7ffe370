#include "engines/solver/solution_count.h"

#include "engines/solver/exact_search.h"

namespace quorvel {
namespace {

template <class S>
SolutionCount countWith(std::span<const int> cells, std::span<const ValueMask> allowed, int limit,
                        std::mt19937_64* random) {
    exact::Search<S> search(limit, random);
    exact::State<S> start;
    const bool fits = allowed.empty() || allowed.size() == cells.size();
    if (limit > 0 && fits && search.load(cells, allowed, start)) search.run(start);
    return {search.count(), search.first(), search.second()};
}

SolutionCount countFor(const GridKind& kind, std::span<const int> cells,
                       std::span<const ValueMask> allowed, int limit, std::mt19937_64* random) {
    if (kind.isNine()) return countWith<exact::NineShape>(cells, allowed, limit, random);
    return countWith<exact::FifteenShape>(cells, allowed, limit, random);
}

}  // namespace

SolutionCount countSolutions(const GridKind& kind, std::span<const int> cells, int limit,
                             std::span<const ValueMask> candidates) {
    return countFor(kind, cells, candidates, limit, nullptr);
}

std::vector<int> differingCells(const SolutionCount& solutions) {
    std::vector<int> cells;
    if (solutions.count < 2) return cells;
    for (std::size_t index = 0; index < solutions.firstSolution.size(); ++index) {
        if (solutions.firstSolution[index] != solutions.secondSolution[index])
            cells.push_back(static_cast<int>(index) + 1);
    }
    return cells;
}

CellValues randomCompleteGrid(const GridKind& kind, std::mt19937_64& random) {
    const CellValues empty(kind.cellCount(), 0);
    return countFor(kind, empty, {}, 1, &random).firstSolution;
}

}  // namespace quorvel
