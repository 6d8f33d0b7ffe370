#include "logic/logic_solver.h"

#include "logic/step_text.h"
#include "solver/solution_count.h"

namespace quorvel::logic {

namespace {

// A cell whose candidates lack the value the first solution of the values alone gives it; none
// (cell 0) when the values have no solution either.
CellValue neededCandidate(const GridKind& kind, std::span<const int> values,
                          std::span<const ValueMask> candidates) {
    const SolutionCount plain = countSolutions(kind, values, 1);
    for (std::size_t i = 0; i < plain.firstSolution.size() && i < candidates.size(); ++i) {
        const int value = plain.firstSolution[i];
        if (((candidates[i] >> value) & 1u) == 0) return {static_cast<int>(i) + 1, value};
    }
    return {};
}

LogicPath runPath(const GridKind& kind, std::span<const int> values,
                  std::span<const ValueMask> candidates, const StepChoice& choose,
                  bool untilPlacement) {
    LogicPath path;
    path.kind = kind;
    path.values.assign(values.begin(), values.end());
    const int solutions = countSolutions(kind, values, 2, candidates).count;
    if (solutions == 0) {
        path.needed = neededCandidate(kind, values, candidates);
        path.end = path.needed.cell != 0 ? PathEnd::CandidateRemoved : PathEnd::NoSolution;
        return path;
    }
    LogicGrid grid(kind, values, candidates);
    grid.setOneSolution(solutions == 1);
    path.end = PathEnd::Solved;
    while (grid.emptyCount() > 0) {
        std::optional<Step> step = choose(grid);
        if (!step) {
            path.end = PathEnd::Stuck;
            break;
        }
        grid.apply(*step);
        const bool places = !step->placements.empty();
        path.steps.push_back(std::move(*step));
        if (untilPlacement && places) {
            path.end = PathEnd::Placed;
            break;
        }
    }
    path.values = grid.values();
    return path;
}

}  // namespace

bool findSteps(Technique technique, const LogicGrid& grid, const StepSink& sink) {
    switch (technique) {
        case Technique::FullHouse:
            return findFullHouse(grid, sink);
        case Technique::NakedSingle:
            return findNakedSingle(grid, sink);
        case Technique::HiddenSingle:
            return findHiddenSingle(grid, sink);
        case Technique::LockedPointing:
            return findPointing(grid, sink);
        case Technique::LockedClaiming:
            return findClaiming(grid, sink);
        case Technique::NakedPair:
            return findNakedSubset(grid, 2, sink);
        case Technique::HiddenPair:
            return findHiddenSubset(grid, 2, sink);
        case Technique::NakedTriple:
            return findNakedSubset(grid, 3, sink);
        case Technique::HiddenTriple:
            return findHiddenSubset(grid, 3, sink);
        case Technique::XWing:
            return findFish(grid, 2, FishFins::None, sink);
        case Technique::FinnedXWing:
            return findFish(grid, 2, FishFins::Finned, sink);
        case Technique::SashimiXWing:
            return findFish(grid, 2, FishFins::Sashimi, sink);
        case Technique::NakedQuad:
            return findNakedSubset(grid, 4, sink);
        case Technique::HiddenQuad:
            return findHiddenSubset(grid, 4, sink);
        case Technique::Skyscraper:
            return findSkyscraper(grid, sink);
        case Technique::TwoStringKite:
            return findTwoStringKite(grid, sink);
        case Technique::TurbotFish:
            return findTurbotFish(grid, sink);
        case Technique::EmptyRectangle:
            return findEmptyRectangle(grid, sink);
        case Technique::SueDeCoq:
            return findSueDeCoq(grid, sink);
        case Technique::AlsXz:
            return findAlsXz(grid, sink);
        case Technique::AlsXyWing:
            return findAlsXyWing(grid, sink);
        case Technique::AlignedPairExclusion:
            return findAlignedPairExclusion(grid, sink);
        case Technique::AlsXyChain:
            return findAlsXyChain(grid, sink);
        case Technique::DeathBlossom:
            return findDeathBlossom(grid, sink);
        case Technique::XChain:
            return findXChain(grid, sink);
        case Technique::Swordfish:
            return findFish(grid, 3, FishFins::None, sink);
        case Technique::FinnedSwordfish:
            return findFish(grid, 3, FishFins::Finned, sink);
        case Technique::SashimiSwordfish:
            return findFish(grid, 3, FishFins::Sashimi, sink);
        case Technique::XyWing:
            return findXyWing(grid, sink);
        case Technique::XyzWing:
            return findXyzWing(grid, sink);
        case Technique::WWing:
            return findWWing(grid, sink);
        case Technique::WxyzWing:
            return findWxyzWing(grid, sink);
        case Technique::UniqueRectangle1:
        case Technique::UniqueRectangle2:
        case Technique::UniqueRectangle3:
        case Technique::UniqueRectangle4:
        case Technique::UniqueRectangle5:
        case Technique::UniqueRectangle6:
        case Technique::HiddenRectangle:
            return findUniqueRectangle(grid, technique, sink);
        case Technique::BugPlusOne:
            return findBugPlusOne(grid, sink);
        case Technique::RemotePair:
            return findRemotePair(grid, sink);
        case Technique::SimpleColouring:
            return findSimpleColouring(grid, sink);
        case Technique::Jellyfish:
            return findFish(grid, 4, FishFins::None, sink);
        case Technique::FinnedJellyfish:
            return findFish(grid, 4, FishFins::Finned, sink);
        case Technique::SashimiJellyfish:
            return findFish(grid, 4, FishFins::Sashimi, sink);
        case Technique::XyChain:
            return findXyChain(grid, sink);
        case Technique::Aic:
        case Technique::GroupedAic:
            return findAic(grid, technique == Technique::GroupedAic, sink);
        case Technique::ContinuousNiceLoop:
        case Technique::GroupedContinuousNiceLoop:
            return findNiceLoop(grid, true, technique == Technique::GroupedContinuousNiceLoop,
                                sink);
        case Technique::DiscontinuousNiceLoop:
        case Technique::GroupedDiscontinuousNiceLoop:
            return findNiceLoop(grid, false, technique == Technique::GroupedDiscontinuousNiceLoop,
                                sink);
        case Technique::ForcingChainContradiction:
            return findForcingChainContradiction(grid, sink);
        case Technique::ForcingChainVerity:
            return findForcingChainVerity(grid, sink);
        case Technique::ForcingNet:
            return findForcingNet(grid, sink);
    }
    return true;
}

std::optional<Step> nextStep(const LogicGrid& grid) {
    std::optional<Step> found;
    for (const TechniqueInfo& info : allTechniques()) {
        findSteps(info.technique, grid, [&](Step&& step) {
            found = std::move(step);
            return false;
        });
        if (found) break;
    }
    return found;
}

LogicPath explainPath(const GridKind& kind, std::span<const int> values,
                      std::span<const ValueMask> candidates) {
    return runPath(kind, values, candidates, nextStep, false);
}

LogicPath choosePath(const GridKind& kind, std::span<const int> values,
                     std::span<const ValueMask> candidates, const StepChoice& choose) {
    return runPath(kind, values, candidates, choose, false);
}

LogicPath hintPath(const GridKind& kind, std::span<const int> values,
                   std::span<const ValueMask> candidates) {
    return runPath(kind, values, candidates, nextStep, true);
}

std::string pathMessage(const LogicPath& path) {
    switch (path.end) {
        case PathEnd::Solved:
            return std::string(kCompleteText);
        case PathEnd::Stuck:
            return std::string(kStuckText);
        case PathEnd::NoSolution:
            return std::string(kNoSolutionText);
        case PathEnd::CandidateRemoved: {
            return std::string(kCandidateRemovedText) + cellName(path.kind, path.needed.cell) +
                   " must be able to hold " + std::to_string(path.needed.value);
        }
        case PathEnd::Placed:
            break;
    }
    return {};
}

}  // namespace quorvel::logic
