#include "logic/puzzle_rating.h"

#include <algorithm>

#include "logic/logic_solver.h"
#include "solver/solution_count.h"

namespace quorvel::logic {

namespace {

int levelOf(TechniqueGroup group) {
    switch (group) {
        case TechniqueGroup::Single:
            return 1;
        case TechniqueGroup::Intersection:
        case TechniqueGroup::Subset:
            return 2;
        case TechniqueGroup::Fish:
        case TechniqueGroup::SingleValuePattern:
        case TechniqueGroup::Wing:
        case TechniqueGroup::Uniqueness:
            return 3;
        case TechniqueGroup::Chain:
            return 4;
    }
    return 4;
}

}  // namespace

PuzzleRating ratePuzzle(const GridKind& kind, std::span<const int> values,
                        std::span<const ValueMask> candidates) {
    PuzzleRating rating;
    rating.solutions = countSolutions(kind, values, 2, candidates).count;
    if (rating.solutions == 0) return rating;
    const LogicPath path = explainPath(kind, values, candidates);
    rating.logicSolved = path.end == PathEnd::Solved;
    rating.level = rating.logicSolved ? 1 : 4;
    int hardestScore = 0;
    for (const Step& step : path.steps) {
        const TechniqueInfo& info = techniqueInfo(step.technique);
        rating.score += info.score;
        rating.level = std::max(rating.level, levelOf(info.group));
        if (info.score > hardestScore) {
            hardestScore = info.score;
            rating.hardest = std::string(info.name);
        }
    }
    return rating;
}

std::string ratingText(const PuzzleRating& rating) {
    std::string text =
        "Rated " + levelName(rating.level) + ": score " + std::to_string(rating.score);
    if (!rating.hardest.empty()) text += ", hardest step " + rating.hardest;
    if (!rating.logicSolved) text += ", not finished by logic";
    return text + ".";
}

std::string levelName(int level) {
    static const char* const kNames[] = {"Easy", "Medium", "Hard", "Very Hard"};
    return level >= 1 && level <= 4 ? kNames[level - 1] : "";
}

}  // namespace quorvel::logic
